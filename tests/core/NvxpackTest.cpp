// The package builder: manifest parsing and its errors, building a package
// that the installer's reader takes back, and verification of damaged packages.
#include <gtest/gtest.h>

#include <zlib.h>

#include <cstdio>
#include <random>
#include <sstream>

#include "package/PackageIndex.h"
#include "platform/Files.h"
#include "tests/support/TestSupport.h"
#include "tools/nvxpack/IndexFile.h"
#include "tools/nvxpack/Manifest.h"
#include "tools/nvxpack/Package.h"
#include "tools/nvxpack/Packer.h"

namespace nvxpack {
namespace {

using nuvex::test::TempFolder;
using Bytes = std::vector<uint8_t>;

std::vector<ManifestRecord> Parse(const std::string& text, Diagnostics& d) { return ParseManifest(text, "m.nvm", d); }

std::string Joined(const std::vector<std::string>& lines) {
  std::string all;
  for (const auto& l : lines) all += l + "\n";
  return all;
}

Bytes Inflate(const Bytes& packed) {
  Bytes out(1 << 20);
  uLongf size = static_cast<uLongf>(out.size());
  EXPECT_EQ(uncompress(out.data(), &size, packed.data(), static_cast<uLong>(packed.size())), Z_OK);
  out.resize(size);
  return out;
}

std::string Crc32Text(const std::string& text) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "%08X",
                static_cast<unsigned>(crc32(0, reinterpret_cast<const Bytef*>(text.data()), static_cast<uInt>(text.size()))));
  return hex;
}

TEST(NvxpackManifest, ReadsFieldsQuotesKeywordsAndComments) {
  Diagnostics d;
  auto records = Parse(
      "# a comment\n"
      "\n"
      "   \t\n"
      "NuvexPlayer.exe packed destination \\NuvexPlayer.exe\n"
      "bin/Filter.ax  PACKED  System  \"\\Nuvex Player\\Filter.ax\"  register  # trailing comment\n"
      "\"read me.txt\"\tplain\ttemp\tReadMe.txt\topen\r\n"
      "x.dll plain absolute E:\\x.dll 7\n"
      "y.dll plain 9 y.dll none\n",
      d);
  EXPECT_EQ(Joined(d.errors), "");
  EXPECT_EQ(Joined(d.warnings), "m.nvm:7: action 7 does nothing\n");
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[0].line, 4);
  EXPECT_EQ(records[0].source, "NuvexPlayer.exe");
  EXPECT_TRUE(records[0].packed);
  EXPECT_EQ(records[0].folderKind, nuvex::fkDestination);
  EXPECT_EQ(records[0].target, "\\NuvexPlayer.exe");
  EXPECT_EQ(records[0].action, nuvex::faNone);
  EXPECT_EQ(records[1].source, "bin\\Filter.ax");  // stored the Windows way
  EXPECT_EQ(records[1].folderKind, nuvex::fkSystem);
  EXPECT_EQ(records[1].target, "\\Nuvex Player\\Filter.ax");
  EXPECT_EQ(records[1].action, nuvex::faRegister);
  EXPECT_EQ(records[2].source, "read me.txt");
  EXPECT_FALSE(records[2].packed);
  EXPECT_EQ(records[2].folderKind, nuvex::fkTemp);
  EXPECT_EQ(records[2].action, nuvex::faOpen);
  EXPECT_EQ(records[3].folderKind, kAbsoluteFolderKind);
  EXPECT_EQ(records[3].action, 7);
  EXPECT_EQ(records[4].folderKind, 9);

  records = Parse("\xEF\xBB\xBF" "a.txt plain temp a.txt\n", d);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].source, "a.txt");
}

