#include <windows.h>
#include <shellapi.h>

#include "platform/Shell.h"

namespace nuvex {
namespace {

class Win32Shell final : public Shell {
 public:
  TShellResult Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                       int showState) override {
    HINSTANCE result = ShellExecuteA(nullptr, verb.c_str(), file.c_str(),
                                     parameters.empty() ? nullptr : parameters.c_str(), nullptr, showState);
    return TShellResult::FromShellValue(reinterpret_cast<intptr_t>(result));
  }
};

}  // namespace

template <>
Shell& Service<Shell>::Platform() { return PlatformObject<Win32Shell>(); }

}  // namespace nuvex
