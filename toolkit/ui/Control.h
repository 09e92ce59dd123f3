#pragma once
// TControl: a component that stands on a parent windowed control (TWinControl,
// toolkit/ui/WinControl.h), has bounds in its parent's client area, can be shown
// and hidden, enabled and disabled, paints itself and reacts to the mouse.
//
// TGraphicControl is a windowless control: it paints on its parent's surface
// and gets its mouse input from its parent.  Windowed controls have a window
// of their own (see toolkit/ui/WinControl.h).
//
// Standard mouse handling (DispatchMouse, the same for both kinds):
// - a press with csCaptureMouse captures the mouse until the release, so the
//   control sees moves and the release even outside itself;
// - a left press marks the control clicked (csClickEvents); the left release
//   fires Click() (OnClick) when the control is still marked and the point
//   lies in its client rectangle.  Click runs before MouseUp.
// - the second press of a double click comes with ssDouble: it fires
//   DblClick() (OnDblClick) and MouseDown, but marks nothing, so a double
//   click fires OnClick once.  A control without csDoubleClicks gets it as a
//   plain press (and so a second OnClick).
//
// Dragging controls onto controls (toolkit/ui/DragSession.h does the work):
// BeginDrag starts a drag at once or once the pointer has moved more than a
// threshold; until then the control keeps its ordinary mouse handling, so a
// press and release without moving is still a click.  Once started, the
// source holds the capture: the control under the pointer gets DragOver
// (enter, move, leave) and, on the left release, DragDrop if it accepted;
// then the source gets DoEndDrag.  Escape or a lost capture cancels.  With
// dmAutomatic a left press begins the drag by itself, after MouseDown.
#include <cstdint>
#include <string>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Color.h"
#include "toolkit/ui/Component.h"
#include "toolkit/graphics/Geometry.h"
#include "toolkit/ui/Events.h"
#include "toolkit/ui/Layout.h"

namespace nuvex {

class TWinControl;

enum TControlStyleFlag : uint16_t {
  csCaptureMouse = 1,    // a press captures the mouse until its release
  csClickEvents = 2,     // press and release fire Click
  csDoubleClicks = 4,    // the second press of a double click is a double click
  csOpaque = 8,          // paints its whole rectangle: nothing needs painting beneath
  csAcceptsControls = 16,
};
using TControlStyle = uint16_t;

// dmAutomatic: a left press on the control begins dragging it.
enum TDragMode : uint8_t { dmManual, dmAutomatic };

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  // Leaves its parent; the parent repaints the place it took.
  ~TControl() override;

  std::string ClassName() const override { return "TControl"; }

  // The windowed control this one stands on (not owned; nullptr: none).
  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
  void SetTop(int value) { SetBounds(left_, value, width_, height_); }
  void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
  void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
  // Every change of position or size goes through here.  A change of size
  // calls Resize() unless the control is loading.
  virtual void SetBounds(int left, int top, int width, int height);