TEST(NvxpackManifest, MalformedLinesAreAllReportedWithTheirLineNumbers) {
  Diagnostics d;
  auto records = Parse(
      "good.txt plain destination \\good.txt\n"
      "a.txt plain destination\n"
      "\"a.txt plain destination \\a.txt\n"
      "a.txt zipped destination \\a.txt\n"
      "a.txt plain desktop \\a.txt\n"
      "a.txt plain 256 \\a.txt\n"
      "a.txt plain temp a.txt launch\n"
      "..\\a.txt plain temp a.txt\n"
      "C:\\a.txt plain temp a.txt\n"
      "/a.txt plain temp a.txt\n"
      "a?.txt plain temp a.txt\n"
      "setup.DAT plain temp a.txt\n"
      "a.txt plain temp \"\"\n"
      "a.txt plain temp a.txt none extra\n",
      d);
  EXPECT_EQ(Joined(d.errors),
            "m.nvm:2: expected 4 or 5 fields (source, packed|plain, folder kind, target, [action]), found 3\n"
            "m.nvm:3: missing closing quote\n"
            "m.nvm:4: storage must be 'packed' or 'plain', not 'zipped'\n"
            "m.nvm:5: unknown folder kind 'desktop' (destination, windows, system, system32, temp, absolute or a "
            "number 0-255)\n"
            "m.nvm:6: unknown folder kind '256' (destination, windows, system, system32, temp, absolute or a number "
            "0-255)\n"
            "m.nvm:7: unknown action 'launch' (none, register, open, uninstaller or a number 0-255)\n"
            "m.nvm:8: source name must not contain '.' or '..' parts\n"
            "m.nvm:9: source name must be relative to the manifest's folder\n"
            "m.nvm:10: source name must be relative to the manifest's folder\n"
            "m.nvm:11: source name holds a character '?'\n"
            "m.nvm:12: a source named 'Setup.dat' would overwrite the package index\n"
            "m.nvm:13: empty target name\n"
            "m.nvm:14: expected 4 or 5 fields (source, packed|plain, folder kind, target, [action]), found 6\n");
  EXPECT_EQ(records.size(), 1u);
}

TEST(NvxpackManifest, NamesUpTo260BytesFit) {
  Diagnostics d;
  Parse(std::string(260, 's') + " plain absolute " + std::string(260, 't') + "\n", d);
  EXPECT_TRUE(d.Ok()) << Joined(d.errors);
  Parse(std::string(261, 's') + " plain absolute t\n" + "s plain absolute " + std::string(261, 't') + "\n", d);
  EXPECT_EQ(Joined(d.errors),
            "m.nvm:1: source name is 261 bytes long; at most 260 fit\n"
            "m.nvm:2: target name is 261 bytes long; at most 260 fit\n");
}

TEST(NvxpackManifest, RepeatedNamesWarnAndCaseVariantsAreRefused) {
  Diagnostics d;
  auto records = Parse(
      "a.txt plain destination \\a.txt\n"
      "b.txt plain destination b.txt\n"
      "a.txt packed temp a.txt\n"
      "A.TXT plain temp a.txt\n",
      d);
  EXPECT_EQ(Joined(d.warnings),
            "m.nvm:2: target 'b.txt' does not begin with '\\'; it is joined to the destination folder without a "
            "separator\n"
            "m.nvm:3: source 'a.txt' repeats line 1; the installer keeps the first\n");
  EXPECT_EQ(Joined(d.errors), "m.nvm:4: source 'A.TXT' and 'a.txt' (line 1) name the same file on Windows\n");
  EXPECT_EQ(records.size(), 3u);  // the repeat stays in the index, as written
}

TEST(NvxpackManifest, MoreThan1999RecordsAreRefusedAtTheFirstExtraLine) {
  std::string text;
  for (int i = 0; i < 2001; ++i) text += "f" + std::to_string(i) + " plain temp x\n";
  Diagnostics d;
  auto records = Parse(text, d);
  EXPECT_EQ(Joined(d.errors), "m.nvm:2000: more than 1999 records; the installer refuses such an index\n");
  EXPECT_EQ(records.size(), 1999u);
}

TEST(NvxpackPacker, InstallerAcceptanceFollowsItsReadCount) {
  EXPECT_TRUE(InstallerAcceptsSizes(0, 8));         // an empty file
  EXPECT_TRUE(InstallerAcceptsSizes(10000, 3000));  // compressed
  EXPECT_FALSE(InstallerAcceptsSizes(3000, 10000));
  EXPECT_TRUE(InstallerAcceptsSizes(4096, 8191));   // one block out, one block in
  EXPECT_FALSE(InstallerAcceptsSizes(4096, 8192));
  EXPECT_TRUE(InstallerAcceptsSizes(4097, 8192));   // the partial block counts
}

