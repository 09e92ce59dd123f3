#pragma once
// Window style bits of the window system's own controls, in its numbers, for
// the controls' CreateParams.
#include <cstdint>

namespace nuvex::native_style {

inline constexpr uint32_t kBorder = 0x00800000;          // WS_BORDER
inline constexpr uint32_t kVerticalScroll = 0x00200000;  // WS_VSCROLL
inline constexpr uint32_t kPushButton = 0x0000;          // BS_PUSHBUTTON
inline constexpr uint32_t kEditAutoScroll = 0x0080;      // ES_AUTOHSCROLL
inline constexpr uint32_t kListNotify = 0x0001;          // LBS_NOTIFY
inline constexpr uint32_t kListNoIntegralHeight = 0x0100;  // LBS_NOINTEGRALHEIGHT
inline constexpr uint32_t kComboDropDownList = 0x0003;   // CBS_DROPDOWNLIST

}  // namespace nuvex::native_style
