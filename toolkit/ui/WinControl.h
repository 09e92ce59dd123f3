#pragma once
// TWinControl: a control with a window of its own (made by the current window
// backend), able to hold other controls.  Its windowless children paint on
// its surface, in the order they joined it; its windowed children have
// windows of their own and lie above them.
//
// The window is made when it is first needed (HandleNeeded): when the
// control joins a parent that has a window, when it is shown without a
// parent, or when an operation needs it (a region, focus).  Mouse input that
// lands on a windowless child goes to that child; the child that got a press
// gets every move and the release until then.
//
// Every event from the window system passes through one dispatch that
// catches errors and hands them to the application's error report
// (TApplication::HandleException), so no error escapes into the window system.
//
// TCustomControl adds nothing but the intent: a windowed control that paints
// itself (Paint on Canvas()).
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/ui/Control.h"
#include "toolkit/window/WindowBackend.h"

namespace nuvex {

class TWinControl : public TControl, private TWindowSink {
 public:
  explicit TWinControl(TComponent* owner);
  // Destroys its window (and so the windows of its windowed children) and
  // lets its children go (they stay with their owners).
  ~TWinControl() override;

  std::string ClassName() const override { return "TWinControl"; }

  // The controls standing on this one, in the order they joined.
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(index); }

  // The control whose window this is, or nullptr.
  static TWinControl* FromWindow(const TNativeWindow* window);

  bool HandleAllocated() const { return window_ != nullptr; }
  // Makes the window when there is none yet (the parent's first).
  void HandleNeeded();
  // The window, made when needed.
  TNativeWindow& Window();
  // Destroys the window (and its windowed children's); it is made again when needed.
  void DestroyHandle();

  int ClientWidth() const override;
  int ClientHeight() const override;
  void SetClientSize(int width, int height);
  // A client point in screen coordinates (the window must exist).
  TPoint ClientToScreen(TPoint point);

  void SetParent(TWinControl* parent) override;
  void SetEnabled(bool value) override;
  std::string Caption() const override;

  void Invalidate() override;
  void Repaint() override;
  // For windowless children: part of the client area to repaint later or now.
  void InvalidateRect(const TRect& rect);
  void RepaintRect(const TRect& rect);
  // Paints what is invalid now.
  void Update();

  // The window's shape (nullopt: the whole window).  It is kept and given
  // to the window when it is made (again); with redraw a window that exists
  // repaints at once.  Setting it never makes the window.  False when the
  // window system refused the shape: the window keeps the one it had.
  bool SetWindowRegion(const std::optional<TRegion>& region, bool redraw);
  const std::optional<TRegion>& WindowRegion() const { return region_; }

