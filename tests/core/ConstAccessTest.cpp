// Read-only access stays read-only: a const owner never hands out what would
// let a caller change it.
#include <gtest/gtest.h>

#include <type_traits>
#include <utility>

#include "skin/SkinNameList.h"
#include "toolkit/graphics/Bitmap.h"

namespace nuvex {
namespace {

static_assert(std::is_same_v<decltype(std::declval<const TSkinNameList&>().Items(0)), const TSkinNameItem*>);
static_assert(std::is_same_v<decltype(std::declval<TSkinNameList&>().Items(0)), TSkinNameItem*>);
static_assert(std::is_same_v<decltype(std::declval<const TCanvas&>().Bitmap()), const TBitmap&>);

TEST(ConstAccess, BothFormsReachTheSameItem) {
  TSkinNameList list;
  list.Add("Moss", "C:\\Skins\\Moss\\Skin.nvs", false);
  const TSkinNameList& view = list;
  EXPECT_EQ(view.Items(0), list.Items(0));
  EXPECT_EQ(view.Items(1), nullptr);
  EXPECT_EQ(view.Items(-1), nullptr);
  list.Items(0)->Name = "Fern";
  EXPECT_EQ(view.Items(0)->Name, "Fern");
}

}  // namespace
}  // namespace nuvex
