#pragma once
// The base skin: the program's own definitions of the player window's
// controls, with pictures embedded in the program.  TSkinResources answers for
// it as TSkinIniFile answers for a skin file.
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "skin/ButtonProperty.h"
#include "toolkit/Bitmap.h"

namespace nuvex {

// The base skin's description.
struct TSkinResourcesInfo {
  std::string Name;  // never empty
  std::string AuthorName;
  std::string AuthorEmail;
  std::string AuthorNotes;
  std::string AuthorWWW;
};
TSkinResourcesInfo SkinResourcesInfo();

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

  // Fills the description; true when the base skin has a Name (always).
  bool ReadSkinInfo();
  // Fills ButtonProperty from the table entry named controlName (letter case
  // ignored); true when the definition is complete.  A name the table lacks
  // writes a warning to the trace log and leaves the record as it was.
  bool LoadButton(const std::string& controlName);

  const TButtonProperty& ButtonProperty() const { return property_; }

  bool Invalid() const { return invalid_; }
  const std::string& Name() const { return name_; }
  const std::string& AuthorName() const { return authorName_; }
  const std::string& AuthorEmail() const { return authorEmail_; }
  const std::string& AuthorNotes() const { return authorNotes_; }
  const std::string& Generator() const { return generator_; }
  const std::string& AuthorWWW() const { return authorWWW_; }
  const std::string& SkinEditor() const { return skinEditor_; }
  uint16_t SkinVersion() const { return skinVersion_; }

 private:
  std::unique_ptr<TBitmap> bitmap_;
  TButtonProperty property_;
  bool invalid_ = true;
  std::string name_, authorName_, authorEmail_, authorNotes_, generator_, authorWWW_, skinEditor_;
  uint16_t skinVersion_ = 0;
};

}  // namespace nuvex
