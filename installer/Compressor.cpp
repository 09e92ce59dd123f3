#include "installer/Compressor.h"

#include <algorithm>
#include <limits>
#include <memory>

#include "base/Error.h"
#include "base/Paths.h"
#include "installer/InflateReader.h"
#include "platform/Files.h"
#include "platform/Replace.h"

namespace nuvex {
namespace {

int32_t Clamp32(int64_t value) {
  return static_cast<int32_t>(std::min<int64_t>(value, std::numeric_limits<int32_t>::max()));
}

// A new file beside the target that receives the data until it is complete.
// It is removed on the way out unless it was committed.
class PendingTarget {
 public:
  explicit PendingTarget(const std::string& target) : target_(target) {
    std::string folder = path::FolderPart(target);
    for (unsigned n = 0;; ++n) {
      path_ = folder + "~nvx" + std::to_string(n) + ".tmp";
      if (!FileExists(path_) && !DirectoryExists(path_)) break;
    }
    try {
      stream_ = std::make_unique<FileStream>(FileStream::Create(path_));
    } catch (const FileCreateError&) {
      throw FileCreateError(target);  // the user knows the target, not our helper
    }
  }
  ~PendingTarget() {
    if (stream_) {
      stream_->Close();
      DeleteFileAt(path_);
    }
  }
  PendingTarget(const PendingTarget&) = delete;
  PendingTarget& operator=(const PendingTarget&) = delete;

  FileStream& Stream() { return *stream_; }

  void Commit() {
    stream_->Close();
    if (!ReplaceTarget(path_, target_)) throw FileCreateError(target_);
    stream_.reset();
  }

 private:
  std::string target_;
  std::string path_;
  std::unique_ptr<FileStream> stream_;
};

}  // namespace

bool TCompressor::Decompress(const std::string& SourceFile, const std::string& TargetFile) {
  if (!FileExists(SourceFile)) return false;
  FileStream source = FileStream::OpenRead(SourceFile);
  if (DirectoryExists(TargetFile)) throw FileCreateError(TargetFile);
  PendingTarget target(TargetFile);

  InflateReader reader(source, [this](int64_t total) {
    if (OnProgress) OnProgress(this, Clamp32(total));
  });

  const int64_t packedSize = source.Size();
  const int64_t minimumRequests = packedSize / static_cast<int64_t>(kRequestSize) + 1;
  if (OnStart) OnStart(this, 0, Clamp32(packedSize));

  int64_t requests = 0;
  for (;;) {
    ++requests;
    size_t got = reader.Read(buffer_.data(), buffer_.size());
    if (got == 0) break;
    target.Stream().WriteBuffer(buffer_.data(), got);
  }

  // A stream cut short is never a success, however much it produced.
  if (!reader.StreamEnded() || requests < minimumRequests) return false;
  target.Commit();
  return true;
}

}  // namespace nuvex
