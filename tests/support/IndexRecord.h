#pragma once
// Package index records and index files for tests, laid out byte by byte
// here, independently of the package builder.
#include <cstdint>
#include <string>
#include <vector>

#include "package/FileConfiguration.h"

namespace nuvex::test {

TFileConfiguration IndexRecord(const std::string& source, uint8_t packed, uint8_t kind, const std::string& target,
                               uint8_t action = faNone);

// An index file: the header with `count` (which may disagree with the
// records, for damaged indexes), then the records as they lie in memory.
std::vector<uint8_t> IndexBytes(int32_t count, const std::vector<TFileConfiguration>& records);

// Overwrites the count of an index file's header.
void PutIndexCount(std::vector<uint8_t>& bytes, int32_t count);

}  // namespace nuvex::test
