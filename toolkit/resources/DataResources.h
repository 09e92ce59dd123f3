#pragma once
// Raw data embedded in the program (form descriptions, JPEG and bitmap
// pictures), found by name without regard to ASCII case.  On Windows they
// are the program's RCDATA resources; elsewhere a table generated from the
// same files (resources/EmbedData.cmake).  Registered data, searched after the
// program's own, lets a test program add its own.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace nuvex {

struct TEmbeddedData {
  const char* Name;
  std::span<const uint8_t> Data;
};

// The bytes of the resource called name, or nothing.  They stay valid for
// the program's lifetime.
std::optional<std::span<const uint8_t>> FindDataResource(const std::string& name);

// Registers data that must stay valid for the program's lifetime (a static
// array); a later registration under the same name replaces the earlier one.
void RegisterDataResource(const std::string& name, std::span<const uint8_t> data);
void UnregisterDataResource(const std::string& name);

// Registers data at static initialisation (generated tables of test programs).
struct DataResourceEntry {
  DataResourceEntry(const char* name, std::span<const uint8_t> data) { RegisterDataResource(name, data); }
};

}  // namespace nuvex