TEST(NvxpackPacker, PacksAZlibStreamThatCheckReadsToTheEnd) {
  TempFolder tmp;
  std::string text;
  for (int i = 0; i < 30000; ++i) text += std::to_string(i * 7919 % 1000) + " ";
  nuvex::test::WriteAll(tmp / "in", text);
  PackedSizes sizes = PackFile(tmp / "in", tmp / "out");
  EXPECT_EQ(sizes.unpacked, text.size());
  Bytes packed = nuvex::test::ReadAll(tmp / "out");
  EXPECT_EQ(sizes.packed, packed.size());
  EXPECT_LT(packed.size(), text.size() / 2);
  EXPECT_EQ(packed[0], 0x78);  // zlib header, best compression
  EXPECT_EQ(packed[1], 0xDA);
  EXPECT_EQ(Inflate(packed), Bytes(text.begin(), text.end()));

  PackedCheck check = CheckPackedFile(tmp / "out");
  EXPECT_TRUE(check.ok) << check.problem;
  EXPECT_EQ(check.sizes.unpacked, text.size());
  EXPECT_EQ(check.sizes.packed, packed.size());

  nuvex::test::WriteAll(tmp / "empty", "");
  EXPECT_EQ(PackFile(tmp / "empty", tmp / "empty.z").packed, 8u);
  EXPECT_TRUE(CheckPackedFile(tmp / "empty.z").ok);
}

TEST(NvxpackPacker, CheckFindsDamage) {
  TempFolder tmp;
  Bytes data(100000);
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * i >> 3);
  nuvex::test::WriteAll(tmp / "in", data);
  PackFile(tmp / "in", tmp / "good");
  const Bytes good = nuvex::test::ReadAll(tmp / "good");
  ASSERT_GT(good.size(), 100u);

  auto problem = [&](Bytes bytes) {
    nuvex::test::WriteAll(tmp / "bad", bytes);
    PackedCheck check = CheckPackedFile(tmp / "bad");
    EXPECT_FALSE(check.ok);
    return check.problem;
  };
  EXPECT_EQ(problem(Bytes(good.begin(), good.end() - 1)), "the zlib stream ends early (the file is cut short)");
  EXPECT_EQ(problem(Bytes(good.begin(), good.begin() + good.size() / 2)),
            "the zlib stream ends early (the file is cut short)");
  Bytes sum(good.begin(), good.end() - 1);  // the last byte of the Adler-32 sum changed
  sum.push_back(static_cast<uint8_t>(good.back() ^ 1));
  EXPECT_EQ(problem(sum), "corrupt zlib data: incorrect data check");
  Bytes header = good;
  header[0] = 0x1F;
  EXPECT_EQ(problem(header), "corrupt zlib data: incorrect header check");
  Bytes extra = good;
  extra.push_back(0);
  EXPECT_EQ(problem(extra), "1 bytes follow the end of the zlib stream");
  EXPECT_EQ(problem({}), "the zlib stream ends early (the file is cut short)");

  // A valid stream of 1600 empty stored blocks: 8006 bytes that unpack to
  // nothing, which the installer reports as a failed extraction.
  Bytes padded = {0x78, 0x01};
  for (int i = 0; i < 1600; ++i) padded.insert(padded.end(), {0x00, 0x00, 0x00, 0xFF, 0xFF});
  padded.insert(padded.end(), {0x01, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x01});
  EXPECT_EQ(Inflate(padded), Bytes{});
  EXPECT_EQ(problem(padded), "packs 0 bytes into 8011; the installer reports failure when the packed file is this "
                             "much larger");
  EXPECT_EQ(CheckPackedFile(tmp / "missing").problem, "missing");
}

// A manifest folder with its payload, and an output folder beside it.
struct Workspace {
  TempFolder tmp;
  std::string manifest = tmp / "src/demo.nvm";
  std::string out = tmp / "out";
  Workspace() { nuvex::ForceDirectories(tmp / "src/docs"); }
  void File(const std::string& name, const std::string& text) { nuvex::test::WriteAll(tmp / ("src/" + name), text); }
  // A packed a.bin of 20000 bytes and a plain b.txt, both to the destination,
  // then `moreLines` of the manifest.
  void TwoFiles(const std::string& b, const std::string& moreLines = "") {
    File("a.bin", std::string(20000, 'a'));
    File("b.txt", b);
    File("demo.nvm", "a.bin packed destination \\a.bin\nb.txt plain destination \\b.txt\n" + moreLines);
  }
  bool Build(Diagnostics& d) {
    std::ostringstream log;
    return BuildPackage(manifest, out, d, log);
  }
};

