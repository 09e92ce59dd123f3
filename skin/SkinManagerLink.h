#pragma once
// The side of the skin manager that skinned controls see.  A control links
// itself by its SkinManager (or LinkSkinManager) property: it registers, and
// when it is destroyed, or links another manager, it withdraws, so a manager
// never reaches a control that is gone.  Control and manager are tied by a
// free notification: a manager destroyed first is forgotten by its controls.
#include "toolkit/ui/Component.h"

namespace nuvex {

class TSkinManagerLink : public TComponent {
 public:
  explicit TSkinManagerLink(TComponent* owner) : TComponent(owner) {}
  std::string ClassName() const override { return "TSkinManagerLink"; }

  // Adds the control to the manager's list unless it is there already;
  // false only when the manager cannot keep a list.
  virtual bool RegisterControl(TComponent* control) = 0;
  // Takes the control out of the list (nothing when it is not there).
  virtual void UnregisterControl(TComponent* control) = 0;
};

}  // namespace nuvex
