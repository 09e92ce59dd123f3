#pragma once
// The items of a native list box or drop-down list; a window of any other
// class has none, and every call on it does nothing.
#ifndef _WIN32
#error "toolkit/backends/win32/NativeList.h is for Windows builds only"
#endif
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace nuvex::win32 {

class TNativeList {
 public:
  // nativeClass: the window's class name, as given when it was made.
  explicit TNativeList(const std::string& nativeClass);

  void SetItems(HWND list, const std::vector<std::string>& items) const;
  int ItemIndex(HWND list) const;  // -1: none chosen
  void SetItemIndex(HWND list, int index) const;
  void SetItemHeight(HWND list, int height) const;

 private:
  enum class TKind : uint8_t { None, ListBox, ComboBox };
  TKind kind_;
};

}  // namespace nuvex::win32
