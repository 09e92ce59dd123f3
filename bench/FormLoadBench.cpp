// A dialog of a dozen components loaded from its description (parsed, read,
// its windows made, then destroyed) against the same dialog built by hand in
// code (the same properties in the same order, the same windows), both in
// the same run.  Prints milliseconds per form for each, their ratio, and
// where the loaded form's time goes.  Run it natively (headless backend) or
// under wine (real windows):
//   build/native/bench/FormLoadBench
//   scripts/wine-run.sh build/win32/bench/FormLoadBench.exe
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "bench/BenchSupport.h"
#include "toolkit/formats/FormText.h"
#include "toolkit/resources/FormResources.h"
#include "toolkit/ui/Form.h"
#include "toolkit/ui/FormReader.h"
#include "toolkit/ui/Image.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/StdControls.h"

using namespace nuvex;
using Clock = std::chrono::steady_clock;

namespace {

constexpr const char* kPicture = "RunInstallButton";

constexpr const char* kDescription = R"(// The installer's options dialog.
TForm OptionsForm {
  Left = 200  Top = 120  Width = 420  Height = 260
  Caption = "Nuvex Player - options"
  BorderStyle = bsDialog  Position = poScreenCenter
  Color = clBtnFace
  Font.Name = "MS Sans Serif"  Font.Height = -11
  KeyPreview = true
  TImage imLogo {
    Left = 8  Top = 8  Width = 64  Height = 64
    Stretch = true
    Picture = picture("RunInstallButton")
  }
  TLabel laTitle {
    Left = 80  Top = 8
    Caption = "Nuvex Player"
    Font.Name = "Arial"  Font.Height = -19  Font.Style = [fsBold]
  }
  TLabel laInfo {
    Left = 80  Top = 36  Width = 320
    WordWrap = true
    Caption = "The player is installed in the folder below, with a group of shortcuts in the Start menu."
  }
  TLabel laFolder { Left = 8  Top = 96  Caption = "Folder:" }
  TEdit edFolder {
    Left = 112  Top = 92  Width = 208  Height = 21
    Text = "C:\\Program Files\\Nuvex Player"
    TabStop = true
    OnChange = edFolderChange
  }
  TButton btBrowse {
    Left = 328  Top = 90  Width = 75  Height = 25
    Caption = "Browse..."
    OnClick = btBrowseClick
  }
  TLabel laGroup { Left = 8  Top = 128  Caption = "Start menu group:" }
  TEdit edGroup { Left = 112  Top = 124  Width = 208  Height = 21  Text = "Nuvex Player"  TabStop = true }
  TLabel laLanguage { Left = 8  Top = 160  Caption = "Language:" }
  TEdit edLanguage { Left = 112  Top = 156  Width = 208  Height = 21  Text = "English"  TabStop = true }
  TButton btOk { Left = 248  Top = 196  Width = 75  Height = 25  Caption = "OK"  ModalResult = mrOk }
  TButton btCancel { Left = 328  Top = 196  Width = 75  Height = 25  Caption = "Cancel"  ModalResult = mrCancel }
}
)";

THandlerTable Handlers() {
  THandlerTable handlers;
  handlers.Add<TNotifyEvent>("btBrowseClick", [](TObject*) {});
  handlers.Add<TNotifyEvent>("edFolderChange", [](TObject*) {});
  return handlers;
}

TFont FontOf(const char* name, int size, uint8_t style = 0) {
  TFont font;
  font.Name = name;
  font.Size = size;
  font.Style = style;
  return font;
}

template <typename T>
T& Add(TForm& form, const char* name) {
  T& control = TComponent::Create<T>(form);
  control.SetName(name);
  control.SetParent(&form);
  return control;
}

TLabel& AddLabel(TForm& form, const char* name, int left, int top, const char* caption) {
  TLabel& label = Add<TLabel>(form, name);
  label.SetLeft(left);
  label.SetTop(top);
  label.SetCaption(caption);
  return label;
}

TEdit& AddEdit(TForm& form, const char* name, int top, const char* text) {
  TEdit& edit = Add<TEdit>(form, name);
  edit.SetBounds(112, top, 208, 21);
  edit.SetText(text);
  edit.SetTabStop(true);
  return edit;
}

TButton& AddButton(TForm& form, const char* name, int left, int top, const char* caption) {
  TButton& button = Add<TButton>(form, name);
  button.SetBounds(left, top, 75, 25);
  button.SetCaption(caption);
  return button;
}

