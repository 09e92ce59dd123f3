#include "toolkit/graphics/TextLayout.h"

namespace nuvex {
namespace {

void WrapParagraph(std::string_view paragraph, int width, const std::function<int(std::string_view)>& measure,
                   std::vector<std::string>& lines) {
  if (width < 0 || measure(paragraph) <= width) {
    lines.emplace_back(paragraph);
    return;
  }
  size_t start = 0;
  while (start < paragraph.size()) {
    // The longest run of whole words from `start` that fits.
    size_t end = start;
    size_t scan = start;
    while (scan < paragraph.size()) {
      size_t wordEnd = paragraph.find(' ', scan);
      if (wordEnd == std::string_view::npos) wordEnd = paragraph.size();
      if (end > start && measure(paragraph.substr(start, wordEnd - start)) > width) break;
      end = wordEnd;
      if (measure(paragraph.substr(start, end - start)) > width) break;  // one word too wide: alone
      scan = wordEnd;
      while (scan < paragraph.size() && paragraph[scan] == ' ') ++scan;
    }
    lines.emplace_back(paragraph.substr(start, end - start));
    start = end;
    while (start < paragraph.size() && paragraph[start] == ' ') ++start;
  }
}

}  // namespace

std::vector<std::string> LayoutLines(std::string_view text, int width,
                                     const std::function<int(std::string_view)>& measure) {
  std::vector<std::string> lines;
  size_t from = 0;
  for (;;) {
    const size_t newline = text.find('\n', from);
    std::string_view paragraph = text.substr(from, newline == std::string_view::npos ? text.npos : newline - from);
    if (!paragraph.empty() && paragraph.back() == '\r') paragraph.remove_suffix(1);
    WrapParagraph(paragraph, width, measure, lines);
    if (newline == std::string_view::npos) break;
    from = newline + 1;
  }
  return lines;
}

}  // namespace nuvex
