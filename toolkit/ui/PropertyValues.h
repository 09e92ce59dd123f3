#pragma once
// The values a form description writes, turned into what the components'
// setters take.  Each raises Error with the reason alone; the reader adds
// where it happened.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "base/Ascii.h"
#include "base/Error.h"
#include "toolkit/formats/FormText.h"
#include "toolkit/graphics/Color.h"

namespace nuvex::property {

[[noreturn]] void WrongKind(const char* expected);
const TFormValue& Expect(const TFormValue& value, TFormValueKind kind, const char* expected);
int IntegerValue(const TFormValue& value);
bool BooleanValue(const TFormValue& value);
TColor ColorValue(const TFormValue& value);  // a colour name (clAqua) or a number
uint8_t FontStyleValue(const TFormValue& value);

// The value of an enumeration written by the name of one of its values
// (without regard to ASCII case).
template <typename E>
E NamedValue(const TFormValue& value, const std::vector<std::pair<std::string, E>>& names) {
  const std::string& name = Expect(value, TFormValueKind::Name, "a name").Text;
  for (const auto& [text, named] : names) {
    if (SameTextAscii(text, name)) return named;
  }
  throw Error("unknown value " + name);
}

}  // namespace nuvex::property
