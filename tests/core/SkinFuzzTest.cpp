// Bad input for the skin reader: random and mutated skin files and pictures
// (fixed seeds) must give defaults, false results and trace lines, never a
// crash, a hang or a result that contradicts the record.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "base/Error.h"
#include "platform/Files.h"
#include "skin/RegionedButton.h"
#include "skin/RegionedForm.h"
#include "skin/SkinFolderScan.h"
#include "skin/SkinIniFile.h"
#include "skin/SkinLabel.h"
#include "skin/SkinManager.h"
#include "tests/support/Services.h"
#include "tests/support/TestSupport.h"
#include "trace/TraceCapture.h"

namespace nuvex {
namespace {

const char* const kExceptionLine = "[TSkinIniFile.LoadButton] Exception raised: ";

std::string AsText(const std::vector<uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

class SkinFuzz : public ::testing::Test {
 protected:
  SkinFuzz() : random_(20240611) {
    ForceDirectories(tmp_ / "Skins/Moss");
    ForceDirectories(tmp_ / "Skins/Fuzz");
    for (const char* name : {"play.bmp", "pause.bmp", "stop.bmp", "window.bmp", "volume.bmp"})
      test::WriteAll(tmp_ / (std::string("Skins/Moss/") + name),
                     test::ReadAll(test::SourcePath(std::string("tests/data/skins/Skins/Moss/") + name)));
    moss_ = AsText(test::ReadAll(test::SourcePath("tests/data/skins/Skins/Moss/Skin.nvs")));
  }

  size_t Below(size_t n) { return n == 0 ? 0 : static_cast<size_t>(random_() % n); }

  std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t from = 0;
    while (from <= text.size()) {
      const size_t end = text.find('\n', from);
      lines.push_back(text.substr(from, end == std::string::npos ? std::string::npos : end - from));
      if (end == std::string::npos) break;
      from = end + 1;
    }
    return lines;
  }

  std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
  }

  // One broken skin file; the kind of damage cycles with round.
  std::string Mutated(int round) {
    static const char* const kHuge[] = {"99999999999999999999", "-99999999999999999999", "4294967296", "0x",
                                        "$",  "0xFFFFFFFFF", "-", "+", "$FFFFFFFF", "2147483648", "1e9", "0x7FFFFFFF"};
    std::string text = moss_;
    switch (round % 6) {
      case 0: {  // random bytes
        text.resize(Below(3000));
        for (char& c : text) c = static_cast<char>(random_());
        break;
      }
      case 1:  // scattered byte changes
        for (size_t n = 1 + Below(40); n > 0; --n) text[Below(text.size())] = static_cast<char>(random_());
        break;
      case 2: {  // lines lost, doubled, swapped; "=" and "]" removed
        std::vector<std::string> lines = Lines(text);
        for (size_t n = 1 + Below(12); n > 0; --n) {
          const size_t at = Below(lines.size());
          switch (Below(5)) {
            case 0: lines.erase(lines.begin() + static_cast<long>(at)); break;
            case 1: lines.insert(lines.begin() + static_cast<long>(at), lines[at]); break;
            case 2: std::swap(lines[at], lines[Below(lines.size())]); break;
            case 3: {
              const size_t eq = lines[at].find('=');
              if (eq != std::string::npos) lines[at].erase(eq, 1);
              break;
            }
            default: {
              const size_t bracket = lines[at].find(']');
              if (bracket != std::string::npos) lines[at].erase(bracket, 1);
            }
          }
          if (lines.empty()) break;
        }
        text = Join(lines);
        break;
      }
      case 3: {  // huge, empty and odd values
        std::vector<std::string> lines = Lines(text);
        for (std::string& line : lines) {
          const size_t eq = line.find('=');
          if (eq == std::string::npos || Below(3) != 0) continue;
          const size_t pick = Below(14);
          line.erase(eq + 1);
          if (pick < 12) line += kHuge[pick];
          else if (pick == 12) line += std::string(10000 + Below(5000), '7');
          else line += "\"" + std::string(2047, ' ') + "\"";
        }
        text = Join(lines);
        break;
      }
      case 4:  // cut anywhere
        text.resize(Below(text.size() + 1));
        break;
      default: {  // garbage and zero bytes inserted
        for (size_t n = 1 + Below(6); n > 0; --n) {
          std::string chunk(Below(64), '\0');
          for (char& c : chunk) c = Below(4) == 0 ? '\0' : static_cast<char>(random_());
          text.insert(Below(text.size() + 1), chunk);
        }
      }
    }
    return text;
  }

