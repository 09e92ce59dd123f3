// The profile-file reader: the bytes parsed (ParseProfile) and read as a file
// by TIniFile; every section and key found is looked up as a text, an integer
// and a boolean, and so are a few names that are not there.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzSupport.h"
#include "toolkit/formats/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes = nuvex::fuzz::AsText(data, size);
  const nuvex::TProfile profile = nuvex::ParseProfile(bytes);
  const std::string path = nuvex::fuzz::ScratchFolder() + "profile.ini";
  nuvex::fuzz::WriteFile(path, bytes);
  const nuvex::TIniFile ini(path);

  int lookups = 0;
  for (const nuvex::TProfileSection& section : profile.Sections) {
    for (const nuvex::TProfileEntry& entry : section.Entries) {
      if (++lookups > 256) break;
      const std::string value = ini.ReadString(section.Name, entry.Key, " \"x\" ");
      if (value.size() > nuvex::kProfileValueLimit) __builtin_trap();
      if (value != nuvex::LookupProfileString(profile, section.Name, entry.Key, " \"x\" ")) __builtin_trap();
      (void)ini.ReadInteger(section.Name, entry.Key, -7);
      (void)ini.ReadBool(section.Name, entry.Key, true);
      if (entry.Value) (void)nuvex::ParseProfileInteger(*entry.Value);
    }
    (void)ini.ReadString(section.Name, "", "");
  }
  (void)ini.ReadString("", "Name", "'d'");
  (void)ini.ReadInteger("SkinInfo", "NuvexFilmPlayerVersion", 0);
  (void)nuvex::ParseProfileInteger(bytes.substr(0, 24));
  return 0;
}
