#include <windows.h>

#include "platform/FolderEntries.h"
#include "platform/WinHandle.h"

namespace nuvex {

std::vector<TFolderEntry> FindFolderEntries(const std::string& pattern) {
  std::vector<TFolderEntry> entries;
  WIN32_FIND_DATAA data{};
  TSearchHandle search(FindFirstFileA(pattern.c_str(), &data));
  if (!search.Valid()) return entries;
  do {
    entries.push_back({data.cFileName, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileA(search.Get(), &data));
  return entries;
}

}  // namespace nuvex
