#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "uninstaller/SelfRemoval.h"

namespace nuvex {
namespace {

constexpr DWORD kWaitForProgram = 30000;

// One kernel handle, closed with its owner.
class Handle {
 public:
  explicit Handle(HANDLE handle = nullptr) : handle_(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
  ~Handle() {
    if (handle_) CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  HANDLE handle_;
};

std::string TempFolder() {
  char buffer[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(sizeof buffer, buffer);
  if (length == 0 || length > MAX_PATH) return {};
  return std::string(buffer, length);
}

}  // namespace

std::optional<TRemovalCopyOrder> RemovalCopyOrder(int argc, char** argv) {
  if (argc != 4 || std::strcmp(argv[1], kRemovalCopyFlag) != 0) return std::nullopt;
  char* end = nullptr;
  const unsigned long long handle = std::strtoull(argv[2], &end, 10);
  if (end == argv[2] || *end != '\0' || argv[3][0] == '\0') return std::nullopt;
  return TRemovalCopyOrder{static_cast<uintptr_t>(handle), argv[3]};
}

bool StartRemovalCopy(const std::string& programPath) {
  const std::string folder = TempFolder();
  if (folder.empty()) return false;
  const std::string copy = folder + "NvxUninstall-" + std::to_string(GetCurrentProcessId()) + ".exe";
  if (!CopyFileA(programPath.c_str(), copy.c_str(), FALSE)) return false;
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  // The copy inherits this handle and holds it until it ends; the file goes
  // with the last handle.  Until the copy runs, this process holds it, so a
  // failure below removes the copy as the handle closes.
  Handle hold(CreateFileA(copy.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_DELETE, &inherited, OPEN_EXISTING,
                          FILE_FLAG_DELETE_ON_CLOSE, nullptr));
  if (!hold) {
    DeleteFileA(copy.c_str());
    return false;
  }
  HANDLE self = nullptr;
  if (!DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &self, SYNCHRONIZE, TRUE, 0))
    return false;
  Handle selfOwner(self);
  std::string command = "\"" + copy + "\" " + kRemovalCopyFlag + " " +
                        std::to_string(reinterpret_cast<uintptr_t>(self)) + " \"" + programPath + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  // The temporary folder is its working folder: the destination folder must
  // not be held open by it.
  if (!CreateProcessA(copy.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(), &startup,
                      &process))
    return false;
  // The copy runs on its own: this process keeps no handle to it.
  const Handle thread(process.hThread), started(process.hProcess);
  return true;
}

void WaitForProgram(const TRemovalCopyOrder& order) {
  const Handle program(reinterpret_cast<HANDLE>(order.ProgramHandle));
  WaitForSingleObject(program.get(), kWaitForProgram);
}

}  // namespace nuvex
