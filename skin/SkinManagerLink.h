#pragma once
// The side of the skin manager that skinned components see.  A component
// links itself by its SkinManager (or LinkSkinManager) property: it
// registers, and when it is destroyed, or links another manager, it
// withdraws, so a manager never reaches a component that is gone.  Component
// and manager are tied by a free notification: a manager destroyed first is
// forgotten by its components.
#include "toolkit/ui/Component.h"

namespace nuvex {

class TSkinManagerLink : public TComponent {
 public:
  explicit TSkinManagerLink(TComponent* owner) : TComponent(owner) {}
  std::string ClassName() const override { return "TSkinManagerLink"; }

  // Adds the component to the manager's list unless it is there already;
  // false only when the manager cannot keep a list.
  virtual bool RegisterControl(TComponent* control) = 0;
  // Takes the component out of the list (nothing when it is not there).
  virtual void UnregisterControl(TComponent* control) = 0;
};

// A skinned component's tie to the manager it registered with.
class TSkinRegistration {
 public:
  explicit TSkinRegistration(TComponent& self) : self_(self) {}
  ~TSkinRegistration() { Withdraw(); }
  TSkinRegistration(const TSkinRegistration&) = delete;
  TSkinRegistration& operator=(const TSkinRegistration&) = delete;

  TSkinManagerLink* Manager() const { return manager_; }
  // Withdraws from the manager registered with before, then registers with
  // this one (none: registers nowhere).  Nothing when it is the same.
  void Link(TSkinManagerLink* manager) {
    if (manager == manager_) return;
    Withdraw();
    manager_ = manager;
    if (manager_) {
      manager_->FreeNotification(&self_);
      manager_->RegisterControl(&self_);
    }
  }
  void Withdraw() {
    if (!manager_) return;
    manager_->UnregisterControl(&self_);
    self_.RemoveFreeNotification(manager_);
    manager_ = nullptr;
  }
  // For the component's Notification: true when the manager that went is
  // the one registered with, which is then forgotten (nothing to tell it).
  bool Forget(const TComponent* gone) {
    if (!gone || gone != manager_) return false;
    manager_ = nullptr;
    return true;
  }

 private:
  TComponent& self_;
  TSkinManagerLink* manager_ = nullptr;
};

}  // namespace nuvex
