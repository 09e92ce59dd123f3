#pragma once
// The film player's user-interface texts by numeric id.  TLanguage answers a
// lookup from its override list first and then from the built-in English
// defaults; an id found in neither gives an empty text.  The override list
// belongs with a language file beside the program (the program's path with
// the extension ".lng"); the installer never reads that file, so its lookups
// are answered by the defaults.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace nuvex {

// One row of the built-in table.
struct TDefaultText {
  int32_t id;
  const char* text;
};

// The 352 built-in texts in the player's table order (not sorted by id).
std::span<const TDefaultText> DefaultTexts();

// A text that takes precedence over the built-in one with the same id.
struct TLanguageOverride {
  std::string text;
  int32_t id;
};

class TLanguage {
 public:
  // For the running program: its language file is derived from ProgramPath().
  TLanguage();
  explicit TLanguage(const std::string& programPath);

  // The first override for id with a non-empty text, else the first built-in
  // text for id, else empty.
  void GetText(int id, std::string& text) const;
  std::string GetText(int id) const;

  const std::string& LanguageFileName() const { return languageFileName_; }
  std::vector<TLanguageOverride>& Overrides() { return overrides_; }
  const std::vector<TLanguageOverride>& Overrides() const { return overrides_; }

 private:
  std::string languageFileName_;
  std::string secondText_;  // part of the player's language object; unused by the installer
  std::vector<TLanguageOverride> overrides_;
  int32_t number_ = 0;  // likewise unused
};

// The program's one TLanguage, created by the first lookup and destroyed at
// program end.  Not guarded: used on the window thread only.
TLanguage& SharedLanguage();
void GetLanguageText(int id, std::string& text);
std::string GetLanguageText(int id);

}  // namespace nuvex
