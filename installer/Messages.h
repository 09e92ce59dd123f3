#pragma once
// The installer's own texts in Polish and English, addressed by numeric id,
// and the choice of language.  The language is chosen once at start-up from
// the system's default locale; until then every lookup answers in English.
// Polish texts are Windows-1250 bytes, English texts plain ASCII.
#include <cstdint>
#include <span>
#include <string>

namespace nuvex {

// One row of the language table; the row index is the language index.
struct LanguageRow {
  uint16_t primaryLanguageId;  // the low ten bits of a locale id
  const char* name;
};

// One message: an id and its zero-terminated text.
struct MessageEntry {
  uint32_t id;
  const char* text;
};

inline constexpr uint8_t kPolishLanguage = 0;
inline constexpr uint8_t kEnglishLanguage = 1;

// The language table: Polish (0x15) first, then English (0x09).
std::span<const LanguageRow> LanguageTable();
// The messages of one language, in table order; empty for an unknown index.
std::span<const MessageEntry> MessageTable(uint8_t language);

// The index of the first language whose primary id equals the low ten bits
// of localeId; English when none does.
uint8_t DetectLanguage(uint32_t localeId);
// The same for the system's default locale.
uint8_t DetectLanguage();
// The start-up step: makes the system's language the current one.
void InitializeLanguage();

uint8_t CurrentLanguage();
// Raises nuvex::Error for an index outside the language table.
void SetCurrentLanguage(uint8_t index);
bool IsEnglishLanguage();

// The text of the first message with this id in the current language; empty
// when there is none.  Nothing is formatted: "%s" stays as it is.
std::string GetMessageText(int id);
// The same in the given language (an index of the language table).
std::string GetMessageText(uint8_t language, int id);

}  // namespace nuvex
