#include "platform/Files.h"

#include <algorithm>
#include <cstring>
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

BufferedFileWriter::BufferedFileWriter(FileStream& stream, size_t blockSize)
    : stream_(stream), block_(std::make_unique<uint8_t[]>(blockSize)), blockSize_(blockSize) {}

void BufferedFileWriter::Write(const void* buffer, size_t count) {
  const auto* bytes = static_cast<const uint8_t*>(buffer);
  while (count > 0) {
    if (used_ == 0 && count >= blockSize_) {  // a whole block needs no copy
      stream_.WriteBuffer(bytes, blockSize_);
      bytes += blockSize_;
      count -= blockSize_;
      continue;
    }
    const size_t take = std::min(count, blockSize_ - used_);
    std::memcpy(block_.get() + used_, bytes, take);
    used_ += take;
    bytes += take;
    count -= take;
    if (used_ == blockSize_) Flush();
  }
}

uint8_t* BufferedFileWriter::Room(size_t count) {
  if (blockSize_ - used_ < count) Flush();
  return block_.get() + used_;
}

void BufferedFileWriter::Flush() {
  const size_t pending = std::exchange(used_, 0);
  if (pending > 0) stream_.WriteBuffer(block_.get(), pending);
}

}  // namespace nuvex
