// The package index: the record layout, the list of records and the reader of
// "Setup.dat", including a robustness run over random and damaged indexes.
#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <cstring>
#include <exception>
#include <random>
#include <set>

#include "base/Error.h"
#include "package/FileConfiguration.h"
#include "package/PackageIndex.h"
#include "platform/Files.h"
#include "tests/support/IndexRecord.h"
#include "tests/support/TestSupport.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>

#include "tests/support/PosixFaults.h"
#endif

namespace nuvex {
namespace {

using test::TempFolder;
using Bytes = std::vector<uint8_t>;

TFileConfiguration Record(const std::string& source, uint8_t packed = 0, uint8_t kind = fkDestination,
                          const std::string& target = "", uint8_t action = faNone) {
  return test::IndexRecord(source, packed, kind, target.empty() ? "\\" + source : target, action);
}

using test::IndexBytes;

std::vector<TFileConfiguration> NumberedRecords(int n) {
  std::vector<TFileConfiguration> records;
  for (int i = 0; i < n; ++i) records.push_back(Record("file" + std::to_string(i) + ".bin"));
  return records;
}

std::vector<std::string> SourceNames(const TFileConfigurationList& list) {
  std::vector<std::string> names;
  for (int i = 0; i < list.Count(); ++i) names.push_back(FieldText(list.Items(i)->SourceName));
  return names;
}

// Reads bytes written as "Setup.dat" into a list that already holds an entry,
// so that every test also sees the list cleared first.
bool ReadIndex(const Bytes& bytes, TFileConfigurationList& list) {
  TempFolder tmp;
  test::WriteAll(tmp / kPackageIndexName, bytes);
  list.Add(Record("left-over"));
  return ReadPackageIndex(tmp.Path(), list);
}

TEST(PackageIndexRecord, ChecksumLiesInReservedBehindItsSignatureAndSeal) {
  TFileConfiguration r = Record("a.bin");
  std::memset(r.Reserved, 0x5A, sizeof r.Reserved);
  const TFileConfiguration before = r;
  EXPECT_FALSE(RecordChecksum(r));
  SetRecordChecksum(r, {0x12345678u, 0x0102030405ull});
  EXPECT_EQ(std::memcmp(&r, &before, offsetof(TFileConfiguration, Reserved)), 0);  // nothing else changes
  const auto* p = reinterpret_cast<const uint8_t*>(r.Reserved);
  EXPECT_EQ(Bytes(p, p + 20), (Bytes{'N', 'V', 'X', '-', 'C', 'R', 'C', 1, 0x78, 0x56, 0x34, 0x12, 5, 4, 3, 2, 1, 0,
                                      0, 0}));
  EXPECT_EQ(Bytes(p + 24, p + sizeof r.Reserved), Bytes(sizeof r.Reserved - 24, 0));
  ASSERT_TRUE(RecordChecksum(r));
  EXPECT_EQ(*RecordChecksum(r), (TContentsChecksum{0x12345678u, 0x0102030405ull}));
  // The signature alone is not enough: a changed byte breaks the seal.
  TFileConfiguration damaged = r;
  damaged.Reserved[9] ^= 0x01;
  EXPECT_FALSE(RecordChecksum(damaged));
  damaged = r;
  damaged.Reserved[22] ^= 0x01;
  EXPECT_FALSE(RecordChecksum(damaged));
  EXPECT_FALSE(RecordChecksum(Record("zeros")));
}

TEST(PackageIndexRecord, FieldsLieAtTheirFileOffsets) {
  TFileConfiguration r = Record("a.bin", 7, 3, "\\t.bin", 2);
  std::memset(r.Reserved, 'R', sizeof r.Reserved);
  const auto* p = reinterpret_cast<const uint8_t*>(&r);
  EXPECT_EQ(p[0], 'a');
  EXPECT_EQ(p[261], 7);
  EXPECT_EQ(p[262], 3);
  EXPECT_EQ(p[263], '\\');
  EXPECT_EQ(p[264], 't');
  EXPECT_EQ(p[524], 2);
  EXPECT_EQ(p[525], 'R');
  EXPECT_EQ(p[785], 'R');
}

TEST(PackageIndexRecord, TextFieldsReadUpToTheFirstZeroOrAllBytes) {
  TFileConfiguration r{};
  std::memset(r.SourceName, 'x', sizeof r.SourceName);
  EXPECT_EQ(FieldText(r.SourceName), std::string(261, 'x'));
  r.SourceName[3] = '\0';  // bytes after the terminator do not count
  EXPECT_EQ(FieldText(r.SourceName), "xxx");

  EXPECT_TRUE(SetFieldText(r.SourceName, std::string(261, 'y')));
  EXPECT_EQ(FieldText(r.SourceName), std::string(261, 'y'));
  EXPECT_TRUE(SetFieldText(r.SourceName, "ab"));  // the rest is zeroed
  EXPECT_EQ(FieldText(r.SourceName), "ab");
  EXPECT_EQ(r.SourceName[260], '\0');

  EXPECT_FALSE(SetFieldText(r.SourceName, std::string(262, 'z')));
  EXPECT_FALSE(SetFieldText(r.SourceName, std::string("a\0b", 3)));
  EXPECT_EQ(FieldText(r.SourceName), "ab");  // refused texts leave the field alone
}

TEST(PackageIndexList, KeepsTheFirstOfRepeatedNamesComparedByteForByte) {
  TFileConfigurationList list;
  EXPECT_TRUE(list.Add(Record("Player.exe", 1)));
  EXPECT_TRUE(list.Add(Record("player.exe", 2)));
  EXPECT_TRUE(list.Add(Record("Player.exe", 3)));  // dropped, still a success
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Items(0)->Packed, 1);
  EXPECT_EQ(FieldText(list.Items(1)->SourceName), "player.exe");
  EXPECT_TRUE(list.Exists("Player.exe"));
  EXPECT_TRUE(list.Exists("player.exe"));
  EXPECT_FALSE(list.Exists("PLAYER.EXE"));
  EXPECT_FALSE(list.Exists("Player.ex"));
  EXPECT_FALSE(list.Exists(""));
}

TEST(PackageIndexList, ItemsOutsideTheListAreNullAndEntriesAreCopies) {
  TFileConfigurationList list;
  EXPECT_EQ(list.Items(0), nullptr);
  TFileConfiguration r = Record("a");
  list.Add(r);
  const TFileConfiguration* first = list.Items(0);
  r.Packed = 9;  // the list holds its own copy
  for (int i = 0; i < 100; ++i) list.Add(Record("n" + std::to_string(i)));
  EXPECT_EQ(list.Items(0), first);  // entries do not move as the list grows
  EXPECT_EQ(first->Packed, 0);
  EXPECT_EQ(list.Items(-1), nullptr);
  EXPECT_EQ(list.Items(list.Count()), nullptr);
  EXPECT_EQ(list.Items(INT_MIN), nullptr);
  EXPECT_NE(list.Items(list.Count() - 1), nullptr);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Items(0), nullptr);
  EXPECT_FALSE(list.Exists("a"));
}

