#pragma once
// Texts the user must see, written out here by hand rather than read from
// the program, so that a changed letter in the program breaks a test.
#include <cstdint>
#include <span>
#include <string>

namespace nuvex::test {

// One installer message in both languages: Polish as Windows-1250 bytes,
// English as ASCII.
struct PinnedMessage {
  int id;
  const char* polish;
  const char* english;
};

// Every installer message, in the program's table order.
std::span<const PinnedMessage> PinnedMessages();
// The text of message id in language 0 (Polish) or 1 (English); a test
// failure and "" when the id is not pinned.
std::string Pinned(int id, uint8_t language);
// The same in the installer's current language.
std::string Pinned(int id);

// The DirectX installers' file names, relative to the program's folder: one
// for each button with Polish texts, one for both with English texts.
inline constexpr const char* kDirectXWin98Polish = "DX80pol.exe";
inline constexpr const char* kDirectXWin2000Polish = "DX80NTpol.exe";
inline constexpr const char* kDirectXEnglish = "DirectX8\\dxsetup.exe";

}  // namespace nuvex::test
