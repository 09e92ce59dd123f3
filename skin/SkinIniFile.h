#pragma once
// TSkinIniFile: the reader of one skin file ("Skin.nvs"): the skin's SkinInfo
// section and, section by section, the definitions of the controls it styles.
#include <cstdint>
#include <string>

#include "platform/Files.h"
#include "skin/ButtonProperty.h"
#include "skin/SkinDescription.h"
#include "skin/SkinKeys.h"
#include "toolkit/formats/IniFile.h"

namespace nuvex {

class TSkinIniFile : public TIniFile {
 public:
  // Reads the file's SkinInfo section; a missing or malformed file gives an
  // Invalid reader, never an error.  programFolder is the executable's folder,
  // the base of the skins folder that picture paths are relative to.
  explicit TSkinIniFile(std::string fileName, std::string programFolder = ProgramFolder());
  ~TSkinIniFile() override;

  // Reads the SkinInfo texts and version; true when the skin is usable.
  bool ReadSkinInfo();
  const TSkinDescription& Info() const { return info_; }
  bool Invalid() const { return !info_.Usable(); }
  // The definition in the section controlName, with its picture.  Errors
  // (chiefly the picture file) are written to the trace log and leave it
  // incomplete.
  TLoadedButton LoadButton(const std::string& controlName) const;

  // The file LoadButton loads for a ButtonImage value: relative to the skins
  // folder of the program folder this reader was created with.
  std::string PicturePath(const std::string& buttonImage) const;

  // The key's value as its kind converts it (a boolean as 0 or 1), or the
  // key's default when it is missing or unreadable; ReadKeyText a text key's
  // value, "" when it is missing.
  int32_t ReadKey(const std::string& section, const TSkinKey& key) const;
  std::string ReadKeyText(const std::string& section, const TSkinKey& key) const;

  // The converters of the file's value types.
  TSkinControlType ReadControlType(const std::string& section, const std::string& key) const;
  // "R G B" (single blanks) as 0x00BBGGRR, each part cut to 8 bits; -1 when unreadable.
  TColor ReadColor(const std::string& section, const std::string& key) const;
  // 0..2; anything else, the missing key included, 0.
  uint8_t ReadAlignment(const std::string& section, const std::string& key) const;
  uint8_t ReadLayout(const std::string& section, const std::string& key) const;

 private:
  uint8_t ReadZeroToTwo(const std::string& section, const std::string& key) const;

  std::string programFolder_;
  TSkinDescription info_;
};

// Whether a filled definition is complete: picture kinds need a state-image
// count, a size and a non-empty picture; a label needs a colour; Unknown never
// completes.
bool SkinDefinitionComplete(const TButtonProperty& definition);

}  // namespace nuvex
