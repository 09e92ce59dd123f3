#pragma once
// The shell's "open" and friends, behind a seam of our own so that the rules
// around it can be tested without starting programs.
#include <cstdint>
#include <string>

namespace nuvex {

// Show states handed to the shell (the platform's SW_HIDE and SW_SHOWNORMAL).
inline constexpr int kShowHide = 0;
inline constexpr int kShowNormal = 1;

class Shell {
 public:
  virtual ~Shell() = default;
  // Performs `verb` on `file` with `parameters` (empty: none), no owner window
  // and no working folder.  Returns the shell's value: above 32 means the
  // start succeeded.  Does not wait for what was started.
  virtual intptr_t Execute(const std::string& verb, const std::string& file,
                           const std::string& parameters, int showState) = 0;
};

// The platform's shell.  Without one (POSIX builds) it starts nothing and
// answers as the shell would for finding the file: an existing file or
// folder, or a bare program name left to the search path, succeeds.
Shell& SystemShell();

}  // namespace nuvex