  // The client area: (0, 0) to the client size.  For a control without a
  // frame the client size is its size.
  virtual int ClientWidth() const { return width_; }
  virtual int ClientHeight() const { return height_; }
  TRect ClientRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }
  // A point of the client area in the parent's client area and back.
  TPoint ClientToParent(TPoint point) const { return {point.X + left_, point.Y + top_}; }

  // The control's own visibility.  Showing() also needs every parent visible.
  // SetVisible is virtual, as are the colour and the font: a skinned control
  // keeps its own rule for them, and a caller holding a TControl* meets it.
  // Show and Hide change the real visibility alone, past any such rule: a
  // skin manager hides and shows its controls around a skin change with them.
  bool Visible() const { return visible_; }
  virtual void SetVisible(bool value) { ChangeVisible(value); }
  void Show() { ChangeVisible(true); }
  void Hide() { ChangeVisible(false); }
  bool Showing() const;

  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool value);

  // The control's text (a caption for most controls, the contents of an edit box).
  virtual std::string Caption() const { return caption_; }
  virtual void SetCaption(const std::string& value);

  // The hint shows in a tooltip while the pointer rests on the control,
  // when ShowHint is on.  With ParentShowHint (the default) ShowHint is the
  // parent's; setting ShowHint ends that.
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& value);
  bool ShowHint() const;
  void SetShowHint(bool value);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool value);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor value) { cursor_ = value; }

  virtual TColor Color() const { return color_; }
  virtual void SetColor(TColor value);
  // With ParentFont (the default) the control takes its parent's font,
  // now and whenever that changes; setting a font of its own ends that.
  virtual const TFont& Font() const { return font_; }
  virtual void SetFont(const TFont& value);
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);

  TAlign Align() const { return align_; }
  void SetAlign(TAlign value);
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors value) { anchors_ = value; }

  TDragMode DragMode() const { return dragMode_; }
  void SetDragMode(TDragMode value) { dragMode_ = value; }
  // Begins dragging this control: at once, or when the pointer has moved
  // more than threshold pixels from where it is now (negative: the
  // default, DragDefaults()).  A drag of another control is cancelled.
  void BeginDrag(bool immediate, int threshold = -1);
  // Ends this control's drag: with drop, on the control under the pointer
  // if it accepted; else cancelled.
  void EndDrag(bool drop);
  // This control's drag has begun (it may still wait for its threshold).
  bool Dragging() const;

  TControlStyle ControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyle value) { controlStyle_ = value; }

  // Marks the control's area for repainting; the window system paints it later.
  virtual void Invalidate();
  // Paints the control at once (on the calling thread, without waiting for
  // the message loop) when it is showing and its parent has a window.
  virtual void Repaint();

  // The surface being painted: valid inside Paint(), where (0, 0) is the
  // control's top-left corner.  Outside a paint it is a scratch surface that
  // nobody sees.
  TCanvas& Canvas();

  // Paints the control onto surface (sized to the control, holding what lies
  // beneath it): Paint() with Canvas() on that surface.
  void PaintTo(TBitmap& surface);

  // The standard mouse handling (see the top of this file).  The window
  // backend or the parent calls these; point coordinates are client coordinates.
  void DispatchMouse(const TMouseEvent& event);
  void DispatchMouseEnter() { MouseEnter(); }
  void DispatchMouseLeave() { MouseLeave(); }
  // The capture was taken away (another window took it, a dialog opened).
  void DispatchCaptureLost() { clicked_ = false; }

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEventHandler OnMouseDown;
  TMouseEventHandler OnMouseUp;
  TMouseMoveEventHandler OnMouseMove;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnResize;
  // Fired on the control under a dragged one; accept starts as "this event is set".
  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  TNotifyEvent OnStartDrag;  // on the source, when its drag really starts
  TEndDragEvent OnEndDrag;   // on the source, after any drop

 protected:
  virtual void Paint() {}
  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseEnter();
  virtual void MouseLeave();
  // After a change of size (not while loading).  The base fires OnResize.
  virtual void Resize();
  // The drag events; the bases fire OnDragOver, OnDragDrop, OnStartDrag
  // and OnEndDrag.  A handler may free the sender or the source.
  virtual void DragOver(TObject* source, int x, int y, TDragState state, bool& accept);
  virtual void DragDrop(TObject* source, int x, int y);
  virtual void DoStartDrag();
  virtual void DoEndDrag(TObject* target, int x, int y);

  // Hooks for the windowed kind: the real visibility, enabled state, text
  // and bounds changed; the base repaints the place in the parent.
  virtual void VisibleChanged();
  virtual void EnabledChanged();
  virtual void TextChanged();
  virtual void BoundsChanged(const TRect& oldBounds);
  virtual void SetMouseCapture(bool capture);
  // The real visibility, whatever rule SetVisible adds.
  void ChangeVisible(bool value);
  // The control's own font changed (the parent's, with ParentFont).
  void ChangeFont(const TFont& value);
  virtual void FontChanged() {}
  // Gives the window system the control's hint as it stands now.
  virtual void UpdateHint();

  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TWinControl;
  friend class TDragSession;

  TWinControl* parent_ = nullptr;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  bool clicked_ = false;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  bool parentFont_ = true;
  TAnchors anchors_ = akLeft | akTop;
  std::string caption_;
  std::string hint_;
  TCursor cursor_ = crDefault;
  TColor color_ = clBtnFace;
  TFont font_;
  TControlStyle controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks;
  TAlign align_ = alNone;
  TDragMode dragMode_ = dmManual;
  TBitmap* paintSurface_ = nullptr;
  TBitmap scratchSurface_;
};

// A windowless control: it paints on its parent's surface.
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner) : TControl(owner) {}
  std::string ClassName() const override { return "TGraphicControl"; }
};

}  // namespace nuvex
