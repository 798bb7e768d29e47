#include "uimodel/Contextwindow.h"

#include <gtest/gtest.h>

#include "Boxtextpainter.h"
#include "Itemtrees.h"
#include "uimodel/Menukeys.h"
#include "uimodel/Uimessages.h"

namespace tolvane::uimodel {
namespace {

using testing::Add;

std::vector<int> Codes(const std::vector<TContextEntry>& entries) {
  std::vector<int> codes;
  for (const TContextEntry& entry : entries) {
    codes.push_back(entry.Code);
  }
  return codes;
}

TEST(ContextWindowTest, EntriesFollowTypeChildrenAndSiblings) {
  storage::TItem root;
  storage::TItem* bar = Add(root, u"Bar", storage::ItemTypeFolder);
  storage::TItem* clip = Add(*bar, u"Clip", storage::ItemTypeClip);
  // A lone item in a popup: no branch to save, nothing to sort.
  EXPECT_EQ(Codes(ContextEntries(*clip)), (std::vector<int>{105, 102, 104, 103, 111, 107}));

  // Two siblings below the bar are enough to sort; on the bar it takes three.
  storage::TItem* folder = Add(*bar, u"Folder", storage::ItemTypeFolder);
  Add(*folder, u"Child", storage::ItemTypeClip);
  EXPECT_EQ(Codes(ContextEntries(*folder)), (std::vector<int>{105, 102, 104, 103, 108, 109, 110, 111, 107}));
  Add(root, u"Second", storage::ItemTypeFolder);
  EXPECT_EQ(Codes(ContextEntries(*bar)), (std::vector<int>{105, 102, 104, 103, 108, 111, 107}));
  Add(root, u"Third", storage::ItemTypeFolder);
  EXPECT_EQ(Codes(ContextEntries(*bar)), (std::vector<int>{105, 102, 104, 103, 108, 109, 110, 111, 107}));

  const std::vector<TContextEntry> all = ContextEntries(*folder);
  EXPECT_EQ(all[0], (TContextEntry{u"Edit Item", u"F8", 105, 12}));
  EXPECT_EQ(all[6], (TContextEntry{u"Sort This Menu + Submenus", u"", 110, 26}));
  EXPECT_EQ(all[8], (TContextEntry{u"Delete Item", u"Del", 107, 14}));
}

TEST(ContextWindowTest, TheProgramsOwnItemOnlyInsertsAfterOrCancels) {
  storage::TItem root;
  Add(root, u"One", storage::ItemTypeFolder);
  Add(root, u"Two", storage::ItemTypeFolder);
  storage::TItem* program = Add(root, u"Tolvane", storage::ItemTypeProgramOwn);
  Add(*program, u"Settings", storage::ItemTypeProgramOwn + 1);
  const std::vector<TContextEntry> entries = ContextEntries(*program);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0], (TContextEntry{u"Insert New Item After", u"F11", 103, 9}));
  EXPECT_EQ(entries[1], (TContextEntry{u"Cancel", u"", 111, 7}));

  // Del must not reach the delete command when the entry is not offered.
  TContextWindow window(entries);
  window.Key(menukey::Delete);
  EXPECT_FALSE(window.Closed());
}

class ContextLayoutTest : public ::testing::Test {
 protected:
  const TMenuMetrics Metrics = TMenuMetrics::For(24, 2, 0, true);
  const TTextWidth Width = [](std::u16string_view text) { return static_cast<int>(text.size()) * 10; };
};

TEST_F(ContextLayoutTest, SizeAndRowsAsAPopupWithAShadowMargin) {
  const std::vector<TContextEntry> entries{{u"Abc", u"F8", 105, 12}, {u"Cancel", u"", 111, 7}};
  const TContextLayout layout(entries, Metrics, Width);
  // "Abc     F8" is the widest text: 100 px.
  EXPECT_EQ(layout.BodySize(), (TSize{32 + 100 + 4 * Metrics.IconMargin + 4, 2 * 24 + 4}));
  EXPECT_EQ(layout.WindowSize(), (TSize{layout.BodySize().Width + 4, layout.BodySize().Height + 4}));
  EXPECT_EQ(layout.RowRect(1), (TRect{2, 26, layout.BodySize().Width - 2, 50}));

  const int right = layout.BodySize().Width - 2;
  EXPECT_EQ(layout.EntryAt({2, 2}), 0);
  EXPECT_EQ(layout.EntryAt({right - 1, 25}), 0);
  EXPECT_EQ(layout.EntryAt({right - 1, 26}), 1);
  EXPECT_EQ(layout.EntryAt({1, 10}), -1);      // frame
  EXPECT_EQ(layout.EntryAt({right, 10}), -1);  // frame
  EXPECT_EQ(layout.EntryAt({10, 1}), -1);      // frame
  EXPECT_EQ(layout.EntryAt({10, 50}), -1);     // bottom frame
  EXPECT_EQ(layout.EntryAt({10, 53}), -1);     // shadow
  EXPECT_EQ(layout.EntryAt({right + 3, 10}), -1);
}

