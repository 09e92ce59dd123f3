#include "toolkit/graphics/TextLayout.h"

namespace nuvex {
namespace {

// Classes of Unicode's line breaking rules, in the version the window
// system's DrawText follows; only those that occur in the code pages we show.
enum class TBreakClass : uint8_t {
  AL,  // letters, and any character without a class of its own
  NU,  // digits
  SP,  // the blank
  BA,  // a break after: tab, "|", soft hyphen, en dash
  HY,  // "-"
  EX,  // "!" "?"
  IS,  // "," "." ":" ";"
  SY,  // "/"
  PR,  // before a number: "$" "+" "\" and currency signs
  PO,  // after a number: "%" per mille, degree, cent
  OP,  // opening: "(" "[" "{", low quotes, inverted marks
  CL,  // "}"
  CP,  // ")" "]"
  QU,  // quotes and guillemets
  GL,  // the non-breaking blank
  B2,  // the em dash
  INS,  // the ellipsis (inseparable; "IN" is a macro of the window system's headers)
  BB,  // a break before: the acute accent
};
using enum TBreakClass;

TBreakClass ClassOf(unsigned char c, uint32_t codePage) {
  if (c >= '0' && c <= '9') return NU;
  switch (c) {
    case ' ': return SP;
    case '\t': case '|': case 0xAD: case 0x96: return BA;
    case '-': return HY;
    case '!': case '?': return EX;
    case ',': case '.': case ':': case ';': return IS;
    case '/': return SY;
    case '$': case '+': case '\\': case 0x80: case 0xA4: case 0xB1: return PR;
    case '%': case 0x89: case 0xB0: return PO;
    case '(': case '[': case '{': case 0x82: case 0x84: return OP;
    case '}': return CL;
    case ')': case ']': return CP;
    case '"': case '\'': case 0x8B: case 0x9B: case 0x91: case 0x92: case 0x93: case 0x94: case 0xAB: case 0xBB:
      return QU;
    case 0xA0: return GL;
    case 0x97: return B2;
    case 0x85: return INS;
    case 0xB4: return BB;
    default: break;
  }
  // Letters of code page 1250 (and others) where 1252 has signs.
  if (codePage == 1252) {
    switch (c) {
      case 0xA1: case 0xBF: return OP;
      case 0xA2: return PO;
      case 0xA3: case 0xA5: return PR;
      default: break;
    }
  }
  return AL;
}

// A break between two characters of these classes, neither of them a blank.
bool BreakBetween(TBreakClass before, TBreakClass after) {
  if (after == CL || after == CP || after == EX || after == IS || after == SY) return false;
  if (before == OP || before == BB || before == GL) return false;
  if (before == QU || after == QU) return false;
  if (before == B2 && after == B2) return false;
  if (after == GL) return before == BA || before == HY;
  if (after == BA || after == HY) return false;
  if (after == INS) return !(before == AL || before == NU || before == INS);
  switch (before) {
    case AL: return !(after == AL || after == NU || after == OP);
    case NU: return !(after == AL || after == NU || after == OP || after == PR || after == PO);
    case PR: case PO: return !(after == AL || after == NU || after == OP);
    case CL: return !(after == PR || after == PO);
    case CP: return !(after == AL || after == NU || after == PR || after == PO);
    case HY: case IS: case SY: return after != NU && !(before == IS && after == AL);
    default: return true;
  }
}

class LineBreaker {
 public:
  LineBreaker(std::string_view line, uint32_t codePage) : line_(line), codePage_(codePage) {}

  // Whether a line may end before line_[i] (0 < i < size): after a run of
  // blanks unless closing punctuation follows or the blanks follow an
  // opening, and between other characters as their classes say.
  bool BreakBefore(size_t i) const {
    const TBreakClass after = Class(i);
    if (after == SP) return false;
    if (Class(i - 1) != SP) return BreakBetween(Class(i - 1), after);
    if (after == CL || after == CP || after == EX || after == IS || after == SY) return false;
    size_t start = i - 1;
    while (start > 0 && Class(start - 1) == SP) --start;
    if (start == 0) return true;
    const TBreakClass before = Class(start - 1);
    return !(before == OP || (before == QU && after == OP) || (before == B2 && after == B2));
  }

 private:
  TBreakClass Class(size_t i) const { return ClassOf(static_cast<unsigned char>(line_[i]), codePage_); }

  std::string_view line_;
  uint32_t codePage_;
};

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

}  // namespace

std::vector<std::string> LayoutLines(std::string_view text, int width,
                                     const std::function<int(std::string_view)>& measure, TLineAlign align,
                                     uint32_t codePage) {
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = pos;
    while (end < text.size() && !IsLineBreak(text[end])) ++end;
    const std::string_view rest = text.substr(pos, end - pos);
    if (width < 0 || measure(rest) <= width) {
      lines.emplace_back(rest);
      pos = end;
      if (pos < text.size()) {
        const char first = text[pos++];
        if (pos < text.size() && IsLineBreak(text[pos]) && text[pos] != first) ++pos;
      }
      continue;
    }
    // The longest start of the rest that fits; prefix widths only grow.
    size_t fit = 0, over = rest.size();
    while (over - fit > 1) {
      const size_t mid = fit + (over - fit) / 2;
      (measure(rest.substr(0, mid)) <= width ? fit : over) = mid;
    }
    const LineBreaker breaker(rest, codePage);
    size_t cut = fit;
    while (cut > 0 && !breaker.BreakBefore(cut)) --cut;
    if (cut > 0) {
      // Placed against the right edge or centred, the line leaves out the
      // blank it broke after.
      const bool dropBlank = align != TLineAlign::Left && rest[cut - 1] == ' ';
      lines.emplace_back(rest.substr(0, dropBlank ? cut - 1 : cut));
      pos += cut;
    } else {
      // Nothing fits before a break: the piece runs on to the next blank
      // (perhaps the first character) and swallows it.  A line break after
      // it is left for the next line, which is then empty.
      size_t blank = fit;
      while (blank < rest.size() && rest[blank] != ' ') ++blank;
      lines.emplace_back(rest.substr(0, blank));
      pos += blank < rest.size() ? blank + 1 : blank;
    }
  }
  return lines;
}

}  // namespace nuvex