TEST(PackageIndexReader, MissingIndexGivesFalseAndAnEmptyList) {
  TempFolder tmp;
  TFileConfigurationList list;
  list.Add(Record("left-over"));
  EXPECT_FALSE(ReadPackageIndex(tmp.Path(), list));
  EXPECT_EQ(list.Count(), 0);
  // "Setup.dat" must be a file: a folder of that name is no index.
  ASSERT_TRUE(ForceDirectories(tmp / kPackageIndexName));
  EXPECT_FALSE(ReadPackageIndex(tmp.Path(), list));
}

TEST(PackageIndexReader, ReadsEveryFieldOfEveryRecordInOrder) {
  TFileConfiguration a = Record("a.pak", 1, fkTemp, "a.txt", faOpen);
  TFileConfiguration b = Record("sub\\b.ax", 0, 200, "E:\\x.dll", faRegister);
  std::memset(b.Reserved, 0x5A, sizeof b.Reserved);
  TFileConfigurationList list;
  ASSERT_TRUE(ReadIndex(IndexBytes(2, {a, b}), list));
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(std::memcmp(list.Items(0), &a, sizeof a), 0);
  EXPECT_EQ(std::memcmp(list.Items(1), &b, sizeof b), 0);
}

TEST(PackageIndexReader, TheLimitIs1999Records) {
  TFileConfigurationList list;
  EXPECT_TRUE(ReadIndex(IndexBytes(1999, NumberedRecords(1999)), list));
  EXPECT_EQ(list.Count(), 1999);
  EXPECT_EQ(FieldText(list.Items(1998)->SourceName), "file1998.bin");

  EXPECT_FALSE(ReadIndex(IndexBytes(2000, NumberedRecords(2000)), list));
  EXPECT_EQ(list.Count(), 0);
  EXPECT_FALSE(ReadIndex(IndexBytes(INT32_MAX, NumberedRecords(3)), list));
  EXPECT_EQ(list.Count(), 0);
}

