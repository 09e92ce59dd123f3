#include "DemoReadBack.h"

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>

#include "DemoRegistration.h"

namespace demo {
namespace {

// Releases a COM interface on the way out.
template <typename T>
struct Releaser {
  T* pointer = nullptr;
  ~Releaser() {
    if (pointer) pointer->Release();
  }
};

std::wstring Wide(const std::string& text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(length > 0 ? length : 1, L'\0');
  if (length > 0) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
  wide.resize(wide.size() - 1);
  return wide;
}

bool ReadShortcut(const std::string& path, Shortcut& shortcut, std::string& error) {
  Releaser<IShellLinkA> link;
  HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                    reinterpret_cast<void**>(&link.pointer));
  if (FAILED(result)) {
    error = "no shell link object (COM not initialised?)";
    return false;
  }
  Releaser<IPersistFile> file;
  result = link.pointer->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.pointer));
  if (SUCCEEDED(result)) result = file.pointer->Load(Wide(path).c_str(), STGM_READ);
  if (FAILED(result)) {
    error = "cannot read " + path;
    return false;
  }
  char text[MAX_PATH] = {};
  WIN32_FIND_DATAA data;
  if (FAILED(link.pointer->GetPath(text, MAX_PATH, &data, SLGP_RAWPATH))) text[0] = '\0';
  shortcut.target = text;
  text[0] = '\0';
  if (FAILED(link.pointer->GetWorkingDirectory(text, MAX_PATH))) text[0] = '\0';
  shortcut.workingFolder = text;
  shortcut.targetExists =
      !shortcut.target.empty() && GetFileAttributesA(shortcut.target.c_str()) != INVALID_FILE_ATTRIBUTES;
  return true;
}

std::string WindowClass(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// Asked of the window itself: GetWindowText of another process's window
// gives only the name it was created with, not an edit box's text.
std::string WindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) return {};
  std::string text(length + 1, '\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                           2000, &copied))
    return {};
  text.resize(copied);
  return text;
}

}  // namespace

std::string StartMenuGroup(const std::string& group) {
  char folder[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, folder)) || !folder[0]) return {};
  std::string path = folder;
  if (path.back() != '\\') path += '\\';
  return path + group;
}

bool ReadShortcuts(const std::string& folder, std::vector<Shortcut>& shortcuts, std::string& error) {
  shortcuts.clear();
  const DWORD attributes = GetFileAttributesA(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    error = "no folder " + folder;
    return false;
  }
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*.lnk").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return true;  // a folder without shortcuts
  bool ok = true;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    Shortcut shortcut;
    shortcut.name = found.cFileName;
    if (!ReadShortcut(folder + "\\" + found.cFileName, shortcut, error)) {
      ok = false;
      break;
    }
    shortcuts.push_back(shortcut);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(shortcuts.begin(), shortcuts.end(),
            [](const Shortcut& a, const Shortcut& b) { return a.name < b.name; });
  return ok;
}

std::string RegisteredFilterPath() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kComponentsKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return {};
  char path[MAX_PATH + 1] = {};
  DWORD type = 0;
  DWORD size = MAX_PATH;  // one byte stays for a terminator the value may lack
  const LONG status = RegQueryValueExA(key, kFilterValue, nullptr, &type, reinterpret_cast<BYTE*>(path), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS || type != REG_SZ) return {};
  return path;
}

bool ReadDialogTexts(const std::string& caption, std::vector<ChildText>& texts) {
  texts.clear();
  // A message box first; otherwise any top-level window of that caption (the
  // installer's own dialogs are windows of the program's classes).
  HWND dialog = FindWindowA("#32770", caption.c_str());
  if (!dialog) dialog = FindWindowA(nullptr, caption.c_str());
  if (!dialog) return false;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    std::string text = WindowText(child);
    if (!text.empty()) texts.push_back({WindowClass(child), text});
  }
  return true;
}

}  // namespace demo
