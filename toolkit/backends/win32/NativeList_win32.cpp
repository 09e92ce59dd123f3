#include "toolkit/backends/win32/NativeList.h"

namespace nuvex::win32 {

TNativeList::TNativeList(const std::string& nativeClass)
    : kind_(lstrcmpiA(nativeClass.c_str(), "LISTBOX") == 0    ? TKind::ListBox
            : lstrcmpiA(nativeClass.c_str(), "COMBOBOX") == 0 ? TKind::ComboBox
                                                               : TKind::None) {}

void TNativeList::SetItems(HWND list, const std::vector<std::string>& items) const {
  if (kind_ == TKind::None) return;
  const bool box = kind_ == TKind::ListBox;
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, box ? LB_RESETCONTENT : CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) {
    SendMessageA(list, box ? LB_ADDSTRING : CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

int TNativeList::ItemIndex(HWND list) const {
  if (kind_ == TKind::None) return -1;
  const LRESULT index = SendMessageA(list, kind_ == TKind::ListBox ? LB_GETCURSEL : CB_GETCURSEL, 0, 0);
  return index < 0 ? -1 : static_cast<int>(index);
}

void TNativeList::SetItemIndex(HWND list, int index) const {
  if (kind_ == TKind::None) return;
  SendMessageA(list, kind_ == TKind::ListBox ? LB_SETCURSEL : CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TNativeList::SetItemHeight(HWND list, int height) const {
  if (kind_ == TKind::ListBox) SendMessageA(list, LB_SETITEMHEIGHT, 0, MAKELPARAM(height, 0));
  if (kind_ == TKind::ComboBox) SendMessageA(list, CB_SETITEMHEIGHT, 0, MAKELPARAM(height, 0));
}

}  // namespace nuvex::win32
