#pragma once
// How the uninstaller removes its own file.  A running program's file cannot
// be deleted, so the uninstaller in the destination folder does not do the
// work itself:
//
// 1. It copies itself into the user's temporary folder, opens the copy with
//    delete-on-close (sharing read and delete, as the system's loader
//    opens a program) and starts the copy with that handle and a handle to
//    its own process inherited, and with the flag below, the handle's
//    number and its own path on the command line.  Then it ends.
// 2. The copy waits for the first program to end, removes everything,
//    including the first program's file and its folder, and reports.  When
//    the copy ends, its inherited handle is the last one on its own file,
//    and the system deletes the file.
//
// When the copy cannot be made or started, the first program does the work
// itself and leaves its own file, and the folders that hold only it, to the
// system's next start (MoveFileEx with MOVEFILE_DELAY_UNTIL_REBOOT, which
// needs administrator rights); the final message says so, or names the file
// when even that is refused.
#include <cstdint>
#include <optional>
#include <string>

namespace nuvex {

inline constexpr char kRemovalCopyFlag[] = "/nvx-removal-copy";

// The part the copy is told on its command line.
struct TRemovalCopyOrder {
  uintptr_t ProgramHandle = 0;  // the first program's process, inherited
  std::string ProgramPath;      // the installed uninstaller
};

// The order when this process is the copy ("<flag> <handle> <path>"),
// nothing otherwise.
std::optional<TRemovalCopyOrder> RemovalCopyOrder(int argc, char** argv);

// Step 1: true when the copy runs; this process should then end at once.
bool StartRemovalCopy(const std::string& programPath);

// Step 2, first part: waits (at most half a minute) for the first program to end.
void WaitForProgram(const TRemovalCopyOrder& order);

}  // namespace nuvex
