// The language choice on the real GetSystemDefaultLCID.  CTest runs this
// program once more per locale with NUVEX_EXPECT_LANGUAGE set (see
// tests/Extra.cmake); without that variable the locale-specific test skips.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "installer/Messages.h"
#include "platform/Locale.h"

namespace nuvex {
namespace {

// The value of NUVEX_EXPECT_LANGUAGE ("Polish" or "English"), empty when unset.
std::string ExpectedLanguage() {
  char buffer[64] = {};
  const DWORD n = GetEnvironmentVariableA("NUVEX_EXPECT_LANGUAGE", buffer, sizeof buffer);
  return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

// Puts the current language back after a test ran the start-up step.
class LocaleWin : public testing::Test {
 protected:
  void TearDown() override { SetCurrentLanguage(saved_); }

 private:
  uint8_t saved_ = CurrentLanguage();
};

TEST_F(LocaleWin, TheSeamReadsTheSystemDefaultLocale) {
  EXPECT_EQ(GetSystemDefaultLocaleId(), static_cast<uint32_t>(GetSystemDefaultLCID()));
  EXPECT_EQ(DetectLanguage(), DetectLanguage(GetSystemDefaultLCID()));
}

TEST_F(LocaleWin, StartUpFollowsTheSystemLocale) {
  const std::string expected = ExpectedLanguage();
  ASSERT_FALSE(expected.empty()) << "NUVEX_EXPECT_LANGUAGE is not set: the test command's locale runs set it";
  const LCID lcid = GetSystemDefaultLCID();
  InitializeLanguage();
  if (expected == "Polish") {
    EXPECT_EQ(lcid & 0x3ff, 0x15u) << std::hex << lcid;
    EXPECT_EQ(CurrentLanguage(), kPolishLanguage);
    EXPECT_EQ(GetMessageText(1), "Anuluj");
  } else if (expected == "English") {
    EXPECT_NE(lcid & 0x3ff, 0x15u) << std::hex << lcid;
    EXPECT_TRUE(IsEnglishLanguage());
    EXPECT_EQ(GetMessageText(1), "Cancel");
  } else {
    FAIL() << "NUVEX_EXPECT_LANGUAGE must be Polish or English, not " << expected;
  }
}

}  // namespace
}  // namespace nuvex
