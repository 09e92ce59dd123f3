#include <windows.h>

#include "platform/FolderEntries.h"

namespace nuvex {
namespace {

// Closes a search handle on every way out.
class SearchHandle {
 public:
  explicit SearchHandle(HANDLE handle) : handle_(handle) {}
  ~SearchHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  }
  SearchHandle(const SearchHandle&) = delete;
  SearchHandle& operator=(const SearchHandle&) = delete;
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

std::vector<TFolderEntry> FindFolderEntries(const std::string& pattern) {
  std::vector<TFolderEntry> entries;
  WIN32_FIND_DATAA data{};
  SearchHandle search(FindFirstFileA(pattern.c_str(), &data));
  if (search.Get() == INVALID_HANDLE_VALUE) return entries;
  do {
    entries.push_back({data.cFileName, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileA(search.Get(), &data));
  return entries;
}

}  // namespace nuvex
