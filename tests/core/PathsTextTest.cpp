// Path parts and ASCII letter case: the rules every caller now shares.
#include <gtest/gtest.h>

#include "base/Ascii.h"
#include "base/Paths.h"

namespace nuvex {
namespace {

TEST(Paths, PartsSplitAtTheLastSeparatorOrDriveColon) {
  EXPECT_EQ(path::FolderPart("C:\\Program Files\\Nuvex\\Player.exe"), "C:\\Program Files\\Nuvex\\");
  EXPECT_EQ(path::FolderPart("D:Setup.exe"), "D:");             // a drive without a folder
  EXPECT_EQ(path::FolderPart("dir/sub\\file"), "dir/sub\\");     // both separators count
  EXPECT_EQ(path::FolderPart("Player.exe"), "");
  EXPECT_EQ(path::FileName("C:\\Dir\\"), "");
  EXPECT_EQ(path::FileName("C:\\Dir\\a.b.c"), "a.b.c");
}

TEST(Paths, ExtensionBelongsToTheFileNameOnly) {
  EXPECT_EQ(path::Extension("C:\\Dir.v2\\Player"), "");          // the dot of a folder is not one
  EXPECT_EQ(path::Extension("C:\\Dir\\Player.EXE"), ".EXE");
  EXPECT_EQ(path::Extension("C:\\Dir\\archive.tar.gz"), ".gz");
  EXPECT_EQ(path::ChangeExtension("C:\\Dir.v2\\Setup", ".lng"), "C:\\Dir.v2\\Setup.lng");  // appended
  EXPECT_EQ(path::ChangeExtension("C:\\Dir\\Setup.exe", ".lng"), "C:\\Dir\\Setup.lng");
  EXPECT_EQ(path::ChangeExtension("C:\\Dir\\.lng", ".chm"), "C:\\Dir\\.chm");
  EXPECT_EQ(path::BaseName("C:\\Dir\\Setup.exe"), "Setup");
  EXPECT_EQ(path::BaseName("C:\\Dir\\.hidden"), ".hidden");  // all extension: kept whole
  EXPECT_TRUE(path::EndsWithSeparator("C:\\Dir/"));
  EXPECT_FALSE(path::EndsWithSeparator(""));
}

TEST(Paths, AFullPathHasADriveAndItsRootOrAShare) {
  for (const char* full : {"C:\\", "d:/Games", "C:\\Program Files\\Nuvex", "\\\\server\\share", "//server/share/x"})
    EXPECT_TRUE(path::IsFullPath(full)) << full;
  for (const char* partial : {"", "Games", "\\Games", "C:", "C:Games", "1:\\x", "\\\\server", "\\\\server\\",
                              "\\\\\\share", " C:\\x"})
    EXPECT_FALSE(path::IsFullPath(partial)) << partial;
}

TEST(AsciiText, OnlyAsciiLettersChangeCase) {
  // "Zażółć" in Windows-1250: the Polish letters keep their bytes.
  const std::string polish = "Za\xBF\xF3\xB3\xE6";
  EXPECT_EQ(UpperAscii(polish), "ZA\xBF\xF3\xB3\xE6");
  EXPECT_EQ(LowerAscii("ABC[]@`{z"), "abc[]@`{z");  // the neighbours of the letters stay
  EXPECT_TRUE(SameTextAscii("Skin.NVS", "skin.nvs"));
  EXPECT_FALSE(SameTextAscii("skin.nvs", "skin.nv"));
  EXPECT_FALSE(SameTextAscii("\xBF", "\xAF"));  // ż and Ż are different bytes here
  EXPECT_FALSE(SameTextAscii("@", "`"));        // differ by the case bit, but are not letters
}

}  // namespace
}  // namespace nuvex
