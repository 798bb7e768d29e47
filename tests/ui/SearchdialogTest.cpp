#include "uimodel/Searchdialog.h"

#include <gtest/gtest.h>

namespace tolvane::uimodel {
namespace {

TEST(SearchDialog, ControlsTileTheClientWithoutGapsOrOverlaps) {
  for (const int ppi : {96, 144, 192}) {
    const TScale scale(ppi);
    const TSize client{900, 640};
    const TSearchDialogLayout layout = LayoutSearchDialog(client, 200, scale);
    SCOPED_TRACE(ppi);
    EXPECT_EQ(layout.Panel, (TRect{0, 0, 900, scale(66)}));
    // Top to bottom: panel, list, splitter, pane, each across the whole width.
    EXPECT_EQ(layout.Results.Top, layout.Panel.Bottom);
    EXPECT_EQ(layout.Splitter.Top, layout.Results.Bottom);
    EXPECT_EQ(layout.Detail.Top, layout.Splitter.Bottom);
    EXPECT_EQ(layout.Detail.Bottom, 640);
    EXPECT_EQ(layout.Detail.Height(), 200);
    EXPECT_EQ(layout.Splitter.Height(), scale(9));
    for (const TRect& band : {layout.Results, layout.Splitter, layout.Detail})
      EXPECT_EQ(band.Width(), 900);
    // Left to right along the panel: label, term, label, term, help at the right edge.
    EXPECT_EQ(layout.Term1.Left, layout.Term1Label.Right);
    EXPECT_EQ(layout.Term2Label.Left, layout.Term1.Right);
    EXPECT_EQ(layout.Term2.Left, layout.Term2Label.Right);
    EXPECT_EQ(layout.Help.Left, layout.Term2.Right);
    EXPECT_EQ(layout.Help.Right, 900);
    EXPECT_EQ(layout.Term1.Width(), layout.Term2.Width());
    EXPECT_GE(layout.Help.Width(), scale(60));
    EXPECT_EQ(layout.Term1.Top - layout.Panel.Top, layout.Panel.Bottom - layout.Term1.Bottom);
  }
}

TEST(SearchDialog, ALayoutForASizeTooSmallHasNoNegativeRectangles) {
  const TSearchDialogLayout layout = LayoutSearchDialog(TSize{40, 30}, 200, TScale(144));
  for (const TRect& rect : {layout.Panel, layout.Term1Label, layout.Term1, layout.Term2Label, layout.Term2,
                            layout.Help, layout.Results, layout.Splitter, layout.Detail}) {
    EXPECT_GE(rect.Width(), 0);
    EXPECT_GE(rect.Height(), 0);
    EXPECT_LE(rect.Bottom, 30);
  }
}

TEST(SearchDialog, PaneHeightDefaultsToAThirdAndLeavesTheListRoom) {
  const TScale scale(144);
  const int room = 900 - 66 - 9;
  EXPECT_EQ(SearchPaneHeight(0, 900, scale), room / 3);
  EXPECT_EQ(SearchPaneHeight(-5, 900, scale), room / 3);
  EXPECT_EQ(SearchPaneHeight(300, 900, scale), 300);
  // Dragged (or stored) past either end: the list keeps its minimum, the pane its own.
  EXPECT_EQ(SearchPaneHeight(5000, 900, scale), room - 105);
  EXPECT_EQ(SearchPaneHeight(1, 900, scale), 45);
  // A window too small for both keeps the pane's minimum.
  EXPECT_EQ(SearchPaneHeight(300, 150, scale), 45);
}

TEST(SearchDialog, OpensAtTheStoredBoundsInsideTheWorkArea) {
  const TScale scale(144);
  const TRect work{0, 40, 1600, 1000};
  EXPECT_EQ(SearchDialogBounds(TRect{100, 100, 900, 700}, work, scale), (TRect{100, 100, 900, 700}));
  // Left on a monitor that is gone: moved back whole.
  EXPECT_EQ(SearchDialogBounds(TRect{2000, -300, 2800, 300}, work, scale), (TRect{800, 40, 1600, 640}));
  // Larger than the work area: cut to it.
  EXPECT_EQ(SearchDialogBounds(TRect{0, 0, 3000, 2000}, work, scale), work);
  // None stored, or a degenerate one: the default size centred.
  const TRect centred{(1600 - 1350) / 2, 40 + (960 - 960) / 2, (1600 - 1350) / 2 + 1350, 1000};
  EXPECT_EQ(SearchDialogBounds(std::nullopt, work, scale), centred);
  EXPECT_EQ(SearchDialogBounds(TRect{5, 5, 5, 400}, work, scale), centred);
  const TRect small = SearchDialogBounds(std::nullopt, work, TScale(96));
  EXPECT_EQ(small.Size(), (TSize{900, 650}));
}

TEST(SearchDialog, KeysChooseCancelHelpAndMoveTheListFromTheTermBoxes) {
  for (const bool inTerm : {false, true}) {
    EXPECT_EQ(SearchKeyAction(0x0D, inTerm), TSearchKeyAction::Choose);
    EXPECT_EQ(SearchKeyAction(0x1B, inTerm), TSearchKeyAction::Cancel);
    EXPECT_EQ(SearchKeyAction(0x70, inTerm), TSearchKeyAction::Help);
    EXPECT_EQ(SearchKeyAction('A', inTerm), TSearchKeyAction::Pass);
    // Left and Right stay with the box's caret.
    EXPECT_EQ(SearchKeyAction(0x25, inTerm), TSearchKeyAction::Pass);
    EXPECT_EQ(SearchKeyAction(0x27, inTerm), TSearchKeyAction::Pass);
  }
  for (const std::uint32_t key : {0x21u, 0x22u, 0x26u, 0x28u}) {
    EXPECT_EQ(SearchKeyAction(key, true), TSearchKeyAction::MoveList) << key;
    EXPECT_EQ(SearchKeyAction(key, false), TSearchKeyAction::Pass) << key;
  }
}

}  // namespace
}  // namespace tolvane::uimodel
