#pragma once
// TSkin: one skin as a value, owning the reader it was made from: what the
// skin says about itself, and each control's definition (owning its picture)
// read when it is asked for.  A skin change makes one and has every
// component's definition read from it, so a skin file is read once a change
// and nothing of a reader outlives the value.  Reading a definition only when
// its component is skinned keeps the reader's trace lines beside that
// component's own, in the order of the components.
#include <memory>
#include <string>
#include <variant>

#include "platform/Files.h"
#include "skin/ButtonProperty.h"
#include "skin/SkinDescription.h"

namespace nuvex {

class TSkinIniFile;
class TSkinResources;

class TSkin {
 public:
  const TSkinDescription& Info() const;
  // The skin file; empty for the base skin.
  std::string FileName() const;
  bool IsBase() const { return std::holds_alternative<Base>(reader_); }
  // Only a usable skin has definitions.
  bool Invalid() const { return !Info().Usable(); }
  // Reads the definition of controlName now; errors go to the trace log as
  // the reader writes them.  Each call reads again.
  TLoadedButton Definition(const std::string& controlName) const;

  ~TSkin();
  TSkin(TSkin&&) noexcept;
  TSkin& operator=(TSkin&&) noexcept;

 private:
  using Base = std::unique_ptr<const TSkinResources>;
  using File = std::unique_ptr<const TSkinIniFile>;
  explicit TSkin(std::variant<Base, File> reader);
  friend TSkin ReadSkinFile(const std::string& fileName, const std::string& programFolder);
  friend TSkin ReadBaseSkin();

  std::variant<Base, File> reader_;
};

// The skin file's description; its definitions are read when asked for.
// programFolder as for TSkinIniFile.
TSkin ReadSkinFile(const std::string& fileName, const std::string& programFolder = ProgramFolder());
// The base skin.
TSkin ReadBaseSkin();

}  // namespace nuvex
