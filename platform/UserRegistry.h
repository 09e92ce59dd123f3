#pragma once
// Reading one value of the current user's part of the registry, behind a seam
// of our own.  Nothing is ever written or created.
#include <string>

#include "base/Service.h"

namespace nuvex {

struct RegistryValue {
  enum class Kind { Missing, Text, OtherType };
  Kind kind = Kind::Missing;  // Missing: the key or the value is not there
  std::string text;           // for Kind::Text (string and expandable string values)
};

class UserRegistry {
 public:
  virtual ~UserRegistry() = default;
  // The value `name` under `key` of HKEY_CURRENT_USER; `key` may begin with
  // "\" (a path from the root).  Opens the key read-only.
  virtual RegistryValue Read(const std::string& key, const std::string& name) = 0;
};

// The platform's registry; natively there is none and every value is missing.
template <>
UserRegistry& Service<UserRegistry>::Platform();

// The text of a string value: empty when the key or value is missing;
// raises Error("Invalid data type for '<name>'") for a value of another type.
std::string ReadRegistryString(UserRegistry& registry, const std::string& key, const std::string& name);

}  // namespace nuvex
