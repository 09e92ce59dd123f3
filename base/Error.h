#pragma once
// Errors raised by the system.  An unexpected failure travels as an exception
// carrying the message the user finally sees in the application's error report.
#include <stdexcept>
#include <string>
#include <string_view>

namespace nuvex {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// A file that exists but cannot be opened for reading: "Cannot open file %s".
class FileOpenError : public Error {
 public:
  explicit FileOpenError(const std::string& path) : Error("Cannot open file " + path) {}
};

// A file that cannot be created for writing: "Cannot create file %s".
class FileCreateError : public Error {
 public:
  explicit FileCreateError(const std::string& path) : Error("Cannot create file " + path) {}
};

// A write that stored fewer bytes than it was given.
class StreamWriteError : public Error {
 public:
  StreamWriteError() : Error("Stream write error") {}
};

// Replaces each "%s" of pattern, left to right, with the next argument.
std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace nuvex
