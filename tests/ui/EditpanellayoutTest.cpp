#include "uimodel/Editpanellayout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "storage/Item.h"

namespace tolvane::uimodel {
namespace {

struct TCase {
  int ItemType;
  int Level;
};

// Every type in a popup, and a bar entry.
const TCase kCases[] = {
    {storage::ItemTypeClip, 2},     {storage::ItemTypeFolderClip, 2},   {storage::ItemTypeFolder, 2},
    {storage::ItemTypeProgram, 2},  {storage::ItemTypeWebSite, 2},      {storage::ItemTypeMail, 2},
    {storage::ItemTypeKeyMacro, 2}, {storage::ItemTypeClipModifier, 2}, {storage::ItemTypeClipModifier, 1}};

struct TSizeCase {
  int Ppi;
  TSize Client;  // pixels
};
const TSizeCase kSizes[] = {{96, {600, 640}}, {144, {900, 960}}, {192, {1500, 1400}}};

std::vector<TPlacement> Arranged(const TPanelLayout& panels, const TSizeCase& size) {
  const TScale scale(size.Ppi);
  const TSize design{scale.To(TScale(DesignPpi), size.Client.Width),
                     scale.To(TScale(DesignPpi), size.Client.Height)};
  return ArrangeLayout(EditPanelLayout(panels, design), size.Client, scale);
}

bool IsPanel(int id) {
  return id == PnlCapType || id == PnlProgram || id == PnlWeb || id == PnlMail || id == PnlMacro ||
         id == PnlHint || id == PnlCode;
}

std::string Text(const TRect& r) {
  return "{" + std::to_string(r.Left) + ", " + std::to_string(r.Top) + ", " + std::to_string(r.Right) + ", " +
         std::to_string(r.Bottom) + "}";
}

TEST(EditPanelLayoutTest, ControlsStayInsideAndApartForEveryTypeAndScale) {
  for (const TCase& c : kCases) {
    const TPanelLayout panels = PanelLayoutFor(c.ItemType, c.Level);
    for (const TSizeCase& size : kSizes) {
      const std::vector<TPlacement> placements = Arranged(panels, size);
      const TRect client{0, 0, size.Client.Width, size.Client.Height};
      std::vector<const TPlacement*> controls;
      std::set<int> ids;
      for (const TPlacement& p : placements) {
        EXPECT_TRUE(ids.insert(p.Id).second) << "twice: " << p.Id;
        if (!IsPanel(p.Id))
          controls.push_back(&p);
      }
      for (const TPlacement* control : controls) {
        SCOPED_TRACE(testing::Message()
                     << "type " << c.ItemType << " level " << c.Level << " ppi " << size.Ppi << " node "
                     << control->Id << " " << Text(control->InRoot));
        EXPECT_FALSE(control->InRoot.Empty());
        EXPECT_EQ(control->InRoot.Intersection(client), control->InRoot);
        for (const TPlacement* other : controls) {
          if (other != control) {
            EXPECT_TRUE(control->InRoot.Intersection(other->InRoot).Empty()) << "overlaps " << other->Id;
          }
        }
      }
    }
  }
}

TEST(EditPanelLayoutTest, PanelsStackUnderTheStripAndTheLastFillsTheHeight) {
  for (const TCase& c : kCases) {
    const TPanelLayout panels = PanelLayoutFor(c.ItemType, c.Level);
    for (const TSizeCase& size : kSizes) {
      SCOPED_TRACE(testing::Message()
                   << "type " << c.ItemType << " level " << c.Level << " ppi " << size.Ppi);
      const std::vector<TPlacement> placements = Arranged(panels, size);
      std::vector<const TPlacement*> stacked;
      for (const TPlacement& p : placements) {
        if (p.Parent == -1)
          stacked.push_back(&p);
      }
      // The strip, then the type's panels in their order.
      ASSERT_EQ(stacked.size(), panels.Parts.size() + 1);
      EXPECT_EQ(stacked[0]->Id, PnlCapType);
      EXPECT_EQ(stacked[0]->Bounds.Height(), TScale(size.Ppi)(CapTypeHeight));
      for (std::size_t i = 1; i < stacked.size(); ++i) {
        EXPECT_EQ(stacked[i]->Bounds.Top, stacked[i - 1]->Bounds.Bottom);
        EXPECT_EQ(stacked[i]->Bounds.Width(), size.Client.Width);
      }
      EXPECT_EQ(stacked.back()->Bounds.Bottom, size.Client.Height);
      // The code area, or the help text without one, grows down to the margin.
      const int filler = panels.CodeLabel.empty() ? MmHint : ReCode;
      const TPlacement* fill = FindPlacement(placements, filler);
      ASSERT_NE(fill, nullptr);
      EXPECT_NEAR(fill->InRoot.Bottom, size.Client.Height - TScale(size.Ppi)(EditPanelMargin), 1);
      EXPECT_EQ(FindPlacement(placements, ButEditModifier) != nullptr, panels.CodeComposer);
    }
  }
}

TEST(EditPanelLayoutTest, TheNameTakesHalfOfWhatTheGlyphBoxLeaves) {
  const TPanelLayout panels = PanelLayoutFor(storage::ItemTypeClip, 2);
  for (const int width : {600, 1000, 1401}) {
    const std::vector<TPlacement> placements =
        ArrangeLayout(EditPanelLayout(panels, {width, 800}), {width, 800}, TScale(DesignPpi));
    const TRect name = FindPlacement(placements, LblCaption)->Bounds;
    const TRect type = FindPlacement(placements, LblType)->Bounds;
    EXPECT_EQ(type.Left - name.Left, (width - GlyphBoxSide - 6) / 2) << width;
    // Wider windows give both parts more room.
    EXPECT_EQ(FindPlacement(placements, EdCaption)->Bounds.Width(), name.Width());
  }
}

TEST(EditPanelLayoutTest, LabelsNameTheirFields) {
  const TPanelLayout mail = PanelLayoutFor(storage::ItemTypeMail, 2);
  EXPECT_EQ(EditPanelLabel(LblEmailBcc, mail), u"Email Address  Bcc:");
  EXPECT_EQ(EditPanelLabel(LblCode, mail), u"Mail Body:");
  EXPECT_EQ(EditPanelLabel(LblCode, PanelLayoutFor(storage::ItemTypeKeyMacro, 3)), u"Multiline Macro View");
  EXPECT_EQ(EditPanelLabel(EdCaption, mail), u"");
  for (int id = PnlCapType; id < EditPanelNodeEnd; ++id) {
    if (IsEditPanelLabel(id)) {
      EXPECT_FALSE(EditPanelLabel(id, mail).empty()) << id;
    }
  }
}

}  // namespace
}  // namespace tolvane::uimodel
