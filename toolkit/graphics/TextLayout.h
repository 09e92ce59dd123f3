#pragma once
// Lines of a text as a label lays them out: a line ends at "\n" (a "\r"
// before it belongs to the break), and with word wrap also where the next
// word would pass the width.  A break at a blank swallows the blanks there;
// a word wider than the whole width stays whole on a line of its own.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace nuvex {

// width < 0: no wrapping.  `measure` gives the advance width of a piece of text.
std::vector<std::string> LayoutLines(std::string_view text, int width,
                                     const std::function<int(std::string_view)>& measure);

}  // namespace nuvex
