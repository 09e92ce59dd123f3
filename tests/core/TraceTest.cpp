#include <gtest/gtest.h>

#include "trace/TraceCapture.h"
#include "trace/TraceUnit.h"

namespace nuvex {
namespace {

TEST(TraceTest, WithoutACaptureEveryCallReturnsQuietly) {
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  Trace("");
  Trace("[TSkinManager.UpdateControl] Trying to load skin from resources");
  TraceFormat("", {});
  TraceFormat("%s %s %s", {"only one"});
  TraceFormat("no placeholder", {"a", "b"});
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(TraceTest, CaptureRecordsMessagesAndUnexpandedPatterns) {
  TraceCapture capture;
  Trace("[TSkinIniFile.LoadButton] Exception raised: boom");
  Trace("");
  TraceFormat("[TSkinManager.LoadSkinList] Warning: File \"%s\" not found", {"C:\\Skins\\A\\Skin.nvs"});
  ASSERT_EQ(capture.Lines().size(), 3u);
  EXPECT_EQ(capture.Lines()[0].pattern, "[TSkinIniFile.LoadButton] Exception raised: boom");
  EXPECT_FALSE(capture.Lines()[0].formatted);
  EXPECT_EQ(capture.Lines()[1].Text(), "");
  const TraceLine& line = capture.Lines()[2];
  EXPECT_TRUE(line.formatted);
  EXPECT_EQ(line.pattern, "[TSkinManager.LoadSkinList] Warning: File \"%s\" not found");
  EXPECT_EQ(line.args, std::vector<std::string>{"C:\\Skins\\A\\Skin.nvs"});
  EXPECT_EQ(line.Text(), "[TSkinManager.LoadSkinList] Warning: File \"C:\\Skins\\A\\Skin.nvs\" not found");
}

TEST(TraceTest, TextFillsPlaceholdersOnlyFromThePattern) {
  EXPECT_EQ((TraceLine{"a %s b %s", {"%s", "x"}, true}).Text(), "a %s b x");
  EXPECT_EQ((TraceLine{"(%s) %s", {"1"}, true}).Text(), "(1) %s");
  EXPECT_EQ((TraceLine{"100%", {"1"}, true}).Text(), "100%");
  EXPECT_EQ((TraceLine{"%s", {"1"}, false}).Text(), "%s");  // a finished message stays as it is
}

TEST(TraceTest, NestedCapturesRestoreTheOuterOne) {
  TraceCapture outer;
  {
    TraceCapture inner;
    Trace("inner");
    ASSERT_EQ(inner.Lines().size(), 1u);
  }
  Trace("outer");
  ASSERT_EQ(outer.Lines().size(), 1u);
  EXPECT_EQ(outer.Lines()[0].pattern, "outer");
}

}  // namespace
}  // namespace nuvex
