#include "base/Paths.h"

namespace nuvex::path {

namespace {

// The extension's dot within the file name, or npos.
size_t ExtensionDot(std::string_view path) {
  const size_t dot = path.rfind('.');
  return dot == std::string_view::npos || dot < NameStart(path) ? std::string_view::npos : dot;
}

}  // namespace

size_t NameStart(std::string_view path) {
  const size_t cut = path.find_last_of("\\/:");
  return cut == std::string_view::npos ? 0 : cut + 1;
}

std::string FolderPart(std::string_view path) { return std::string(path.substr(0, NameStart(path))); }

std::string FileName(std::string_view path) { return std::string(path.substr(NameStart(path))); }

std::string BaseName(std::string_view path) {
  const std::string name = FileName(path);
  const size_t dot = name.rfind('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

std::string Extension(std::string_view path) {
  const size_t dot = ExtensionDot(path);
  return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot));
}

std::string ChangeExtension(std::string_view path, std::string_view extension) {
  const size_t dot = ExtensionDot(path);
  return std::string(dot == std::string_view::npos ? path : path.substr(0, dot)).append(extension);
}

bool EndsWithSeparator(std::string_view path) { return !path.empty() && IsSeparator(path.back()); }

bool IsFullPath(std::string_view path) {
  const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  if (path.size() >= 3 && letter(path[0]) && path[1] == ':' && IsSeparator(path[2])) return true;
  // "\\server\share": a server name, a separator and a share name.
  if (path.size() < 5 || !IsSeparator(path[0]) || !IsSeparator(path[1]) || IsSeparator(path[2])) return false;
  const size_t share = path.find_first_of("\\/", 2);
  return share != std::string_view::npos && share + 1 < path.size() && !IsSeparator(path[share + 1]);
}

}  // namespace nuvex::path
