#include "skindemo/PlayerWindow.h"

#include <utility>

#include "base/ScopeGuard.h"
#include "skin/SkinClasses.h"

namespace nuvex {
namespace {

// The skin engine's classes, with a manager that looks for skins in
// programFolder: the description cannot say where the program lies.
TClassRegistry PlayerClasses(const std::string& programFolder) {
  TClassRegistry classes;
  AddSkinClasses(classes);
  TComponentClass manager = *classes.Find("TSkinManager");
  manager.Create = [programFolder](TComponent& owner) -> std::unique_ptr<TComponent> {
    return std::make_unique<TSkinManager>(&owner, programFolder);
  };
  classes.Add(std::move(manager));
  return classes;
}

}  // namespace

int32_t SteppedSkinIndex(int32_t current, int skinCount, int step) {
  // Ring positions: 0 the base skin, 1 .. skinCount the listed skins.
  const int ring = skinCount + 1;
  const int at = current < 0 ? 0 : current + 1;
  const int next = ((at + step) % ring + ring) % ring;
  return next - 1;
}

std::string PlayerWindowTitle(const std::string& skinName) { return "Nuvex Player - " + skinName; }

TPlayerWindow::TPlayerWindow(std::string programFolder) {
  THandlerTable handlers;
  handlers.Add<TKeyEventHandler>("FormKeyUp", {this, &TPlayerWindow::FormKeyUp});
  form_ = CreateRegionedForm<TRegionedForm>(nullptr, "PlayerControl", PlayerClasses(programFolder), handlers);
  manager_ = &DescribedComponent<TSkinManager>(*form_, "SkinManager1");
  SelectSkin(-1);
}

void TPlayerWindow::SelectSkin(int32_t index) {
  // A skin whose picture cannot be painted ends the change with an error,
  // which the application reports; the window, hidden for the change, comes
  // back and names the skin that is now selected.  Hiding took the keyboard
  // from it, and not every window system gives it back on showing.
  const ScopeExit shown([this] {
    form_->SetCaption(PlayerWindowTitle(manager_->SkinName()));
    form_->SetVisible(true);
    form_->SetFocus();
  });
  manager_->SetSkinIndex(index);
}

void TPlayerWindow::FormKeyUp(TObject*, uint16_t& key, TShiftState) {
  switch (key) {
    case kPlayerKeyNext:
    case kPlayerKeyRight:
      StepSkin(1);
      break;
    case kPlayerKeyPrevious:
    case kPlayerKeyLeft:
      StepSkin(-1);
      break;
    case kPlayerKeyBase:
      SelectSkin(-1);
      break;
    case vkEscape:
      form_->Close();
      break;
    default:
      return;
  }
  key = 0;
}

}  // namespace nuvex
