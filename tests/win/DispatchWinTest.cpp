// A handler that frees the form it serves, from inside the window procedure:
// a mouse release, a key and a close request each free the whole form, and
// the window procedure must touch nothing of the freed windows afterwards.
//
// A read of freed memory rarely fails by itself, so right after the free the
// test hands the freed memory out again (allocations of every small size,
// which the heap serves from the blocks just freed) filled with a canary
// word: the address of a window procedure that counts its calls.  A stray
// read of the freed window's procedure then calls the canary, and a stray
// write changes a canary word; the test checks both once the message is
// handled.  The canary catches a fault only where the heap gave the freed
// block out again, so each case runs several rounds and prints in how many
// the canary lay where the freed window objects had been; the tests also
// check that the window system and the component library go on working.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "tests/support/Services.h"
#include "toolkit/ui/Application.h"
#include "toolkit/ui/WinControl.h"

namespace nuvex {
namespace {

int strayCalls = 0;

LRESULT CALLBACK StrayProc(HWND, UINT, WPARAM, LPARAM) {
  ++strayCalls;
  return 0;
}

// Freed memory taken back at once and filled with the canary word.
class FreedMemoryCanary {
 public:
  FreedMemoryCanary() { blocks_.reserve(kMaxWords / kStepWords * kPerSize); }

  // Called right after the free, before anything else allocates.  Larger
  // sizes first, so that a freed stretch tends to go to a few large blocks
  // rather than to many small ones whose headers the canary cannot see.
  void Spray() {
    const auto canary = reinterpret_cast<uintptr_t>(&StrayProc);
    for (size_t words = kMaxWords; words >= kStepWords; words -= kStepWords) {
      for (int i = 0; i < kPerSize; ++i) {
        auto block = std::make_unique<uintptr_t[]>(words);
        std::fill(block.get(), block.get() + words, canary);
        blocks_.push_back({std::move(block), words});
      }
    }
  }

  // Whether a canary block holds the address.
  bool Covers(uintptr_t address) const {
    return std::any_of(blocks_.begin(), blocks_.end(), [&](const Block& b) {
      const auto start = reinterpret_cast<uintptr_t>(b.words.get());
      return address >= start && address < start + b.count * sizeof(uintptr_t);
    });
  }

  void Clear() { blocks_.clear(); }

  // Words of the canary that something wrote over.
  int Overwritten() const {
    const auto canary = reinterpret_cast<uintptr_t>(&StrayProc);
    int changed = 0;
    for (const Block& b : blocks_) changed += static_cast<int>(std::count_if(
        b.words.get(), b.words.get() + b.count, [&](uintptr_t w) { return w != canary; }));
    return changed;
  }

 private:
  // 2 KB down to 16 bytes in steps of 16, enough blocks of each size to
  // use up every free block the heap keeps for it.
  static constexpr size_t kMaxWords = 2048 / sizeof(uintptr_t);
  static constexpr size_t kStepWords = 16 / sizeof(uintptr_t);
  static constexpr int kPerSize = 32;
  struct Block {
    std::unique_ptr<uintptr_t[]> words;
    size_t count;
  };
  std::vector<Block> blocks_;
};

// A button-like windowed child on our own window class.
class Pad : public TCustomControl {
 public:
  explicit Pad(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }

 protected:
  void Paint() override {
    Canvas().Brush.Color = clBtnFace;
    Canvas().FillRect(ClientRect());
  }
};

// A top-level form that hands its close request to the test.
class Form : public TCustomControl {
 public:
  explicit Form(TComponent* owner) : TCustomControl(owner) {}
  std::function<void()> onClose;

 protected:
  void CloseRequested() override { onClose(); }
};

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// Each case runs a few rounds, each with a form of its own: whether the heap
// hands a freed block back to the canary depends on its layout at the time.
constexpr int kRounds = 5;

class DispatchWin : public ::testing::Test {
 protected:
  void TearDown() override {
    // How often the canary lay where the freed windows' objects had been
    // (the window procedure's `this`): the rounds in which a stray read or
    // write would surely have shown.
    std::printf("[ canary   ] covered the freed window objects in %d of %d rounds\n", covered, rounds);
    // Without one covered round, a stray read or write could not have shown.
    if (rounds > 0) {
      EXPECT_GT(covered, 0) << "the canary never lay where the freed windows had been";
    }
  }

  void MakeForm() {
    strayCalls = 0;
    freed = false;
    canary.Clear();
    form = &TComponent::Create<Form>(owner);
    form->SetBounds(30, 30, 200, 120);
    // Never shown: a shown top-level window takes the X server seconds to
    // take down, and messages reach a hidden one all the same.
    form->SetVisible(false);
    pad = &TComponent::Create<Pad>(*form);
    pad->SetParent(form);
    pad->SetBounds(20, 20, 100, 30);
    form->HandleNeeded();
    formWindow = test::WindowHandle(*form);
    padWindow = test::WindowHandle(*pad);
    ASSERT_TRUE(IsWindow(formWindow));
    ASSERT_TRUE(IsWindow(padWindow));
    // The objects behind the windows, bound to them by the backend.
    natives = {static_cast<uintptr_t>(GetWindowLongPtrA(formWindow, GWLP_USERDATA)),
               static_cast<uintptr_t>(GetWindowLongPtrA(padWindow, GWLP_USERDATA))};
    ++rounds;
  }

  // What the handlers call: the owner frees the form (and its pad with it).
  // The handler's own closure is freed with the control, so a handler calls
  // this and then touches nothing of its closure.
  void FreeForm() {
    owner.RemoveComponent(form).reset();
    canary.Spray();
    freed = true;
  }

