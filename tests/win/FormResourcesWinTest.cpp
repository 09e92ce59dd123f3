// Form descriptions and JPEG and bitmap pictures as RCDATA resources of the
// program: the program's own (through the resources layer) and the test
// program's are in the module, and a form read from one makes a real window.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "base/Ascii.h"
#include "tests/support/Services.h"
#include "tests/support/TestSupport.h"
#include "toolkit/formats/BitmapFile.h"
#include "toolkit/ui/Form.h"
#include "toolkit/ui/FormReader.h"
#include "toolkit/ui/Image.h"

namespace nuvex {
namespace {

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names) {
  if (!IS_INTRESOURCE(name)) reinterpret_cast<std::set<std::string>*>(names)->insert(UpperAscii(name));
  return TRUE;
}

std::set<std::string> RcdataNames() {
  std::set<std::string> names;
  EnumResourceNamesA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(10) /* RT_RCDATA */, CollectName,
                     reinterpret_cast<LONG_PTR>(&names));
  return names;
}

TEST(FormResourcesWin, DescriptionsAndPicturesAreRcdataOfTheProgram) {
  const std::set<std::string> names = RcdataNames();
  EXPECT_TRUE(names.count("TESTPICTUREFORM"));
  EXPECT_TRUE(names.count("TESTPICTURE"));
  const std::filesystem::path folder = test::SourcePath("resources/forms");
  ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
  int seen = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".nfd") continue;
    ++seen;
    const std::string name = entry.path().stem().string();
    EXPECT_TRUE(names.count(UpperAscii(name))) << name;
    const std::vector<uint8_t> file = test::ReadAll(entry.path().string());
    // The resource holds the file exactly, with no padding after it.
    EXPECT_EQ(LoadFormResource(name), std::string(file.begin(), file.end())) << name;
  }
  EXPECT_GE(seen, 3) << "the installer window's, the folder dialog's and the player's descriptions";
}

TEST(FormResourcesWin, ABitmapPictureIsRcdataAndDecodesFromIt) {
  // resources/pictures/*.bmp are data like the JPEGs, not RT_BITMAP resources.
  EXPECT_TRUE(RcdataNames().count("RUNINSTALLBUTTON"));
  EXPECT_EQ(FindResourceA(GetModuleHandleA(nullptr), "RunInstallButton", MAKEINTRESOURCEA(2) /* RT_BITMAP */),
            nullptr);
  const TBitmap picture = LoadPictureResource("RunInstallButton");
  const TBitmap file = DecodeBitmapFile(test::ReadAll(test::SourcePath("resources/pictures/RunInstallButton.bmp")));
  ASSERT_EQ(picture.Width(), 226);
  ASSERT_EQ(picture.Height(), 117);
  ASSERT_EQ(file.Height(), 117);
  EXPECT_TRUE(std::equal(picture.Bits(), picture.Bits() + 226 * 117, file.Bits()));
}

TEST(FormResourcesWin, AFormFromAResourceMakesItsWindowWithTheJpegPicture) {
  TClassRegistry classes;
  std::unique_ptr<TForm> form = CreateFormFromResource<TForm>(nullptr, "TestPictureForm", classes, THandlerTable());
  HWND window = test::WindowHandle(*form);
  ASSERT_NE(window, nullptr);
  char caption[64] = {};
  GetWindowTextA(window, caption, sizeof caption);
  EXPECT_STREQ(caption, "Picture from the resources");

  const auto& image = dynamic_cast<const TImage&>(*form->Components(0));
  EXPECT_EQ(image.BoundsRect(), (TRect{4, 6, 28, 22}));
  const TBitmap& picture = image.Picture();
  ASSERT_EQ(picture.Width(), 24);
  ASSERT_EQ(picture.Height(), 16);
  const TColor expected[2][3] = {{clRed, clLime, clBlue}, {clWhite, clBlack, MakeColor(255, 128, 0)}};
  for (int row = 0; row < 2; ++row)
    for (int column = 0; column < 3; ++column) {
      const TColor actual = PixelToColor(picture.ScanLine(row * 8 + 4)[column * 8 + 4]);
      EXPECT_NEAR(ColorRed(actual), ColorRed(expected[row][column]), 8) << row << "," << column;
      EXPECT_NEAR(ColorGreen(actual), ColorGreen(expected[row][column]), 8) << row << "," << column;
      EXPECT_NEAR(ColorBlue(actual), ColorBlue(expected[row][column]), 8) << row << "," << column;
    }
}

TEST(FormResourcesWin, UnknownNamesAreNotFound) {
  EXPECT_EQ(test::MessageOf<ResourceNotFoundError>([] { LoadFormResource("NoSuchForm"); }),
            "Resource NoSuchForm not found");
  EXPECT_EQ(test::MessageOf<ResourceNotFoundError>([] { LoadPictureResource("NoSuchPicture"); }),
            "Resource NoSuchPicture not found");
  EXPECT_EQ(test::MessageOf<Error>([] { LoadPictureResource("TestPictureForm"); }),
            "Resource TestPictureForm is not a picture");
}

}  // namespace
}  // namespace nuvex
