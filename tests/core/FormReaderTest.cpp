// Forms read from stored descriptions: creation by class, properties by name
// in order, parents from the nesting, later references, handlers, the
// loading order, and the errors of bad descriptions.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/Services.h"
#include "tests/support/TestSupport.h"
#include "toolkit/ui/ClassTable.h"
#include "toolkit/ui/FormReader.h"

namespace nuvex {
namespace {

std::vector<std::string> gJournal;  // what the test components saw, in order
int gAlive = 0;

class TTestForm : public TCustomControl {
 public:
  explicit TTestForm(TComponent* owner) : TCustomControl(owner) {}
  std::string ClassName() const override { return "TTestForm"; }
};

// A control that links to another one, as a button names its skin manager.
class TLinker : public TGraphicControl {
 public:
  explicit TLinker(TComponent* owner) : TGraphicControl(owner) { ++gAlive; }
  ~TLinker() override { --gAlive; }
  std::string ClassName() const override { return "TLinker"; }
  void SetPartner(TControl* partner) {
    partner_ = partner;
    gJournal.push_back(Name() + ".Partner=" + partner->Name() + (IsReading() ? " (reading)" : ""));
  }
  TControl* Partner() const { return partner_; }
  void Loaded() override {
    TGraphicControl::Loaded();
    gJournal.push_back(Name() + ".Loaded");
  }

 private:
  TControl* partner_ = nullptr;
};

class FormReader : public test::HeadlessTest {
 protected:
  FormReader() {
    gJournal.clear();
    classes.Add({"TTestForm", "TCustomControl", nullptr, {}});
    classes.Add({"TLinker", "TGraphicControl",
                 [](TComponent& owner) { return std::make_unique<TLinker>(&owner); },
                 {{"Partner", property::Reference(&TLinker::SetPartner)}}});
    handlers.Add<TNotifyEvent>("btClick", TNotifyEvent([this](TObject* sender) { clicked = sender; }));
    handlers.Add<TKeyEventHandler>("FormKeyUp", TKeyEventHandler([](TObject*, uint16_t&, TShiftState) {}));
  }

  std::unique_ptr<TTestForm> Read(const std::string& text) {
    return CreateForm<TTestForm>(nullptr, ParseFormText(text, "test.nfd"), classes, handlers, "test.nfd");
  }

  std::string ErrorOf(const std::string& text) {
    return test::MessageOf<Error>([&] { Read(text); });
  }

  TClassRegistry classes;
  THandlerTable handlers;
  TObject* clicked = nullptr;
};

TEST_F(FormReader, CreatesComponentsSetsPropertiesAndParentsFromTheNesting) {
  auto form = Read(
      "TTestForm Dialog {\n"
      "  Left = 10  Top = 20  Width = 300  Height = 200\n"
      "  Caption = \"Wybierz folder\"\n"
      "  Color = clAqua\n"
      "  KeyPreview = true\n"
      "  OnKeyUp = FormKeyUp\n"
      "  TCustomControl Panel {\n"
      "    Left = 5 Top = 6 Width = 100 Height = 50\n"
      "    TGraphicControl Inner { Font.Style = [fsBold, fsUnderline] Font.Size = 12 Color = 0x8000000F }\n"
      "  }\n"
      "  TGraphicControl Sign { Hint = \"h\" ShowHint = true Cursor = crHandPoint OnClick = btClick }\n"
      "}\n");
  EXPECT_EQ(form->Name(), "Dialog");
  EXPECT_EQ(form->BoundsRect(), (TRect{10, 20, 310, 220}));
  EXPECT_EQ(form->Caption(), "Wybierz folder");
  EXPECT_EQ(form->Color(), clAqua);
  EXPECT_TRUE(form->KeyPreview());
  EXPECT_TRUE(static_cast<bool>(form->OnKeyUp));
  ASSERT_EQ(form->ComponentCount(), 3);  // all owned by the form, in creation order
  auto* panel = dynamic_cast<TCustomControl*>(form->Components(0));
  auto* inner = dynamic_cast<TGraphicControl*>(form->Components(1));
  auto* sign = dynamic_cast<TGraphicControl*>(form->Components(2));
  ASSERT_TRUE(panel && inner && sign);
  EXPECT_EQ(inner->Name(), "Inner");
  EXPECT_EQ(panel->Parent(), form.get());
  EXPECT_EQ(inner->Parent(), panel);
  EXPECT_EQ(sign->Parent(), form.get());
  EXPECT_EQ(inner->Font().Style, fsBold | fsUnderline);
  EXPECT_EQ(inner->Font().Size, 12);
  EXPECT_EQ(inner->Color(), clBtnFace);
  EXPECT_EQ(sign->Cursor(), crHandPoint);
  EXPECT_TRUE(sign->ShowHint());
  sign->OnClick(sign);
  EXPECT_EQ(clicked, sign);
  for (int i = 0; i < form->ComponentCount(); ++i) EXPECT_FALSE(form->Components(i)->IsLoading());
}

TEST_F(FormReader, LaterReferencesAreSetWhileReadingAndBeforeLoaded) {
  auto form = Read(
      "TTestForm F {\n"
      "  TLinker First { Partner = Last }\n"   // declared later: set once all exist
      "  TLinker Last { Partner = First }\n"   // declared earlier: set at once
      "}\n");
  EXPECT_EQ(gJournal, (std::vector<std::string>{"Last.Partner=First (reading)", "First.Partner=Last (reading)",
                                                "First.Loaded", "Last.Loaded"}));
  EXPECT_EQ(static_cast<TLinker*>(form->Components(0))->Partner(), form->Components(1));
}

TEST_F(FormReader, BadDescriptionsNameThePlaceAndLeaveNothingBehind) {
  const std::pair<const char*, const char*> cases[] = {
      {"TTestForm F {\n  TNoSuch X {}\n}", "test.nfd:2: F.X: unknown class TNoSuch"},
      {"TTestForm F {\n  TLinker L {\n    Colour = clRed\n  }\n}",
       "test.nfd:3: F.L.Colour: unknown property of TLinker"},
      {"TTestForm F {\n  Left = \"ten\"\n}", "test.nfd:2: F.Left: expected a number"},
      {"TTestForm F {\n  Color = clPink\n}", "test.nfd:2: F.Color: unknown colour clPink"},
      {"TTestForm F {\n  Visible = yes\n}", "test.nfd:2: F.Visible: expected true or false"},
      {"TTestForm F {\n  TLinker L { Partner = Nobody }\n}", "test.nfd:2: F.L.Partner: no component named Nobody"},
      {"TTestForm F {\n  TLinker L {\n  OnClick = Missing }\n}", "test.nfd:3: F.L.OnClick: no handler named Missing"},
      {"TTestForm F {\n  OnClick = FormKeyUp\n}", "test.nfd:2: F.OnClick: handler FormKeyUp does not fit this event"},
      {"TTestForm F {\n  TLinker L {}\n  TLinker l {}\n}", "test.nfd:3: F.l: a component named l exists"},
      {"TCustomControl F {\n}", "test.nfd:1: F: the description is of class TCustomControl, the form is a TTestForm"},
      {"TTestForm F { Font.Style = [fsBold, fsWide] }", "test.nfd:1: F.Font.Style: unknown font style fsWide"},
  };
  for (const auto& [text, message] : cases) {
    EXPECT_EQ(ErrorOf(text), message) << text;
    EXPECT_EQ(gAlive, 0) << text;
  }
}

}  // namespace
}  // namespace nuvex