TEST_F(ContextLayoutTest, PlacedAtThePointInsideTheWorkAreaAtEveryEdge) {
  const TContextLayout layout({{u"Entry", u"", 111, 7}}, Metrics, Width);
  const TSize size = layout.WindowSize();
  const TRect area{100, 50, 900, 650};
  EXPECT_EQ(layout.Place({300, 200}, area), TRect::Sized(300, 200, size.Width, size.Height));
  EXPECT_EQ(layout.Place({895, 200}, area).Right, 900);
  EXPECT_EQ(layout.Place({300, 640}, area).Bottom, 650);
  EXPECT_EQ(layout.Place({10, 200}, area).Left, 100);
  EXPECT_EQ(layout.Place({300, -20}, area).Top, 50);
  EXPECT_EQ(layout.Place({2000, 2000}, area),
            TRect::Sized(900 - size.Width, 650 - size.Height, size.Width, size.Height));
  // Larger than the area: the top-left corner stays visible.
  EXPECT_EQ(KeptInside(TRect::Sized(500, 500, 1000, 1000), area).TopLeft(), (TPoint{100, 50}));
}

TEST(ContextShadowTest, StripsAndShadowLieAlongTheRightAndBottomEdges) {
  const TRect window{100, 200, 180, 260};
  EXPECT_EQ(TContextLayout::RightStrip(window), (TRect{175, 200, 180, 260}));
  EXPECT_EQ(TContextLayout::BottomStrip(window), (TRect{100, 255, 180, 260}));

  const graphics::TQxColor screen = graphics::TQxColor::FromChannels(200, 200, 200);
  graphics::TQxBitmap bitmap(84, 64);
  bitmap.Fill(screen);
  DrawContextShadow(bitmap, {80, 60});
  EXPECT_EQ(bitmap.Pixel(79, 59), screen);  // body
  EXPECT_EQ(bitmap.Pixel(81, 2), screen);   // beside the body's top, the screen is untouched
  EXPECT_EQ(bitmap.Pixel(2, 62), screen);
  EXPECT_LT(bitmap.Pixel(80, 30).Red(), bitmap.Pixel(83, 30).Red());  // fades outwards
  EXPECT_LT(bitmap.Pixel(83, 30).Red(), 200);
  EXPECT_LT(bitmap.Pixel(40, 60).Green(), bitmap.Pixel(40, 63).Green());
  EXPECT_LT(bitmap.Pixel(82, 62).Blue(), 200);
}

TEST(ContextWindowTest, AReleaseChoosesOnlyNearThePressOnTheSameEntry) {
  const std::vector<TContextEntry> entries{
      {u"Edit Item", u"F8", 105, 12}, {u"Cancel", u"", 111, 7}, {u"Delete Item", u"Del", 107, 14}};
  {
    TContextWindow window(entries);
    EXPECT_TRUE(window.MouseMove(0));
    EXPECT_FALSE(window.MouseMove(0));
    window.MouseDown(0, {20, 10});
    EXPECT_EQ(window.Pressed(), 0);
    window.MouseUp(0, {14, 15});  // 6 px left
    EXPECT_FALSE(window.Closed());
    EXPECT_EQ(window.Pressed(), -1);
    window.MouseDown(0, {20, 10});
    window.MouseUp(1, {20, 14});  // another entry
    EXPECT_FALSE(window.Closed());
    window.MouseDown(0, {20, 10});
    window.MouseUp(0, {25, 15});
    ASSERT_TRUE(window.Closed());
    EXPECT_EQ(window.Result(), (TContextResult{UM_ITEM_COMMAND, 105}));
  }
  {
    TContextWindow window(entries);
    window.MouseUp(1, {5, 5});  // a release without a press
    EXPECT_FALSE(window.Closed());
    window.MouseDown(1, {5, 30});
    window.MouseUp(1, {5, 30});
    EXPECT_EQ(window.Result(), (TContextResult{UM_REPAINT_MENU, 111}));
  }
  {
    TContextWindow window(entries);
    window.LostFocus();
    EXPECT_TRUE(window.Closed());
    EXPECT_EQ(window.Result(), (TContextResult{UM_REPAINT_MENU, -1}));
  }
}

