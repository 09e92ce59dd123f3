// The demo's read-back program, run under wine by scripts/demo.sh:
//   DemoReadBack shortcuts GROUP     the shortcuts of the Start-menu group GROUP
//   DemoReadBack registration        where the demo filter is registered
//   DemoReadBack dialog-text CAPTION the texts of the dialog box CAPTION
// Exit code 0 when what was asked for is there (a shortcut's target too),
// 1 when it is not, 2 for a wrong command line.
#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "DemoReadBack.h"

namespace {

int Shortcuts(const std::string& group) {
  const std::string folder = demo::StartMenuGroup(group);
  if (folder.empty()) {
    std::printf("no Start-menu programs folder\n");
    return 1;
  }
  std::vector<demo::Shortcut> shortcuts;
  std::string error;
  CoInitialize(nullptr);
  const bool read = demo::ReadShortcuts(folder, shortcuts, error);
  CoUninitialize();
  std::printf("%s\n", folder.c_str());
  if (!read) {
    std::printf("  %s\n", error.c_str());
    return 1;
  }
  bool ok = !shortcuts.empty();
  for (const demo::Shortcut& shortcut : shortcuts) {
    std::printf("  %s -> %s (in %s)%s\n", shortcut.name.c_str(), shortcut.target.c_str(),
                shortcut.workingFolder.c_str(), shortcut.targetExists ? "" : "  TARGET MISSING");
    ok = ok && shortcut.targetExists;
  }
  std::printf("  %u shortcut(s)\n", static_cast<unsigned>(shortcuts.size()));
  return ok ? 0 : 1;
}

int Registration() {
  const std::string path = demo::RegisteredFilterPath();
  if (path.empty()) {
    std::printf("the filter is not registered\n");
    return 1;
  }
  const bool exists = GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  std::printf("the filter is registered: %s%s\n", path.c_str(), exists ? "" : "  FILE MISSING");
  return exists ? 0 : 1;
}

int DialogText(const std::string& caption) {
  std::vector<demo::ChildText> texts;
  if (!demo::ReadDialogTexts(caption, texts)) {
    std::printf("no dialog \"%s\"\n", caption.c_str());
    return 1;
  }
  for (const demo::ChildText& child : texts) std::printf("%s: %s\n", child.className.c_str(), child.text.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "shortcuts") == 0) return Shortcuts(argv[2]);
  if (argc == 2 && std::strcmp(argv[1], "registration") == 0) return Registration();
  if (argc == 3 && std::strcmp(argv[1], "dialog-text") == 0) return DialogText(argv[2]);
  std::fprintf(stderr, "usage: DemoReadBack shortcuts GROUP | registration | dialog-text CAPTION\n");
  return 2;
}
