#include "uimodel/Barlayout.h"

#include <gtest/gtest.h>

namespace tolvane::uimodel {
namespace {

TEST(BarLayoutTest, OneMenuRowFramedByTheEdgeAndAir) {
  EXPECT_EQ(RowHeightForTextHeight(16), 20);
  EXPECT_EQ(RowHeightForTextHeight(23), 28);
  EXPECT_EQ(BarHeightForRowHeight(20), 24);
  // A second monitor left of the primary one, with a taskbar at its top.
  EXPECT_EQ(DockedBarRect(TRect{-1920, 40, 0, 1080}, 24), (TRect{-1920, 40, 0, 64}));
}

}  // namespace
}  // namespace tolvane::uimodel
