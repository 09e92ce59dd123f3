#include "skin/Skin.h"

#include "skin/SkinIniFile.h"
#include "skin/SkinResources.h"

namespace nuvex {
namespace {

template <typename Reader>
void ReadDefinitions(const Reader& reader, std::span<const std::string> controlNames, TSkin& skin) {
  for (const std::string& name : controlNames)
    if (!skin.Definitions.contains(name)) skin.Definitions.emplace(name, reader.LoadButton(name));
}

}  // namespace

const TLoadedButton* TSkin::Find(const std::string& controlName) const {
  const auto found = Definitions.find(controlName);
  return found == Definitions.end() ? nullptr : &found->second;
}

TSkin ReadSkinFile(const std::string& fileName, std::span<const std::string> controlNames,
                   const std::string& programFolder) {
  const TSkinIniFile reader(fileName, programFolder);
  TSkin skin{reader.Info(), fileName, {}};
  if (!skin.Invalid()) ReadDefinitions(reader, controlNames, skin);
  return skin;
}

TSkin ReadBaseSkin(std::span<const std::string> controlNames) {
  const TSkinResources reader;
  TSkin skin{reader.Info(), std::string(), {}};
  ReadDefinitions(reader, controlNames, skin);
  return skin;
}

}  // namespace nuvex
