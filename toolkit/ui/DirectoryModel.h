#pragma once
// What a directory list shows: the current directory's path, one item a
// level from the drive's root down ("C:\", "Program Files", "Nuvex"), then
// the current directory's subfolders sorted by name without regard to ASCII
// case.  Choosing an item moves there; a drive moves to its root.
#include <string>
#include <vector>

namespace nuvex {

struct TDirectoryItem {
  std::string Text;  // as shown: "C:\" for the root, else the folder's name
  std::string Path;  // the folder's full path, without a trailing "\" but for a root
  int Level = 0;     // 0 for the root; the subfolders are one below the current
  bool Open = false;  // on the path to the current directory (the current one too)
};

class TDirectoryModel {
 public:
  // Starts at the given folder; "C:\" when the text has no drive.
  explicit TDirectoryModel(const std::string& directory = "C:\\");

  const std::string& Directory() const { return directory_; }
  // Moves to a folder and lists it anew; false (nothing changes) when the
  // text is not an existing folder with a drive.
  bool SetDirectory(const std::string& directory);
  char Drive() const { return directory_.empty() ? 'C' : directory_[0]; }
  // Moves to the current directory of that drive's root.
  bool SetDrive(char drive);

  const std::vector<TDirectoryItem>& Items() const { return items_; }
  // The index of the current directory's item.
  int CurrentIndex() const { return current_; }
  bool Choose(int index);

 private:
  void List();

  std::string directory_;
  std::vector<TDirectoryItem> items_;
  int current_ = 0;
};

}  // namespace nuvex
