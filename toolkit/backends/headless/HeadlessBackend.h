#pragma once
// The headless window backend: windows that exist only as records.  Each
// records its bounds, visibility, enabled state, text, region, the
// invalidations it got, whether it holds the capture, and the picture of its
// client area as last painted; it takes simulated input at screen points.
// It leaves text to the current text renderer: tests that want the same
// sizes on every platform put THeadlessTextRenderer in place as well.
//
// Pending paints run in ProcessMessages (or Update); PaintNow and a region
// set with redraw paint at once.  Input goes, as in the window system, to
// the window holding the capture, else to the topmost showing window under
// the point whose region holds it (a disabled window passes it to its
// parent).  The pointer entering or leaving a window is reported when the
// window under the pointer changes, but not while the mouse is captured
// (then at the release).
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/window/WindowBackend.h"

namespace nuvex {

struct THeadlessMessageBox {
  std::string Text;
  std::string Caption;
  uint32_t Flags = 0;
};

class THeadlessWindow final : public TNativeWindow {
 public:
  THeadlessWindow(class THeadlessBackend& backend, TWindowSink& sink, THeadlessWindow* parent,
                  const TWindowParams& params);
  ~THeadlessWindow() override;

  // TNativeWindow
  void SetBounds(const TRect& bounds) override;
  TSize FrameSize() const override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  void SetText(const std::string& text) override { text_ = text; }
  std::string Text() const override { return text_; }
  void SetFont(const TFont& font) override { font_ = font; }
  bool SetRegion(const std::optional<TRegion>& region, bool redraw) override;
  std::optional<TRegion> Region() const override { return region_; }
  void Invalidate(const TRect* rect) override;
  void Update() override;
  void PaintNow(const TRect& rect) override;
  void SetCapture() override;
  void ReleaseCapture() override;
  bool HasCapture() const override;
  void SetFocus() override;
  bool Focused() const override;
  TPoint ClientToScreen(TPoint point) const override;
  void SetItems(const std::vector<std::string>& items) override;
  int ItemIndex() const override { return itemIndex_; }
  void SetItemIndex(int index) override;
  void SetItemHeight(int height) override { itemHeight_ = height; }
  void SetHint(uintptr_t tool, const TRect& area, const std::string& text) override;

  // What the window did, for tests.
  const TWindowParams& Params() const { return params_; }
  THeadlessWindow* Parent() const { return parent_; }
  const TRect& Bounds() const { return bounds_; }
  bool Visible() const { return visible_; }
  bool Enabled() const { return enabled_; }
  // Visible with every parent visible.
  bool Showing() const;
  const TFont& Font() const { return font_; }
  int RegionSetCount() const { return regionSetCount_; }
  // Invalidated rectangles since the last ClearRecords (client coordinates).
  const std::vector<TRect>& Invalidations() const { return invalidations_; }
  bool HasPendingPaint() const { return !pending_.IsEmpty(); }
  int PaintCount() const { return paintCount_; }
  // The client area as last painted (sized to the client area at that paint).
  const TBitmap& Picture() const { return picture_; }
  void ClearRecords();
  // A notification of a native control (a button's click, an edit box's
  // change), as the window system passes it on to the control.
  void Notify(int notifyCode) { sink_.WindowCommand(notifyCode); }
  // The user asks the window to close (its title bar's close box).
  void RequestClose() { sink_.WindowClose(); }
  // A list's items and item height; the user picks an item (-1: none), and
  // the list reports the change as the window system's list does.
  const std::vector<std::string>& Items() const { return items_; }
  int ItemHeight() const { return itemHeight_; }
  void PickItem(int index);
  // The hint of a client point, or an empty text.
  std::string HintAt(TPoint client) const;

 private:
  friend class THeadlessBackend;
  void Paint(const TRect& area);
  bool HitAt(TPoint screen) const;  // showing, inside the bounds and the region

