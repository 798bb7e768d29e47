#include "uimodel/Scale.h"

#include <gtest/gtest.h>

namespace tolvane::uimodel {
namespace {

TEST(ScaleTest, DesignSizesFollowTheMonitorsPixelsPerInch) {
  EXPECT_EQ(TScale(144)(630), 630);
  EXPECT_EQ(TScale(96)(630), 420);
  EXPECT_EQ(TScale(120)(9), 7);  // truncated: 7.5
  EXPECT_EQ(TScale(192)(TRect{-3, 3, 30, 300}), (TRect{-4, 4, 40, 400}));
  EXPECT_EQ(TScale(96)(TSize{144, 72}), (TSize{96, 48}));
  // A failed query gives the default rather than zero sizes.
  EXPECT_EQ(TScale(0).Ppi(), 96);
  EXPECT_EQ(TScale(-5)(144), 96);
}

TEST(ScaleTest, ConvertsMeasuredPixelsBetweenScales) {
  EXPECT_EQ(TScale(96).To(TScale(192), 15), 30);
  EXPECT_EQ(TScale(144).To(TScale(96), 31), 20);
}

}  // namespace
}  // namespace tolvane::uimodel
