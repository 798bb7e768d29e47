#include "uimodel/Anchorlayout.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace tolvane {
// Readable failures: rectangles print as their four edges.
void PrintTo(const TRect& r, std::ostream* out) {
  *out << "{" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << "}";
}
}  // namespace tolvane

namespace tolvane::uimodel {
namespace {

const TScale kDesign{144};

TLayoutNode Anchored(int id, TRect design, TAnchors anchors, TSize minSize = {}) {
  return AnchorNode(id, design, anchors).WithMinSize(minSize);
}

TLayoutNode Docked(int id, TAlign align, TRect design, TMargins margins = {}) {
  return DockNode(id, align, design).WithMargins(margins);
}

TRect BoundsOf(const std::vector<TPlacement>& placements, int id) {
  const TPlacement* placement = FindPlacement(placements, id);
  EXPECT_NE(placement, nullptr) << "no placement for id " << id;
  return placement != nullptr ? placement->Bounds : TRect{};
}

TRect Arranged(const TLayoutNode& node, TSize designClient, TSize client, TScale scale = kDesign) {
  return BoundsOf(ArrangeLayout({designClient, {}, {node}}, client, scale), node.Id);
}

constexpr TAnchors kLeftTop{true, true, false, false};
constexpr TAnchors kRightBottom{false, false, true, true};
constexpr TAnchors kNone{false, false, false, false};

TEST(AnchorLayout, EveryRuleGivesTheScaledDesignWhenTheClientHasTheScaledDesignSize) {
  const TRect design{31, 17, 95, 58};
  for (const int ppi : {96, 120, 144, 192}) {
    const TScale scale(ppi);
    const TSize client = scale(TSize{300, 200});
    for (const TAnchors anchors : {kLeftTop, kRightBottom, kNone, kAnchorAll}) {
      EXPECT_EQ(Arranged(Anchored(1, design, anchors), {300, 200}, client, scale), scale(design))
          << "ppi " << ppi << " anchors " << anchors.Left << anchors.Top << anchors.Right << anchors.Bottom;
    }
  }
}

TEST(AnchorLayout, AnchoredEdgesKeepTheirDistanceWhenTheClientGrows) {
  const TRect design{20, 30, 120, 60};
  const TSize designClient{400, 300};
  const TSize grown{500, 340};  // 100 wider, 40 taller
  EXPECT_EQ(Arranged(Anchored(1, design, kLeftTop), designClient, grown), design);
  EXPECT_EQ(Arranged(Anchored(1, design, kRightBottom), designClient, grown), (TRect{120, 70, 220, 100}));
  EXPECT_EQ(Arranged(Anchored(1, design, kAnchorAll), designClient, grown), (TRect{20, 30, 220, 100}));
  // Left and bottom: the width stays, the node follows the bottom edge.
  EXPECT_EQ(Arranged(Anchored(1, design, {true, false, false, true}), designClient, grown),
            (TRect{20, 70, 120, 100}));
}

TEST(AnchorLayout, UnanchoredNodeKeepsItsCentreAtTheSameFraction) {
  // Centred horizontally at 200 of 400; at a quarter of the height (75 of 300).
  const TRect design{150, 60, 250, 90};
  EXPECT_EQ(Arranged(Anchored(1, design, kNone), {400, 300}, {600, 500}), (TRect{250, 110, 350, 140}));
  EXPECT_EQ(Arranged(Anchored(1, design, kNone), {400, 300}, {200, 100}), (TRect{50, 10, 150, 40}));
  // Shrinking by an odd amount moves the centre by half of it, rounded away from zero.
  EXPECT_EQ(Arranged(Anchored(1, design, kNone), {400, 300}, {399, 300}).Left, 149);
  EXPECT_EQ(Arranged(Anchored(1, design, kNone), {400, 300}, {401, 300}).Left, 151);
}

TEST(AnchorLayout, ShrinkingStopsAtTheMinimumSize) {
  const TRect design{20, 20, 380, 280};
  const TSize designClient{400, 300};
  // Stretched both ways: 100 narrower and lower would give 260 × 160; the minimum keeps 300 × 200.
  EXPECT_EQ(Arranged(Anchored(1, design, kAnchorAll, {300, 200}), designClient, {300, 200}),
            (TRect{20, 20, 320, 220}));
  // Without a minimum it shrinks, and never below nothing.
  EXPECT_EQ(Arranged(Anchored(1, design, kAnchorAll), designClient, {300, 200}), (TRect{20, 20, 280, 180}));
  EXPECT_EQ(Arranged(Anchored(1, design, kAnchorAll), designClient, {10, 10}), (TRect{20, 20, 20, 20}));
  // A node that keeps only its right edge grows to the left for its minimum.
  EXPECT_EQ(Arranged(Anchored(2, {300, 20, 380, 50}, {false, true, true, false}, {120, 0}), designClient,
                     {400, 300}),
            (TRect{260, 20, 380, 50}));
  // The minimum is in design pixels too: 120 at 96 ppi is 80. The client is 34 wider than the scaled 266.
  EXPECT_EQ(Arranged(Anchored(2, {300, 20, 380, 50}, {false, true, true, false}, {120, 0}), designClient,
                     {300, 200}, TScale(96)),
            (TRect{207, 13, 287, 33}));
}

TEST(AnchorLayout, EdgesAreScaledOneByOneSoNeighboursStayTouching) {
  // At 96 ppi 25 → 16 and 40 → 26: the second node starts where the first ends although 15 × 96 / 144 = 10.
  const TLayout layout{
      {200, 100}, {}, {Anchored(1, {10, 10, 25, 40}, kLeftTop), Anchored(2, {25, 10, 40, 40}, kLeftTop)}};
  const auto placements = ArrangeLayout(layout, TScale(96)(TSize{200, 100}), TScale(96));
  EXPECT_EQ(BoundsOf(placements, 1), (TRect{6, 6, 16, 26}));
  EXPECT_EQ(BoundsOf(placements, 2), (TRect{16, 6, 26, 26}));
}

TEST(AnchorLayout, DockedNodesTakeStripsInListOrderAndTheClientTakesTheRest) {
  // The client node comes first in the list and still gets what the strips leave.
  const TLayout layout{{400, 300},
                       {},
                       {Docked(5, TAlign::Client, {0, 0, 10, 10}), Docked(1, TAlign::Top, {0, 0, 999, 40}),
                        Docked(2, TAlign::Left, {0, 0, 60, 999}), Docked(3, TAlign::Bottom, {0, 0, 999, 30}),
                        Docked(4, TAlign::Right, {0, 0, 50, 999}), Docked(6, TAlign::Top, {0, 0, 999, 20})}};
  const auto placements = ArrangeLayout(layout, {500, 400}, kDesign);
  EXPECT_EQ(BoundsOf(placements, 1), (TRect{0, 0, 500, 40}));
  EXPECT_EQ(BoundsOf(placements, 2), (TRect{0, 40, 60, 400}));
  EXPECT_EQ(BoundsOf(placements, 3), (TRect{60, 370, 500, 400}));
  EXPECT_EQ(BoundsOf(placements, 4), (TRect{450, 40, 500, 370}));
  EXPECT_EQ(BoundsOf(placements, 6), (TRect{60, 40, 450, 60}));
  EXPECT_EQ(BoundsOf(placements, 5), (TRect{60, 60, 450, 370}));
  // Placements come in list order.
  ASSERT_EQ(placements.size(), 6u);
  EXPECT_EQ(placements[0].Id, 5);
  EXPECT_EQ(placements[5].Id, 6);
}

TEST(AnchorLayout, MarginsAndPaddingKeepRoomAroundDockedNodes) {
  const TLayout layout{
      {400, 300},
      {6, 6, 6, 6},
      {Docked(1, TAlign::Bottom, {0, 0, 0, 42}, {0, 12, 0, 0}), Docked(2, TAlign::Client, {}, {3, 3, 3, 3})}};
  // At 96 ppi: padding 4, the strip 28 high plus 8 of margin above it, the client node 2 in from the rest.
  const auto placements = ArrangeLayout(layout, {300, 200}, TScale(96));
  EXPECT_EQ(BoundsOf(placements, 1), (TRect{4, 168, 296, 196}));
  EXPECT_EQ(BoundsOf(placements, 2), (TRect{6, 6, 294, 158}));
  // Anchored nodes are placed in the whole client area: padding is for docked nodes only.
  TLayout anchored = layout;
  anchored.Nodes.push_back(Anchored(3, {0, 0, 30, 30}, kLeftTop));
  EXPECT_EQ(BoundsOf(ArrangeLayout(anchored, {300, 200}, TScale(96)), 3), (TRect{0, 0, 20, 20}));
}

TEST(AnchorLayout, StripsKeepTheirThicknessWhenTheClientIsTooSmall) {
  const TLayout layout{{200, 200},
                       {},
                       {Docked(1, TAlign::Top, {0, 0, 0, 60}), Docked(2, TAlign::Bottom, {0, 0, 0, 50}),
                        DockNode(3, TAlign::Client, {}).WithMinSize({0, 30})}};
  const auto placements = ArrangeLayout(layout, {100, 80}, kDesign);
  EXPECT_EQ(BoundsOf(placements, 1), (TRect{0, 0, 100, 60}));
  // The bottom strip stays on the bottom edge and overlaps the top one.
  EXPECT_EQ(BoundsOf(placements, 2), (TRect{0, 30, 100, 80}));
  // Nothing is left for the client node, which still gets its minimum height below the top strip.
  EXPECT_EQ(BoundsOf(placements, 3), (TRect{0, 60, 100, 90}));
}

TEST(AnchorLayout, HiddenNodesTakeNoRoomAndHideTheirChildren) {
  const TLayout layout{{400, 300},
                       {},
                       {DockNode(1, TAlign::Top, {0, 0, 400, 40})
                            .WithChildren({Anchored(11, {4, 4, 30, 30}, kLeftTop)})
                            .Shown(false),
                        DockNode(2, TAlign::Left, {0, 0, 80, 0}).Shown(false),
                        Docked(3, TAlign::Top, {0, 0, 0, 20}), Docked(4, TAlign::Client, {})}};
  const auto placements = ArrangeLayout(layout, {400, 300}, kDesign);
  EXPECT_EQ(BoundsOf(placements, 3), (TRect{0, 0, 400, 20}));
  EXPECT_EQ(BoundsOf(placements, 4), (TRect{0, 20, 400, 300}));
  for (const int id : {1, 11, 2}) {
    const TPlacement* hidden = FindPlacement(placements, id);
    ASSERT_NE(hidden, nullptr);
    EXPECT_FALSE(hidden->Visible) << id;
    EXPECT_TRUE(hidden->Bounds.Empty()) << id;
  }
  EXPECT_TRUE(FindPlacement(placements, 4)->Visible);
}

// An edit panel: a fixed strip on top, a client panel with a stretched memo and a button on its right.
TLayout NestedLayout() {
  return {{600, 400},
          {},
          {DockNode(1, TAlign::Top, {0, 0, 600, 60}),
           DockNode(2, TAlign::Client, {0, 60, 600, 400})
               .WithPadding({9, 9, 9, 9})
               .WithChildren({DockNode(21, TAlign::Top, {0, 0, 0, 30}),
                              Anchored(22, {9, 45, 480, 331}, kAnchorAll, {150, 90}),
                              Anchored(23, {495, 45, 591, 81}, {false, true, true, false})})}};
}

TEST(AnchorLayout, NestedNodesAreLaidOutInsideTheirParent) {
  // Scaled to 192 ppi (× 4 / 3): design client 800 × 533, actual 1000 × 600.
  const auto placements = ArrangeLayout(NestedLayout(), {1000, 600}, TScale(192));
  EXPECT_EQ(BoundsOf(placements, 1), (TRect{0, 0, 1000, 80}));
  const TPlacement* panel = FindPlacement(placements, 2);
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->Bounds, (TRect{0, 80, 1000, 600}));
  // The panel's design size 600 × 340 is 800 × 453 at this scale; it is 1000 × 520, so 200 wider, 67 taller.
  EXPECT_EQ(BoundsOf(placements, 21), (TRect{12, 12, 988, 52}));
  EXPECT_EQ(BoundsOf(placements, 22), (TRect{12, 60, 840, 508}));
  EXPECT_EQ(BoundsOf(placements, 23), (TRect{860, 60, 988, 108}));
  const TPlacement* button = FindPlacement(placements, 23);
  EXPECT_EQ(button->InRoot, (TRect{860, 140, 988, 188}));
  EXPECT_EQ(&placements[static_cast<std::size_t>(button->Parent)], panel);
  EXPECT_EQ(FindPlacement(placements, 1)->Parent, -1);
}

TEST(AnchorLayout, NestedMinimumsHoldWhenTheFormShrinks) {
  // At 96 ppi the design client is 400 × 266; the form is made 300 × 200.
  const auto placements = ArrangeLayout(NestedLayout(), {300, 200}, TScale(96));
  EXPECT_EQ(BoundsOf(placements, 2), (TRect{0, 40, 300, 200}));
  // The panel is 300 × 160 against a design 400 × 226: the memo would be 214 × 124, its minimum is 100 × 60.
  const TRect memo = BoundsOf(placements, 22);
  EXPECT_EQ(memo.TopLeft(), (TPoint{6, 30}));
  EXPECT_EQ(memo.Size(), (TSize{214, 124}));
  const auto tiny = ArrangeLayout(NestedLayout(), {120, 100}, TScale(96));
  EXPECT_EQ(BoundsOf(tiny, 22).Size(), (TSize{100, 60}));
}

TEST(AnchorLayout, FindPlacementReportsAMissingId) {
  const auto placements = ArrangeLayout(NestedLayout(), {600, 400}, kDesign);
  EXPECT_EQ(placements.size(), 5u);
  EXPECT_EQ(FindPlacement(placements, 99), nullptr);
  EXPECT_EQ(ArrangeLayout({}, {100, 100}, kDesign).size(), 0u);
}

}  // namespace
}  // namespace tolvane::uimodel
