#include "skin/SkinNameList.h"

#include <utility>

namespace nuvex {

const TSkinNameItem* TSkinNameList::Items(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return items_[static_cast<size_t>(index)].get();
}

TSkinNameItem* TSkinNameList::Items(int index) {
  return const_cast<TSkinNameItem*>(std::as_const(*this).Items(index));
}

int TSkinNameList::IndexOf(const std::string& name) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i]->Name == name) return static_cast<int>(i);
  return -1;
}

bool TSkinNameList::Add(const std::string& name, const std::string& fileName, bool checkDuplicate) {
  if (checkDuplicate && Exists(name)) return true;
  items_.push_back(std::make_unique<TSkinNameItem>(TSkinNameItem{name, fileName}));
  return true;
}

}  // namespace nuvex
