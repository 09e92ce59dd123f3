#pragma once
// The system's default locale as a Windows locale id (LCID): primary language
// in the low ten bits, sublanguage above them (0x415 Polish, 0x407 German,
// 0x409 English (United States)).
//
// On Windows this is GetSystemDefaultLCID.  Elsewhere it is derived from the
// first non-empty of LC_ALL, LC_MESSAGES and LANG by LocaleIdFromName.
#include <cstdint>
#include <string_view>

namespace nuvex {

uint32_t GetSystemDefaultLocaleId();

// Maps a POSIX locale name "language[_TERRITORY][.codeset][@modifier]" to a
// locale id.  The language decides the primary id; a few territories pick
// their own sublanguage (en_GB, de_AT, de_CH, fr_BE, fr_CA, fr_CH, pt_BR,
// zh_TW), any other territory gets the language's main one ("pl_PL", "pl" and
// "pl_DE" all give 0x415).  Known languages: pl, en, de, fr, es, it, pt, nl,
// cs, sk, hu, ru, uk, sv, da, fi, nb/no, tr, el, ja, zh, ko.  An unknown
// language, an empty name, "C" and "POSIX" give 0x409.
uint32_t LocaleIdFromName(std::string_view name);

// The system's ANSI code page, the one of the bytes of every text shown.  On
// Windows GetACP; elsewhere the code page Windows gives the locale of
// GetSystemDefaultLocaleId (CodePageOfLocaleId).
uint32_t GetSystemCodePage();
// 1250 for Polish, Czech, Slovak and Hungarian, 1251 for Russian and
// Ukrainian, 1253 Greek, 1254 Turkish, 932 Japanese, 936 and 950 Chinese
// (simplified, traditional), 949 Korean, 1252 for the rest.
uint32_t CodePageOfLocaleId(uint32_t localeId);

}  // namespace nuvex
