// Extraction of packed files: the events and their positions, the result rule,
// and every kind of bad input, each of which must leave an earlier target as
// it was and no temporary file behind.
#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <random>

#include "base/Error.h"
#include "package/Compressor.h"
#include "platform/Files.h"
#include "tests/support/TestSupport.h"

#ifndef _WIN32
#include <sys/stat.h>

#include "tests/support/PosixFaults.h"
#endif

namespace nuvex {
namespace {

using test::TempFolder;
using Bytes = std::vector<uint8_t>;

Bytes Pattern(size_t size, unsigned seed = 1) {
  // Compressible but not trivial: short runs of a few letters.
  std::mt19937 rng(seed);
  Bytes out(size);
  for (auto& b : out) b = static_cast<uint8_t>('a' + rng() % 4);
  return out;
}

Bytes Noise(size_t size, unsigned seed = 2) {
  std::mt19937 rng(seed);
  Bytes out(size);
  for (auto& b : out) b = static_cast<uint8_t>(rng());
  return out;
}

Bytes Pack(const Bytes& data, int level = Z_BEST_COMPRESSION) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  Bytes out(size);
  EXPECT_EQ(compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), level), Z_OK);
  out.resize(size);
  return out;
}

void PutBigEndian32(Bytes& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

// A zlib stream of stored blocks: `emptyBlocks` empty ones (5 bytes each)
// first, then one final block with the data.  Its size is 2 + 5 * emptyBlocks
// + 5 + data + 4, which lets a test choose the packed size freely.
Bytes StoredStream(const Bytes& data, size_t emptyBlocks) {
  Bytes out = {0x78, 0x01};
  for (size_t i = 0; i < emptyBlocks; ++i) out.insert(out.end(), {0x00, 0x00, 0x00, 0xFF, 0xFF});
  uint16_t len = static_cast<uint16_t>(data.size());
  out.insert(out.end(), {0x01, static_cast<uint8_t>(len), static_cast<uint8_t>(len >> 8),
                         static_cast<uint8_t>(~len), static_cast<uint8_t>(~len >> 8)});
  out.insert(out.end(), data.begin(), data.end());
  PutBigEndian32(out, static_cast<uint32_t>(adler32(1, data.data(), static_cast<uInt>(data.size()))));
  return out;
}

// Records what the compressor reports.
struct Recorder {
  std::vector<std::pair<int32_t, int32_t>> starts;
  std::vector<int32_t> positions;
  std::vector<void*> senders;
  size_t positionsBeforeStart = 0;

  void Attach(TCompressor& c) {
    c.OnStart = [this](void* sender, int32_t min, int32_t max) {
      senders.push_back(sender);
      positionsBeforeStart = positions.size();
      starts.emplace_back(min, max);
    };
    c.OnProgress = [this](void* sender, int32_t position) {
      senders.push_back(sender);
      positions.push_back(position);
    };
  }
};

std::vector<int32_t> FullPieces(size_t unpacked) {
  std::vector<int32_t> out;
  for (size_t p = 4096; p <= unpacked; p += 4096) out.push_back(static_cast<int32_t>(p));
  return out;
}

std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class CompressorTest : public ::testing::Test {
 protected:
  // Writes `packed` as the source and an earlier target with known contents.
  void Prepare(const Bytes& packed) {
    test::WriteAll(source, packed);
    test::WriteAll(target, earlier);
  }
  // The earlier target is untouched and nothing else is left in the folder.
  void ExpectEarlierTargetKept() {
    EXPECT_EQ(test::ReadAll(target), earlier);
    EXPECT_EQ(Entries(tmp.Path()), (std::vector<std::string>{"packed.nvx", "target.bin"}));
  }
  // Extracts `packed` over the earlier target with the recorder attached.
  bool ExtractRecorded(const Bytes& packed) {
    Prepare(packed);
    events.Attach(compressor);
    return compressor.Decompress(source, target);
  }
  std::string ErrorOf(const std::string& from, const std::string& to) {
    return test::MessageOf<Error>([&] { compressor.Decompress(from, to); });
  }

  TempFolder tmp;
  std::string source = tmp / "packed.nvx";
  std::string target = tmp / "target.bin";
  Bytes earlier = {'o', 'l', 'd'};
  TCompressor compressor;
  Recorder events;
};

TEST_F(CompressorTest, EmptyStreamGivesEmptyTargetAndNoProgress) {
  Bytes packed = Pack({});
  ASSERT_EQ(packed.size(), 8u);
  EXPECT_TRUE(ExtractRecorded(packed));
  EXPECT_EQ(events.starts, (std::vector<std::pair<int32_t, int32_t>>{{0, 8}}));
  EXPECT_TRUE(events.positions.empty());
  EXPECT_TRUE(FileExists(target));
  EXPECT_TRUE(test::ReadAll(target).empty());
}

TEST_F(CompressorTest, ReportsStartOnceThenEveryFullPieceWithItselfAsSender) {
  Bytes data = Pattern(10000);
  Bytes packed = Pack(data);
  ASSERT_LT(packed.size(), 4096u);
  EXPECT_TRUE(ExtractRecorded(packed));
  EXPECT_EQ(events.starts, (std::vector<std::pair<int32_t, int32_t>>{{0, static_cast<int32_t>(packed.size())}}));
  EXPECT_EQ(events.positionsBeforeStart, 0u);
  EXPECT_EQ(events.positions, (std::vector<int32_t>{4096, 8192}));
  for (void* s : events.senders) EXPECT_EQ(s, &compressor);
  EXPECT_EQ(test::ReadAll(target), data);
}

TEST_F(CompressorTest, ExactMultipleOfThePieceReportsTheLastPieceToo) {
  Bytes data = Pattern(8192);
  EXPECT_TRUE(ExtractRecorded(Pack(data)));
  EXPECT_EQ(events.positions, (std::vector<int32_t>{4096, 8192}));
  EXPECT_EQ(test::ReadAll(target), data);
}

TEST_F(CompressorTest, CountStartsAgainForEveryFile) {
  Bytes data = Pattern(5000);
  EXPECT_TRUE(ExtractRecorded(Pack(data)));
  EXPECT_TRUE(compressor.Decompress(source, target));
  EXPECT_EQ(events.starts.size(), 2u);
  EXPECT_EQ(events.positions, (std::vector<int32_t>{4096, 4096}));
}

TEST_F(CompressorTest, LargeIncompressibleFileSpansManyInputBlocks) {
  // Over 65536 packed bytes, so the reader fetches several input blocks, and
  // a size that is not a multiple of either block.
  Bytes data = Noise(3 * 65536 + 12345);
  Bytes packed = Pack(data, Z_NO_COMPRESSION);
  ASSERT_GT(packed.size(), 3u * 65536);
  Prepare(packed);
  events.Attach(compressor);
  // Stored data grows a little: the unpacked pieces (R = 50) still reach
  // packed div 4096 + 1 = 49.
  EXPECT_TRUE(compressor.Decompress(source, target));
  EXPECT_EQ(test::ReadAll(target), data);
  EXPECT_EQ(events.positions, FullPieces(data.size()));
}

TEST_F(CompressorTest, NoEventsSetIsFine) {
  Bytes data = Pattern(20000);
  Prepare(Pack(data));
  EXPECT_TRUE(compressor.Decompress(source, target));
  EXPECT_EQ(test::ReadAll(target), data);
}

TEST_F(CompressorTest, OutputMuchSmallerThanThePackedFileIsRefused) {
  // 10,000 packed bytes (1398 stored blocks) that unpack to 3,004 bytes:
  // two requests against 10000 div 4096 + 1 = 3.
  Bytes data = Pattern(3004);
  Bytes packed = StoredStream(data, 1397);
  ASSERT_EQ(packed.size(), 10000u);
  EXPECT_FALSE(ExtractRecorded(packed));
  EXPECT_EQ(events.starts, (std::vector<std::pair<int32_t, int32_t>>{{0, 10000}}));
  EXPECT_TRUE(events.positions.empty());
  ExpectEarlierTargetKept();
}

TEST_F(CompressorTest, ResultRuleBoundaryWithBytesAfterTheStream) {
  // 4096 unpacked bytes take two requests.  Bytes after the stream's end are
  // ignored but count in the packed size: 8191 bytes need two requests (true),
  // 8192 need three (false).
  Bytes data = Pattern(4096);
  Bytes stream = StoredStream(data, 816);
  ASSERT_EQ(stream.size(), 8187u);
  Bytes upTo8191 = stream;
  upTo8191.insert(upTo8191.end(), {0xDE, 0xAD, 0xBE, 0xEF});
  Prepare(upTo8191);
  EXPECT_TRUE(compressor.Decompress(source, target));
  EXPECT_EQ(test::ReadAll(target), data);

  Bytes upTo8192 = upTo8191;
  upTo8192.push_back(0x00);
  Prepare(upTo8192);
  EXPECT_FALSE(compressor.Decompress(source, target));
  ExpectEarlierTargetKept();
}

TEST_F(CompressorTest, GarbageAfterTheStreamIsNotInflated) {
  // A second, corrupt stream follows the first: it is never looked at.
  Bytes data = Pattern(50000);
  Bytes packed = Pack(data);
  packed.insert(packed.end(), {0x78, 0x9C, 0xFF, 0xFF, 0xFF, 0xFF});
  Prepare(packed);
  EXPECT_TRUE(compressor.Decompress(source, target));
  EXPECT_EQ(test::ReadAll(target), data);
}

TEST_F(CompressorTest, MissingSourceCreatesNothing) {
  events.Attach(compressor);
  EXPECT_FALSE(compressor.Decompress(tmp / "missing.nvx", tmp / "new.bin"));
  EXPECT_FALSE(FileExists(tmp / "new.bin"));
  EXPECT_TRUE(events.starts.empty());
  EXPECT_TRUE(Entries(tmp.Path()).empty());
}

TEST_F(CompressorTest, CorruptDataRaisesErrorAndKeepsTheEarlierTarget) {
  Bytes data = Pattern(100000);
  Bytes good = Pack(data);

  Bytes badHeader = good;
  badHeader[1] ^= 0x01;  // header check fails
  Prepare(badHeader);
  EXPECT_EQ(ErrorOf(source, target), "error");
  ExpectEarlierTargetKept();

  Bytes badMethod = good;
  badMethod[0] = 0x79;  // not deflate
  badMethod[1] = static_cast<uint8_t>(31 - (0x7900 % 31));
  Prepare(badMethod);
  EXPECT_EQ(ErrorOf(source, target), "error");
  ExpectEarlierTargetKept();

  Bytes badData = good;
  for (size_t i = good.size() / 3; i < good.size() / 3 + 16; ++i) badData[i] ^= 0xA5;
  Prepare(badData);
  EXPECT_EQ(ErrorOf(source, target), "error");
  ExpectEarlierTargetKept();

  Bytes badTrailer = good;
  badTrailer.back() ^= 0x01;  // Adler-32 differs
  Prepare(badTrailer);
  EXPECT_EQ(ErrorOf(source, target), "error");
  ExpectEarlierTargetKept();

  Bytes presetDictionary = {0x78, 0xBB, 0, 0, 0, 1, 0x03, 0x00};  // asks for a dictionary
  Prepare(presetDictionary);
  EXPECT_EQ(ErrorOf(source, target), "error");
  ExpectEarlierTargetKept();
}

TEST_F(CompressorTest, StreamCutShortIsAFailure) {
  Bytes data = Pattern(100000);
  Bytes good = Pack(data);
  // Cut inside the deflate data, inside the trailer, and right after the header.
  for (size_t keep : {good.size() / 2, good.size() - 2, size_t{2}}) {
    SCOPED_TRACE(keep);
    Prepare(Bytes(good.begin(), good.begin() + static_cast<long>(keep)));
    EXPECT_FALSE(compressor.Decompress(source, target));
    ExpectEarlierTargetKept();
  }
  // A cut stored stream whose data so far would pass the size rule.
  Bytes stored = StoredStream(Pattern(60000), 0);
  Prepare(Bytes(stored.begin(), stored.end() - 4));
  EXPECT_FALSE(compressor.Decompress(source, target));
  ExpectEarlierTargetKept();
}

TEST_F(CompressorTest, EmptySourceIsAFailure) {
  EXPECT_FALSE(ExtractRecorded({}));
  EXPECT_EQ(events.starts, (std::vector<std::pair<int32_t, int32_t>>{{0, 0}}));
  ExpectEarlierTargetKept();
}

TEST_F(CompressorTest, TargetThatCannotBeCreatedRaisesWithItsPath) {
  Prepare(Pack(Pattern(1000)));
  std::string noFolder = tmp / "no/such/folder/t.bin";
  EXPECT_EQ(ErrorOf(source, noFolder), "Cannot create file " + noFolder);
  std::filesystem::create_directory(tmp / "adir");
  events.Attach(compressor);
  EXPECT_EQ(ErrorOf(source, tmp / "adir"), "Cannot create file " + (tmp / "adir"));
  EXPECT_TRUE(events.starts.empty());  // found before any work
  EXPECT_TRUE(DirectoryExists(tmp / "adir"));
  EXPECT_TRUE(std::filesystem::is_empty(tmp / "adir"));
  std::filesystem::remove(tmp / "adir");
  ExpectEarlierTargetKept();
}

#ifndef _WIN32
TEST_F(CompressorTest, ReadOnlyTargetIsRefusedBeforeAnyWork) {
  Prepare(Pack(Pattern(100000)));
  ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
  events.Attach(compressor);
  EXPECT_EQ(ErrorOf(source, target), "Cannot create file " + target);
  EXPECT_TRUE(events.starts.empty());
  EXPECT_TRUE(events.positions.empty());
  ::chmod(target.c_str(), 0644);
  ExpectEarlierTargetKept();
}

TEST_F(CompressorTest, FullDiskRaisesStreamWriteErrorAndKeepsTheEarlierTarget) {
  Bytes data = Noise(1 << 20);
  Prepare(Pack(data, Z_NO_COMPRESSION));
  // Files may not grow beyond 256 KiB for the duration: writes beyond fail
  // the way they do on a full disk.
  std::string error;
  {
    test::ScopedLimit small(RLIMIT_FSIZE, 256 * 1024);
    error = ErrorOf(source, target);
  }
  EXPECT_EQ(error, "Stream write error");
  ExpectEarlierTargetKept();
}
#endif

TEST_F(CompressorTest, TemporaryFilesOfAnInterruptedRunAreRemoved) {
  Bytes data = Pattern(5000);
  Prepare(Pack(data));
  for (const char* left : {"~nvx0.tmp", "~nvx17.tmp", "~NVX3.TMP"}) test::WriteAll(tmp / left, "left over");
  for (const char* other : {"~nvx.tmp", "~nvx1a.tmp", "nvx0.tmp"}) test::WriteAll(tmp / other, "someone's");
  EXPECT_TRUE(compressor.Decompress(source, target));
  EXPECT_EQ(test::ReadAll(target), data);
  EXPECT_EQ(Entries(tmp.Path()),
            (std::vector<std::string>{"nvx0.tmp", "packed.nvx", "target.bin", "~nvx.tmp", "~nvx1a.tmp"}));
}

TEST_F(CompressorTest, ChecksumOfTheContentsDecidesTheResult) {
  Bytes data = Pattern(30000);
  Prepare(Pack(data));
  TContentsSummer sum;
  sum.Add(data.data(), data.size());
  compressor.ExpectedContents = sum.Result();
  EXPECT_TRUE(compressor.Decompress(source, target));
  EXPECT_EQ(test::ReadAll(target), data);

  // A valid stream of other contents, and of the right contents but another size.
  test::WriteAll(target, earlier);
  Bytes other = data;
  other[12345] ^= 0x01;
  Prepare(Pack(other));
  EXPECT_FALSE(compressor.Decompress(source, target));
  ExpectEarlierTargetKept();
  compressor.ExpectedContents = TContentsChecksum{sum.Result().Crc32, sum.Result().Size + 1};
  Prepare(Pack(data));
  EXPECT_FALSE(compressor.Decompress(source, target));
  ExpectEarlierTargetKept();
}

TEST_F(CompressorTest, NewTargetAppearsOnlyOnSuccess) {
  std::string fresh = tmp / "fresh.bin";
  test::WriteAll(source, Pack(Pattern(100000)));
  Bytes cut = test::ReadAll(source);
  cut.resize(cut.size() / 2);
  test::WriteAll(source, cut);
  EXPECT_FALSE(compressor.Decompress(source, fresh));
  EXPECT_FALSE(FileExists(fresh));
  EXPECT_EQ(Entries(tmp.Path()), (std::vector<std::string>{"packed.nvx"}));
}

}  // namespace
}  // namespace nuvex
