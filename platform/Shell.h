#pragma once
// The shell's "open" and friends, behind a seam of our own so that the rules
// around it can be tested without starting programs.
#include <cstdint>
#include <string>

#include "base/Service.h"

namespace nuvex {

// Show states handed to the shell (the platform's SW_HIDE and SW_SHOWNORMAL).
inline constexpr int kShowHide = 0;
inline constexpr int kShowNormal = 1;

// What the shell answered: whether it started what it was asked to, and its
// own number for the answer (above 32 after a start; an error number such
// as 2, file not found, otherwise).
class TShellResult {
 public:
  // The shell's value as ShellExecute returns it.
  static constexpr TShellResult FromShellValue(intptr_t value) { return TShellResult(value); }
  static constexpr TShellResult StartedOk() { return TShellResult(kStartedValue); }
  static constexpr TShellResult FileNotFound() { return TShellResult(2); }

  constexpr bool Started() const { return value_ > 32; }
  constexpr intptr_t ShellValue() const { return value_; }
  friend constexpr bool operator==(TShellResult, TShellResult) = default;

 private:
  static constexpr intptr_t kStartedValue = 42;
  constexpr explicit TShellResult(intptr_t value) : value_(value) {}
  intptr_t value_;
};

class Shell {
 public:
  virtual ~Shell() = default;
  // Performs `verb` on `file` with `parameters` (empty: none), no owner window
  // and no working folder.  Does not wait for what was started.
  virtual TShellResult Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                               int showState) = 0;
};

// The platform's shell.  Natively it starts nothing and answers as the shell
// would for finding the file: an existing file or folder, or a bare program
// name left to the search path, is started.
template <>
Shell& Service<Shell>::Platform();

}  // namespace nuvex
