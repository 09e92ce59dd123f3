#include "platform/Files.h"

#include <utility>

namespace nuvex {

// The ownership of a stream is the same on every platform; only opening,
// closing and the transfers are the platform's (Files_posix, Files_win32).
FileStream::FileStream(FileStream&& other) noexcept
    : handle_(std::exchange(other.handle_, -1)), path_(std::move(other.path_)) {}

FileStream& FileStream::operator=(FileStream&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = std::exchange(other.handle_, -1);
    path_ = std::move(other.path_);
  }
  return *this;
}

FileStream::~FileStream() { Close(); }

}  // namespace nuvex
