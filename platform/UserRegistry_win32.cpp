#include <windows.h>

#include <memory>
#include <vector>

#include "platform/UserRegistry.h"

namespace nuvex {
namespace {

struct KeyCloser {
  void operator()(HKEY key) const { RegCloseKey(key); }
};
using KeyHandle = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

class Win32Registry final : public UserRegistry {
 public:
  RegistryValue Read(const std::string& key, const std::string& name) override {
    std::string path = key;
    while (!path.empty() && path.front() == '\\') path.erase(path.begin());
    HKEY raw = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &raw) != ERROR_SUCCESS)
      return {};
    KeyHandle handle(raw);

    DWORD type = 0, size = 0;
    if (RegQueryValueExA(raw, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {};
    if (type != REG_SZ && type != REG_EXPAND_SZ) return {RegistryValue::Kind::OtherType, {}};

    // The value may change between the two calls; ask again while it grows.
    std::vector<char> data(size + 1);
    for (;;) {
      DWORD got = static_cast<DWORD>(data.size());
      LONG rc = RegQueryValueExA(raw, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &got);
      if (rc == ERROR_MORE_DATA) {
        data.resize(got + 1);
        continue;
      }
      if (rc != ERROR_SUCCESS) return {};
      if (type != REG_SZ && type != REG_EXPAND_SZ) return {RegistryValue::Kind::OtherType, {}};
      std::string text(data.data(), got);
      size_t end = text.find('\0');
      if (end != std::string::npos) text.resize(end);
      return {RegistryValue::Kind::Text, text};
    }
  }
};

}  // namespace

template <>
UserRegistry& Service<UserRegistry>::Platform() { return PlatformObject<Win32Registry>(); }

}  // namespace nuvex
