#pragma once
// What a skin says about itself: the texts of its SkinInfo section and its
// format version.  Shared by the reader of skin files and the base skin.
#include <cstdint>
#include <string>

namespace nuvex {

class TSkinDescription {
 public:
  bool Invalid() const { return invalid_; }
  const std::string& Name() const { return name_; }
  const std::string& AuthorName() const { return authorName_; }
  const std::string& AuthorEmail() const { return authorEmail_; }
  const std::string& AuthorNotes() const { return authorNotes_; }
  const std::string& Generator() const { return generator_; }
  const std::string& AuthorWWW() const { return authorWWW_; }
  const std::string& SkinEditor() const { return skinEditor_; }
  uint16_t SkinVersion() const { return skinVersion_; }

 protected:
  bool invalid_ = true;
  std::string name_, authorName_, authorEmail_, authorNotes_, generator_, authorWWW_, skinEditor_;
  uint16_t skinVersion_ = 0;
};

}  // namespace nuvex
