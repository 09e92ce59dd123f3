#include "tools/nvxpack/Packer.h"

#include <zlib.h>

#include <vector>

#include "base/Error.h"
#include "platform/Files.h"

namespace nvxpack {
namespace {

constexpr size_t kBlock = 65536;

// Owns a zlib stream set up for deflate or inflate.
class ZStream {
 public:
  enum Kind { Deflate, Inflate };
  explicit ZStream(Kind kind) : kind_(kind) {
    int rc = kind == Deflate ? deflateInit(&z_, Z_BEST_COMPRESSION) : inflateInit(&z_);
    if (rc != Z_OK) throw nuvex::Error("zlib could not be set up");
  }
  ~ZStream() { kind_ == Deflate ? deflateEnd(&z_) : inflateEnd(&z_); }
  ZStream(const ZStream&) = delete;
  ZStream& operator=(const ZStream&) = delete;
  z_stream* operator->() { return &z_; }
  z_stream* get() { return &z_; }

 private:
  Kind kind_;
  z_stream z_{};
};

}  // namespace

PackedSizes PackFile(const std::string& from, const std::string& to) {
  nuvex::FileStream in = nuvex::FileStream::OpenRead(from);
  nuvex::FileStream out = nuvex::FileStream::Create(to);
  ZStream z(ZStream::Deflate);
  std::vector<uint8_t> input(kBlock), output(kBlock);
  PackedSizes sizes;
  nuvex::TContentsSummer contents;
  int flush = Z_NO_FLUSH;
  do {
    size_t got = in.Read(input.data(), input.size());
    sizes.unpacked += got;
    contents.Add(input.data(), got);
    if (got < input.size()) flush = Z_FINISH;
    z->next_in = input.data();
    z->avail_in = static_cast<uInt>(got);
    int rc;
    do {
      z->next_out = output.data();
      z->avail_out = static_cast<uInt>(output.size());
      rc = deflate(z.get(), flush);
      if (rc == Z_STREAM_ERROR) throw nuvex::Error("zlib failed to pack " + from);
      size_t produced = output.size() - z->avail_out;
      out.WriteBuffer(output.data(), produced);
      sizes.packed += produced;
    } while (z->avail_out == 0);
  } while (flush != Z_FINISH);
  out.Close();
  sizes.contents = contents.Result();
  return sizes;
}

bool InstallerAcceptsSizes(uint64_t unpacked, uint64_t packed) {
  const uint64_t calls = (unpacked + 4095) / 4096 + 1;
  return calls >= packed / 4096 + 1;
}

PackedCheck CheckPackedFile(const std::string& path) {
  PackedCheck check;
  if (!nuvex::FileExists(path)) {
    check.problem = "missing";
    return check;
  }
  try {
    nuvex::FileStream in = nuvex::FileStream::OpenRead(path);
    ZStream z(ZStream::Inflate);
    std::vector<uint8_t> input(kBlock), output(kBlock);
    nuvex::TContentsSummer contents;
    int rc = Z_OK;
    bool outputFull = false;  // inflate may hold output back for want of room
    while (rc != Z_STREAM_END) {
      if (z->avail_in == 0 && !outputFull) {
        size_t got = in.Read(input.data(), input.size());
        if (got == 0) {
          check.problem = "the zlib stream ends early (the file is cut short)";
          return check;
        }
        check.sizes.packed += got;
        z->next_in = input.data();
        z->avail_in = static_cast<uInt>(got);
      }
      z->next_out = output.data();
      z->avail_out = static_cast<uInt>(output.size());
      rc = inflate(z.get(), Z_NO_FLUSH);
      outputFull = z->avail_out == 0;
      check.sizes.unpacked += output.size() - z->avail_out;
      contents.Add(output.data(), output.size() - z->avail_out);
      if (rc == Z_NEED_DICT) {
        check.problem = "the zlib stream asks for a preset dictionary";
        return check;
      }
      if (rc == Z_DATA_ERROR || rc == Z_MEM_ERROR || rc == Z_STREAM_ERROR) {
        check.problem = std::string("corrupt zlib data: ") + (z->msg ? z->msg : "unknown error");
        return check;
      }
    }
    check.sizes.contents = contents.Result();
    uint64_t trailing = z->avail_in;
    while (size_t got = in.Read(input.data(), input.size())) trailing += got;
    check.sizes.packed += trailing - z->avail_in;
    if (trailing > 0) {
      check.problem = std::to_string(trailing) + " bytes follow the end of the zlib stream";
      return check;
    }
  } catch (const nuvex::Error& e) {
    check.problem = e.what();
    return check;
  }
  if (check.sizes.packed > kMaxPackedFileSize || check.sizes.unpacked > kMaxPackedFileSize) {
    check.problem = "larger than the installer's 2 GiB limit for packed files";
    return check;
  }
  if (!InstallerAcceptsSizes(check.sizes.unpacked, check.sizes.packed)) {
    check.problem = "packs " + std::to_string(check.sizes.unpacked) + " bytes into " +
                    std::to_string(check.sizes.packed) +
                    "; the installer reports failure when the packed file is this much larger";
    return check;
  }
  check.ok = true;
  return check;
}

}  // namespace nvxpack
