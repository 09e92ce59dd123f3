// The uninstaller's words: which shortcut names are the installer's, and the
// final message.
#include <algorithm>

#include "base/Ascii.h"
#include "base/Error.h"
#include "installer/MessageIds.h"
#include "installer/Messages.h"
#include "installer/UninstallRun.h"

namespace nuvex {
namespace {

// A message box grows with its text: a long list is cut here.
constexpr size_t kNamesShown = 12;

void AddSection(std::string& text, int id, const std::vector<std::string>& names) {
  if (names.empty()) return;
  text += "\r\n\r\n" + GetMessageText(id);
  for (size_t i = 0; i < names.size() && i < kNamesShown; ++i) text += "\r\n" + names[i];
  if (names.size() > kNamesShown) text += "\r\n... (+" + std::to_string(names.size() - kNamesShown) + ")";
}

}  // namespace

bool IsInstallerShortcut(const std::string& name) {
  const std::string upper = UpperAscii(name);
  if (upper.size() < 4 || upper.compare(upper.size() - 4, 4, ".LNK") != 0) return false;
  std::vector<std::string> starts = {"Nuvex Player "};
  for (uint8_t language : {kPolishLanguage, kEnglishLanguage}) {
    std::string help = GetMessageText(language, msg::kHelpShortcut);  // begins with "\": it is joined to the group
    if (!help.empty() && help.front() == '\\') help.erase(0, 1);
    starts.push_back(help);
    starts.push_back(GetMessageText(language, msg::kUninstallShortcut));
  }
  return std::any_of(starts.begin(), starts.end(), [&](const std::string& start) {
    return !start.empty() && upper.size() > start.size() + 4 && upper.compare(0, start.size(), UpperAscii(start)) == 0;
  });
}

std::string UninstallSummary(const TUninstallReport& report, const std::string& product) {
  std::string text = FormatText(GetMessageText(report.Failed.empty() ? msg::kRemoved : msg::kNotAllRemoved), {product});
  AddSection(text, msg::kFailedFiles, report.Failed);
  AddSection(text, msg::kSharedFiles, report.Shared);
  AddSection(text, msg::kKeptFolders, report.KeptFolders);
  if (!report.AtRestart.empty()) text += "\r\n\r\n" + GetMessageText(msg::kRemovedAtRestart);
  return text;
}

}  // namespace nuvex