TEST(PackageIndexReader, FileSizeMustCoverTheCount) {
  TFileConfigurationList list;
  Bytes exact = IndexBytes(3, NumberedRecords(3));
  EXPECT_TRUE(ReadIndex(exact, list));
  EXPECT_EQ(list.Count(), 3);

  Bytes shortByOne(exact.begin(), exact.end() - 1);
  EXPECT_FALSE(ReadIndex(shortByOne, list));
  EXPECT_EQ(list.Count(), 0);  // refused before any record is read

  // A count whose size would overflow 32-bit arithmetic.
  Bytes big = IndexBytes(1999, NumberedRecords(1));
  EXPECT_FALSE(ReadIndex(big, list));
  EXPECT_EQ(list.Count(), 0);

  Bytes trailing = exact;
  trailing.insert(trailing.end(), 1000, 0xEE);
  EXPECT_TRUE(ReadIndex(trailing, list));
  EXPECT_EQ(list.Count(), 3);
}

TEST(PackageIndexReader, TooShortForTheCountGivesFalse) {
  TFileConfigurationList list;
  for (size_t size : {0, 1, 5, 8}) {
    Bytes bytes = IndexBytes(0, {});
    bytes.resize(size);
    EXPECT_FALSE(ReadIndex(bytes, list)) << size;
    EXPECT_EQ(list.Count(), 0);
  }
}

TEST(PackageIndexReader, ZeroOrNegativeCountsReadNothingAndSucceed) {
  TFileConfigurationList list;
  for (int32_t count : {0, -1, -2000, INT32_MIN}) {
    EXPECT_TRUE(ReadIndex(IndexBytes(count, NumberedRecords(2)), list)) << count;
    EXPECT_EQ(list.Count(), 0) << count;
  }
}

TEST(PackageIndexReader, RepeatedSourceNamesAreDroppedButCaseVariantsKept) {
  TFileConfigurationList list;
  std::vector<TFileConfiguration> records = {Record("a.bin", 1), Record("A.bin", 0), Record("a.bin", 0),
                                             Record("b.bin"), Record("A.bin", 1)};
  ASSERT_TRUE(ReadIndex(IndexBytes(5, records), list));
  EXPECT_EQ(SourceNames(list), (std::vector<std::string>{"a.bin", "A.bin", "b.bin"}));
  EXPECT_EQ(list.Items(0)->Packed, 1);  // the first record wins
  EXPECT_EQ(list.Items(1)->Packed, 0);
}

TEST(PackageIndexReader, NameOfAll261BytesIsReadWhole) {
  TFileConfiguration r = Record("x");
  std::memset(r.SourceName, 'n', sizeof r.SourceName);
  std::memset(r.TargetName, 't', sizeof r.TargetName);
  TFileConfigurationList list;
  ASSERT_TRUE(ReadIndex(IndexBytes(1, {r}), list));
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(FieldText(list.Items(0)->SourceName), std::string(261, 'n'));
  EXPECT_EQ(FieldText(list.Items(0)->TargetName), std::string(261, 't'));
  EXPECT_TRUE(list.Exists(std::string(261, 'n')));
}

#ifndef _WIN32
// The error names the index's path; the test expects it for any failure to open.
void ExpectCannotOpen(const TempFolder& tmp) {
  TFileConfigurationList list;
  EXPECT_EQ(test::MessageOf<FileOpenError>([&] { ReadPackageIndex(tmp.Path(), list); }),
            "Cannot open file " + tmp / kPackageIndexName);
}

TEST(PackageIndexReader, IndexThatCannotBeOpenedRaisesCannotOpenFile) {
  // No descriptor left: opening fails for every user, root included.
  TempFolder tmp;
  test::WriteAll(tmp / kPackageIndexName, IndexBytes(0, {}));
  int lowest = dup(0);
  ASSERT_GE(lowest, 0);
  close(lowest);
  // The error is looked at only once descriptors are back: the sanitizers'
  // type checks need some of their own.
  std::exception_ptr raised;
  {
    test::ScopedLimit noDescriptors(RLIMIT_NOFILE, static_cast<rlim_t>(lowest));
    try {
      TFileConfigurationList list;
      ReadPackageIndex(tmp.Path(), list);
    } catch (...) {
      raised = std::current_exception();
    }
  }
  ASSERT_TRUE(raised) << "no error raised";
  try {
    std::rethrow_exception(raised);
  } catch (const FileOpenError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot open file " + tmp / kPackageIndexName);
  }
}

