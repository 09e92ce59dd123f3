#include "tests/support/ProgressBarPicture.h"

#include "controls/ProgressPicture.h"

namespace nuvex::test {

TBitmap ExpectedPicture(const TMyProgressBar& bar) {
  TProgressLook look;
  look.ColorDone = bar.ColorDone();
  look.ColorToDo = bar.ColorToDo();
  look.BorderWidth = bar.BorderWidth();
  look.ShowPercentage = bar.ShowPercentage();
  look.InfoText = bar.InfoText();
  look.Font = bar.Font();
  look.Shape = bar.Shape();
  look.Style = bar.Style();
  TProgressRange range;
  range.SetMax(bar.Max());
  range.SetMin(bar.Min());
  range.SetPosition(bar.Position());
  TBitmap b;
  PaintProgressPicture(b, bar.Width(), bar.Height(), look, range);
  return b;
}

}  // namespace nuvex::test
