#pragma once
// The skins found in the skins folder: their names and skin files.
#include <memory>
#include <string>
#include <vector>

namespace nuvex {

struct TSkinNameItem {
  std::string Name;      // the skin's Name from its SkinInfo section
  std::string FileName;  // the full path of its skin file
};

// An ordered list of skins as they were found: not sorted, equal names
// allowed; lookups by name (letter case counts) find the first.
class TSkinNameList {
 public:
  TSkinNameList() = default;
  ~TSkinNameList() { Clear(); }
  TSkinNameList(const TSkinNameList&) = delete;
  TSkinNameList& operator=(const TSkinNameList&) = delete;

  int Count() const { return static_cast<int>(items_.size()); }
  // The item at index, or nullptr when index is below 0 or not below Count.
  TSkinNameItem* Items(int index);
  const TSkinNameItem* Items(int index) const;
  // The index of the first item named exactly name, or -1.
  int IndexOf(const std::string& name) const;
  bool Exists(const std::string& name) const { return IndexOf(name) >= 0; }
  // Appends an item; with checkDuplicate and the name already listed, adds
  // nothing.  True either way.
  bool Add(const std::string& name, const std::string& fileName, bool checkDuplicate);
  void Clear() { items_.clear(); }

 private:
  std::vector<std::unique_ptr<TSkinNameItem>> items_;
};

}  // namespace nuvex
