#pragma once
// nvxskin render: a sheet of every control of the base skin in each of its
// states, as a skin paints it.  One row per control in the base skin's order:
// its name, then its state images side by side, each painted by PaintBitmap
// exactly as the control paints its picture buffer, with the key colour's
// holes shown as a chequerboard.  A label shows a sample text in its colour;
// a control the skin hides or does not define shows a marked empty cell.
#include <memory>
#include <string>
#include <vector>

#include "skin/ButtonProperty.h"
#include "toolkit/graphics/Bitmap.h"

namespace nvxskin {

// A source of definitions: a skin file or the base skin.
class DefinitionSource {
 public:
  virtual ~DefinitionSource() = default;
  // The definition of the control, and whether it is complete.
  virtual nuvex::TLoadedButton Load(const std::string& controlName) const = 0;
};
// The skin in skinFolder (see CheckSkinFolder); raises UsageError, also when
// the folder holds no skin file.
std::unique_ptr<DefinitionSource> SkinFileSource(const std::string& skinFolder);
std::unique_ptr<DefinitionSource> BaseSkinSource();

struct SheetOptions {
  int zoom = 2;  // every state image pixel as zoom x zoom sheet pixels
};

// Where one state image lies on the sheet.
struct SheetCell {
  std::string control;
  int state = 0;      // 0-based state index
  nuvex::TRect rect;  // the image's pixels on the sheet (zoomed)
};

// The pixel a state image shows on the sheet at (x, y) of its cell: the
// painted pixel, or the chequerboard where the pixel is the key colour.
nuvex::TPixel SheetPixel(nuvex::TPixel painted, int x, int y, int zoom);

// Paints the sheet; cells (when given) receives the place of every state image.
nuvex::TBitmap PaintSheet(DefinitionSource& source, const SheetOptions& options,
                          std::vector<SheetCell>* cells = nullptr);

}  // namespace nvxskin
