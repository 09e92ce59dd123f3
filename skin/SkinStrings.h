#pragma once
// The skin engine's texts: the skin file's name, section and key names, and
// the base skin's description.  They belong to the program's string table; on
// Windows they are read from the program's string resources, elsewhere (and
// should a resource be missing) from the table below, which holds the same
// texts.
#include <span>
#include <string>

#include "skin/SkinStringIds.h"

namespace nuvex {

struct SkinStringEntry {
  int Id;
  const char* Text;
};

// Every text of the table, with its id.
std::span<const SkinStringEntry> SkinStringTable();
// The text with this id from the table; empty for an unknown id.
std::string DefaultSkinString(int id);
// The text with this id as the program has it.
std::string SkinString(int id);

}  // namespace nuvex