  void SetFocus();
  bool Focused() const;
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value) { tabStop_ = value; }
  // The place among the parent's windowed children that Tab walks through
  // (0 first); a new child comes last.  Values past the end mean the end.
  int TabOrder() const;
  void SetTabOrder(int value);
  // The next (or previous) control after `from` in tab order among this
  // control's windowed descendants that can take the focus now; it wraps
  // round.  nullptr when there is none.  `from` nullptr: the first (last).
  TWinControl* FindNextControl(TWinControl* from, bool forward);
  // The control sees the keys of its windowed children before they do.
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool value) { keyPreview_ = value; }

  // Places the aligned children (TControl::Align) in the client area.
  void AlignControls();

  // Composes the client area on surface (sized to it): the control's own
  // background and Paint, then its windowless children.
  void PaintClient(TBitmap& surface, const TRect& area);

  TKeyEventHandler OnKeyDown;
  TKeyEventHandler OnKeyUp;
  TNotifyEvent OnEnter;  // the window got the keyboard focus
  TNotifyEvent OnExit;   // and lost it

 protected:
  // The window's kind, class and style; the base makes a child without a
  // frame (or a popup window without a parent).
  virtual void CreateParams(TWindowParams& params);
  // The kind of window the control gets: a child, or without a parent a popup.
  virtual TWindowKind WindowKind() const { return Parent() ? TWindowKind::Child : TWindowKind::Popup; }
  // The window was just made (before its windowed children's): a native
  // control takes the state it keeps in its window (a list's items).
  virtual void WindowCreated() {}
  // The rectangle the window is given for the control's bounds; a
  // drop-down list's window also holds its dropped list.
  virtual TRect WindowBounds() const;
  // Fills the surface before Paint; the base fills the client area with
  // Color().  A control that paints all of itself answers by doing nothing.
  virtual void EraseBackground(TBitmap& surface);
  virtual void KeyDown(uint16_t& key, TShiftState shift);
  virtual void KeyUp(uint16_t& key, TShiftState shift);
  // Which part of the window a client point is (the window system's answer comes in).
  virtual THitTest HitTest(int /*x*/, int /*y*/, THitTest defaultAnswer) { return defaultAnswer; }
  // The user asked the window to close.  The base does nothing.
  virtual void CloseRequested() {}
  // A notification of the native control behind this window.
  virtual void Command(int notifyCode) { (void)notifyCode; }
  // The base fires OnEnter or OnExit.
  virtual void FocusChanged(bool focused);

  void VisibleChanged() override;
  void EnabledChanged() override;
  void TextChanged() override;
  void BoundsChanged(const TRect& oldBounds) override;
  void SetMouseCapture(bool capture) override;
  void FontChanged() override;
  void UpdateHint() override;

 private:
  friend class TControl;
  friend class TDragSession;

  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void CreateWindowNow();
  // Forgets the window (in the FromWindow table) and destroys it.
  void ReleaseWindow();
  TControl* GraphicControlAt(int x, int y) const;
  TWinControl* KeyPreviewer();
  TSize FrameSize() const;
  void UpdateOwnHint();
  // The client area grew by (dx, dy): anchored children follow.
  void AnchorControls(int dx, int dy);
  // The size changed from `old`, by the program or by the user: the children
  // are aligned and anchored anew, and the own hint covers the new area.
  void SizeChanged(TSize old);
  bool CanTakeFocus() const;

  // TWindowSink
  void WindowPaint(TBitmap& surface, const TRect& area) override;
  void WindowMouse(const TMouseEvent& event) override;
  void WindowMouseEnter() override;
  void WindowMouseLeave() override;
  void WindowCaptureLost() override;
  bool WindowKey(const TKeyEvent& event) override;
  THitTest WindowHitTest(int x, int y, THitTest defaultAnswer) override;
  TCursor WindowCursor(int x, int y) override;
  void WindowBoundsChanged(const TRect& bounds) override;
  void WindowClose() override;
  void WindowCommand(int notifyCode) override;
  void WindowFocusChanged(bool focused) override;
  void WindowError(const std::exception& error) override;

  std::unique_ptr<TNativeWindow> window_;
  std::optional<TRegion> region_;
  // The children in the order they joined; the same sorted by kind, so that
  // painting and hit testing walk the windowless ones without asking each
  // child what it is.
  std::vector<TControl*> controls_;
  std::vector<TControl*> graphic_;      // the windowless children (painted, hit), in that order
  std::vector<TWinControl*> windowed_;  // the windowed children (made, destroyed), in that order
  std::vector<TWinControl*> tabList_;   // the windowed children in tab order
  TControl* mouseControl_ = nullptr;  // the windowless child that got the press
  TControl* hoverControl_ = nullptr;  // the windowless child under the pointer
  bool tabStop_ = false;
  bool keyPreview_ = false;
  bool applyingBounds_ = false;       // our own SetBounds is reaching the window
  bool releasingCapture_ = false;     // our own release, not a capture taken away
  bool aligning_ = false;             // AlignControls is placing the children
};

class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* owner) : TWinControl(owner) {}
  std::string ClassName() const override { return "TCustomControl"; }
};

}  // namespace nuvex
