#include "tools/nvxskin/SkinCheck.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <set>
#include <span>
#include <string_view>

#include "base/Ascii.h"
#include "base/Error.h"
#include "platform/Files.h"
#include "platform/NativePath.h"
#include "skin/PaintBitmap.h"
#include "skin/SkinIniFile.h"
#include "skin/SkinKeys.h"
#include "skin/SkinResources.h"
#include "skin/SkinStrings.h"
#include "tools/nvxskin/StatePaint.h"
#include "trace/TraceUnit.h"

namespace nvxskin {

using namespace nuvex;

namespace {

// Collects the engine's trace lines while it lives.
class TraceCollector final : private TTraceSink {
 public:
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  void Traced(const std::string& pattern, const std::vector<std::string>& args, bool formatted) override {
    std::string text;
    size_t from = 0;
    for (const std::string& arg : args) {
      const size_t at = formatted ? pattern.find("%s", from) : std::string::npos;
      if (at == std::string::npos) break;
      text.append(pattern, from, at - from).append(arg);
      from = at + 2;
    }
    lines_.push_back(text.append(pattern, from));
  }

  std::vector<std::string> lines_;
  ScopedService<TTraceSink> scope_{*this};
};

// What the engine takes when the key's text cannot be read.
std::string ReadAs(const TSkinKey& key) {
  switch (key.Kind) {
    case TSkinValueKind::Text:
      return "";
    case TSkinValueKind::Boolean:
      return key.Default ? "1 (true)" : "0 (false)";
    case TSkinValueKind::Colour:
      return "-1 (no colour)";
    case TSkinValueKind::ControlType:
      return kSkinControlTypeNames[key.Default];
    case TSkinValueKind::Integer:
    case TSkinValueKind::SplitMode:
    case TSkinValueKind::InteriorArea:
    case TSkinValueKind::ZeroToTwo:
      break;
  }
  return std::to_string(key.Default);
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string Where(const std::string& section, const std::string& key = "") {
  return "[" + section + "]" + (key.empty() ? "" : " " + key);
}

bool InRange(const std::optional<int32_t>& value, int low, int high) {
  return value && *value >= low && *value <= high;
}

// Why the engine cannot read the key's text, or nothing when it can (or when
// the key is not there).
std::optional<std::string> Malformed(const TSkinIniFile& ini, const std::string& section, const TSkinKey& rule) {
  const std::string key = SkinString(rule.Id);
  const TProfileEntry* entry = FindProfileEntry(ini.Profile(), section, key);
  if (!entry) return std::nullopt;
  const std::string readAs = "; the engine reads " + ReadAs(rule);
  if (!entry->Value) return "line without \"=\": no value" + readAs;
  const std::string text = ini.ReadString(section, key, "");
  const std::optional<int32_t> number = ParseProfileInteger(text);
  std::string why;
  switch (rule.Kind) {
    case TSkinValueKind::Text:
      return std::nullopt;
    case TSkinValueKind::Integer:
      if (number) return std::nullopt;
      why = "not an integer";
      break;
    case TSkinValueKind::Boolean:
      if (number) return std::nullopt;
      why = "not an integer (0 is false, any other integer true)";
      break;
    case TSkinValueKind::Colour:
      if (ini.ReadColor(section, key) != -1) return std::nullopt;
      why = "not a colour (red, green and blue as integers with single blanks between them)";
      break;
    case TSkinValueKind::ControlType:
      if (ini.ReadControlType(section, key) != Unknown || SameTextAscii(text, kSkinControlTypeNames[Unknown]))
        return std::nullopt;
      why = "not a control kind";
      break;
    case TSkinValueKind::SplitMode:
      if (InRange(number, spNone, spVertical)) return std::nullopt;
      why = number ? "outside 0..2" : "not an integer";
      break;
    case TSkinValueKind::InteriorArea:
      if (InRange(number, iaStretched, iaTransparent)) return std::nullopt;
      why = number ? "outside 0..5" : "not an integer";
      break;
    case TSkinValueKind::ZeroToTwo:
      if (InRange(number, 0, 2)) return std::nullopt;
      why = number ? "outside 0..2" : "not an integer";
      break;
  }
  return "malformed " + Quoted(text) + ": " + why + readAs;
}

bool IsComment(const std::string& key) { return !key.empty() && (key[0] == ';' || key[0] == '#'); }

// The keys of a section that nobody reads, and repeated keys.
void CheckKeyNames(const TProfileSection& section, std::span<const TSkinKey> rules, std::vector<std::string>& warnings) {
  std::set<std::string> seen;
  for (const TProfileEntry& entry : section.Entries) {
    if (IsComment(entry.Key)) continue;
    const std::string upper = UpperAscii(entry.Key);
    if (!seen.insert(upper).second) {
      warnings.push_back(Where(section.Name, entry.Key) + ": repeated; only the first is read");
      continue;
    }
    bool known = false;
    for (const TSkinKey& rule : rules) known |= SameTextAscii(entry.Key, SkinString(rule.Id));
    if (!known) warnings.push_back(Where(section.Name, entry.Key) + ": no such key; the engine never reads it");
  }
}

// The first section the engine's lookups find for name, or null.
const TProfileSection* FindSection(const TProfile& profile, const std::string& name) {
  for (const TProfileSection& section : profile.Sections)
    if (&section != &profile.Sections.front() && SameTextAscii(section.Name, name)) return &section;
  return nullptr;
}

std::string Size(int width, int height) { return std::to_string(width) + " x " + std::to_string(height); }

// The strip a definition needs: ButtonCount state images of Width x Height,
// one below the other (spHorizontal), side by side (spVertical), or one
// image for every state (spNone).
std::pair<int, int> NeededStrip(const TButtonProperty& d) {
  const int64_t count = d.ButtonCount;
  switch (d.SplitMode) {
    case spHorizontal:
      return {d.Width, static_cast<int>(std::min<int64_t>(count * d.Height, INT32_MAX))};
    case spVertical:
      return {static_cast<int>(std::min<int64_t>(count * d.Width, INT32_MAX)), d.Height};
    case spNone:
      break;
  }
  return {d.Width, d.Height};
}

const char* SplitText(TSplitMode mode) {
  return mode == spHorizontal ? "one below the other (SplitMode 1)" : "side by side (SplitMode 2)";
}

// The checks of a loaded picture definition: numbers, strip size, painting.
void CheckPicture(const TButtonProperty& d, const std::string& picture, ControlReport& report) {
  const std::string& s = d.Name;
  if (d.ButtonCount < 0) report.problems.push_back(Where(s, "ButtonCount") + ": " + std::to_string(d.ButtonCount) + " is below 1");
  if (d.Width < 0) report.problems.push_back(Where(s, "Width") + ": " + std::to_string(d.Width) + " is below 1");
  if (d.Height < 0) report.problems.push_back(Where(s, "Height") + ": " + std::to_string(d.Height) + " is below 1");
  if (d.ButtonCount <= 0 || d.Width <= 0 || d.Height <= 0 || !d.Bitmap || d.Bitmap->Empty()) return;
  const auto [needWidth, needHeight] = NeededStrip(d);
  const TBitmap& strip = *d.Bitmap;
  if (strip.Width() != needWidth || strip.Height() != needHeight) {
    const TRect cut = StateImageRect(strip.Width(), strip.Height(), d.SplitMode, 1, d.ButtonCount);
    const std::string states =
        d.SplitMode == spNone
            ? "with SplitMode 0 the whole picture is the image of every state, which should be " + Size(d.Width, d.Height)
            : std::to_string(d.ButtonCount) + " state images of " + Size(d.Width, d.Height) + " " +
                  SplitText(d.SplitMode) + " need " + Size(needWidth, needHeight);
    report.problems.push_back(Where(s, "ButtonImage") + ": picture " + picture + " is " +
                              Size(strip.Width(), strip.Height()) + "; " + states +
                              " (the engine would scale states of " + Size(cut.Right - cut.Left, cut.Bottom - cut.Top) +
                              " to " + Size(d.Width, d.Height) + ")");
  }
  TBitmap buffer;
  for (int state = 0; state < d.ButtonCount; ++state) {
    try {
      if (!PaintState(d, state, buffer))
        report.problems.push_back(Where(s) + ": state " + std::to_string(state + 1) +
                                  " cannot be painted: the margins leave no interior height");
    } catch (const Error& error) {
      const bool noInterior = std::string_view(error.what()) == kPaintBitmapCheckError;
      report.problems.push_back(Where(s) + ": state " + std::to_string(state + 1) + " cannot be painted: " +
                                error.what() + (noInterior ? " (the margins leave no interior)" : ""));
      break;
    }
  }
}

std::string ExceptionOf(const std::vector<std::string>& lines, std::string_view prefix) {
  for (const std::string& line : lines)
    if (line.starts_with(prefix)) return line.substr(prefix.size());
  return "";
}

void CheckKind(const TButtonProperty& d, TSkinControlType expected, bool typeGiven, ControlReport& report) {
  if (d.ControlType == expected) return;
  if (d.ControlType == Unknown && !typeGiven) {
    report.problems.push_back(Where(d.Name, "ControlType") + ": missing; the control is a " +
                              kSkinControlTypeNames[expected]);
  } else {
    report.problems.push_back(Where(d.Name, "ControlType") + ": " + kSkinControlTypeNames[d.ControlType] +
                              "; the control is a " + kSkinControlTypeNames[expected]);
  }
}

ControlReport CheckControl(TSkinIniFile& ini, const TButtonProperty& base) {
  ControlReport report{base.Name, base.ControlType, ControlStatus::Missing, {}, {}};
  const TProfileSection* const section = FindSection(ini.Profile(), base.Name);
  if (!section) {
    // Leaving a control out is a skin author's choice: the manager hides it.
    report.warnings.push_back(Where(base.Name) + ": no such section; the player hides the control under this skin");
    return report;
  }
  const std::string& s = section->Name;  // as the file spells it
  for (const TSkinKey& rule : kSkinControlKeys)
    if (const auto why = Malformed(ini, s, rule)) report.problems.push_back(Where(s, SkinString(rule.Id)) + ": " + *why);
  CheckKeyNames(*section, kSkinControlKeys, report.warnings);

  const auto has = [&](int id) { return FindProfileEntry(ini.Profile(), s, SkinString(id)) != nullptr; };
  TraceCollector trace;
  const TLoadedButton loaded = ini.LoadButton(base.Name);
  const bool complete = loaded.Complete;
  const TButtonProperty& d = loaded.Property;
  if (!d.Visible) {
    report.status = ControlStatus::Hidden;
    return report;
  }
  if (d.ControlType == RegionedForm && has(IDS_SKIN_KEY_VISIBLE) && !ini.ReadBool(s, SkinString(IDS_SKIN_KEY_VISIBLE), true))
    report.warnings.push_back(Where(s, "Visible") + ": a RegionedForm is always shown; the engine ignores 0 here");
  CheckKind(d, base.ControlType, has(IDS_SKIN_KEY_CONTROL_TYPE), report);
  if (IsPictureKind(d.ControlType)) {
    for (const int id : {IDS_SKIN_KEY_BUTTON_COUNT, IDS_SKIN_KEY_WIDTH, IDS_SKIN_KEY_HEIGHT}) {
      const std::string key = SkinString(id);
      if (!has(id))
        report.problems.push_back(Where(s, key) + ": missing; a picture definition needs it");
      else if (ini.ReadInteger(s, key, 0) == 0 && ParseProfileInteger(ini.ReadString(s, key, "")))
        report.problems.push_back(Where(s, key) + ": 0; a picture definition needs at least 1");
    }
    const std::string key = SkinString(IDS_SKIN_KEY_BUTTON_IMAGE);
    const std::string image = ini.ReadString(s, key, "");
    if (image.empty()) {
      report.problems.push_back(Where(s, key) + ": " + (has(IDS_SKIN_KEY_BUTTON_IMAGE) ? "empty" : "missing") +
                                "; a picture definition needs a picture");
    } else if (!FileExists(ini.PicturePath(image))) {
      report.problems.push_back(Where(s, key) + ": picture " + Quoted(image) + " is missing (no file " +
                                NativePath(ini.PicturePath(image)) + ")");
    } else if (const std::string why = ExceptionOf(trace.Lines(), "[TSkinIniFile.LoadButton] Exception raised: ");
               !why.empty()) {
      report.problems.push_back(Where(s, key) + ": picture " + Quoted(image) + " cannot be read: " + why);
    } else if (d.Bitmap->Empty()) {
      report.problems.push_back(Where(s, key) + ": picture " + Quoted(image) + " is empty");
    } else {
      CheckPicture(d, Quoted(image), report);
    }
  } else if (d.ControlType == SkinLabel && d.FontColor == -1 && !has(IDS_SKIN_KEY_FONT_COLOR)) {
    report.problems.push_back(Where(s, "FontColor") + ": missing; a label definition needs a colour");
  }
  if (!complete && report.problems.empty())
    report.problems.push_back(Where(s) + ": the engine does not complete this definition");
  report.status = complete ? ControlStatus::Complete : ControlStatus::Incomplete;
  return report;
}

void CheckSkinInfo(const TSkinIniFile& ini, CheckReport& report) {
  const std::string s = SkinString(IDS_SKIN_INFO_SECTION);
  const TProfileSection* const section = FindSection(ini.Profile(), s);
  if (!section) {
    report.problems.push_back(Where(s) + ": no such section; the player never lists the skin");
    return;
  }
  CheckKeyNames(*section, kSkinInfoKeys, report.warnings);
  const std::string nameKey = SkinString(IDS_SKIN_KEY_NAME);
  if (ini.Info().Name.empty())
    report.problems.push_back(Where(s, nameKey) + ": " + (FindProfileEntry(ini.Profile(), s, nameKey) ? "empty" : "missing") +
                              "; the player never lists a skin without a name");
  const std::string versionKey = SkinString(IDS_SKIN_KEY_VERSION);
  const std::string version = ini.ReadString(s, versionKey, "");
  if (!FindProfileEntry(ini.Profile(), s, versionKey))
    report.problems.push_back(Where(s, versionKey) + ": missing; the player lists only skins of version 200");
  else if (const auto why = Malformed(ini, s, skin_keys::Version))
    report.problems.push_back(Where(s, versionKey) + ": " + *why + "; the player lists only skins of version 200");
  else if (ini.Info().Version != kSkinFormatVersion)
    report.problems.push_back(Where(s, versionKey) + ": " + Quoted(version) + " reads as " +
                              std::to_string(ini.Info().Version) + "; the player lists only skins of version 200");
}

void CheckUnreadSections(const TProfile& profile, CheckReport& report) {
  std::set<std::string> seen;
  bool first = true;
  for (const TProfileSection& section : profile.Sections) {
    if (first) {  // the entries before the first section header
      first = false;
      for (const TProfileEntry& entry : section.Entries) {
        if (IsComment(entry.Key)) continue;
        report.unreadSections.push_back("the lines before the first section (from " + Quoted(entry.Key) +
                                        "): no control reads them");
        break;
      }
      continue;
    }
    const std::string upper = UpperAscii(section.Name);
    if (!seen.insert(upper).second) {
      report.unreadSections.push_back(Where(section.Name) + ": repeats an earlier section; only the first is read");
      continue;
    }
    if (SameTextAscii(section.Name, SkinString(IDS_SKIN_INFO_SECTION))) continue;
    bool read = false;
    for (const TButtonProperty& base : SkinResourcesTable()) read |= SameTextAscii(base.Name, section.Name);
    if (!read) report.unreadSections.push_back(Where(section.Name) + ": no control of the player reads this section");
  }
}

std::filesystem::path Absolute(const std::string& folder) {
  std::filesystem::path path = std::filesystem::absolute(std::filesystem::path(folder)).lexically_normal();
  if (!path.has_filename()) path = path.parent_path();  // "Moss/" -> "Moss"
  return path;
}

}  // namespace

const char* StatusName(ControlStatus status) {
  switch (status) {
    case ControlStatus::Complete:
      return "complete";
    case ControlStatus::Incomplete:
      return "incomplete";
    case ControlStatus::Hidden:
      return "hidden";
    case ControlStatus::Missing:
      break;
  }
  return "missing";
}

int CheckReport::ProblemCount() const {
  size_t count = problems.size();
  for (const ControlReport& control : controls) count += control.problems.size();
  return static_cast<int>(count);
}

int CheckReport::WarningCount() const {
  size_t count = warnings.size() + unreadSections.size();
  for (const ControlReport& control : controls) count += control.warnings.size();
  return static_cast<int>(count);
}

int CheckReport::Count(ControlStatus status) const {
  int count = 0;
  for (const ControlReport& control : controls) count += control.status == status;
  return count;
}

std::string ProgramFolderOf(const std::string& skinFolder) {
  const std::filesystem::path folder = Absolute(skinFolder);
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error))
    throw UsageError{"no skin folder " + skinFolder};
  const std::filesystem::path program = folder.parent_path().parent_path();
  const std::filesystem::path skins = program / "Skins";
  if (!std::filesystem::equivalent(skins, folder.parent_path(), error))
    throw UsageError{"the skin folder " + skinFolder +
                     " does not lie in a folder called Skins: the player finds skins, and their pictures, "
                     "only in the Skins folder beside it"};
  return program.string() + "/";
}