  // The freed windows are gone and nothing read or wrote their memory.
  void ExpectCleanlyGone() {
    ASSERT_TRUE(freed);
    if (canary.Covers(natives[0]) && canary.Covers(natives[1])) ++covered;
    EXPECT_EQ(owner.ComponentCount(), 0);
    EXPECT_FALSE(IsWindow(padWindow));
    EXPECT_FALSE(IsWindow(formWindow));
    EXPECT_EQ(strayCalls, 0) << "a freed window's procedure was read";
    EXPECT_EQ(canary.Overwritten(), 0) << "freed memory was written";
  }

  // kRounds rounds, each on a new form that the round's messages must free
  // cleanly (checked after the round's own expectations).
  template <typename Round>
  void EachRoundFreesTheForm(Round round) {
    for (int i = 0; i < kRounds; ++i) {
      SCOPED_TRACE(i);
      MakeForm();
      round();
      ExpectCleanlyGone();
    }
  }

  // A new form after the frees works as usual.
  void ExpectAFreshFormWorks() {
    TComponent fresh(nullptr);
    Form& other = TComponent::Create<Form>(fresh);
    other.SetBounds(40, 40, 160, 100);
    other.SetVisible(false);
    Pad& button = TComponent::Create<Pad>(other);
    button.SetParent(&other);
    button.SetBounds(10, 10, 80, 30);
    int clicks = 0;
    button.OnClick = [&](TObject*) { ++clicks; };
    HWND hwnd = test::WindowHandle(button);
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    EXPECT_EQ(GetCapture(), hwnd);
    SendMessageA(hwnd, WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(GetCapture(), nullptr);
  }

  TComponent owner{nullptr};
  Form* form = nullptr;
  Pad* pad = nullptr;
  HWND formWindow = nullptr;
  HWND padWindow = nullptr;
  std::array<uintptr_t, 2> natives{};
  FreedMemoryCanary canary;
  bool freed = false;
  int rounds = 0;
  int covered = 0;
};

TEST_F(DispatchWin, MouseReleaseThatFreesTheFormLeavesTheWindowAlone) {
  EachRoundFreesTheForm([&] {
    pad->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { FreeForm(); };
    SendMessageA(padWindow, WM_MOUSEMOVE, 0, At(10, 10));
    SendMessageA(padWindow, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    EXPECT_EQ(GetCapture(), padWindow);
    SendMessageA(padWindow, WM_LBUTTONUP, 0, At(10, 10));
    EXPECT_EQ(GetCapture(), nullptr);
  });
  ExpectAFreshFormWorks();
}

// The click comes before the release's own event: the freed button must not
// hear the release either.
TEST_F(DispatchWin, ClickThatFreesTheFormLeavesTheWindowAlone) {
  EachRoundFreesTheForm([&] {
    bool releaseHeard = false;
    pad->OnClick = [this](TObject*) { FreeForm(); };
    pad->OnMouseUp = [&releaseHeard](TObject*, TMouseButton, TShiftState, int, int) { releaseHeard = true; };
    SendMessageA(padWindow, WM_MOUSEMOVE, 0, At(10, 10));
    SendMessageA(padWindow, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    SendMessageA(padWindow, WM_LBUTTONUP, 0, At(10, 10));
    EXPECT_FALSE(releaseHeard);
  });
  ExpectAFreshFormWorks();
}

// The key goes on to the default handling when nobody used it: that is a
// read of the window after the handler.
TEST_F(DispatchWin, EscapeThatFreesTheFormWithoutUsingTheKey) {
  EachRoundFreesTheForm([&] {
    pad->OnKeyDown = [this](TObject*, uint16_t& key, TShiftState) {
      if (key == VK_ESCAPE) FreeForm();
    };
    SendMessageA(padWindow, WM_KEYDOWN, VK_ESCAPE, 1);
  });
}

// Through the queue: the form previews the key, uses it and frees itself.
TEST_F(DispatchWin, PreviewedEscapeThatFreesTheFormThroughTheMessageQueue) {
  EachRoundFreesTheForm([&] {
    form->SetKeyPreview(true);
    form->OnKeyDown = [this](TObject*, uint16_t& key, TShiftState) {
      if (key != VK_ESCAPE) return;
      key = 0;
      FreeForm();
    };
    int padKeys = 0;
    pad->OnKeyDown = [&](TObject*, uint16_t&, TShiftState) { ++padKeys; };
    PostMessageA(padWindow, WM_KEYDOWN, VK_ESCAPE, 1);
    Application().ProcessMessages();
    EXPECT_EQ(padKeys, 0);
  });
}

TEST_F(DispatchWin, CloseRequestThatFreesTheForm) {
  EachRoundFreesTheForm([&] {
    form->onClose = [this] { FreeForm(); };
    SendMessageA(formWindow, WM_CLOSE, 0, 0);
  });
  ExpectAFreshFormWorks();
}

// The handler runs inside a second message of the same window (a press that
// sends the window a key): both dispatches must learn that it is gone.
TEST_F(DispatchWin, NestedMessagesOfTheFreedWindowAllLeaveItAlone) {
  EachRoundFreesTheForm([&] {
    pad->OnKeyDown = [this](TObject*, uint16_t& key, TShiftState) {
      if (key == VK_ESCAPE) FreeForm();
    };
    pad->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) {
      HWND hwnd = padWindow;  // read before the window can go
      SendMessageA(hwnd, WM_KEYDOWN, VK_ESCAPE, 1);
    };
    SendMessageA(padWindow, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    EXPECT_EQ(GetCapture(), nullptr);
  });
}

}  // namespace
}  // namespace nuvex
