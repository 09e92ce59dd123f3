#include "skin/Skin.h"

#include <utility>

#include "skin/SkinIniFile.h"
#include "skin/SkinResources.h"

namespace nuvex {

TSkin::TSkin(std::variant<Base, File> reader) : reader_(std::move(reader)) {}
TSkin::~TSkin() = default;
TSkin::TSkin(TSkin&&) noexcept = default;
TSkin& TSkin::operator=(TSkin&&) noexcept = default;

const TSkinDescription& TSkin::Info() const {
  return std::visit([](const auto& reader) -> const TSkinDescription& { return reader->Info(); }, reader_);
}

std::string TSkin::FileName() const {
  const File* file = std::get_if<File>(&reader_);
  return file ? (*file)->FileName() : std::string();
}

TLoadedButton TSkin::Definition(const std::string& controlName) const {
  return std::visit([&](const auto& reader) { return reader->LoadButton(controlName); }, reader_);
}

TSkin ReadSkinFile(const std::string& fileName, const std::string& programFolder) {
  return TSkin(std::make_unique<const TSkinIniFile>(fileName, programFolder));
}

TSkin ReadBaseSkin() { return TSkin(std::make_unique<const TSkinResources>()); }

}  // namespace nuvex
