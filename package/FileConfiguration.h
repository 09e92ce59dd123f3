#pragma once
// One record of the package index ("Setup.dat") and the list that holds the
// records read from it.  The record is stored in the file exactly as laid out
// here: 786 bytes, no padding, text fields of 261 single bytes each.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace nuvex {

// Size of each text field.  A field is read up to its first zero byte; a field
// with no zero byte holds a text of all 261 bytes.
inline constexpr size_t kFileConfigurationTextSize = 261;

struct TFileConfiguration {
  char SourceName[kFileConfigurationTextSize];  // name in the package folder; the record's key
  uint8_t Packed;                               // 0: plain copy; anything else: a zlib stream
  uint8_t FolderKind;                           // base folder of the target (fk* below)
  char TargetName[kFileConfigurationTextSize];  // appended to the base folder as it stands
  uint8_t Action;                               // what follows the placement (fa* below)
  char Reserved[kFileConfigurationTextSize];
};

static_assert(std::is_standard_layout_v<TFileConfiguration>);
static_assert(std::is_trivially_copyable_v<TFileConfiguration>);
static_assert(sizeof(TFileConfiguration) == 786);
static_assert(offsetof(TFileConfiguration, SourceName) == 0);
static_assert(offsetof(TFileConfiguration, Packed) == 261);
static_assert(offsetof(TFileConfiguration, FolderKind) == 262);
static_assert(offsetof(TFileConfiguration, TargetName) == 263);
static_assert(offsetof(TFileConfiguration, Action) == 524);
static_assert(offsetof(TFileConfiguration, Reserved) == 525);

// Base folders of a target.  Any other value means "no base folder": the
// target name is the whole target path.
inline constexpr uint8_t fkDestination = 0;  // the destination folder chosen in the window
inline constexpr uint8_t fkWindows = 1;      // the Windows folder
inline constexpr uint8_t fkSystem = 2;       // the system folder
inline constexpr uint8_t fkSystem32 = 3;     // "System32" beside the system folder
inline constexpr uint8_t fkTemp = 4;         // "C:\Temp\"

// What is done with a target once it is in place.  Any other value: nothing.
inline constexpr uint8_t faNone = 0;
inline constexpr uint8_t faRegister = 1;  // registered as a component with "RegSvr32.exe"
inline constexpr uint8_t faOpen = 2;      // opened through the shell

using TFileConfigurationText = char[kFileConfigurationTextSize];

// The text of a field: up to its first zero byte, or all of its bytes.
std::string FieldText(const TFileConfigurationText& field);
// Stores text in a field and fills the rest with zero bytes.  False (and the
// field untouched) when the text is longer than the field or holds a zero byte,
// since either could not be read back as the same text.
bool SetFieldText(TFileConfigurationText& field, std::string_view text);

// The records of one index, in file order, each source name at most once.
// The list owns a separate copy of every record; pointers from Items stay
// valid until Clear or the list's end.
class TFileConfigurationList {
 public:
  TFileConfigurationList() = default;
  TFileConfigurationList(const TFileConfigurationList&) = delete;
  TFileConfigurationList& operator=(const TFileConfigurationList&) = delete;
  ~TFileConfigurationList() { Clear(); }

  int Count() const { return static_cast<int>(items_.size()); }
  // The entry at index, or nullptr when index is below 0 or not below Count().
  TFileConfiguration* Items(int index);
  const TFileConfiguration* Items(int index) const;
  // Appends a copy unless an entry with the same SourceName is already there;
  // a repeated name is dropped and still counts as success.
  bool Add(const TFileConfiguration& record);
  // True when an entry's SourceName equals name byte for byte (case-sensitive).
  bool Exists(const std::string& name) const;
  void Clear() { items_.clear(); }

 private:
  bool Contains(std::string_view name) const;
  std::vector<std::unique_ptr<TFileConfiguration>> items_;
};

}  // namespace nuvex
