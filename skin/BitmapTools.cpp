#include "skin/BitmapTools.h"

#include "toolkit/resources/BitmapResources.h"

namespace nuvex {

void CopyBitmap(const TBitmap& source, TBitmap& dest) {
  if (&source == &dest) return;
  dest.SetSize(source.Width(), source.Height());
  dest.Canvas().CopyRect(source.ClientRect(), source, source.ClientRect());
}

void LoadBitmapFromResource(const std::string& name, TBitmap& dest) {
  // Loaded (and possibly refused) before dest is touched.
  const TBitmap loaded = LoadBitmapResource(name);
  dest.SetSize(loaded.Width(), loaded.Height());
  const TPixelFormat format = dest.PixelFormat();
  if (format == pf1bit || format == pf4bit || format == pf8bit) dest.SetPixelFormat(pf16bit);
  dest.Canvas().Draw(0, 0, loaded);
}

}  // namespace nuvex
