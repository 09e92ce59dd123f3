#include "package/InflateReader.h"

#include <zlib.h>

#include "base/Error.h"

namespace nuvex {

namespace {
// The text zlib's own reader of the platform library raised for every kind of
// bad data; the user sees it in the error report.
const char kDataError[] = "error";
}  // namespace

struct InflateReader::ZStream {
  z_stream z{};
};

InflateReader::InflateReader(FileStream& source, ProgressReport report)
    : source_(source),
      report_(std::move(report)),
      zs_(std::make_unique<ZStream>()),
      input_(std::make_unique<uint8_t[]>(kInputBlockSize)) {
  if (inflateInit(&zs_->z) != Z_OK) throw Error(kDataError);
}

InflateReader::~InflateReader() { inflateEnd(&zs_->z); }

size_t InflateReader::Read(void* buffer, size_t count) {
  z_stream& z = zs_->z;
  size_t produced = 0;
  while (produced < count && !ended_ && !exhausted_) {
    if (z.avail_in == 0 && !sourceDone_) {
      size_t got = source_.Read(input_.get(), kInputBlockSize);
      if (got == 0) sourceDone_ = true;
      z.next_in = input_.get();
      z.avail_in = static_cast<uInt>(got);
    }
    z.next_out = static_cast<Bytef*>(buffer) + produced;
    z.avail_out = static_cast<uInt>(count - produced);
    int rc = inflate(&z, Z_NO_FLUSH);
    produced = count - z.avail_out;
    switch (rc) {
      case Z_OK:
        break;
      case Z_STREAM_END:
        // Whatever follows the trailer is not part of the file; the inflater
        // is not asked again.
        ended_ = true;
        break;
      case Z_BUF_ERROR:
        // No progress was possible.  With room for output left that can only
        // mean that the input is used up; once the source has nothing more
        // the stream is cut short.  Anything else would loop for ever.
        if (z.avail_in != 0) throw Error(kDataError);
        if (sourceDone_) exhausted_ = true;
        break;
      default:  // Z_DATA_ERROR, Z_NEED_DICT, Z_MEM_ERROR, Z_STREAM_ERROR
        throw Error(kDataError);
    }
  }
  if (produced == count && count > 0) {
    total_ += static_cast<int64_t>(count);
    if (report_) report_(total_);
  }
  return produced;
}

}  // namespace nuvex