TEST(NvxpackBuild, PackageRoundTripsThroughTheInstallersReader) {
  Workspace w;
  std::string player(50000, 'p');
  w.File("Player.exe", player);
  w.File("docs/Help.chm", "<html>help</html>");
  w.File("demo.nvm",
         "Player.exe     packed destination \\Player.exe\n"
         "docs/Help.chm  plain  destination \\Help.chm\n"
         "Player.exe     plain  temp        copy.exe   open\n");
  Diagnostics d;
  ASSERT_TRUE(w.Build(d)) << Joined(d.errors);
  EXPECT_EQ(Joined(d.warnings), w.manifest + ":3: source 'Player.exe' repeats line 1; the installer keeps the first\n");

  Bytes index = nuvex::test::ReadAll(w.out + "/Setup.dat");
  ASSERT_EQ(index.size(), 9u + 3 * 786);
  EXPECT_EQ(Bytes(index.begin(), index.begin() + 9), (Bytes{'N', 'V', 'X', 1, 0, 3, 0, 0, 0}));

  nuvex::TFileConfigurationList list;
  ASSERT_TRUE(nuvex::ReadPackageIndex(WithSeparator(w.out), list));
  ASSERT_EQ(list.Count(), 2);
  const auto* first = list.Items(0);
  EXPECT_EQ(nuvex::FieldText(first->SourceName), "Player.exe");
  EXPECT_EQ(first->Packed, 1);
  EXPECT_EQ(first->FolderKind, nuvex::fkDestination);
  EXPECT_EQ(nuvex::FieldText(first->TargetName), "\\Player.exe");
  EXPECT_EQ(first->Action, nuvex::faNone);
  EXPECT_EQ(nuvex::FieldText(list.Items(1)->SourceName), "docs\\Help.chm");
  EXPECT_EQ(list.Items(1)->Packed, 0);

  // The package's files: the first record decides how a name is stored.
  EXPECT_EQ(Inflate(nuvex::test::ReadAll(w.out + "/Player.exe")), Bytes(player.begin(), player.end()));
  EXPECT_EQ(nuvex::test::ReadAll(w.out + "/docs/Help.chm"), nuvex::test::ReadAll(w.tmp / "src/docs/Help.chm"));

  std::ostringstream listing;
  Diagnostics ld;
  ASSERT_TRUE(ListPackage(w.out, listing, ld));
  EXPECT_NE(listing.str().find("NVX 1.0, 3 records"), std::string::npos);
  EXPECT_NE(listing.str().find("(repeats #1; the installer skips it)"), std::string::npos);

  std::ostringstream report;
  Diagnostics vd;
  EXPECT_TRUE(VerifyPackage(w.out, report, vd)) << Joined(vd.errors);
  EXPECT_NE(report.str().find("2 files checked, 0 problems"), std::string::npos) << report.str();
}

TEST(NvxpackBuild, VerifyCatchesTruncatedAndMissingFiles) {
  Workspace w;
  w.TwoFiles("b");
  Diagnostics d;
  ASSERT_TRUE(w.Build(d)) << Joined(d.errors);

  Bytes packed = nuvex::test::ReadAll(w.out + "/a.bin");
  packed.resize(packed.size() - 4);  // the Adler-32 sum cut off
  nuvex::test::WriteAll(w.out + "/a.bin", packed);
  nuvex::DeleteFileAt(w.out + "/b.txt");
  std::ostringstream report;
  Diagnostics vd;
  EXPECT_FALSE(VerifyPackage(w.out, report, vd));
  EXPECT_EQ(Joined(vd.errors),
            "#1 a.bin: the zlib stream ends early (the file is cut short)\n"
            "#2 b.txt: missing\n");
  EXPECT_NE(report.str().find("2 files checked, 2 problems"), std::string::npos);

  // An index the installer would refuse.
  Bytes index = nuvex::test::ReadAll(w.out + "/Setup.dat");
  index.pop_back();
  nuvex::test::WriteAll(w.out + "/Setup.dat", index);
  Diagnostics cut;
  EXPECT_FALSE(VerifyPackage(w.out, report, cut));
  EXPECT_EQ(Joined(cut.errors), "the index counts 2 records and needs 1581 bytes, but has 1580\n");
}

