#pragma once
// Extraction of one packed file of the installation package: the whole file is
// one zlib stream of the target's contents.  The owner learns through two
// events when an extraction starts and how far it has got.
#include <array>
#include <cstdint>
#include <string>

#include "base/Event.h"

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

  // Unpacks SourceFile into TargetFile, whose folder must exist.
  //  - A missing source gives false and creates nothing.
  //  - OnStart gets (this, 0, size of the source); OnProgress gets 4096,
  //    8192, ... for every full 4096-byte piece unpacked.
  //  - True when the stream was complete and the unpacked data, counted in
  //    4096-byte pieces (a partial piece counting as one), is not much smaller
  //    than the packed file: requests made >= packed size div 4096 + 1.
  // The data goes to a temporary file beside the target, which replaces the
  // target only on success; on false or on an error an earlier target stays
  // as it was.  Errors: "Cannot open file %s" (source), "Cannot create file
  // %s" (target), "error" (corrupt data, bad header or trailer), "Stream
  // write error" (disk full).
  bool Decompress(const std::string& SourceFile, const std::string& TargetFile);

 private:
  std::array<uint8_t, kRequestSize> buffer_{};
};

}  // namespace nuvex
