#include "package/Compressor.h"

#include <algorithm>
#include <limits>
#include <memory>

#include "base/Ascii.h"
#include "base/Error.h"
#include "base/Paths.h"
#include "package/InflateReader.h"
#include "platform/Files.h"
#include "platform/FolderEntries.h"
#include "platform/Replace.h"

namespace nuvex {
namespace {

int32_t Clamp32(int64_t value) {
  return static_cast<int32_t>(std::min<int64_t>(value, std::numeric_limits<int32_t>::max()));
}

// The longest path the ANSI file calls take (MAX_PATH less the terminator).
constexpr size_t kMaxPathLength = 259;
constexpr unsigned kPendingNameTries = 1000;

// "~nvx<n>.tmp": the temporary files of this extraction.
bool IsPendingName(const std::string& name) {
  const std::string upper = UpperAscii(name);
  if (upper.size() < 9 || upper.compare(0, 4, "~NVX") != 0 || upper.compare(upper.size() - 4, 4, ".TMP") != 0)
    return false;
  return std::all_of(upper.begin() + 4, upper.end() - 4, [](char c) { return c >= '0' && c <= '9'; });
}

// The n-th candidate name of a temporary file in a folder whose names may
// have `room` characters.  Near MAX_PATH the usual name would make a path the
// target's own does not: there it is "~<n>", cut to the room left, which the
// target's name shows to be at least one character.
std::string PendingName(unsigned n, size_t room) {
  std::string name = "~nvx" + std::to_string(n) + ".tmp";
  if (name.size() <= room) return name;
  name = "~" + std::to_string(n);
  return name.substr(0, std::max<size_t>(room, 1));
}

// A new file beside the target that receives the data until it is complete.
// It is removed on the way out unless it was committed.  Temporary files that
// an interrupted earlier extraction left in the folder are removed first.
class PendingTarget {
 public:
  explicit PendingTarget(const std::string& target) : target_(target) {
    const std::string folder = path::FolderPart(target);
    for (const TFolderEntry& entry : FindFolderEntries(folder + "~nvx*.tmp"))
      if (!entry.Directory && IsPendingName(entry.Name)) DeleteFileAt(folder + entry.Name);

    // The folder is a prefix of the target, so the room is never negative.
    const size_t room = std::max(kMaxPathLength, target.size()) - folder.size();
    for (unsigned n = 0;; ++n) {
      if (n == kPendingNameTries) throw FileCreateError(target);
      path_ = folder + PendingName(n, room);
      if (!FileExists(path_) && !DirectoryExists(path_)) break;
    }
    try {
      stream_ = std::make_unique<FileStream>(FileStream::Create(path_));
    } catch (const FileCreateError&) {
      throw FileCreateError(target);  // the user knows the target, not our helper
    }
    writer_ = std::make_unique<BufferedFileWriter>(*stream_);
  }
  ~PendingTarget() {
    if (stream_) {
      stream_->Close();
      DeleteFileAt(path_);
    }
  }
  PendingTarget(const PendingTarget&) = delete;
  PendingTarget& operator=(const PendingTarget&) = delete;

  // Room for the next piece of data inside the write block, then how much came.
  uint8_t* Room(size_t count) { return writer_->Room(count); }
  void Commit(size_t count) { writer_->Commit(count); }

  void Commit() {
    writer_->Flush();
    stream_->Close();
    if (!ReplaceTarget(path_, target_)) throw FileCreateError(target_);
    stream_.reset();
  }

 private:
  std::string target_;
  std::string path_;
  std::unique_ptr<FileStream> stream_;
  std::unique_ptr<BufferedFileWriter> writer_;
};

}  // namespace

bool TCompressor::Decompress(const std::string& SourceFile, const std::string& TargetFile) {
  if (!FileExists(SourceFile)) return false;
  FileStream source = FileStream::OpenRead(SourceFile);
  // A target that could not be replaced at the end is refused before any work.
  if (!CanReplaceTarget(TargetFile)) throw FileCreateError(TargetFile);
  PendingTarget target(TargetFile);

  InflateReader reader(source, [this](int64_t total) {
    if (OnProgress) OnProgress(this, Clamp32(total));
  });

  const int64_t packedSize = source.Size();
  const int64_t minimumRequests = packedSize / static_cast<int64_t>(kRequestSize) + 1;
  if (OnStart) OnStart(this, 0, Clamp32(packedSize));

  TContentsSummer contents;
  int64_t requests = 0;
  for (;;) {
    ++requests;
    // Each piece is unpacked straight into the write block: no copy.
    uint8_t* piece = target.Room(kRequestSize);
    size_t got = reader.Read(piece, kRequestSize);
    if (got == 0) break;
    target.Commit(got);
    if (ExpectedContents) contents.Add(piece, got);
  }

  // A stream cut short is never a success, however much it produced.
  if (!reader.StreamEnded() || requests < minimumRequests) return false;
  if (ExpectedContents && contents.Result() != *ExpectedContents) return false;
  target.Commit();
  return true;
}

}  // namespace nuvex
