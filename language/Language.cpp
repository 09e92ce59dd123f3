#include "language/Language.h"

#include "platform/Files.h"

namespace nuvex {

std::string ChangeFileExtension(const std::string& path, const std::string& extension) {
  const size_t dot = path.find_last_of(".\\/:");
  if (dot == std::string::npos || path[dot] != '.') return path + extension;
  return path.substr(0, dot) + extension;
}

TLanguage::TLanguage() : TLanguage(ProgramPath()) {}

TLanguage::TLanguage(const std::string& programPath)
    : languageFileName_(ChangeFileExtension(programPath, ".lng")) {}

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