  // Loads one definition and checks that the outcome agrees with the record;
  // counts the records that are complete.
  void CheckLoad(const TSkinIniFile& skin, const std::string& control, const std::string& context, int& completed) {
    TraceCapture trace;
    const TLoadedButton loaded = skin.LoadButton(control);
    const bool complete = loaded.Complete;
    const TButtonProperty& p = loaded.Property;
    completed += SkinDefinitionComplete(p) ? 1 : 0;
    ASSERT_LE(trace.Lines().size(), 1u) << context;
    if (!trace.Lines().empty()) {
      EXPECT_FALSE(complete) << context;
      EXPECT_EQ(trace.Lines()[0].Text().rfind(kExceptionLine, 0), 0u) << context << trace.Lines()[0].Text();
      return;
    }
    if (control.empty()) {
      EXPECT_FALSE(complete);
      return;
    }
    EXPECT_EQ(complete, SkinDefinitionComplete(p)) << context;
    EXPECT_EQ(p.Name, control) << context;
    EXPECT_LE(static_cast<int>(p.ControlType), 7) << context;
    EXPECT_LE(static_cast<int>(p.SplitMode), 2) << context;
    EXPECT_LE(static_cast<int>(p.InteriorArea), 5) << context;
    EXPECT_LE(p.Alignment, 2) << context;
    EXPECT_LE(p.Layout, 2) << context;
    if (p.ControlType == RegionedForm) {
      EXPECT_TRUE(p.Visible) << context;
    }
    if (!p.Visible) {
      EXPECT_TRUE(p.Bitmap->Empty()) << context;
    }
    EXPECT_LE(p.Bitmap->Width(), kMaxBitmapSide) << context;
    EXPECT_LE(p.Bitmap->Height(), kMaxBitmapSide) << context;
  }