TEST(PackageIndexReader, IndexWithoutReadPermissionRaisesCannotOpenFile) {
  TempFolder tmp;
  const std::string path = tmp / kPackageIndexName;
  test::WriteAll(path, IndexBytes(0, {}));
  ASSERT_EQ(chmod(tmp.Path().c_str(), 0755), 0);  // the file is seen, only not read
  ASSERT_EQ(chmod(path.c_str(), 0), 0);
  {
    test::AsUnprivilegedUser user;
    ASSERT_NE(faccessat(AT_FDCWD, path.c_str(), R_OK, AT_EACCESS), 0) << "the file is still readable";
    ExpectCannotOpen(tmp);
  }
  chmod(path.c_str(), 0600);
}
#endif

// What the reader must make of any byte string, worked out on the bytes in
// memory: the result and the source names that end up in the list, each with
// the offset of the record that supplied it.
struct Expected {
  bool result = false;
  std::vector<size_t> recordOffsets;
};

Expected Expect(const Bytes& bytes) {
  Expected e;
  if (bytes.size() < 9) return e;
  int64_t count = static_cast<int32_t>(bytes[5] | bytes[6] << 8 | bytes[7] << 16 | uint32_t(bytes[8]) << 24);
  if (count >= 2000) return e;
  e.result = true;
  if (count <= 0) return e;
  if (static_cast<int64_t>(bytes.size()) - 9 < count * 786) {
    e.result = false;
    return e;
  }
  std::set<std::string> seen;
  for (int64_t i = 0; i < count; ++i) {
    size_t at = 9 + static_cast<size_t>(i) * 786;
    std::string name;
    for (size_t k = at; k < at + 261 && bytes[k] != 0; ++k) name += static_cast<char>(bytes[k]);
    if (seen.insert(name).second) e.recordOffsets.push_back(at);
  }
  return e;
}

TEST(PackageIndexReader, RandomAndDamagedIndexesGiveTheExpectedResult) {
  std::mt19937 rng(20240611);
  auto pick = [&](uint32_t below) { return static_cast<uint32_t>(rng() % below); };
  const std::vector<std::string> pool = {"a", "A", "b", "sub\\c.dll", "player.exe", "PLAYER.EXE", ""};
  const std::vector<int32_t> specialCounts = {-1, 0, 1, 2, 3, 1999, 2000, INT32_MIN, INT32_MAX, -786};

  TempFolder tmp;
  int successes = 0, withRecords = 0;
  for (int round = 0; round < 400; ++round) {
    Bytes bytes;
    if (pick(8) == 0) {  // pure noise
      bytes.resize(pick(40));
      for (auto& b : bytes) b = static_cast<uint8_t>(rng());
    } else {
      std::vector<TFileConfiguration> records;
      int n = static_cast<int>(pick(7));
      for (int i = 0; i < n; ++i) {
        TFileConfiguration r = Record(pool[pick(static_cast<uint32_t>(pool.size()))], uint8_t(rng()),
                                      uint8_t(rng()), "t", uint8_t(rng()));
        if (pick(10) == 0) std::memset(r.SourceName, 'L', sizeof r.SourceName);
        records.push_back(r);
      }
      bytes = IndexBytes(n, records);
      switch (pick(5)) {
        case 0:  // intact
          break;
        case 1:  // cut short
          bytes.resize(pick(static_cast<uint32_t>(bytes.size()) + 1));
          break;
        case 2:  // trailing garbage
          for (uint32_t k = pick(1600); k > 0; --k) bytes.push_back(static_cast<uint8_t>(rng()));
          break;
        case 3:  // another count
          test::PutIndexCount(bytes, pick(2) ? specialCounts[pick(static_cast<uint32_t>(specialCounts.size()))]
                                  : static_cast<int32_t>(rng()));
          break;
        case 4:  // bytes flipped anywhere, the count included
          for (int k = 0; k < 4; ++k) bytes[pick(static_cast<uint32_t>(bytes.size()))] ^= uint8_t(1 + pick(255));
          break;
      }
    }

    test::WriteAll(tmp / kPackageIndexName, bytes);
    TFileConfigurationList list;
    bool result = ReadPackageIndex(tmp.Path(), list);
    Expected want = Expect(bytes);
    ASSERT_EQ(result, want.result) << "round " << round;
    ASSERT_EQ(static_cast<size_t>(list.Count()), want.recordOffsets.size()) << "round " << round;
    for (int i = 0; i < list.Count(); ++i)
      ASSERT_EQ(std::memcmp(list.Items(i), bytes.data() + want.recordOffsets[size_t(i)], 786), 0)
          << "round " << round << " entry " << i;
    successes += result;
    withRecords += list.Count() > 0;
  }
  // The mix must exercise both outcomes, or it proves little.
  EXPECT_GT(successes, 80);
  EXPECT_LT(successes, 320);
  EXPECT_GT(withRecords, 40);
}

}  // namespace
}  // namespace nuvex
