// Aligned controls in their parent's client area, and pictures in images.
#include <gtest/gtest.h>

#include <memory>

#include "tests/support/Services.h"
#include "tests/support/TestSupport.h"
#include "toolkit/formats/BitmapFile.h"
#include "toolkit/resources/BitmapResources.h"
#include "toolkit/ui/FormReader.h"
#include "toolkit/ui/Image.h"

namespace nuvex {
namespace {

class AlignImage : public test::HeadlessTest {
 protected:
  AlignImage() { form->SetBounds(0, 0, 200, 100); }
  TGraphicControl& Child(TAlign align, int width, int height) {
    TGraphicControl& c = TComponent::Create<TGraphicControl>(*form);
    c.SetBounds(7, 7, width, height);
    c.SetAlign(align);
    c.SetParent(form.get());
    return c;
  }

  std::unique_ptr<TWinControl> form = std::make_unique<TWinControl>(nullptr);
};

// The arithmetic of the places is LayoutTest's; here the parent applies it.
TEST_F(AlignImage, AlignedControlsShareTheClientAreaInCreationOrder) {
  TGraphicControl& top = Child(alTop, 10, 20);
  TGraphicControl& bottom = Child(alBottom, 10, 15);
  TGraphicControl& left = Child(alLeft, 30, 10);
  Child(alRight, 40, 10);
  TGraphicControl& client = Child(alClient, 1, 1);
  TGraphicControl& free = Child(alNone, 5, 5);
  EXPECT_EQ(client.BoundsRect(), (TRect{30, 20, 160, 85}));
  EXPECT_EQ(free.BoundsRect(), (TRect{7, 7, 12, 12}));

  form->SetBounds(0, 0, 300, 120);  // the parent's new size places them again
  EXPECT_EQ(bottom.BoundsRect(), (TRect{0, 105, 300, 120}));
  EXPECT_EQ(client.BoundsRect(), (TRect{30, 20, 260, 105}));
  top.SetBounds(50, 50, 1, 30);  // moved by hand: back to its side, its height kept
  EXPECT_EQ(top.BoundsRect(), (TRect{0, 0, 300, 30}));
  EXPECT_EQ(left.Top(), 30);
  top.Hide();  // a hidden control leaves its place
  EXPECT_EQ(left.Top(), 0);
}

TEST_F(AlignImage, ImagePicturesAutoSizeAndStretch) {
  TBitmap picture(4, 3);
  picture.Canvas().Brush.Color = clRed;
  picture.Canvas().FillRect(picture.ClientRect());
  TImage& image = TComponent::Create<TImage>(*form);
  image.SetParent(form.get());
  image.SetBounds(10, 10, 50, 50);
  image.SetPicture(picture);
  TBitmap surface(50, 50);
  image.PaintTo(surface);
  EXPECT_EQ(PixelToColor(surface.ScanLine(2)[3]), clRed);  // at its own size
  EXPECT_NE(PixelToColor(surface.ScanLine(3)[4]), clRed);
  image.SetStretch(true);
  image.PaintTo(surface);
  EXPECT_EQ(PixelToColor(surface.ScanLine(49)[49]), clRed);  // over the whole control
  image.SetAutoSize(true);
  EXPECT_EQ(image.BoundsRect(), (TRect{10, 10, 14, 13}));
  image.SetBounds(0, 0, 100, 100);
  EXPECT_EQ(image.BoundsRect(), (TRect{0, 0, 4, 3}));
}

TEST_F(AlignImage, DescriptionPicturesComeFromTheProgramsBitmaps) {
  TBitmap picture(6, 2);
  static const std::vector<uint8_t> bytes = EncodeBitmapFile(picture);
  RegisterBitmapResource("TestBackground", bytes);
  struct TPictureForm : TWinControl {
    explicit TPictureForm(TComponent* owner) : TWinControl(owner) {}
    std::string ClassName() const override { return "TPictureForm"; }
  };
  TClassRegistry classes;
  classes.Add({"TPictureForm", "TWinControl", nullptr, {}});
  const auto readForm = [&](const char* text) {
    return CreateForm<TPictureForm>(nullptr, ParseFormText(text, "p.nfd"), classes, THandlerTable(), "p.nfd");
  };
  auto read = readForm("TPictureForm F { Width = 40 Height = 30\n"
                       "  TImage imBack { Align = alTop AutoSize = true Picture = picture(\"testbackground\") } }");
  const auto& image = static_cast<TImage&>(*read->Components(0));
  EXPECT_EQ(image.Picture().Width(), 6);
  EXPECT_EQ(image.Height(), 2);
  EXPECT_EQ(image.Top(), 0);
  EXPECT_EQ(test::MessageOf<Error>([&] { readForm("TPictureForm F { TImage i { Picture = picture(\"Nope\") } }"); }),
            "p.nfd:1: F.i.Picture: Resource Nope not found");
  UnregisterBitmapResource("TestBackground");
}

}  // namespace
}  // namespace nuvex
