#include "toolkit/ui/Component.h"

#include <utility>

#include <algorithm>
#include <cctype>
#include <exception>

#include "base/Ascii.h"
#include "base/Error.h"

namespace nuvex {

namespace {

void Erase(std::vector<TComponent*>& list, TComponent* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

TComponent::TComponent(TComponent* owner) : owner_(owner) {}

TComponent::~TComponent() {
  state_ |= csDestroying;
  // Tell the linked components first, so none of them keeps a pointer to this.
  const std::vector<TComponent*> linked = std::move(freeNotifies_);
  freeNotifies_.clear();
  for (TComponent* other : linked) {
    Erase(other->freeNotifies_, this);
    other->Notification(this, TOperation::opRemove);
  }
  // Owned components go last created first; each leaves the list before it
  // is destroyed, so nothing reaches it through the owner any more.
  while (!components_.empty()) {
    std::unique_ptr<TComponent> last = std::move(components_.back());
    components_.pop_back();
    last.reset();
  }
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (const auto& component : components_) {
    if (SameTextAscii(component->name_, name)) return component.get();
  }
  return nullptr;
}

void TComponent::InsertComponent(std::unique_ptr<TComponent> component) {
  if (!component) return;
  if (component->owner_ != this) throw Error("A component can only be inserted into its owner");
  if (IsReading()) component->state_ |= csLoading | csReading;
  TComponent* added = component.get();
  components_.push_back(std::move(component));
  Notification(added, TOperation::opInsert);
}

std::unique_ptr<TComponent> TComponent::RemoveComponent(TComponent* component) {
  auto found = std::find_if(components_.begin(), components_.end(),
                            [component](const auto& owned) { return owned.get() == component; });
  if (found == components_.end()) return nullptr;
  std::unique_ptr<TComponent> result = std::move(*found);
  components_.erase(found);
  Notification(result.get(), TOperation::opRemove);
  return result;
}

void TComponent::Loaded() { state_ &= static_cast<TComponentState>(~csLoading); }

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end()) {
    freeNotifies_.push_back(component);
  }
  if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
      component->freeNotifies_.end()) {
    component->freeNotifies_.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (!component) return;
  Erase(freeNotifies_, component);
  Erase(component->freeNotifies_, this);
}

void TComponent::Notification(TComponent* /*component*/, TOperation /*operation*/) {}

namespace {

void CollectTree(TComponent& component, std::vector<TComponent*>& out) {
  for (int i = 0; i < component.ComponentCount(); ++i) {
    out.push_back(component.Components(i));
    CollectTree(*component.Components(i), out);
  }
}

}  // namespace

void LoadComponent(TComponent& root, const std::function<void()>& read) {
  std::vector<TComponent*> before{&root};
  CollectTree(root, before);
  for (TComponent* component : before) component->state_ |= csLoading | csReading;
  try {
    read();
  } catch (...) {
    std::vector<TComponent*> all{&root};
    CollectTree(root, all);
    for (TComponent* component : all) component->state_ &= static_cast<TComponentState>(~(csLoading | csReading));
    throw;
  }
  std::vector<TComponent*> all{&root};
  CollectTree(root, all);
  for (TComponent* component : all) component->state_ &= static_cast<TComponentState>(~csReading);
  // One failing Loaded() does not leave the others half loaded: every
  // component gets its step, then the first error passes on.
  std::exception_ptr firstError;
  for (TComponent* component : all) {
    if (!component->IsLoading()) continue;
    try {
      component->Loaded();
    } catch (...) {
      component->state_ &= static_cast<TComponentState>(~csLoading);
      if (!firstError) firstError = std::current_exception();
    }
  }
  if (firstError) std::rethrow_exception(firstError);
}

}  // namespace nuvex
