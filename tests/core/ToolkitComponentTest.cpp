// Components: ownership, names, free notification and the loading steps.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "toolkit/ui/Component.h"

namespace nuvex {
namespace {

// Records its life in a shared journal.
class Probe : public TComponent {
 public:
  Probe(TComponent* owner, std::vector<std::string>* journal, std::string tag)
      : TComponent(owner), journal_(journal), tag_(std::move(tag)) {}
  ~Probe() override { journal_->push_back("~" + tag_); }

  void Loaded() override {
    // The reader has finished: no longer reading, still loading until the base runs.
    journal_->push_back("Loaded " + tag_ + (IsReading() ? " reading" : "") + (IsLoading() ? " loading" : ""));
    TComponent::Loaded();
    if (failLoaded) throw std::runtime_error("Loaded of " + tag_);
  }
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove) {
      journal_->push_back(tag_ + " heard " + (component == watched ? "watched" : "other") + " go");
      if (component == watched) watched = nullptr;
    }
  }

  TComponent* watched = nullptr;
  bool failLoaded = false;

 private:
  std::vector<std::string>* journal_;
  std::string tag_;
};

TEST(ToolkitComponent, OwnedComponentsDieWithTheOwnerLastCreatedFirst) {
  std::vector<std::string> journal;
  {
    Probe root(nullptr, &journal, "root");
    Probe& a = TComponent::Create<Probe>(root, &journal, "a");
    TComponent::Create<Probe>(a, &journal, "a1");
    TComponent::Create<Probe>(root, &journal, "b");
    EXPECT_EQ(root.ComponentCount(), 2);
    EXPECT_EQ(root.Components(0), &a);
    EXPECT_EQ(a.Owner(), &root);
  }
  EXPECT_EQ(journal, (std::vector<std::string>{"~root", "~b", "~a", "~a1"}));
}

TEST(ToolkitComponent, FindAndRemoveComponents) {
  std::vector<std::string> journal;
  Probe root(nullptr, &journal, "root");
  Probe& a = TComponent::Create<Probe>(root, &journal, "a");
  a.SetName("rbRunInstall");
  EXPECT_EQ(root.FindComponent("RBRUNINSTALL"), &a);
  EXPECT_EQ(root.FindComponent("rbRun"), nullptr);
  EXPECT_EQ(root.FindComponent(""), nullptr);

  std::unique_ptr<TComponent> taken = root.RemoveComponent(&a);
  ASSERT_EQ(taken.get(), &a);
  EXPECT_EQ(root.ComponentCount(), 0);
  EXPECT_EQ(root.RemoveComponent(&a), nullptr);  // not owned any more
  taken.reset();
  // The owner hears of the removal; the component lives on until its new holder lets it go.
  EXPECT_EQ(journal, (std::vector<std::string>{"root heard other go", "~a"}));
}

TEST(ToolkitComponent, OnlyTheOwnerTakesAComponentIn) {
  std::vector<std::string> journal;
  Probe root(nullptr, &journal, "root");
  Probe other(nullptr, &journal, "other");
  EXPECT_THROW(root.InsertComponent(std::make_unique<Probe>(&other, &journal, "x")), std::runtime_error);
  EXPECT_EQ(root.ComponentCount(), 0);
}

TEST(ToolkitComponent, FreeNotificationWorksBothWays) {
  std::vector<std::string> journal;
  auto first = std::make_unique<Probe>(nullptr, &journal, "first");
  {
    Probe second(nullptr, &journal, "second");
    first->watched = &second;
    second.watched = first.get();
    first->FreeNotification(&second);
    first->FreeNotification(&second);  // once is enough
  }
  EXPECT_EQ(first->watched, nullptr);
  EXPECT_EQ(journal, (std::vector<std::string>{"~second", "first heard watched go"}));

  // Removed links are not told.
  journal.clear();
  Probe third(nullptr, &journal, "third");
  third.watched = first.get();
  third.FreeNotification(first.get());
  third.RemoveFreeNotification(first.get());
  first.reset();
  EXPECT_EQ(journal, (std::vector<std::string>{"~first"}));
}

TEST(ToolkitComponent, LoadingMarksReadsAndEndsInCreationOrder) {
  std::vector<std::string> journal;
  Probe root(nullptr, &journal, "root");
  bool readingWhileRead = false;
  LoadComponent(root, [&] {
    Probe& a = TComponent::Create<Probe>(root, &journal, "a");
    TComponent::Create<Probe>(a, &journal, "a1");
    Probe& b = TComponent::Create<Probe>(root, &journal, "b");
    readingWhileRead = root.IsReading() && a.IsLoading() && a.IsReading() && b.IsLoading();
  });
  EXPECT_TRUE(readingWhileRead);
  EXPECT_EQ(journal, (std::vector<std::string>{"Loaded root loading", "Loaded a loading", "Loaded a1 loading",
                                               "Loaded b loading"}));
  for (int i = 0; i < root.ComponentCount(); ++i) EXPECT_EQ(root.Components(i)->ComponentState(), 0);
  EXPECT_EQ(root.ComponentState(), 0);

  // Components made after loading are not marked.
  Probe& late = TComponent::Create<Probe>(root, &journal, "late");
  EXPECT_FALSE(late.IsLoading());
}

TEST(ToolkitComponent, AFailingLoadedLetsTheOthersFinishThenPassesOn) {
  std::vector<std::string> journal;
  Probe root(nullptr, &journal, "root");
  Probe* a = nullptr;
  Probe* b = nullptr;
  EXPECT_THROW(LoadComponent(root,
                             [&] {
                               a = &TComponent::Create<Probe>(root, &journal, "a");
                               a->failLoaded = true;
                               b = &TComponent::Create<Probe>(root, &journal, "b");
                             }),
               std::runtime_error);
  EXPECT_FALSE(a->IsLoading());
  EXPECT_FALSE(b->IsLoading());
  EXPECT_EQ(journal.back(), "Loaded b loading");
}

TEST(ToolkitComponent, AFailingReadClearsTheMarksAndKeepsWhatWasMade) {
  std::vector<std::string> journal;
  Probe root(nullptr, &journal, "root");
  EXPECT_THROW(LoadComponent(root,
                             [&] {
                               TComponent::Create<Probe>(root, &journal, "a");
                               throw std::runtime_error("bad description");
                             }),
               std::runtime_error);
  ASSERT_EQ(root.ComponentCount(), 1);
  EXPECT_EQ(root.Components(0)->ComponentState(), 0);
  EXPECT_EQ(root.ComponentState(), 0);
  EXPECT_TRUE(journal.empty());  // no Loaded after a failed read
}

}  // namespace
}  // namespace nuvex
