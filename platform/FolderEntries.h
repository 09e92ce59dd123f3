#pragma once
// Listing a folder the way FindFirstFile/FindNextFile do.
#include <string>
#include <vector>

namespace nuvex {

struct TFolderEntry {
  std::string Name;        // the entry's name alone, "." and ".." included
  bool Directory = false;  // the entry has the directory attribute
};

// The files and folders matching pattern, a folder path followed by a file
// mask ("C:\Prog\Skins\*.*"), in the order the platform lists them; empty when
// the folder does not exist or cannot be read.
//
// On Windows this is FindFirstFile/FindNextFile and keeps their order (on NTFS
// roughly by name, on FAT by creation).  Elsewhere "." and ".." come first and
// the other entries follow sorted by their names in upper case (byte order),
// so that a listing is the same on every run; the masks "*" and "*.*" match
// every name, any other mask is matched with "*" and "?" without regard to the
// case of ASCII letters.
std::vector<TFolderEntry> FindFolderEntries(const std::string& pattern);

}  // namespace nuvex
