#pragma once
// The base skin: the program's own definitions of the player window's
// controls, with pictures embedded in the program.  TSkinResources answers for
// it as TSkinIniFile answers for a skin file.
#include <cstdint>
#include <span>
#include <string>

#include "skin/ButtonProperty.h"
#include "skin/SkinDescription.h"

namespace nuvex {

// The base skin's description: a Name (never empty), its author's texts and
// the format version.
TSkinDescription SkinResourcesInfo();

// The 25 definitions of the base skin, searched in this order.  For picture
// definitions FontName holds the name of the picture resource; Bitmap is
// always null here.
std::span<const TButtonProperty> SkinResourcesTable();

class TSkinResources {
 public:
  TSkinResources();
  ~TSkinResources();
  TSkinResources(const TSkinResources&) = delete;
  TSkinResources& operator=(const TSkinResources&) = delete;

  const TSkinDescription& Info() const { return info_; }
  bool Invalid() const { return !info_.Usable(); }
  // The table entry named controlName (letter case ignored) with its
  // picture.  A name the table lacks writes a warning to the trace log and
  // gives an empty, incomplete definition.
  TLoadedButton LoadButton(const std::string& controlName) const;

 private:
  TSkinDescription info_ = SkinResourcesInfo();
};

}  // namespace nuvex
