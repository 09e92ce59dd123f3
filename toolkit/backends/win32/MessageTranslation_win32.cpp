#include "toolkit/backends/win32/MessageTranslation.h"

#include <windowsx.h>

namespace nuvex::win32 {

namespace {

TShiftState MouseShift(WPARAM keys) {
  TShiftState shift = 0;
  if (keys & MK_SHIFT) shift |= ssShift;
  if (keys & MK_CONTROL) shift |= ssCtrl;
  if (keys & MK_LBUTTON) shift |= ssLeft;
  if (keys & MK_RBUTTON) shift |= ssRight;
  if (keys & MK_MBUTTON) shift |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

TShiftState KeyShift() {
  TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

}  // namespace

std::optional<TMouseMessage> MouseMessageOf(UINT message) {
  switch (message) {
    case WM_MOUSEMOVE: return TMouseMessage{TMouseAction::Move, mbLeft, false};
    case WM_LBUTTONDOWN: return TMouseMessage{TMouseAction::Down, mbLeft, false};
    case WM_LBUTTONDBLCLK: return TMouseMessage{TMouseAction::Down, mbLeft, true};
    case WM_LBUTTONUP: return TMouseMessage{TMouseAction::Up, mbLeft, false};
    case WM_RBUTTONDOWN: return TMouseMessage{TMouseAction::Down, mbRight, false};
    case WM_RBUTTONDBLCLK: return TMouseMessage{TMouseAction::Down, mbRight, true};
    case WM_RBUTTONUP: return TMouseMessage{TMouseAction::Up, mbRight, false};
    case WM_MBUTTONDOWN: return TMouseMessage{TMouseAction::Down, mbMiddle, false};
    case WM_MBUTTONDBLCLK: return TMouseMessage{TMouseAction::Down, mbMiddle, true};
    case WM_MBUTTONUP: return TMouseMessage{TMouseAction::Up, mbMiddle, false};
    default: return std::nullopt;
  }
}

TMouseEvent MouseEventOf(const TMouseMessage& mouse, WPARAM wparam, LPARAM lparam) {
  TMouseEvent event;
  event.Action = mouse.Action;
  event.Button = mouse.Button;
  event.Shift = static_cast<TShiftState>(MouseShift(wparam) | (mouse.DoubleClick ? ssDouble : 0));
  event.X = GET_X_LPARAM(lparam);
  event.Y = GET_Y_LPARAM(lparam);
  return event;
}

TKeyEvent KeyEventOf(UINT message, WPARAM wparam) {
  return {message == WM_KEYDOWN, static_cast<uint16_t>(wparam), KeyShift()};
}

std::optional<THitTest> HitTestOf(LRESULT answer) {
  if (answer == HTCLIENT) return THitTest::Client;
  if (answer == HTCAPTION) return THitTest::Caption;
  return std::nullopt;
}

LRESULT HitTestAnswer(THitTest hit) {
  switch (hit) {
    case THitTest::Client: return HTCLIENT;
    case THitTest::Caption: return HTCAPTION;
    case THitTest::Nowhere: return HTNOWHERE;
  }
  return HTNOWHERE;
}

HCURSOR CursorOf(TCursor cursor) {
  LPCSTR id = reinterpret_cast<LPCSTR>(IDC_ARROW);
  switch (cursor) {
    case crHandPoint: id = reinterpret_cast<LPCSTR>(IDC_HAND); break;
    case crNoDrop: id = reinterpret_cast<LPCSTR>(IDC_NO); break;
    // The window system has no stock drag pointer; the arrow stands for it.
    default: break;
  }
  return LoadCursorA(nullptr, id);
}

}  // namespace nuvex::win32
