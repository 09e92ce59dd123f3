#include "platform/UserRegistry.h"

#include "base/Error.h"

namespace nuvex {

std::string ReadRegistryString(UserRegistry& registry, const std::string& key, const std::string& name) {
  RegistryValue value = registry.Read(key, name);
  switch (value.kind) {
    case RegistryValue::Kind::Text:
      return value.text;
    case RegistryValue::Kind::OtherType:
      throw Error(FormatText("Invalid data type for '%s'", {name}));
    case RegistryValue::Kind::Missing:
      break;
  }
  return std::string();
}

}  // namespace nuvex
