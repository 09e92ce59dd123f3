#include "tests/support/IndexRecord.h"

#include <gtest/gtest.h>

namespace nuvex::test {

TFileConfiguration IndexRecord(const std::string& source, uint8_t packed, uint8_t kind, const std::string& target,
                               uint8_t action) {
  TFileConfiguration r{};
  EXPECT_TRUE(SetFieldText(r.SourceName, source));
  r.Packed = packed;
  r.FolderKind = kind;
  EXPECT_TRUE(SetFieldText(r.TargetName, target));
  r.Action = action;
  return r;
}

}  // namespace nuvex::test
