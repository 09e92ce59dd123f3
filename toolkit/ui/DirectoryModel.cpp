#include "toolkit/ui/DirectoryModel.h"

#include <algorithm>

#include "base/Ascii.h"
#include "platform/Files.h"
#include "platform/FolderEntries.h"

namespace nuvex {
namespace {

// "c:/a\\b\\" → "C:\a\b"; "C:" → "C:\"; empty when there is no drive, and for
// "C:a", which names a folder below the drive's current one, not its root.
std::string Normal(const std::string& text) {
  if (text.size() < 2 || text[1] != ':' || !std::isalpha(static_cast<unsigned char>(text[0]))) return {};
  if (text.size() > 2 && text[2] != '\\' && text[2] != '/') return {};
  std::string out(1, AsciiUpper(text[0]));
  out += ":\\";
  std::string part;
  for (size_t i = 2; i <= text.size(); ++i) {
    const char c = i < text.size() ? text[i] : '\\';
    if (c == '\\' || c == '/') {
      if (!part.empty()) out += part + "\\";
      part.clear();
    } else {
      part += c;
    }
  }
  if (out.size() > 3) out.pop_back();
  return out;
}

}  // namespace

TDirectoryModel::TDirectoryModel(const std::string& directory) {
  if (!SetDirectory(directory)) {
    directory_ = "C:\\";
    List();
  }
}

bool TDirectoryModel::SetDirectory(const std::string& directory) {
  const std::string normal = Normal(directory);
  if (normal.empty() || !DirectoryExists(normal)) return false;
  directory_ = normal;
  List();
  return true;
}

bool TDirectoryModel::SetDrive(char drive) { return SetDirectory(std::string(1, drive) + ":\\"); }

bool TDirectoryModel::Choose(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return false;
  return SetDirectory(items_[static_cast<size_t>(index)].Path);
}

void TDirectoryModel::List() {
  items_.clear();
  const std::string root = directory_.substr(0, 3);
  items_.push_back({root, root, 0, true});
  std::string path = root;
  size_t from = 3;
  while (from < directory_.size()) {
    size_t end = directory_.find('\\', from);
    if (end == std::string::npos) end = directory_.size();
    const std::string name = directory_.substr(from, end - from);
    path = path.size() == 3 ? path + name : path + "\\" + name;
    items_.push_back({name, path, static_cast<int>(items_.size()), true});
    from = end + 1;
  }
  current_ = static_cast<int>(items_.size()) - 1;
  std::vector<std::string> subfolders;
  const std::string prefix = directory_.size() == 3 ? directory_ : directory_ + "\\";
  for (const TFolderEntry& entry : FindFolderEntries(prefix + "*.*")) {
    if (entry.Directory && entry.Name != "." && entry.Name != "..") subfolders.push_back(entry.Name);
  }
  std::sort(subfolders.begin(), subfolders.end(),
            [](const std::string& a, const std::string& b) { return UpperAscii(a) < UpperAscii(b); });
  const int level = current_ + 1;
  for (const std::string& name : subfolders) items_.push_back({name, prefix + name, level, false});
}

}  // namespace nuvex
