#pragma once
// What a skin says about itself: the texts of its SkinInfo section and its
// format version.  One value for a skin file, the base skin and the manager's
// selected skin alike.
#include <cstdint>
#include <string>

namespace nuvex {

// The version a skin file must carry to be used.
inline constexpr uint16_t kSkinFormatVersion = 200;

struct TSkinDescription {
  std::string Name;
  std::string AuthorName;
  std::string AuthorEmail;
  std::string AuthorNotes;
  std::string Generator;
  std::string AuthorWWW;
  std::string SkinEditor;
  uint16_t Version = 0;  // the low 16 bits of what the file says

  // A skin the player lists and uses: it has a Name and the format version.
  bool Usable() const { return !Name.empty() && Version == kSkinFormatVersion; }
};

}  // namespace nuvex
