#pragma once
// Letter case of ASCII letters only.  Texts are bytes of the system code
// page; the letters beyond ASCII (the Polish ones among them) keep their case,
// as the comparisons of file names and profile keys here expect.
#include <string>
#include <string_view>

namespace nuvex {

constexpr char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
constexpr char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string UpperAscii(std::string_view text);
std::string LowerAscii(std::string_view text);
// Equal but for the case of ASCII letters.
bool SameTextAscii(std::string_view a, std::string_view b);

}  // namespace nuvex
