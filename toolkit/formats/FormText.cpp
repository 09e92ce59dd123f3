#include "toolkit/formats/FormText.h"

#include <cctype>
#include <limits>

#include "base/Error.h"

namespace nuvex {
namespace {

constexpr int kMaxDepth = 64;

bool IsNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class Parser {
 public:
  Parser(std::string_view text, const std::string& source) : text_(text), source_(source) {}

  TFormObject Document() {
    Skip();
    TFormObject root = Object(0);
    Skip();
    if (!AtEnd()) Fail("text after the end of the form");
    return root;
  }

 private:
  [[noreturn]] void Fail(const std::string& reason) const {
    throw Error(source_ + ":" + std::to_string(line_) + ": " + reason);
  }
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }

  // Blanks, line ends and comments.
  void Skip() {
    while (!AtEnd()) {
      const char c = text_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
      } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
        while (!AtEnd() && text_[pos_] != '\n') ++pos_;
      } else {
        break;
      }
    }
  }

  void Expect(char c, const char* what) {
    Skip();
    if (Peek() != c) Fail(std::string("expected ") + what);
    ++pos_;
  }

  std::string Name(const char* what, bool dotted = false) {
    Skip();
    if (!IsNameStart(Peek())) Fail(std::string("expected ") + what);
    const size_t start = pos_;
    while (!AtEnd() && (IsNameChar(text_[pos_]) || (dotted && text_[pos_] == '.' && pos_ + 1 < text_.size() &&
                                                    IsNameStart(text_[pos_ + 1])))) {
      ++pos_;
    }
    return std::string(text_.substr(start, pos_ - start));
  }

  TFormObject Object(int depth) {
    if (depth >= kMaxDepth) Fail("components nested too deep");
    TFormObject object;
    Skip();
    object.Line = line_;
    object.ClassName = Name("a class name");
    object.Name = Name("a component name");
    Expect('{', "\"{\" after the component's name");
    for (;;) {
      Skip();
      if (AtEnd()) Fail("\"}\" missing for " + object.Name);
      if (Peek() == '}') {
        ++pos_;
        return object;
      }
      const int line = line_;
      const size_t start = pos_;
      std::string first = Name("a property or a component", true);
      Skip();
      if (Peek() == '=') {
        ++pos_;
        object.Properties.push_back({std::move(first), Value(), line});
      } else {
        pos_ = start;  // a component: class name, then its own name
        line_ = line;
        object.Children.push_back(Object(depth + 1));
      }
    }
  }

  TFormValue Value() {
    Skip();
    TFormValue value;
    const char c = Peek();
    if (c == '"') {
      value.Kind = TFormValueKind::Text;
      value.Text = Text();
    } else if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) {
      value.Kind = TFormValueKind::Integer;
      value.Integer = Integer();
    } else if (c == '[') {
      value.Kind = TFormValueKind::Set;
      ++pos_;
      Skip();
      if (Peek() == ']') {
        ++pos_;
        return value;
      }
      for (;;) {
        value.Items.push_back(Name("a set member"));
        Skip();
        if (Peek() == ']') {
          ++pos_;
          return value;
        }
        Expect(',', "\",\" or \"]\" in a set");
      }
    } else if (IsNameStart(c)) {
      value.Text = Name("a value", true);
      Skip();
      if (value.Text == "picture" && Peek() == '(') {
        ++pos_;
        Skip();
        if (Peek() != '"') Fail("expected the picture's resource name in quotes");
        value.Kind = TFormValueKind::Picture;
        value.Text = Text();
        Expect(')', "\")\" after the picture's name");
      } else {
        value.Kind = TFormValueKind::Name;
      }
    } else {
      Fail("expected a value");
    }
    return value;
  }

  std::string Text() {
    ++pos_;  // the opening quote
    std::string out;
    for (;;) {
      if (AtEnd() || Peek() == '\n') Fail("text not closed on its line");
      char c = text_[pos_++];
      if (c == '"') return out;
      if (c == '\\') {
        if (AtEnd()) Fail("text not closed on its line");
        const char e = text_[pos_++];
        if (e == '"' || e == '\\') {
          out += e;
        } else if (e == 'x' && pos_ + 1 < text_.size() && HexDigit(text_[pos_]) >= 0 && HexDigit(text_[pos_ + 1]) >= 0) {
          out += static_cast<char>(HexDigit(text_[pos_]) * 16 + HexDigit(text_[pos_ + 1]));
          pos_ += 2;
        } else {
          Fail("unknown escape in a text");
        }
      } else {
        out += c;
      }
    }
  }

  int64_t Integer() {
    const bool negative = Peek() == '-';
    if (negative) ++pos_;
    int base = 10;
    if (Peek() == '0' && pos_ + 1 < text_.size() && (text_[pos_ + 1] == 'x' || text_[pos_ + 1] == 'X')) {
      base = 16;
      pos_ += 2;
    }
    // Values beyond 32 bits unsigned are refused: no property holds them.
    constexpr int64_t kLimit = std::numeric_limits<uint32_t>::max();
    int64_t value = 0;
    int digits = 0;
    for (int d; !AtEnd() && (d = HexDigit(text_[pos_])) >= 0 && d < base; ++pos_, ++digits) {
      value = value * base + d;
      if (value > kLimit) Fail("number too large");
    }
    if (digits == 0) Fail("expected a number");
    if (IsNameChar(Peek())) Fail("expected a number");
    return negative ? -value : value;
  }

  std::string_view text_;
  const std::string& source_;
  size_t pos_ = 0;
  int line_ = 1;
};

}  // namespace

TFormObject ParseFormText(std::string_view text, const std::string& source) { return Parser(text, source).Document(); }

}  // namespace nuvex
