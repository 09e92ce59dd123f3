// Form descriptions and pictures as the program's data resources: the
// program's own descriptions as written, forms read from a resource with a
// JPEG picture, bitmap files as data, the source named in errors, and the
// picture lookup's order.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/Ascii.h"
#include "tests/support/Services.h"
#include "tests/support/TestSupport.h"
#include "toolkit/formats/BitmapFile.h"
#include "toolkit/formats/JpegFile.h"
#include "toolkit/resources/DataResources.h"
#include "toolkit/ui/Form.h"
#include "toolkit/ui/FormReader.h"
#include "toolkit/ui/Image.h"

namespace nuvex {
namespace {

// The colours of TestPicture.jpg's six 8 x 8 blocks, row by row.
const TColor kBlocks[2][3] = {{clRed, clLime, clBlue}, {clWhite, clBlack, MakeColor(255, 128, 0)}};

void ExpectNear(TColor actual, TColor expected) {
  EXPECT_NEAR(ColorRed(actual), ColorRed(expected), 8) << std::hex << actual;
  EXPECT_NEAR(ColorGreen(actual), ColorGreen(expected), 8) << std::hex << actual;
  EXPECT_NEAR(ColorBlue(actual), ColorBlue(expected), 8) << std::hex << actual;
}

void ExpectTestPicture(const TBitmap& picture) {
  ASSERT_EQ(picture.Width(), 24);
  ASSERT_EQ(picture.Height(), 16);
  for (int row = 0; row < 2; ++row)
    for (int column = 0; column < 3; ++column) {
      // Every corner of the block, not only its middle: a block edge is sharp.
      for (const auto& [dx, dy] : {std::pair{0, 0}, {7, 0}, {0, 7}, {7, 7}, {4, 4}}) {
        const int x = column * 8 + dx, y = row * 8 + dy;
        SCOPED_TRACE(testing::Message() << "at " << x << "," << y);
        ExpectNear(PixelToColor(picture.ScanLine(y)[x]), kBlocks[row][column]);
      }
    }
}

TEST(FormResources, TheProgramsDescriptionsAreResourcesAsWritten) {
  // Every description in resources/forms, so that a new one needs no build edit.
  const std::filesystem::path folder = test::SourcePath("resources/forms");
  ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
  int seen = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".nfd") continue;
    const std::string name = entry.path().stem().string();
    const std::vector<uint8_t> file = test::ReadAll(entry.path().string());
    SCOPED_TRACE(name);
    EXPECT_EQ(LoadFormResource(name), std::string(file.begin(), file.end()));
    EXPECT_EQ(LoadFormResource(UpperAscii(name)).size(), file.size());
    ++seen;
  }
  EXPECT_GE(seen, 3) << "the installer window's, the folder dialog's and the player's descriptions";
}

TEST(FormResources, UnknownNamesAreNotFound) {
  EXPECT_EQ(test::MessageOf<ResourceNotFoundError>([] { LoadFormResource("NoSuchForm"); }),
            "Resource NoSuchForm not found");
  EXPECT_EQ(test::MessageOf<ResourceNotFoundError>([] { LoadPictureResource("NoSuchPicture"); }),
            "Resource NoSuchPicture not found");
  // A name with its extension is not the resource's name.
  EXPECT_FALSE(FindDataResource("TestPicture.jpg"));
}

TEST(FormResources, AJpegResourceIsAPicture) {
  ExpectTestPicture(LoadPictureResource("TESTPICTURE"));
}

TEST(FormResources, BitmapsComeBeforeDataAndOnlyPictureDataIsAPicture) {
  static const std::vector<uint8_t> bitmap = EncodeBitmapFile(TBitmap(2, 3));
  RegisterBitmapResource("TestPicture", bitmap);
  const TBitmap found = LoadPictureResource("TestPicture");
  UnregisterBitmapResource("TestPicture");
  EXPECT_EQ(found.Width(), 2);
  EXPECT_EQ(LoadPictureResource("TestPicture").Width(), 24);

  EXPECT_EQ(test::MessageOf<Error>([] { LoadPictureResource("TestPictureForm"); }),
            "Resource TestPictureForm is not a picture");
  static const uint8_t kCutJpeg[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00};
  RegisterDataResource("TestCutJpeg", kCutJpeg);
  EXPECT_THROW(LoadPictureResource("testcutjpeg"), JpegError);
  UnregisterDataResource("TestCutJpeg");
  EXPECT_THROW(LoadPictureResource("TestCutJpeg"), ResourceNotFoundError);
}

