// Files past the sizes that 32-bit arithmetic holds: a packed file over
// 2 GiB must still start the bar with a positive maximum, and a file over
// 4 GiB must be checked whole.  The files are sparse, so they cost little
// disk; the tests matter most in the i686 build, where size_t and long are
// 32 bits wide.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <vector>

#include "package/Compressor.h"
#include "package/ContentsChecksum.h"
#include "tests/support/TestSupport.h"

namespace nuvex {
namespace {

// A file of `size` bytes that begins with `head`; the rest is zeros.
void WriteSparse(const std::string& path, const std::vector<uint8_t>& head, uint64_t size) {
  test::WriteAll(path, head);
  std::filesystem::resize_file(path, size);
}

TEST(LargeFiles, PackedFileOver2GiBStartsTheBarAtTheLargestPositiveMaximum) {
  test::TempFolder tmp;
  std::vector<uint8_t> data(10000, 'n');
  uLongf packedSize = compressBound(static_cast<uLong>(data.size()));
  std::vector<uint8_t> packed(packedSize);
  ASSERT_EQ(compress(packed.data(), &packedSize, data.data(), static_cast<uLong>(data.size())), Z_OK);
  packed.resize(packedSize);
  const uint64_t size = (uint64_t{1} << 31) + 4096;
  WriteSparse(tmp / "big.nvx", packed, size);

  TCompressor compressor;
  std::vector<std::pair<int32_t, int32_t>> starts;
  std::vector<int32_t> positions;
  compressor.OnStart = [&](void*, int32_t min, int32_t max) { starts.emplace_back(min, max); };
  compressor.OnProgress = [&](void*, int32_t position) { positions.push_back(position); };
  // 10000 bytes unpacked are far fewer requests than 2 GiB packed asks for.
  EXPECT_FALSE(compressor.Decompress(tmp / "big.nvx", tmp / "out.bin"));
  EXPECT_EQ(starts, (std::vector<std::pair<int32_t, int32_t>>{{0, std::numeric_limits<int32_t>::max()}}));
  EXPECT_EQ(positions, (std::vector<int32_t>{4096, 8192}));
  EXPECT_FALSE(std::filesystem::exists(tmp / "out.bin"));
}

// CRC-32 of 4 GiB of zeros, built by combining rather than by reading; every
// length handed to zlib stays below 2^31 (z_off_t is a 32-bit long on Windows).
uint32_t CrcOf4GiBOfZeros() {
  std::vector<uint8_t> mib(1 << 20, 0);
  uLong gib = crc32(0, mib.data(), static_cast<uInt>(mib.size()));
  for (z_off_t length = 1 << 20; length < (1 << 30); length *= 2) gib = crc32_combine(gib, gib, length);
  uLong crc = 0;
  for (int i = 0; i < 4; ++i) crc = crc32_combine(crc, gib, z_off_t{1} << 30);
  return static_cast<uint32_t>(crc);
}

TEST(LargeFiles, ChecksumOfAFileOver4GiBCoversEveryByte) {
  test::TempFolder tmp;
  const uint64_t zeros = uint64_t{1} << 32;
  const std::vector<uint8_t> tail = {'e', 'n', 'd'};
  const std::string path = tmp / "big.bin";
  WriteSparse(path, {}, zeros);
  {
    std::FILE* f = std::fopen(path.c_str(), "ab");
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(std::fwrite(tail.data(), 1, tail.size(), f), tail.size());
    std::fclose(f);
  }
  ASSERT_EQ(std::filesystem::file_size(path), zeros + tail.size());

  const uint32_t expected = static_cast<uint32_t>(crc32(CrcOf4GiBOfZeros(), tail.data(), 3));
  const TContentsChecksum sum = ChecksumOfFile(path);
  EXPECT_EQ(sum.Size, zeros + tail.size());
  EXPECT_EQ(sum.Crc32, expected);
}

}  // namespace
}  // namespace nuvex
