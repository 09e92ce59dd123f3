#pragma once
// TComponent: the root of the component library.  A component has an owner,
// a name and a state; it owns the components created for it and frees them
// with itself, the last created first.
//
// Ownership: a component with an owner is made with TComponent::Create<T>
// (or handed over with InsertComponent), which gives the owner the only
// std::unique_ptr to it.  A component without an owner belongs to whoever
// made it.  RemoveComponent hands an owned component back.
//
// Free notification: A->FreeNotification(B) makes B hear
// Notification(A, opRemove) when A is destroyed, and A hear it when B is
// destroyed first, so neither keeps a pointer to a dead component.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/DestroyWatch.h"

namespace nuvex {

// The root of every object that may be the sender of an event.
class TObject {
 public:
  virtual ~TObject() = default;
  // The class name the program shows ("TRegionedButton"); messages use it.
  virtual std::string ClassName() const { return "TObject"; }
};

// The component state set.
enum TComponentStateFlag : uint8_t {
  csLoading = 1,     // being read from a stored description; cleared by Loaded()
  csReading = 2,     // its properties are being set by the reader
  csDestroying = 4,  // its destructor runs
};
using TComponentState = uint8_t;

enum class TOperation : uint8_t { opInsert, opRemove };



class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  std::string ClassName() const override { return "TComponent"; }

  // Makes a component of class T owned by owner (constructor T(owner, args...)).
  // While the owner is being read the new component is marked loading and
  // reading too, and gets Loaded() with the rest at the end of loading.
  template <typename T, typename... Args>
  static T& Create(TComponent& owner, Args&&... args) {
    auto made = std::make_unique<T>(&owner, std::forward<Args>(args)...);
    T& result = *made;
    owner.InsertComponent(std::move(made));
    return result;
  }

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  virtual void SetName(const std::string& name) { name_ = name; }

  // The owned components in creation order.
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(index).get(); }
  // The owned component with this name (letter case ignored), or nullptr.
  TComponent* FindComponent(std::string_view name) const;

  // Takes ownership; the component's Owner() must be this.
  void InsertComponent(std::unique_ptr<TComponent> component);
  // Gives an owned component back (nullptr when it is not owned here).
  std::unique_ptr<TComponent> RemoveComponent(TComponent* component);

  // What a dispatch watches to learn that a handler destroyed the component.
  TWatchedLife& Life() { return life_; }

  TComponentState ComponentState() const { return state_; }
  bool IsLoading() const { return (state_ & csLoading) != 0; }
  bool IsReading() const { return (state_ & csReading) != 0; }
  bool IsDestroying() const { return (state_ & csDestroying) != 0; }

  // The end-of-loading step: runs once the reader has set every property.
  // The base clears csLoading; overrides call it first.
  virtual void Loaded();

  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

 protected:
  // Told when a component linked by FreeNotification, or an owned one, goes.
  virtual void Notification(TComponent* component, TOperation operation);

  // For the loader and for tests: set or clear state flags.
  void SetComponentState(TComponentState flags) { state_ |= flags; }
  void ClearComponentState(TComponentState flags) { state_ &= static_cast<TComponentState>(~flags); }

 private:
  friend void LoadComponent(TComponent& root, const std::function<void()>& read);

  TComponent* owner_;
  std::string name_;
  TComponentState state_ = 0;
  std::vector<std::unique_ptr<TComponent>> components_;
  std::vector<TComponent*> freeNotifies_;
  TWatchedLife life_;  // last member: the watches hear of the end after everything else
};

// Reads a stored description into a root component: marks the root and all
// it owns as loading and reading, runs `read` (which creates components with
// TComponent::Create and sets their properties), clears csReading, and calls
// Loaded() on the root and then on every component owned beneath it, in
// creation order.  An error raised by `read` passes on with the loading marks
// cleared; an error raised by a Loaded() passes on after the other
// components had theirs.  The components stay owned by the root either way.
void LoadComponent(TComponent& root, const std::function<void()>& read);

}  // namespace nuvex