std::string SkinFileOf(const std::string& skinFolder) {
  return (Absolute(skinFolder) / SkinString(IDS_SKIN_FILE_NAME)).string();
}

CheckReport CheckSkinFolder(const std::string& skinFolder) {
  const std::string program = ProgramFolderOf(skinFolder);
  CheckReport report;
  report.skinFile = SkinFileOf(skinFolder);
  if (!FileExists(report.skinFile)) {
    report.problems.push_back("no skin file " + report.skinFile + "; the player skips the folder");
    return report;
  }
  TSkinIniFile ini(report.skinFile, program);
  report.name = ini.Info().Name;
  report.listed = !ini.Invalid();
  CheckSkinInfo(ini, report);
  for (const TButtonProperty& base : SkinResourcesTable()) report.controls.push_back(CheckControl(ini, base));
  CheckUnreadSections(ini.Profile(), report);
  return report;
}

CheckReport CheckBaseSkin() {
  CheckReport report;
  TSkinResources base;
  report.name = base.Info().Name;
  report.listed = !base.Invalid();
  for (const TButtonProperty& row : SkinResourcesTable()) {
    ControlReport control{row.Name, row.ControlType, ControlStatus::Missing, {}, {}};
    TraceCollector trace;
    const TLoadedButton loaded = base.LoadButton(row.Name);
    const bool complete = loaded.Complete;
    const TButtonProperty& d = loaded.Property;
    if (const std::string why = ExceptionOf(trace.Lines(), "[TSkinResources.LoadButton] Exception raised: ");
        !why.empty()) {
      control.problems.push_back(Where(row.Name) + ": picture " + Quoted(row.FontName) + " cannot be loaded: " + why);
    }
    if (!d.Visible) {
      control.status = ControlStatus::Hidden;
    } else {
      if (IsPictureKind(d.ControlType)) CheckPicture(d, Quoted(row.FontName), control);
      control.status = complete ? ControlStatus::Complete : ControlStatus::Incomplete;
      if (!complete && control.problems.empty())
        control.problems.push_back(Where(row.Name) + ": the engine does not complete this definition");
    }
    report.controls.push_back(std::move(control));
  }
  return report;
}

