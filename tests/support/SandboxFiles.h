#pragma once
// Files of a package and of its installation in the native sandbox of drives
// (platform/NativePath.h), for the installer's native tests, and the data of
// packed files.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace nuvex::test {

#ifndef _WIN32
// Writes the file at a Windows path of the sandbox, making its folders.
void PutFile(const std::string& path, std::string_view bytes);
// What the file at a Windows path of the sandbox holds.
std::string FileText(const std::string& path);
#endif

// The bytes as one zlib stream, the package's packed-file format.
std::string Packed(std::string_view bytes, int level = 9);
// Printable text that hardly packs: the packed size stays near the size.
std::string Unpackable(size_t size, uint32_t seed);

}  // namespace nuvex::test
