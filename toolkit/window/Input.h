#pragma once
// Input as the window backend reports it: plain event records made from the
// window system's messages.  Coordinates are pixels in the
// client area of the control that receives the event.
#include <cstdint>


namespace nuvex {

enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };

// Keys and buttons held while an event happened.
enum TShiftFlag : uint8_t {
  ssShift = 1,
  ssAlt = 2,
  ssCtrl = 4,
  ssLeft = 8,
  ssRight = 16,
  ssMiddle = 32,
  ssDouble = 64,  // the press is the second press of a double click
};
using TShiftState = uint8_t;

enum class TMouseAction : uint8_t { Down, Up, Move };

struct TMouseEvent {
  TMouseAction Action = TMouseAction::Move;
  TMouseButton Button = mbLeft;  // Down and Up only
  TShiftState Shift = 0;         // buttons held after the event, plus ssDouble for a double click
  int X = 0;
  int Y = 0;
  bool DoubleClick() const { return (Shift & ssDouble) != 0; }
};

// Virtual key codes are the window system's numbers (VK_ESCAPE is 27).
inline constexpr uint16_t vkEscape = 27;
inline constexpr uint16_t vkReturn = 13;
inline constexpr uint16_t vkTab = 9;

struct TKeyEvent {
  bool Down = true;  // false: released
  uint16_t Key = 0;
  TShiftState Shift = 0;
};

// Mouse pointer shapes; the numbers follow the component library's cursor ids.
using TCursor = int16_t;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crDrag = -12;    // a drag over a control that accepts it
inline constexpr TCursor crNoDrop = -13;  // a drag over a place that refuses it
inline constexpr TCursor crHandPoint = -21;

// Answers to the window system's hit test: which part of a window a point is.
enum class THitTest : uint8_t { Nowhere, Client, Caption };

}  // namespace nuvex