  THeadlessBackend& backend_;
  TWindowSink& sink_;
  THeadlessWindow* parent_;
  TWindowParams params_;
  TRect bounds_;
  bool visible_;
  bool enabled_;
  std::string text_;
  TFont font_;
  std::optional<TRegion> region_;
  int regionSetCount_ = 0;
  std::vector<TRect> invalidations_;
  TRect pending_;
  int paintCount_ = 0;
  TBitmap picture_;
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  int itemHeight_ = 0;
  struct Hint {
    TRect Area;
    std::string Text;
  };
  std::map<uintptr_t, Hint> hints_;
};

class THeadlessBackend final : public TWindowBackend {
 public:
  THeadlessBackend();
  ~THeadlessBackend() override;

  // TWindowBackend
  std::unique_ptr<TNativeWindow> NewWindow(TWindowSink& sink, TNativeWindow* parent,
                                           const TWindowParams& params) override;
  void ProcessMessages() override;
  bool HandleMessage() override;
  void PostQuit() override { quit_ = true; }
  void KeepAlive() override { ++keepAliveCount_; }
  int KeepAliveCount() const { return keepAliveCount_; }
  int ShowMessageBox(const std::string& text, const std::string& caption, uint32_t flags) override;
  TSize ScreenSize() const override { return {1024, 768}; }
  TSize FrameSize(TWindowKind kind) const override;

  // Simulated input.  Points are screen points; a child window's client
  // origin is its parent's client origin plus its bounds' top-left corner.
  void MoveMouse(TPoint screen);
  void PressMouse(TMouseButton button, bool doubleClick = false);
  void ReleaseMouse(TMouseButton button);
  // Move there, press and release the button.
  void Click(TPoint screen, TMouseButton button = mbLeft);
  // Move there; press, release, press as a double click, release.
  void DoubleClick(TPoint screen);
  // A key pressed and released in the focused window.
  void PressKey(uint16_t key, TShiftState shift = 0);
  // The pointer rests at a screen point: the hint of the window under it
  // shows (ShownHint) until the pointer moves on.
  void RestMouse(TPoint screen);
  const std::string& ShownHint() const { return shownHint_; }
  // Something the user does while a loop waits for messages (HandleMessage
  // runs the first one as its message): how tests act inside a modal loop.
  void QueueInput(std::function<void()> input) { input_.push_back(std::move(input)); }
  // The window system refuses every window shape from now on (or again accepts them).
  void RefuseRegions(bool refuse) { refuseRegions_ = refuse; }
  TPoint MousePosition() const { return mouse_; }
  // The window holding the capture, or nullptr.
  THeadlessWindow* CaptureWindow() const { return capture_; }
  THeadlessWindow* FocusWindow() const { return focus_; }
  // The topmost showing window under a screen point, or nullptr.
  THeadlessWindow* WindowAt(TPoint screen) const override;
  // The pointer shape last set with SetCursorShape (crDefault at first).
  void SetCursorShape(TCursor cursor) override { cursorShape_ = cursor; }
  TCursor CursorShape() const { return cursorShape_; }

  // Message boxes shown so far, and the answers to give (idOk when none is queued).
  const std::vector<THeadlessMessageBox>& MessageBoxes() const { return messageBoxes_; }
  void QueueMessageBoxAnswer(int answer) { answers_.push_back(answer); }
  bool QuitRequested() const { return quit_; }

 private:
  friend class THeadlessWindow;
  void Forget(THeadlessWindow* window);
  void SendMouse(TMouseAction action, TMouseButton button, bool doubleClick);
  void UpdateHover();
  TShiftState HeldButtons() const;

  std::vector<THeadlessWindow*> windows_;  // in creation order; later ones lie above
  THeadlessWindow* capture_ = nullptr;
  THeadlessWindow* focus_ = nullptr;
  THeadlessWindow* hover_ = nullptr;
  TPoint mouse_;
  bool left_ = false, right_ = false, middle_ = false;
  std::vector<THeadlessMessageBox> messageBoxes_;
  std::deque<int> answers_;
  std::deque<std::function<void()>> input_;
  std::string shownHint_;
  bool quit_ = false;
  bool refuseRegions_ = false;
  int keepAliveCount_ = 0;
  TCursor cursorShape_ = crDefault;
};

}  // namespace nuvex
