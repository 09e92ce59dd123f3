#include <windows.h>
#include <objidl.h>
#include <shlobj.h>

#include <vector>

#include "base/Error.h"
#include "platform/ShellLink.h"
#include "platform/ComPtr.h"

namespace nuvex {
namespace {

// The system's text for a failed COM call, as the error report shows it.
std::string ComErrorText(HRESULT hr) {
  char* text = nullptr;
  DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = n && text ? std::string(text, n) : std::string();
  if (text) LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
    message.pop_back();
  if (message.empty()) {
    char code[32];
    wsprintfA(code, "OLE error %08X", static_cast<unsigned>(hr));
    message = code;
  }
  return message;
}

std::wstring Wide(const std::string& text) {
  int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::vector<wchar_t> out(n > 0 ? n : 1);
  if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, out.data(), n);
  return out.data();
}

class Win32ShellLink final : public ShellLink {
 public:
  Win32ShellLink(ComPtr<IShellLinkA> link, ComPtr<IPersistFile> file)
      : link_(std::move(link)), file_(std::move(file)) {}

  void SetArguments(const std::string& arguments) override { link_->SetArguments(arguments.c_str()); }
  void SetPath(const std::string& path) override { link_->SetPath(path.c_str()); }
  void SetWorkingDirectory(const std::string& folder) override { link_->SetWorkingDirectory(folder.c_str()); }
  void Save(const std::string& file) override { file_->Save(Wide(file).c_str(), FALSE); }

 private:
  ComPtr<IShellLinkA> link_;
  ComPtr<IPersistFile> file_;
};

class Win32ShellLinkFactory final : public ShellLinkFactory {
 public:
  std::unique_ptr<ShellLink> Create() override {
    ComPtr<IShellLinkA> link;
    HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(link.Out()));
    if (FAILED(hr)) throw Error(ComErrorText(hr));
    ComPtr<IPersistFile> file;
    if (FAILED(hr = link->QueryInterface(IID_PPV_ARGS(file.Out())))) throw Error(ComErrorText(hr));
    return std::make_unique<Win32ShellLink>(std::move(link), std::move(file));
  }
};

}  // namespace

template <>
ShellLinkFactory& Service<ShellLinkFactory>::Platform() { return PlatformObject<Win32ShellLinkFactory>(); }

}  // namespace nuvex