TEST(NvxpackBuild, EveryRecordCarriesItsChecksumAndVerifyChecksIt) {
  Workspace w;
  w.TwoFiles("bravo", "b.txt plain temp b.txt\n");
  Diagnostics d;
  ASSERT_TRUE(w.Build(d)) << Joined(d.errors);
  std::string problem;
  auto index = ReadIndexFile(w.out + "/Setup.dat", problem);
  ASSERT_TRUE(index) << problem;
  ASSERT_EQ(index->records.size(), 3u);
  EXPECT_EQ(nuvex::RecordChecksum(index->records[0]), nuvex::ChecksumOfFile(w.tmp / "src/a.bin"));
  EXPECT_EQ(nuvex::RecordChecksum(index->records[1]), nuvex::ChecksumOfFile(w.tmp / "src/b.txt"));
  EXPECT_EQ(nuvex::RecordChecksum(index->records[2]), nuvex::ChecksumOfFile(w.tmp / "src/b.txt"));
  std::ostringstream report;
  Diagnostics vd;
  EXPECT_TRUE(VerifyPackage(w.out, report, vd)) << Joined(vd.errors);
  EXPECT_NE(report.str().find("ok  a.bin (packed, "), std::string::npos) << report.str();
  EXPECT_NE(report.str().find(" bytes, checksum)"), std::string::npos) << report.str();
  EXPECT_NE(report.str().find("ok  b.txt (plain, checksum)"), std::string::npos) << report.str();

  // A damaged plain file, and a packed file whose stream is valid but holds other contents.
  nuvex::test::WriteAll(w.out + "/b.txt", "brave");
  PackFile(w.tmp / "src/b.txt", w.out + "/a.bin");
  Diagnostics bad;
  EXPECT_FALSE(VerifyPackage(w.out, report, bad));
  EXPECT_EQ(Joined(bad.errors),
            "#1 a.bin: the contents (5 bytes, CRC-32 " + Crc32Text("bravo") +
                ") differ from the index's checksum (20000 bytes, CRC-32 " + Crc32Text(std::string(20000, 'a')) +
                "); the installer would fail on this file\n"
                "#2 b.txt: the contents (5 bytes, CRC-32 " + Crc32Text("brave") +
                ") differ from the index's checksum (5 bytes, CRC-32 " + Crc32Text("bravo") +
                "); the installer would fail on this file\n");
}

TEST(NvxpackBuild, BadInputWritesNothing) {
  Workspace w;
  w.File("a.txt", "a");
  w.File("demo.nvm", "a.txt plain destination \\a.txt\nmissing.txt packed destination \\m.txt\n");
  Diagnostics d;
  EXPECT_FALSE(w.Build(d));
  EXPECT_EQ(Joined(d.errors), w.manifest + ":2: source 'missing.txt' not found (" + (w.tmp / "src/missing.txt") + ")\n");
  EXPECT_FALSE(nuvex::DirectoryExists(w.out));

  w.File("demo.nvm", "# nothing\n");
  Diagnostics empty;
  EXPECT_FALSE(w.Build(empty));
  EXPECT_EQ(Joined(empty.errors), w.manifest + ": lists no files; the installer fails on an empty package\n");

  // Building into the manifest's own folder would overwrite the sources.
  w.File("demo.nvm", "a.txt packed destination \\a.txt\n");
  Diagnostics same;
  std::ostringstream log;
  EXPECT_FALSE(BuildPackage(w.manifest, w.tmp / "src", same, log));
  ASSERT_EQ(same.errors.size(), 1u);
  EXPECT_NE(same.errors[0].find("the output folder is the manifest's folder"), std::string::npos);
  EXPECT_EQ(nuvex::test::ReadAll(w.tmp / "src/a.txt"), Bytes{'a'});

  Diagnostics none;
  EXPECT_FALSE(BuildPackage(w.tmp / "src/absent.nvm", w.out, none, log));
  EXPECT_EQ(Joined(none.errors), (w.tmp / "src/absent.nvm") + ": manifest not found\n");
}

