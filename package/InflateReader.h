#pragma once
// Reads the unpacked contents of one zlib stream (two-byte header, deflate
// data, Adler-32 trailer) from an open file, in requests of any size, with a
// fixed input block: memory use does not depend on the file's size.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/Files.h"

namespace nuvex {

class InflateReader {
 public:
  static constexpr size_t kInputBlockSize = 65536;

  // Called with the running total of unpacked bytes after every request
  // that was filled completely.
  using ProgressReport = std::function<void(int64_t total)>;

  // Raises Error("error") when zlib cannot be set up.
  InflateReader(FileStream& source, ProgressReport report);
  ~InflateReader();
  InflateReader(const InflateReader&) = delete;
  InflateReader& operator=(const InflateReader&) = delete;

  // Unpacks up to `count` bytes into `buffer` and returns how many arrived.
  // Fewer than `count` means the stream has ended or the source ran out;
  // after either, further requests return 0 without reading.  Corrupt data,
  // a bad header or a bad trailer raise Error("error").
  size_t Read(void* buffer, size_t count);

  // True once the stream's end (its verified trailer) has been reached.
  bool StreamEnded() const { return ended_; }
  // True when the source ran out before the stream's end.
  bool SourceExhausted() const { return exhausted_; }

 private:
  struct ZStream;
  FileStream& source_;
  ProgressReport report_;
  std::unique_ptr<ZStream> zs_;
  std::unique_ptr<uint8_t[]> input_;
  int64_t total_ = 0;
  bool ended_ = false;
  bool exhausted_ = false;
  bool sourceDone_ = false;
};

}  // namespace nuvex