TEST(ContextWindowTest, KeysWrapJumpChooseAndClose) {
  const std::vector<TContextEntry> entries{
      {u"Edit Item", u"F8", 105, 12}, {u"Cancel", u"", 111, 7}, {u"Delete Item", u"Del", 107, 14}};
  TContextWindow window(entries);
  window.Key(menukey::Enter);  // nothing hot yet
  EXPECT_FALSE(window.Closed());
  window.Key(menukey::Up);
  EXPECT_EQ(window.Hot(), 2);
  window.Key(menukey::Down);
  EXPECT_EQ(window.Hot(), 0);
  window.Key(menukey::Up);
  EXPECT_EQ(window.Hot(), 2);
  window.Key(menukey::PageUp);
  EXPECT_EQ(window.Hot(), 0);
  window.Key(menukey::PageDown);
  EXPECT_EQ(window.Hot(), 2);
  window.Key(menukey::Left);
  EXPECT_EQ(window.Hot(), 2);
  window.Key(menukey::Down);
  window.Key(menukey::Enter);
  EXPECT_EQ(window.Result(), (TContextResult{UM_ITEM_COMMAND, 105}));

  TContextWindow deleting(entries);
  deleting.Key(menukey::Delete);
  EXPECT_EQ(deleting.Result(), (TContextResult{UM_ITEM_COMMAND, 107}));

  TContextWindow escaping(entries);
  escaping.Key(menukey::Down);
  escaping.Key(menukey::Escape);
  EXPECT_EQ(escaping.Result(), (TContextResult{UM_REPAINT_MENU, -1}));
  escaping.Key(menukey::Enter);  // closed windows ignore keys
  EXPECT_EQ(escaping.Result(), (TContextResult{UM_REPAINT_MENU, -1}));
}

// Records what is written where, drawing nothing.
class TTextLog : public testing::TBoxTextPainter {
 public:
  void Draw(graphics::TQxBitmap& /*bitmap*/, const TRect& rect, std::u16string_view text,
            graphics::TQxColor color, TTextAlign align) override {
    Lines.push_back({rect, std::u16string(text), color, align});
  }
  struct TLine {
    TRect Rect;
    std::u16string Text;
    graphics::TQxColor Color;
    TTextAlign Align;
  };
  std::vector<TLine> Lines;
};

TEST_F(ContextLayoutTest, PaintedAsPopupRowsWithShortcutsFrameAndShadow) {
  const std::vector<TContextEntry> entries{{u"Edit Item", u"F8", 105, 0}, {u"Cancel", u"", 111, 1}};
  const TContextLayout layout(entries, Metrics, Width);
  TContextWindow window(entries);
  window.MouseMove(0);
  TMenuColors colors;
  colors.PopupFrame = graphics::TQxColor::FromChannels(10, 20, 30);
  colors.MenuText = graphics::TQxColor::FromChannels(1, 1, 1);
  colors.SelText = graphics::TQxColor::FromChannels(0, 0, 200);
  colors.SelTop = colors.SelBottom = graphics::TQxColor::FromChannels(250, 200, 100);
  graphics::TGlyphList user, builtIn, arrows;
  ASSERT_TRUE(builtIn.Reset(16, 2));
  const graphics::TQxColor glyph = graphics::TQxColor::FromChannels(0, 160, 0);
  builtIn.Cells().Fill(builtIn.CellRect(1), glyph);
  TTextLog text;
  const TMenuPaintContext context{Metrics, colors, user, builtIn, arrows, 0, text};
  const graphics::TQxColor screen = graphics::TQxColor::FromChannels(200, 200, 200);
  const std::vector<graphics::TQxColor> gradient(100, graphics::TQxColor::FromChannels(240, 240, 240));
  const TSize size = layout.WindowSize();
  graphics::TQxBitmap bitmap(size.Width, size.Height);
  bitmap.Fill(screen);

  PaintContextWindow(bitmap, layout, window, gradient, context);
  ASSERT_EQ(text.Lines.size(), 3u);
  EXPECT_EQ(text.Lines[0].Text, u"Edit Item");
  EXPECT_EQ(text.Lines[0].Color, colors.SelText);  // the hot entry
  EXPECT_EQ(text.Lines[1].Text, u"F8");
  EXPECT_EQ(text.Lines[1].Align, TTextAlign::Right);
  EXPECT_EQ(text.Lines[2].Text, u"Cancel");
  EXPECT_EQ(text.Lines[2].Color, colors.MenuText);
  // The built-in glyph list supplies the entry's glyph.
  const TRect cancel = layout.RowRect(1);
  EXPECT_EQ(bitmap.Pixel(cancel.Left + Metrics.IconMargin + 2, cancel.Top + Metrics.IconTop + 2), glyph);
  EXPECT_EQ(bitmap.Pixel(0, 0), colors.PopupFrame);
  EXPECT_EQ(bitmap.Pixel(layout.BodySize().Width - 1, 10), colors.PopupFrame);
  EXPECT_EQ(bitmap.Pixel(size.Width - 1, 1), screen);  // beside the top-right corner
  EXPECT_LT(bitmap.Pixel(size.Width - 4, size.Height / 2).Red(), 200);

  // Pressing another entry repaints only its row, sunk.
  window.MouseDown(1, {20, 40});
  text.Lines.clear();
  PaintContextRow(bitmap, layout, window, 1, gradient, context);
  ASSERT_EQ(text.Lines.size(), 1u);
  EXPECT_EQ(text.Lines[0].Color, colors.SelText);
  EXPECT_EQ(text.Lines[0].Rect.Top,
            TContextLayout(entries, Metrics, Width).RowRect(1).Top + 1 + Metrics.TextTop);
}

}  // namespace
}  // namespace tolvane::uimodel
