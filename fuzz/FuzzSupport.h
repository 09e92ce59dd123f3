#pragma once
// What the fuzz targets share: a scratch folder of the process (made on first
// use, removed at exit) and writing bytes to a file in it.  Paths are given
// to the system's readers as they stand: natively a path without a drive is
// only re-separated (platform/NativePath.h).
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace nuvex::fuzz {

// The scratch folder, with a trailing "/".
inline const std::string& ScratchFolder() {
  static const std::string folder = [] {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/nuvex-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data())) std::abort();
    static const std::string made = pattern;
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(made, ignored);
    });
    return pattern + "/";
  }();
  return folder;
}

inline void WriteFile(const std::string& path, std::string_view bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) std::abort();
}

inline std::string_view AsText(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

}  // namespace nuvex::fuzz