TEST(FormResources, BitmapFileDataIsAPicture) {
  TBitmap picture(3, 2);
  const TColor colours[2][3] = {{clRed, clLime, clBlue}, {clWhite, clBlack, MakeColor(18, 52, 86)}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) picture.ScanLine(y)[x] = ColorToPixel(colours[y][x]);
  static const std::vector<uint8_t> file = EncodeBitmapFile(picture);
  RegisterDataResource("TestBitmapData", file);
  const TBitmap found = LoadPictureResource("TESTBITMAPDATA");
  ASSERT_EQ(found.Width(), 3);
  ASSERT_EQ(found.Height(), 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(PixelToColor(found.ScanLine(y)[x]), colours[y][x]) << x << "," << y;

  // A bitmap resource of the same name still comes first.
  static const std::vector<uint8_t> other = EncodeBitmapFile(TBitmap(5, 1));
  RegisterBitmapResource("TestBitmapData", other);
  EXPECT_EQ(LoadPictureResource("TestBitmapData").Width(), 5);
  UnregisterBitmapResource("TestBitmapData");
  UnregisterDataResource("TestBitmapData");
}

TEST(FormResources, BrokenBitmapDataIsRefusedSayingWhy) {
  // Its last row cut short: the signature says bitmap, the decoder refuses it.
  static const std::vector<uint8_t> cut = [] {
    std::vector<uint8_t> bytes = EncodeBitmapFile(TBitmap(4, 4));
    bytes.resize(bytes.size() - 5);
    return bytes;
  }();
  RegisterDataResource("TestCutBitmap", cut);
  EXPECT_EQ(test::MessageOf<BitmapFormatError>([] { LoadPictureResource("TestCutBitmap"); }),
            "Bitmap image is not valid: the pixel data is cut short (48 bytes needed)");
  static const uint8_t kSignatureOnly[] = {'B', 'M'};
  RegisterDataResource("TestCutBitmap", kSignatureOnly);
  EXPECT_EQ(test::MessageOf<BitmapFormatError>([] { LoadPictureResource("TestCutBitmap"); }),
            "Bitmap image is not valid: the file is too short for its header");
  // One byte of a signature is no signature.
  static const uint8_t kB[] = {'B'};
  RegisterDataResource("TestCutBitmap", kB);
  EXPECT_EQ(test::MessageOf<Error>([] { LoadPictureResource("TestCutBitmap"); }),
            "Resource TestCutBitmap is not a picture");
  UnregisterDataResource("TestCutBitmap");
}

class FormFromResource : public test::HeadlessTest {
 protected:
  TClassRegistry classes;
  THandlerTable handlers;
};

TEST_F(FormFromResource, ReadsTheDescriptionAndItsJpegPicture) {
  std::unique_ptr<TForm> form = CreateFormFromResource<TForm>(nullptr, "testpictureform", classes, handlers);
  EXPECT_EQ(form->Name(), "TestPictureForm");
  EXPECT_EQ(form->Caption(), "Picture from the resources");
  ASSERT_EQ(form->ComponentCount(), 1);
  const auto& image = dynamic_cast<const TImage&>(*form->Components(0));
  EXPECT_EQ(image.Parent(), form.get());
  EXPECT_EQ(image.BoundsRect(), (TRect{4, 6, 28, 22}));  // auto-sized to the picture
  ExpectTestPicture(image.Picture());
}

TEST_F(FormFromResource, ErrorsNameTheResourcesFile) {
  EXPECT_EQ(test::MessageOf<Error>([&] { CreateFormFromResource<TForm>(nullptr, "TestBrokenForm", classes, handlers); }),
            "TestBrokenForm.nfd:4: TestBrokenForm.imPicture.Picture: Resource NoSuchPicture not found");
  EXPECT_EQ(test::MessageOf<Error>([&] { CreateFormFromResource<TForm>(nullptr, "NoSuchForm", classes, handlers); }),
            "Resource NoSuchForm not found");
  TForm form(nullptr);
  EXPECT_EQ(test::MessageOf<Error>([&] { ReadFormResource(form, "TestBrokenForm", classes, handlers); }),
            "TestBrokenForm.nfd:4: TestBrokenForm.imPicture.Picture: Resource NoSuchPicture not found");
}

}  // namespace
}  // namespace nuvex
