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

std::vector<uint8_t> IndexBytes(int32_t count, const std::vector<TFileConfiguration>& records) {
  std::vector<uint8_t> bytes = {'N', 'V', 'X', 1, 0, 0, 0, 0, 0};
  PutIndexCount(bytes, count);
  for (const auto& r : records) {
    const auto* p = reinterpret_cast<const uint8_t*>(&r);
    bytes.insert(bytes.end(), p, p + sizeof r);
  }
  return bytes;
}

void PutIndexCount(std::vector<uint8_t>& bytes, int32_t count) {
  const uint32_t u = static_cast<uint32_t>(count);
  for (int i = 0; i < 4; ++i) bytes.at(5 + i) = static_cast<uint8_t>(u >> (8 * i));
}

}  // namespace nuvex::test