TEST(NvxpackBuild, PackedFileThatTheInstallerWouldRejectIsRefused) {
  // Stored deflate blocks add some 5 bytes per 16 KiB, so random data of
  // 14 MB packs into a whole 4096-byte block more than it unpacks to, which
  // the installer's extraction counts as a failure.
  Workspace w;
  std::string noise(14000000, '\0');
  std::mt19937 rng(7);
  for (char& c : noise) c = static_cast<char>(rng());
  w.File("noise.bin", noise);
  w.File("small.bin", noise.substr(0, 300000));
  w.File("demo.nvm", "small.bin packed destination \\small.bin\nnoise.bin packed destination \\noise.bin\n");
  nuvex::ForceDirectories(w.out);
  nuvex::test::WriteAll(w.out + "/Setup.dat", "an index from an earlier build");
  Diagnostics d;
  EXPECT_FALSE(w.Build(d));
  EXPECT_EQ(Joined(d.errors), w.manifest + ":2: packing 'noise.bin' turns 14000000 bytes into 14004281, which the "
                                           "installer takes for a failed extraction; store it plain\n");
  EXPECT_FALSE(nuvex::FileExists(w.out + "/Setup.dat"));
  EXPECT_FALSE(nuvex::FileExists(w.out + "/noise.bin"));

  // Smaller random data grows less and passes.
  PackedCheck small = CheckPackedFile(w.out + "/small.bin");
  EXPECT_TRUE(small.ok) << small.problem;
  EXPECT_GT(small.sizes.packed, small.sizes.unpacked);

  w.File("demo.nvm", "noise.bin plain destination \\noise.bin\n");
  Diagnostics plain;
  EXPECT_TRUE(w.Build(plain)) << Joined(plain.errors);
}

// The uninstaller's record brings its list of installed files: every placed
// target once, the list's own included, in a record right after it.
TEST(NvxpackBuild, TheUninstallerGetsItsListBesideIt) {
  Workspace w;
  w.File("Player.exe", "player");
  w.File("docs/Uninstall.exe", "uninstall");
  w.File("filter.ax", "filter");
  w.File("demo.nvm",
         "Player.exe         plain  destination \\Player.exe\n"
         "docs/Uninstall.exe packed destination \\Uninstall.exe uninstaller\n"
         "filter.ax          plain  system      \\filter.ax     register\n"
         "Player.exe         plain  temp        p.exe\n");
  Diagnostics d;
  ASSERT_TRUE(w.Build(d)) << Joined(d.errors);
  nuvex::TFileConfigurationList index;
  ASSERT_TRUE(nuvex::ReadPackageIndex(WithSeparator(w.out), index));
  ASSERT_EQ(index.Count(), 4);
  EXPECT_EQ(index.Items(1)->Action, nuvex::faNone);
  const auto* list = index.Items(2);
  EXPECT_EQ(nuvex::FieldText(list->SourceName), "docs\\Uninstall.lst");
  EXPECT_EQ(nuvex::FieldText(list->TargetName), "\\Uninstall.lst");
  EXPECT_EQ(list->Packed, 0);
  EXPECT_EQ(list->FolderKind, nuvex::fkDestination);
  const Bytes text = nuvex::test::ReadAll(w.out + "/docs/Uninstall.lst");
  EXPECT_EQ(std::string(text.begin(), text.end()),
            "NVX-UNINSTALL 1\r\nself\t\\Uninstall.exe\r\n0\t\\Player.exe\r\n0\t\\Uninstall.exe\r\n"
            "0\t\\Uninstall.lst\r\n2\t\\filter.ax\r\n");
  std::ostringstream report;
  Diagnostics vd;
  EXPECT_TRUE(VerifyPackage(w.out, report, vd)) << Joined(vd.errors);

  for (const char* manifest : {"Player.exe plain destination \\Player.exe uninstaller\n"
                               "filter.ax  plain destination \\filter.ax uninstaller\n",
                               "filter.ax  plain system \\filter.ax uninstaller\n",
                               "Player.exe plain destination \\Player.exe uninstaller\n"
                               "filter.ax  plain destination \\Player.lst\n"}) {
    w.File("demo.nvm", manifest);
    Diagnostics bad;
    EXPECT_FALSE(w.Build(bad)) << manifest;
    EXPECT_EQ(bad.errors.size(), 1u) << Joined(bad.errors);
  }
}

}  // namespace
}  // namespace nvxpack