  test::TempFolder tmp_;
  std::mt19937 random_;
  std::string moss_;
};

TEST_F(SkinFuzz, BrokenSkinFiles) {
  const std::string path = tmp_ / "Skins/Fuzz/Skin.nvs";
  const char* const controls[] = {"PlayerControl", "PlayerControl.rbPlay", "PlayerControl.rbPause",
                                  "PlayerControl.rbStop", "PlayerControl.slSoundVolume", "PlayerControl.rbLoadSkin",
                                  "PlayerControl.slTime", "SkinInfo", ""};
  int valid = 0, completed = 0;
  for (int round = 0; round < 300; ++round) {
    const std::string text = Mutated(round);
    test::WriteAll(path, text);
    TSkinIniFile skin(path, tmp_.Path());
    const std::string context = "round " + std::to_string(round);
    EXPECT_EQ(skin.Invalid(), skin.Info().Name.empty() || skin.Info().Version != 200) << context;
    valid += skin.Invalid() ? 0 : 1;
    for (const char* control : controls) {
      CheckLoad(skin, control, context + " " + control, completed);
    }
    // The scan takes the broken file in its stride.
    TSkinNameList list;
    ScanSkinsFolder(list, tmp_.Path());
    EXPECT_EQ(list.Count(), skin.Invalid() ? 0 : 1) << context;
  }
  // The mutations leave many files readable: the checks above saw real definitions.
  EXPECT_GT(valid, 50);
  EXPECT_GT(completed, 200);
}

TEST_F(SkinFuzz, BrokenPictures) {
  const std::string skinPath = tmp_ / "Skins/Fuzz/Skin.nvs";
  test::WriteAll(skinPath,
                 "[SkinInfo]\nName=Fuzz\nNuvexFilmPlayerVersion=200\n[C]\nControlType=RegionedButton\n"
                 "ButtonCount=4\nWidth=30\nHeight=22\nSplitMode=2\nButtonImage=Fuzz\\p.bmp\n");
  std::vector<std::vector<uint8_t>> bases;
  for (const char* name : {"play.bmp", "pause.bmp", "volume.bmp"})
    bases.push_back(test::ReadAll(tmp_ / (std::string("Skins/Moss/") + name)));
  bases.push_back(test::ReadAll(test::SourcePath("resources/skin/PlayerControl.FixAviFile.bmp")));

  auto put32 = [](std::vector<uint8_t>& b, size_t at, uint32_t v) {
    if (at + 4 <= b.size()) std::memcpy(b.data() + at, &v, 4);
  };
  const uint32_t odd[] = {0, 1, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0x10000, 40000, 0xFFFF8000, 7, 2};
  int traced = 0, loaded = 0;
  TSkinIniFile skin(skinPath, tmp_.Path());
  for (int round = 0; round < 300; ++round) {
    std::vector<uint8_t> bytes = bases[Below(bases.size())];
    switch (round % 5) {
      case 0:  // impossible sizes
        put32(bytes, 18, odd[Below(std::size(odd))]);
        put32(bytes, 22, odd[Below(std::size(odd))]);
        break;
      case 1:  // bit count, compression, colour count, pixel offset
        bytes[28] = static_cast<uint8_t>(random_());
        put32(bytes, 30, static_cast<uint32_t>(Below(8)));
        put32(bytes, 46, odd[Below(std::size(odd))]);
        if (Below(2)) put32(bytes, 10, odd[Below(std::size(odd))]);
        break;
      case 2:  // cut anywhere
        bytes.resize(Below(bytes.size() + 1));
        break;
      case 3:  // scattered changes in the headers
        for (size_t n = 1 + Below(8); n > 0; --n) bytes[Below(std::min<size_t>(bytes.size(), 120))] =
            static_cast<uint8_t>(random_());
        break;
      default:  // random bytes
        bytes.assign(Below(200), 0);
        for (uint8_t& b : bytes) b = static_cast<uint8_t>(random_());
    }
    test::WriteAll(tmp_ / "Skins/Fuzz/p.bmp", bytes);
    TraceCapture trace;
    const TLoadedButton c = skin.LoadButton("C");
    const bool complete = c.Complete;
    const std::string context = "round " + std::to_string(round);
    ASSERT_LE(trace.Lines().size(), 1u) << context;
    if (trace.Lines().empty()) {
      EXPECT_EQ(complete, !c.Property.Bitmap->Empty()) << context;
      loaded += complete ? 1 : 0;
    } else {
      EXPECT_FALSE(complete) << context;
      EXPECT_EQ(trace.Lines()[0].Text().rfind(kExceptionLine, 0), 0u) << context;
      ++traced;
    }
  }
  EXPECT_GT(traced, 100);
  EXPECT_GT(loaded, 5);
}

// A player window whose manager switches among a sound skin and broken ones
// while its components come and go: every switch ends in a skin applied or
// in a clear error, and nothing reaches a freed component (the sanitizers
// watch this run).
TEST_F(SkinFuzz, TheManagerSwitchesBrokenSkinsWhileComponentsComeAndGo) {
  test::HeadlessWorld headless;
  TraceCapture quiet;
  ForceDirectories(tmp_ / "Skins/Fuzz2");
  test::WriteAll(tmp_ / "Skins/Fuzz/Skin.nvs", moss_);  // listed at the scan, spoilt later
  test::WriteAll(tmp_ / "Skins/Fuzz2/Skin.nvs", moss_);
  TRegionedForm form(nullptr);
  form.SetName("PlayerControl");
  form.SetBorderStyle(bsNone);
  form.HandleNeeded();
  TSkinManager& manager = TComponent::Create<TSkinManager>(form, tmp_.Path());
  ASSERT_EQ(manager.SkinCount(), 2);  // Moss's folder holds its pictures only
  form.SetSkinManager(&manager);
  const char* const names[] = {"rbPlay", "rbPause", "rbStop", "rbLoadSkin", "slTime", "slState"};
  std::vector<TControl*> controls;
  auto add = [&](const char* name) {
    TControl* made;
    if (name[0] == 's') {
      auto& label = TComponent::Create<TSkinLabel>(form);
      label.SetLinkSkinManager(&manager);
      label.SetCaption("00:00");
      made = &label;
    } else {
      auto& button = TComponent::Create<TRegionedButton>(form);
      button.SetSkinManager(&manager);
      made = &button;
    }
    made->SetName(name);
    made->SetParent(&form);
    controls.push_back(made);
  };
  for (const char* name : names) add(name);

  int applied = 0, errors = 0;
  for (int round = 0; round < 120; ++round) {
    test::WriteAll(tmp_ / (round % 2 ? "Skins/Fuzz/Skin.nvs" : "Skins/Fuzz2/Skin.nvs"), Mutated(round));
    if (Below(3) == 0 && !controls.empty()) {  // one goes
      const size_t at = Below(controls.size());
      form.RemoveComponent(controls[at]).reset();
      controls.erase(controls.begin() + static_cast<long>(at));
    }
    if (controls.size() < 4) add(names[Below(std::size(names))]);
    const int target = static_cast<int>(Below(3)) - 1;  // the base skin or one of the two
    try {
      manager.SetSkinIndex(target == manager.SkinIndex() ? -1 : target);
      ++applied;
    } catch (const Error&) {
      ++errors;  // a picture that cannot be painted ends the switch with its message
    }
    EXPECT_EQ(manager.ControlCount(), static_cast<int>(controls.size()) + 1) << round;
  }
  EXPECT_GT(applied, 60);
}

}  // namespace
}  // namespace nuvex
