// Forms and the window system's own controls on the headless backend: border
// styles, centring, the modal loop and its results, button and edit
// notifications.
#include <gtest/gtest.h>

#include <memory>

#include "base/Error.h"
#include "tests/support/Services.h"
#include "toolkit/ui/Form.h"
#include "toolkit/ui/StdControls.h"

namespace nuvex {
namespace {

class FormTest : public test::HeadlessTest {
 protected:
  FormTest() {
    main->SetBounds(0, 0, 300, 200);
    main->Show();
    dialog->SetBorderStyle(bsSingle);
    dialog->SetBounds(5, 5, 200, 100);
    ok.SetParent(dialog.get());
    ok.SetModalResult(mrOk);
  }

  std::unique_ptr<TForm> main = std::make_unique<TForm>(nullptr);
  std::unique_ptr<TForm> dialog = std::make_unique<TForm>(nullptr);
  TButton& ok = TComponent::Create<TButton>(*dialog);
};

TEST_F(FormTest, BorderStylesPickTheWindowKindAndCentringUsesTheScreen) {
  EXPECT_FALSE(dialog->Visible());  // a form shows when asked to
  dialog->SetPosition(poScreenCenter);
  dialog->Show();
  EXPECT_EQ(test::WindowOf(*dialog).Params().Kind, TWindowKind::Single);
  EXPECT_EQ(test::WindowOf(*main).Params().Kind, TWindowKind::Sizeable);
  TForm framed(nullptr);
  framed.SetBorderStyle(bsDialog);
  framed.Show();
  EXPECT_EQ(test::WindowOf(framed).Params().Kind, TWindowKind::Dialog);
  EXPECT_EQ(dialog->BoundsRect(), (TRect{412, 334, 612, 434}));  // on 1024 x 768
  TForm popup(nullptr);
  popup.SetBorderStyle(bsNone);
  popup.Show();
  EXPECT_EQ(test::WindowOf(popup).Params().Kind, TWindowKind::Popup);
}

TEST_F(FormTest, ModalButtonEndsTheLoopWithItsResultAndTheOtherFormsWaitDisabled) {
  bool mainWasEnabled = true;
  int clicks = 0;
  ok.OnClick = [&](TObject*) { ++clicks; };
  dialog->OnShow = [&](TObject*) {
    mainWasEnabled = main->Enabled();
    test::WindowOf(ok).Notify(kButtonClicked);
  };
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_FALSE(mainWasEnabled);
  EXPECT_TRUE(main->Enabled());
  EXPECT_FALSE(dialog->Visible());
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(backend.QuitRequested());
}

TEST_F(FormTest, CloseBoxCloseAndAnEndingLoopCountAsCancel) {
  dialog->OnShow = [&](TObject*) { test::WindowOf(*dialog).RequestClose(); };
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  dialog->OnShow = [&](TObject*) { dialog->Close(); };
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_FALSE(backend.QuitRequested());
  // Nothing will ever happen here: the loop gives way and passes the end on.
  dialog->OnShow = nullptr;
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_TRUE(backend.QuitRequested());
  // A form that is not modal hides when closed.
  main->Close();
  EXPECT_FALSE(main->Visible());
  dialog->Show();
  EXPECT_THROW(dialog->ShowModal(), Error);
}

TEST_F(FormTest, AnErrorInAHandlerDuringTheModalLoopIsReportedAndTheLoopGoesOn) {
  TButton& failing = TComponent::Create<TButton>(*dialog);
  failing.SetParent(dialog.get());
  failing.OnClick = [](TObject*) { throw Error("Cannot open file C:\\x"); };
  bool stillOpen = false;
  backend.QueueInput([&] { test::WindowOf(failing).Notify(kButtonClicked); });
  backend.QueueInput([&] {
    stillOpen = dialog->Visible() && dialog->ModalResult() == mrNone;
    test::WindowOf(ok).Notify(kButtonClicked);
  });
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_TRUE(stillOpen);
  ASSERT_EQ(backend.MessageBoxes().size(), 1u);
  EXPECT_EQ(backend.MessageBoxes()[0].Text, "Cannot open file C:\\x.");
  EXPECT_EQ(backend.MessageBoxes()[0].Flags, mbOk | mbIconError);
}

TEST_F(FormTest, NativeControlsReportThroughTheirNotifications) {
  TEdit& edit = TComponent::Create<TEdit>(*main);
  edit.SetParent(main.get());
  int changes = 0;
  edit.OnChange = [&](TObject*) { ++changes; };
  test::WindowOf(edit).Notify(kEditChanged);
  test::WindowOf(edit).Notify(kButtonClicked);  // not an edit box's
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(test::WindowOf(edit).Params().NativeClass, "EDIT");
  edit.SetText("C:\\Program Files");
  EXPECT_EQ(test::WindowOf(edit).Text(), "C:\\Program Files");

  TButton& button = TComponent::Create<TButton>(*main);
  button.SetParent(main.get());
  button.SetBounds(10, 10, 75, 25);
  int clicks = 0;
  button.OnClick = [&](TObject*) { ++clicks; };
  backend.Click(button.ClientToScreen({5, 5}));  // the native button's own business
  EXPECT_EQ(clicks, 0);
  test::WindowOf(button).Notify(kButtonClicked);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(main->ModalResult(), mrNone);  // a button without a result leaves the form's
}

}  // namespace
}  // namespace nuvex
