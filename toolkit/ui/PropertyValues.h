#pragma once
// The values a form description writes, turned into what the components'
// setters take.  Each raises Error with the reason alone; the reader adds
// where it happened.
#include <cstdint>
#include <iterator>
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

// The value that names (pairs of a name and a value) gives name, without
// regard to ASCII case; null when it has none.
template <typename Names>
const auto* FindNamed(const Names& names, const std::string& name) {
  for (const auto& entry : names)
    if (SameTextAscii(entry.first, name)) return &entry.second;
  return static_cast<decltype(&std::begin(names)->second)>(nullptr);
}

// The value of an enumeration written by the name of one of its values.
template <typename E>
E NamedValue(const TFormValue& value, const std::vector<std::pair<std::string, E>>& names) {
  const std::string& name = Expect(value, TFormValueKind::Name, "a name").Text;
  if (const E* named = FindNamed(names, name)) return *named;
  throw Error("unknown value " + name);
}

// A set of flags written by their names: the flags or-ed together.  what
// names the kind of flag in the error of an unknown name.
template <typename Flags, typename Names>
Flags FlagsValue(const TFormValue& value, const Names& names, const char* what) {
  Flags flags = 0;
  for (const std::string& item : Expect(value, TFormValueKind::Set, "a set").Items) {
    const auto* flag = FindNamed(names, item);
    if (!flag) throw Error(std::string("unknown ") + what + " " + item);
    flags = static_cast<Flags>(flags | *flag);
  }
  return flags;
}

}  // namespace nuvex::property
