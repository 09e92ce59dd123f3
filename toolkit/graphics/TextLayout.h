#pragma once
// Lines of a text as a label lays them out, the way the window system's
// DrawText with word break does.  A line ends at a line break: "\r", "\n",
// or one of each in either order ("\r\n", "\n\r"); a break at the very end
// makes no empty line after it, and an empty text has no lines.  With word
// wrap a line also ends where the next piece would pass the width, at the
// last break opportunity of the line breaking rules (after blanks, after
// hyphens and dashes, around most punctuation; never inside a word, a
// number or before closing punctuation).  The blanks that end such a line
// stay on it, except the last one when the line is placed against the right
// edge or centred.  Where no opportunity fits, the piece runs on to the next
// blank, which it swallows: an over-long word stands alone, wider than the
// width, and a run of blanks too wide to fit gives empty lines.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace nuvex {

enum class TLineAlign : uint8_t { Left, Right, Center };

// width < 0: no wrapping.  `measure` gives the advance width of a piece of
// text.  The text is bytes of the code page (1250 and 1252 differ in which
// bytes are punctuation; another gives their common punctuation).
std::vector<std::string> LayoutLines(std::string_view text, int width,
                                     const std::function<int(std::string_view)>& measure,
                                     TLineAlign align = TLineAlign::Left, uint32_t codePage = 1252);

}  // namespace nuvex
