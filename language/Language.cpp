#include "language/Language.h"

#include "base/Paths.h"
#include "platform/Files.h"

namespace nuvex {

TLanguage::TLanguage() : TLanguage(ProgramPath()) {}

TLanguage::TLanguage(const std::string& programPath)
    : languageFileName_(path::ChangeExtension(programPath, ".lng")) {}

void TLanguage::GetText(int id, std::string& text) const {
  text.clear();
  for (const TLanguageOverride& entry : overrides_) {
    if (entry.id == id) {
      text = entry.text;
      break;
    }
  }
  // An empty override does not hide the built-in text.
  if (!text.empty()) return;
  for (const TDefaultText& entry : DefaultTexts()) {
    if (entry.id == id) {
      text = entry.text;
      break;
    }
  }
}

std::string TLanguage::GetText(int id) const {
  std::string text;
  GetText(id, text);
  return text;
}

TLanguage& SharedLanguage() {
  static TLanguage language;
  return language;
}

void GetLanguageText(int id, std::string& text) { SharedLanguage().GetText(id, text); }

std::string GetLanguageText(int id) { return SharedLanguage().GetText(id); }

}  // namespace nuvex
