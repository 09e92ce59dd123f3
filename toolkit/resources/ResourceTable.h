#pragma once
// The registered resources of one kind (bitmaps, data): bytes under names
// that match without regard to ASCII case, as the program's own resources do
// on Windows.  The bytes must stay valid for the program's lifetime.
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>

namespace nuvex {

class TResourceTable {
 public:
  // The program's registered bitmaps and its registered data.
  static TResourceTable& Bitmaps();
  static TResourceTable& Data();

  // A later registration under the same name replaces the earlier one.
  void Register(const std::string& name, std::span<const uint8_t> data);
  // Unknown names are ignored.
  void Unregister(const std::string& name);
  std::optional<std::span<const uint8_t>> Find(const std::string& name) const;

 private:
  std::map<std::string, std::span<const uint8_t>> entries_;  // by upper-case name
};

}  // namespace nuvex