// The dialog of the description, written out in code.
std::unique_ptr<TForm> BuildByHand(const THandlerTable& handlers) {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetName("OptionsForm");
  form->SetBounds(200, 120, 420, 260);
  form->SetCaption("Nuvex Player - options");
  form->SetBorderStyle(bsDialog);
  form->SetPosition(poScreenCenter);
  form->SetColor(clBtnFace);
  form->SetFont(FontOf("MS Sans Serif", 8));
  form->SetKeyPreview(true);

  TImage& logo = Add<TImage>(*form, "imLogo");
  logo.SetBounds(8, 8, 64, 64);
  logo.SetStretch(true);
  logo.SetPicture(LoadPictureResource(kPicture));

  TLabel& title = AddLabel(*form, "laTitle", 80, 8, "Nuvex Player");
  title.SetFont(FontOf("Arial", 14, fsBold));
  TLabel& info = Add<TLabel>(*form, "laInfo");
  info.SetWordWrap(true);  // before the width, which auto-size would take from the text
  info.SetBounds(80, 36, 320, info.Height());
  info.SetCaption("The player is installed in the folder below, with a group of shortcuts in the Start menu.");

  AddLabel(*form, "laFolder", 8, 96, "Folder:");
  TEdit& folder = AddEdit(*form, "edFolder", 92, "C:\\Program Files\\Nuvex Player");
  folder.OnChange = *std::any_cast<TNotifyEvent>(handlers.Find("edFolderChange"));
  TButton& browse = AddButton(*form, "btBrowse", 328, 90, "Browse...");
  browse.OnClick = *std::any_cast<TNotifyEvent>(handlers.Find("btBrowseClick"));
  AddLabel(*form, "laGroup", 8, 128, "Start menu group:");
  AddEdit(*form, "edGroup", 124, "Nuvex Player");
  AddLabel(*form, "laLanguage", 8, 160, "Language:");
  AddEdit(*form, "edLanguage", 156, "English");
  AddButton(*form, "btOk", 248, 196, "OK").SetModalResult(mrOk);
  AddButton(*form, "btCancel", 328, 196, "Cancel").SetModalResult(mrCancel);
  return form;
}

struct Phases {
  double parse = 0, read = 0, windows = 0, destroy = 0;
  double Total() const { return parse + read + windows + destroy; }
};

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Adds the milliseconds that `forms` forms take, phase by phase; make()
// gives the parsed description's form (parse and read timed apart) or the
// hand-built one.
template <typename Make>
void Measure(int forms, Phases& sum, Make&& make) {
  for (int i = 0; i < forms; ++i) {
    std::unique_ptr<TForm> form = make(sum);
    auto t = Clock::now();
    form->HandleNeeded();
    CurrentWindowBackend().ProcessMessages();
    sum.windows += Ms(Clock::now() - t);
    t = Clock::now();
    form.reset();
    CurrentWindowBackend().ProcessMessages();
    sum.destroy += Ms(Clock::now() - t);
  }
}

Phases PerForm(const Phases& sum, int forms) {
  return {sum.parse / forms, sum.read / forms, sum.windows / forms, sum.destroy / forms};
}

}  // namespace

int main() {
  std::printf("form load benchmark (%s): a TForm with 5 labels, 3 edits, 3 buttons and an image\n",
              bench::BackendName());
  const THandlerTable handlers = Handlers();
  const double registrySeconds = bench::Seconds([] { TClassRegistry registry; });
  const TClassRegistry classes;

  auto fromDescription = [&](Phases& sum) {
    auto t = Clock::now();
    const TFormObject description = ParseFormText(kDescription, "OptionsForm.nfd");
    sum.parse += Ms(Clock::now() - t);
    t = Clock::now();
    auto form = CreateForm<TForm>(nullptr, description, classes, handlers, "OptionsForm.nfd");
    sum.read += Ms(Clock::now() - t);
    return form;
  };
  auto byHand = [&](Phases& sum) {
    const auto t = Clock::now();
    auto form = BuildByHand(handlers);
    sum.read += Ms(Clock::now() - t);
    return form;
  };

  // The first form of the program makes its fonts and window classes too.
  Phases first;
  Measure(1, first, fromDescription);

  // Both ways give the same form: the same components, bounds and texts.
  {
    Phases unused;
    auto a = fromDescription(unused);
    auto b = byHand(unused);
    bool same = a->ComponentCount() == b->ComponentCount() && a->BoundsRect() == b->BoundsRect();
    for (int i = 0; same && i < a->ComponentCount(); ++i) {
      auto* x = dynamic_cast<TControl*>(a->Components(i));
      auto* y = dynamic_cast<TControl*>(b->Components(i));
      same = x && y && x->Name() == y->Name() && x->ClassName() == y->ClassName() &&
             x->BoundsRect() == y->BoundsRect() && x->Caption() == y->Caption() && x->Font() == y->Font();
    }
    std::printf("  same form both ways:       %s (%d components)\n", same ? "yes" : "NO", a->ComponentCount());
  }

  Phases unusedSums;
  Measure(20, unusedSums, fromDescription);  // warm up
  Measure(20, unusedSums, byHand);
  // Rounds taken in turn, so that a drift of the machine meets both alike.
  constexpr int kRounds = 10, kFormsPerRound = 20, kForms = kRounds * kFormsPerRound;
  Phases loadedSum, builtSum;
  for (int round = 0; round < kRounds; ++round) {
    Measure(kFormsPerRound, loadedSum, fromDescription);
    Measure(kFormsPerRound, builtSum, byHand);
  }
  const Phases loaded = PerForm(loadedSum, kForms);
  const Phases built = PerForm(builtSum, kForms);
  std::printf("  class registry (once):     %8.3f ms\n", registrySeconds * 1000);
  std::printf("  first form, described:     %8.3f ms (parse %.3f, read %.3f, windows %.3f, destroy %.3f)\n",
              first.Total(), first.parse, first.read, first.windows, first.destroy);
  std::printf("  from the description:      %8.3f ms per form (parse %.3f, read %.3f, windows %.3f, destroy %.3f)\n",
              loaded.Total(), loaded.parse, loaded.read, loaded.windows, loaded.destroy);
  std::printf("  built by hand in code:     %8.3f ms per form (build %.3f, windows %.3f, destroy %.3f)\n",
              built.Total(), built.read, built.windows, built.destroy);
  std::printf("  ratio (description / code): %7.2f\n", loaded.Total() / built.Total());
  return 0;
}
