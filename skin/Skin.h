#pragma once
// TSkin: one skin as a value, what it says about itself and the definitions
// of the controls it was read for, each record owning its picture.  A skin
// change reads one and gives every component its definition from it, so a
// file is read once a change and nothing of a reader outlives the reading.
#include <map>
#include <span>
#include <string>

#include "platform/Files.h"
#include "skin/ButtonProperty.h"
#include "skin/SkinDescription.h"

namespace nuvex {

struct TSkin {
  TSkinDescription Info;
  std::string FileName;  // the skin file; empty for the base skin
  // By the control names the skin was read for, as they were given.
  std::map<std::string, TLoadedButton> Definitions;

  bool IsBase() const { return FileName.empty(); }
  // Only a usable skin has definitions.
  bool Invalid() const { return !Info.Usable(); }
  // The definition read for controlName, or null when it was not read for it.
  const TLoadedButton* Find(const std::string& controlName) const;
};

// The skin file's description and, when it is usable, the definitions of the
// controls named (each read once, in the order given; errors go to the trace
// log as its reader writes them).  programFolder as for TSkinIniFile.
TSkin ReadSkinFile(const std::string& fileName, std::span<const std::string> controlNames,
                   const std::string& programFolder = ProgramFolder());
// The base skin's description and the definitions of the controls named.
TSkin ReadBaseSkin(std::span<const std::string> controlNames);

}  // namespace nuvex
