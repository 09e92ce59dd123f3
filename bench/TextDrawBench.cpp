// One short text drawn again and again in one font, as a progress report
// draws its percentage.  On Windows (or wine): the GDI renderer, which keeps
// its fonts, DC and section, against a baseline measured in the same run
// that makes a font, a DC and a section for every draw; prints microseconds
// per draw and their ratio.  Elsewhere only the headless renderer.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/TextRenderer.h"
#ifdef _WIN32
#include "tests/support/FreshTextDraw.h"
#include "toolkit/graphics/GdiBridge.h"
#endif

using namespace nuvex;
using Clock = std::chrono::steady_clock;

namespace {

constexpr const char* kText = " 47 %";

TFont ReportFont() {
  TFont font;
  font.Name = "MS Sans Serif";
  font.Size = 8;
  font.Color = clNavy;
  return font;
}

// Microseconds per draw over enough draws to last about half a second.
template <typename Draw>
double MicrosecondsPerDraw(Draw&& draw) {
  for (int i = 0; i < 20; ++i) draw();  // warm up
  long draws = 0;
  const auto start = Clock::now();
  auto elapsed = Clock::duration::zero();
  do {
    for (int i = 0; i < 50; ++i) draw();
    draws += 50;
    elapsed = Clock::now() - start;
  } while (elapsed < std::chrono::milliseconds(500));
  return std::chrono::duration<double, std::micro>(elapsed).count() / draws;
}

}  // namespace

int main() {
  const TFont font = ReportFont();
  TBitmap target(200, 20);
  std::printf("text draw benchmark: \"%s\" in %s %d pt on a %dx%d picture\n", kText, font.Name.c_str(), font.Size,
              target.Width(), target.Height());

  THeadlessTextRenderer headless;
  const double blocks = MicrosecondsPerDraw([&] { headless.Draw(target, 80, 2, font, kText, std::nullopt); });
  std::printf("  headless block font:        %8.2f us per draw\n", blocks);

#ifdef _WIN32
  TTextRenderer& gdi = Service<TTextRenderer>::Platform();
  TBitmap kept(200, 20), fresh(200, 20);
  gdi.Draw(kept, 80, 2, font, kText, std::nullopt);
  test::FreshTextDraw(fresh, 80, 2, font, kText);
  const bool same = std::memcmp(kept.Bits(), fresh.Bits(), sizeof(TPixel) * kept.Width() * kept.Height()) == 0;

  const double perDraw = MicrosecondsPerDraw([&] { test::FreshTextDraw(target, 80, 2, font, kText); });
  const double cached = MicrosecondsPerDraw([&] { gdi.Draw(target, 80, 2, font, kText, std::nullopt); });
  const double fontOnly = MicrosecondsPerDraw([&] { (void)gdi::FontFor(font); });
  std::printf("  GDI, all made per draw:     %8.2f us per draw\n", perDraw);
  std::printf("  GDI, kept font/DC/section:  %8.2f us per draw\n", cached);
  std::printf("  ratio (per draw / kept):    %8.2f\n", perDraw / cached);
  std::printf("  font cache look-up:         %8.3f us\n", fontOnly);
  std::printf("  same pixels both ways:      %s\n", same ? "yes" : "NO");
#else
  std::printf("  (the GDI renderers are measured on Windows builds)\n");
#endif
  return 0;
}
