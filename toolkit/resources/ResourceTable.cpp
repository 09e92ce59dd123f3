#include "toolkit/resources/ResourceTable.h"

#include "base/Ascii.h"

namespace nuvex {

TResourceTable& TResourceTable::Bitmaps() {
  static TResourceTable table;
  return table;
}

TResourceTable& TResourceTable::Data() {
  static TResourceTable table;
  return table;
}

void TResourceTable::Register(const std::string& name, std::span<const uint8_t> data) {
  entries_[UpperAscii(name)] = data;
}

void TResourceTable::Unregister(const std::string& name) { entries_.erase(UpperAscii(name)); }

std::optional<std::span<const uint8_t>> TResourceTable::Find(const std::string& name) const {
  const auto it = entries_.find(UpperAscii(name));
  if (it == entries_.end()) return std::nullopt;
  return it->second;
}

}  // namespace nuvex
