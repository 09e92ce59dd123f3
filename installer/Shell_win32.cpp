#include <windows.h>
#include <shellapi.h>

#include "installer/Shell.h"

namespace nuvex {
namespace {

class Win32Shell final : public Shell {
 public:
  intptr_t Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                   int showState) override {
    HINSTANCE result = ShellExecuteA(nullptr, verb.c_str(), file.c_str(),
                                     parameters.empty() ? nullptr : parameters.c_str(), nullptr, showState);
    return reinterpret_cast<intptr_t>(result);
  }
};

}  // namespace

Shell& SystemShell() {
  static Win32Shell shell;
  return shell;
}

}  // namespace nuvex
