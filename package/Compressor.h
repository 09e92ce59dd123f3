#pragma once
// Extraction of one packed file of the installation package: the whole file is
// one zlib stream of the target's contents.  The owner learns through two
// events when an extraction starts and how far it has got.
#include <cstdint>
#include <optional>
#include <string>

#include "base/Event.h"
#include "package/ContentsChecksum.h"

namespace nuvex {

// (sender, minimum, maximum): once per extraction, before any data.
using TStartEvent = Event<void* /*sender*/, int32_t /*minimum*/, int32_t /*maximum*/>;
// (sender, position): the running count of unpacked bytes.
using TProgressEvent = Event<void* /*sender*/, int32_t /*position*/>;

class TCompressor {
 public:
  static constexpr size_t kRequestSize = 4096;

  TStartEvent OnStart;
  TProgressEvent OnProgress;
  // When set, the unpacked contents must have this checksum: otherwise the
  // result is false and an earlier target stays as it was.
  std::optional<TContentsChecksum> ExpectedContents;

  // Unpacks SourceFile into TargetFile, whose folder must exist.
  //  - A missing source gives false and creates nothing.
  //  - OnStart gets (this, 0, size of the source); OnProgress gets 4096,
  //    8192, ... for every full 4096-byte piece unpacked.
  //  - True when the stream was complete and the unpacked data, counted in
  //    4096-byte pieces (a partial piece counting as one), is not much smaller
  //    than the packed file: requests made >= packed size div 4096 + 1.
  // An existing target that could not be replaced (read-only, a folder, held
  // open by another program without sharing) raises "Cannot create file %s"
  // before OnStart.  The data goes, in 64 KiB writes, to a temporary file
  // beside the target ("~nvx<n>.tmp", shorter near MAX_PATH), which replaces
  // the target only on success; on false or on an error an earlier target
  // stays as it was and the temporary file is removed, as are those an
  // interrupted earlier run left in the folder.  Errors: "Cannot open file
  // %s" (source), "Cannot create file %s" (target), "error" (corrupt data,
  // bad header or trailer), "Stream write error" (disk full).
  // Memory: the reader's 64 KiB input block and the 64 KiB write block, into
  // which every 4096-byte request is unpacked directly.
  bool Decompress(const std::string& SourceFile, const std::string& TargetFile);
};

}  // namespace nuvex