namespace {

// A skin that leaves controls out is still a whole skin: the manager hides them.
std::string Verdict(const CheckReport& report) {
  if (!report.Complete()) return "the skin has errors";
  const int missing = report.Count(ControlStatus::Missing);
  if (missing == 0) return "the skin is complete";
  return "the skin is valid; the player hides the " + std::to_string(missing) + " controls it leaves out";
}

}  // namespace

void WriteReport(const CheckReport& report, std::ostream& out) {
  if (report.skinFile.empty())
    out << "base skin " << Quoted(report.name) << "\n";
  else
    out << "skin file " << report.skinFile << "\n";
  if (!report.skinFile.empty() && (!report.name.empty() || report.listed))
    out << "skin " << Quoted(report.name) << ": " << (report.listed ? "listed by the player" : "never listed by the player")
        << "\n";
  for (const std::string& line : report.problems) out << "  error: " << line << "\n";
  for (const std::string& line : report.warnings) out << "  warning: " << line << "\n";
  if (!report.controls.empty()) out << "controls of the base skin:\n";
  for (const ControlReport& control : report.controls) {
    out << "  " << StatusName(control.status);
    for (size_t pad = std::string_view(StatusName(control.status)).size(); pad < 11; ++pad) out << ' ';
    out << control.name << " (" << kSkinControlTypeNames[control.kind] << ")\n";
    for (const std::string& line : control.problems) out << "      error: " << line << "\n";
    for (const std::string& line : control.warnings) out << "      warning: " << line << "\n";
  }
  if (!report.unreadSections.empty()) out << "sections no control reads:\n";
  for (const std::string& line : report.unreadSections) out << "  warning: " << line << "\n";
  out << "summary: " << report.Count(ControlStatus::Complete) << " complete, " << report.Count(ControlStatus::Hidden)
      << " hidden, " << report.Count(ControlStatus::Incomplete) << " incomplete, "
      << report.Count(ControlStatus::Missing) << " missing; " << report.ProblemCount() << " errors, "
      << report.WarningCount() << " warnings: " << Verdict(report) << "\n";
}

}  // namespace nvxskin
