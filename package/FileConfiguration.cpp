#include "package/FileConfiguration.h"

#include <algorithm>
#include <cstring>

namespace nuvex {

namespace {

std::string_view FieldView(const TFileConfigurationText& field) {
  const char* end = std::find(field, field + kFileConfigurationTextSize, '\0');
  return std::string_view(field, static_cast<size_t>(end - field));
}

}  // namespace

std::string FieldText(const TFileConfigurationText& field) { return std::string(FieldView(field)); }

bool SetFieldText(TFileConfigurationText& field, std::string_view text) {
  if (text.size() > kFileConfigurationTextSize || text.find('\0') != std::string_view::npos)
    return false;
  std::memset(field, 0, kFileConfigurationTextSize);
  std::memcpy(field, text.data(), text.size());
  return true;
}

TFileConfiguration* TFileConfigurationList::Items(int index) {
  if (index < 0 || index >= Count()) return nullptr;
  return items_[static_cast<size_t>(index)].get();
}

const TFileConfiguration* TFileConfigurationList::Items(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return items_[static_cast<size_t>(index)].get();
}

bool TFileConfigurationList::Add(const TFileConfiguration& record) {
  if (Contains(FieldView(record.SourceName))) return true;
  items_.push_back(std::make_unique<TFileConfiguration>(record));
  return true;
}

bool TFileConfigurationList::Exists(const std::string& name) const { return Contains(name); }

bool TFileConfigurationList::Contains(std::string_view name) const {
  return std::any_of(items_.begin(), items_.end(),
                     [&](const auto& item) { return FieldView(item->SourceName) == name; });
}

}  // namespace nuvex
