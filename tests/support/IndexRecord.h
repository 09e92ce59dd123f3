#pragma once
// A package index record for tests, its text fields checked as they are set.
#include <string>

#include "installer/FileConfiguration.h"

namespace nuvex::test {

TFileConfiguration IndexRecord(const std::string& source, uint8_t packed, uint8_t kind, const std::string& target,
                               uint8_t action = faNone);

}  // namespace nuvex::test
