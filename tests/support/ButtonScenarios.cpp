#include "tests/support/ButtonScenarios.h"

#include <memory>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/SkinTypes.h"

namespace nuvex::test {

TBitmap Strip(int count, int w, int h) {
  TBitmap strip(w, h * count);
  for (int k = 0; k < count; ++k) {
    strip.Canvas().Brush.Color = kImageColor[k];
    strip.Canvas().FillRect({0, h * k, w, h * (k + 1)});
    for (int y = h * k; y < h * (k + 1); ++y) strip.Canvas().SetPixel(k, y, KeyColour);
  }
  return strip;
}

TRegion ShapeOf(int k, int w, int h) {
  TRegion r;
  if (k > 0) r.Union(TRect{0, 0, k, h});
  r.Union(TRect{k + 1, 0, w, h});
  return r;
}

int ImageAt(const TBitmap& picture, int x, int y) {
  if (x < 0 || y < 0 || x >= picture.Width() || y >= picture.Height()) return -1;
  const TColor c = PixelToColor(picture.ScanLine(y)[x]);
  for (int k = 0; k < 4; ++k) {
    if (c == kImageColor[k]) return k;
  }
  return -1;
}

TButtonProperty FourImagesSideBySide(const TBitmap& picture) {
  TButtonProperty p;
  p.Bitmap = std::make_shared<const TBitmap>(picture);
  p.ButtonCount = 4;
  p.XCoord = 44;
  p.YCoord = 93;
  p.Width = 26;
  p.Height = 19;
  p.SplitMode = spVertical;
  p.Visible = true;
  return p;
}

TRegion ShapeWithHole(int x, int y, int w, int h) {
  TRegion r;
  r.Union(TRect{0, 0, w, y});
  r.Union(TRect{0, y, x, y + 1});
  r.Union(TRect{x + 1, y, w, y + 1});
  r.Union(TRect{0, y + 1, w, h});
  return r;
}

TRegionedButton& LoadRegionedButton(TWinControl& parent, int count, const TBitmap& strip, int left, int top) {
  TRegionedButton* made = nullptr;
  LoadComponent(parent, [&] {
    TRegionedButton& b = TComponent::Create<TRegionedButton>(parent);
    b.SetName("rbRunInstall");
    b.SetParent(&parent);
    b.SetBounds(left, top, strip.Width(), strip.Height() / count);
    b.SetButtons(&strip);
    b.SetButtonIndex(1);
    b.SetButtonCount(count);
    b.SetButtonWidth(strip.Width());
    b.SetButtonHeight(strip.Height() / count);
    b.SetVisible(true);
    b.SetColor(clWhite);
    b.SetSplitMode(spHorizontal);
    b.SetInteriorArea(iaStretched);
    b.SetCaption("rbInstallApp");
    made = &b;
  });
  return *made;
}

std::unique_ptr<TRegionedForm> MakeRegionedForm(int w, int h, int dataComponents) {
  auto form = std::make_unique<TRegionedForm>(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetBounds(100, 50, 300, 200);
  form->HandleNeeded();
  for (int i = 0; i < dataComponents; ++i) {
    auto& data = TComponent::Create<TRegionedFormSkinData>(*form);
    const TBitmap strip = Strip(3 + i, w, h);
    data.SetButtons(&strip);
    data.Image.ButtonCount = 3 + i;
    data.Image.ButtonIndex = 2;
    data.Image.ButtonWidth = w + 10 * i;
    data.Image.ButtonHeight = h;
    data.Image.SplitMode = spHorizontal;
  }
  form->AfterConstruction();
  return form;
}

namespace {

// A point of the parent off the button, where no move reaches the button.
constexpr int kAwayX = 280, kAwayY = 217;

// Counts the button's two click events.
struct Clicks {
  explicit Clicks(TRegionedButton& b) {
    b.OnLeftButtonClick = [this](TObject*) { ++left; };
    b.OnClick = [this](TObject*) { ++plain; };
  }
  int left = 0, plain = 0;
};

}  // namespace

void HoverPressDragOffAndReleaseOutside(ButtonDriver& driver) {
  TRegionedButton& b = driver.Button();
  Clicks clicks(b);

  driver.MoveTo(50, 20);
  EXPECT_TRUE(b.MouseInside());
  EXPECT_EQ(b.State(), rbsMouseOver);
  EXPECT_EQ(driver.ShownImage(), 2);
  EXPECT_EQ(driver.Shape(), ShapeOf(2));

  driver.Press();
  EXPECT_TRUE(b.Pressed());
  EXPECT_EQ(b.State(), rbsPressed);
  EXPECT_TRUE(driver.HasCapture());
  EXPECT_EQ(driver.ShownImage(), 0);
  EXPECT_EQ(driver.Shape(), ShapeOf(0));

  driver.MoveTo(300, 20);  // dragged off with the button held
  EXPECT_FALSE(b.MouseInside());
  EXPECT_TRUE(b.Pressed());
  EXPECT_EQ(b.State(), rbsMouseOver);
  EXPECT_EQ(driver.ShownImage(), 2);

  driver.Release();
  EXPECT_EQ(b.State(), rbsNormal);
  EXPECT_FALSE(driver.HasCapture());
  EXPECT_EQ(driver.ShownImage(), 1);
  EXPECT_EQ(clicks.left, 0);
  EXPECT_EQ(clicks.plain, 0);

  // Dragged back on before the release: pressed again, and both clicks fire.
  driver.MoveTo(50, 20);
  driver.Press();
  driver.MoveTo(300, 20);
  driver.MoveTo(60, 20);
  EXPECT_EQ(b.State(), rbsPressed);
  driver.Release();
  EXPECT_EQ(b.State(), rbsMouseOver);
  EXPECT_EQ(clicks.left, 1);
  EXPECT_EQ(clicks.plain, 1);

  driver.MoveTo(kAwayX, kAwayY);  // off the button: the pointer left
  EXPECT_EQ(b.State(), rbsNormal);
}

void TheClickHandlerStillSeesThePressedImage(ButtonDriver& driver) {
  TRegionedButton& b = driver.Button();
  std::vector<std::string> order;
  b.OnClick = [&](TObject*) {
    order.push_back("OnClick");
    EXPECT_EQ(b.State(), rbsPressed);
    EXPECT_EQ(driver.ShownImage(), 0);
  };
  b.OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { order.push_back("OnMouseUp"); };
  b.OnLeftButtonClick = [&](TObject*) { order.push_back("OnLeftButtonClick"); };
  driver.MoveTo(50, 20);
  driver.Press();
  driver.Release();
  EXPECT_EQ(order, (std::vector<std::string>{"OnClick", "OnMouseUp", "OnLeftButtonClick"}));
  EXPECT_EQ(b.State(), rbsMouseOver);
}

void DoubleClickFiresOnClickOnceAndOnLeftButtonClickTwice(ButtonDriver& driver) {
  TRegionedButton& b = driver.Button();
  Clicks clicks(b);
  driver.MoveTo(50, 20);
  driver.Press();
  driver.Release();
  driver.Press(true);
  EXPECT_EQ(b.State(), rbsPressed);
  driver.Release();
  EXPECT_EQ(clicks.plain, 1);
  EXPECT_EQ(clicks.left, 2);
}

void CheckedShowsPressedWhateverTheMouseDoes(ButtonDriver& driver) {
  TRegionedButton& b = driver.Button();
  b.SetChecked(true);
  EXPECT_EQ(driver.ShownImage(), 0);
  driver.MoveTo(50, 20);
  driver.Press();
  driver.MoveTo(300, 20);
  driver.Release();
  EXPECT_EQ(b.State(), rbsPressed);
  EXPECT_EQ(driver.ShownImage(), 0);
  b.SetChecked(false);
  EXPECT_EQ(b.State(), rbsNormal);
  EXPECT_EQ(driver.ShownImage(), 1);
}

}  // namespace nuvex::test
