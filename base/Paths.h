#pragma once
// The parts of a path written the Windows way ("C:\Dir\name.ext").  A folder
// ends at the last "\" or "/" or at a drive's colon, and the folder part keeps
// that character; the extension is the last dot of the file name and what
// follows it.  Paths are plain texts: nothing here asks the file system.
#include <cstddef>
#include <string>
#include <string_view>

namespace nuvex::path {

constexpr bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Where the file name begins: just past the last separator or drive colon.
size_t NameStart(std::string_view path);

// "C:\Dir\" of "C:\Dir\name.ext"; empty when there is no folder.
std::string FolderPart(std::string_view path);
// "name.ext".
std::string FileName(std::string_view path);
// "name": the file name without its extension (a name that is all
// extension, such as ".lng", is kept whole).
std::string BaseName(std::string_view path);
// ".ext", or empty when the file name has no dot.
std::string Extension(std::string_view path);
// The path with its extension replaced by `extension` (or added when it has none).
std::string ChangeExtension(std::string_view path, std::string_view extension);
bool EndsWithSeparator(std::string_view path);
// A path that names one place whatever the current drive and folder: a drive
// with its root ("C:\Games") or a network share ("\\server\share").  Not
// "", "Games", "\Games" or "C:Games".
bool IsFullPath(std::string_view path);

}  // namespace nuvex::path
