#include "uimodel/Menupaint.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Boxtextpainter.h"
#include "graphics/Pngimage.h"
#include "graphics/Shapes.h"

namespace tolvane::uimodel {
namespace {

using graphics::TQxBitmap;
using graphics::TQxColor;
using storage::TItem;

constexpr TQxColor Red = TQxColor::FromChannels(230, 30, 30);
constexpr TQxColor Blue = TQxColor::FromChannels(30, 60, 220);

struct TTextCall {
  TRect Rect;
  std::u16string Text;
  TQxColor Color;
  TTextAlign Align;

  bool operator==(const TTextCall&) const = default;
};

class TRecordingTextPainter : public testing::TBoxTextPainter {
 public:
  void Draw(TQxBitmap& bitmap, const TRect& rect, std::u16string_view text, TQxColor color,
            TTextAlign align) override {
    Calls.push_back({rect, std::u16string(text), color, align});
    TBoxTextPainter::Draw(bitmap, rect, text, color, align);
  }
  std::vector<TTextCall> Calls;
};

storage::TSettings TestSettings() {
  storage::TSettings settings;
  settings.MenuTopColor = graphics::RgbColor(250, 244, 232);
  settings.MainMenuBottom = graphics::RgbColor(200, 200, 200);
  settings.MenuBottomColor = graphics::RgbColor(196, 178, 150);
  settings.SelTopColor = graphics::RgbColor(255, 250, 222);
  settings.SelBottomColor = graphics::RgbColor(214, 160, 64);
  settings.MenuTextColor = graphics::RgbColor(24, 24, 24);
  settings.SelTextColor = graphics::RgbColor(0, 0, 180);
  settings.FrameColor = graphics::RgbColor(111, 0, 144);
  settings.PipeShadow = 50;
  return settings;
}

// Each glyph list is a few plain shapes in distinct colours.
struct TTestGlyphs {
  graphics::TGlyphList User, BuiltIn, Arrows;

  TTestGlyphs() {
    EXPECT_TRUE(User.Reset(16, 4) && BuiltIn.Reset(16, 2) && Arrows.Reset(12, 2));
    TQxBitmap& user = User.Cells();
    graphics::FillRoundRect(user, User.CellRect(0), 8, Red);
    user.Fill(User.CellRect(1).Inflated(-3), TQxColor::FromChannels(40, 170, 60));
    graphics::FrameRect(user, User.CellRect(1).Inflated(-2), TQxColor::FromChannels(0, 80, 0));
    user.Fill(User.CellRect(2).Offset(0, 4).Intersection(User.CellRect(2)).Inflated(-1), Blue);
    graphics::FillRoundRect(user, User.CellRect(3).Inflated(-2), 3, TQxColor::FromChannels(200, 0, 200));
    graphics::FillRoundRect(BuiltIn.Cells(), BuiltIn.CellRect(0), 8, TQxColor::FromChannels(0, 128, 128));
    BuiltIn.Cells().Fill(BuiltIn.CellRect(0).Inflated(-5), TQxColor::FromChannels(255, 255, 255));
    const TRect arrow = Arrows.CellRect(1);
    for (int i = 0; i < 4; ++i) {
      Arrows.Cells().Fill({arrow.Left + 4 + i, arrow.Top + 2 + i, arrow.Left + 5 + i, arrow.Top + 10 - i},
                          TQxColor::FromChannels(0, 0, 0));
    }
  }
};

struct TFixture {
  TMenuMetrics Metrics{20, 2, 3, 2, 1, true};
  TMenuColors Colors = TMenuColors::From(TestSettings());
  TTestGlyphs Glyphs;
  TRecordingTextPainter Text;

  TMenuPaintContext Context() {
    return {Metrics, Colors, Glyphs.User, Glyphs.BuiltIn, Glyphs.Arrows, 1, Text};
  }
};

TItem& AddItem(TItem& parent, std::u16string name, int type, int icon, std::u16string shortcut = {}) {
  TItem& item = *parent.NewChild();
  item.Name = std::move(name);
  item.ItemType = type;
  item.ImageIndex = icon;
  item.ShortCutText = std::move(shortcut);
  return item;
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WritePng(const TQxBitmap& bitmap, const std::filesystem::path& path) {
  std::string bytes;
  ASSERT_TRUE(graphics::EncodePng(bitmap, bytes));
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// TOLVANE_UPDATE_GOLDEN=1 rewrites the picture instead of comparing with it.
TEST(MenuPaint, PopupOfTwelveRowsMatchesTheGoldenPicture) {
  TFixture fixture;
  TItem root;
  TItem& menu = AddItem(root, u"Menu", storage::ItemTypeFolder, -1);
  AddItem(menu, u"Clip one", 0, 0);
  AddItem(menu, u"Clip two", 0, 1, u"Ctrl+1");
  AddItem(AddItem(menu, u"Folder", storage::ItemTypeFolder, 2), u"Inside", 0, 0);
  AddItem(menu, u"No icon", 0, -1);
  AddItem(menu, u"Icon beyond", 0, 99);
  AddItem(AddItem(menu, u"Hot folder", storage::ItemTypeFolder, 3), u"Inside", 0, 0);
  AddItem(menu, u"Pressed", 0, 0, u"F9");
  AddItem(menu, u"Program", storage::ItemTypeProgram, 1);
  AddItem(menu, u"Built-in", 51, 0);
  AddItem(menu, u"Built-in beyond", 60, 5);
  AddItem(menu, u"Web", storage::ItemTypeWebSite, 2);
  AddItem(menu, u"Last", 0, 3, u"Alt+L");
  ASSERT_EQ(menu.Children.Count(), 12);

  int textWidth = 0;
  for (const TItem& item : menu.Children) {
    const std::u16string shortcut = item.ShortCutText.empty() ? u"" : u"     " + item.ShortCutText;
    textWidth = std::max(textWidth, fixture.Text.Width(item.Name + shortcut));
  }
  const TMenuMetrics& metrics = fixture.Metrics;
  const int width = 2 * 16 + textWidth + 4 * metrics.IconMargin + 2 * metrics.Edge;
  const int height = 12 * metrics.ItemHeight + 2 * metrics.Edge;
  const graphics::TPopupGradients tables =
      graphics::MakePopupGradients(fixture.Colors.MenuTop, fixture.Colors.MenuBottom, 12, 20, 600);
  TQxBitmap bitmap(width, height);
  int index = 0;
  for (const TItem& item : menu.Children) {
    const TRect row{metrics.Edge, metrics.Edge + index * metrics.ItemHeight, width - metrics.Edge,
                    metrics.Edge + (index + 1) * metrics.ItemHeight};
    const TEntryLook look = index == 5   ? TEntryLook::Hot
                            : index == 6 ? TEntryLook::Pressed
                                         : TEntryLook::Normal;
    PaintPopupRow(bitmap, item, row, look, tables.ForPopup(height), fixture.Context());
    ++index;
  }
  PaintPopupFrame(bitmap, width, height, metrics.Edge, fixture.Colors.Frame);

  const std::filesystem::path golden = TOLVANE_GOLDEN_DIR "/menupaint-popup.png";
  const char* update = std::getenv("TOLVANE_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    WritePng(bitmap, golden);
  }
  TQxBitmap expected;
  ASSERT_EQ(graphics::LoadPng(ReadBytes(golden), expected), graphics::TPngResult::Ok) << golden;
  ASSERT_EQ(expected.Width(), width);
  ASSERT_EQ(expected.Height(), height);
  int differing = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (bitmap.Pixel(x, y) != expected.Pixel(x, y) && differing++ == 0) {
        ADD_FAILURE() << "first difference at (" << x << ", " << y << ")";
      }
    }
  }
  if (differing > 0) {
    const auto actual = std::filesystem::temp_directory_path() / "menupaint-popup.actual.png";
    WritePng(bitmap, actual);
    ADD_FAILURE() << differing << " pixels differ; this run's picture is " << actual;
  }
}

TEST(MenuPaint, HotRowPipeIsDeeperByFifteenModulo256) {
  for (const int shadow : {40, 250}) {
    TFixture fixture;
    fixture.Colors.PipeShadow = static_cast<std::uint8_t>(shadow);
    TItem item;
    const TRect row{0, 0, 30, 20};
    TQxBitmap bitmap(30, 20);
    PaintPopupRow(bitmap, item, row, TEntryLook::Hot, {}, fixture.Context());
    std::vector<TQxColor> expected(20);
    graphics::PipeRows(fixture.Colors.SelTop, fixture.Colors.SelBottom,
                       static_cast<std::uint8_t>((shadow + 15) % 256), expected);
    for (int y = 0; y < 20; ++y) {
      EXPECT_EQ(bitmap.Pixel(29, y), expected[static_cast<std::size_t>(y)]) << shadow << " row " << y;
    }
  }
}

TEST(MenuPaint, NormalRowsTakeTheirBackgroundFromThePopupsGradient) {
  TFixture fixture;
  const std::vector<TQxColor> table = graphics::Gradient(Red, Blue, 100);
  TItem item;
  TQxBitmap bitmap(40, 100);
  // Painted out of order, one at a time, as hot changes repaint them.
  for (const int index : {2, 0, 3, 1}) {
    PaintPopupRow(bitmap, item, TRect::Sized(1, 1 + index * 20, 38, 20), TEntryLook::Normal, table,
                  fixture.Context());
  }
  for (int y = 1; y < 81; ++y) {
    EXPECT_EQ(bitmap.Pixel(38, y), table[static_cast<std::size_t>(y)]) << y;
  }
}

TEST(MenuPaint, IconsComeFromTheListOfTheTypeAndOnlyForIndexesInIt) {
  TFixture fixture;
  fixture.Glyphs.User.Cells().Fill(fixture.Glyphs.User.CellRect(0), Red);
  fixture.Glyphs.BuiltIn.Cells().Fill(fixture.Glyphs.BuiltIn.CellRect(0), Blue);
  const std::vector<TQxColor> table(20, TQxColor::FromChannels(1, 2, 3));
  struct TCase {
    int Type, Icon;
    TQxColor Expected;
  };
  // Types up to 50 use the user glyphs, those above the program's own.
  const TCase cases[] = {{0, 0, Red},       {50, 0, Red},     {51, 0, Blue},
                         {0, -1, table[0]}, {0, 4, table[0]}, {60, 2, table[0]}};
  for (const TCase& c : cases) {
    TItem item;
    item.ItemType = c.Type;
    item.ImageIndex = c.Icon;
    TQxBitmap bitmap(60, 20);
    PaintPopupRow(bitmap, item, {0, 0, 60, 20}, TEntryLook::Normal, table, fixture.Context());
    // The icon's corner is at (IconMargin, IconTop) = (3, 2).
    EXPECT_EQ(bitmap.Pixel(3, 2), c.Expected) << c.Type << " " << c.Icon;
    EXPECT_EQ(bitmap.Pixel(18, 17), c.Expected) << c.Type << " " << c.Icon;
    EXPECT_EQ(bitmap.Pixel(2, 2), table[0]);
  }
}

TEST(MenuPaint, CaptionAndShortcutRectanglesPerLook) {
  TFixture fixture;
  TItem item;
  item.Name = u"Caption";
  item.ShortCutText = u"Ctrl+K";
  const TRect row{2, 22, 160, 42};
  const TQxColor text = fixture.Colors.MenuText;
  const TQxColor sel = fixture.Colors.SelText;
  TQxBitmap bitmap(162, 64);
  // Caption from left + 2 × IconMargin + 16, shortcut's right edge as far in, both moved down by TextTop.
  const std::vector<TTextCall> expected{
      {{24, 23, 160, 43}, u"Caption", text, TTextAlign::Left},
      {{24, 23, 138, 43}, u"Ctrl+K", text, TTextAlign::Right},
      {{24, 23, 160, 43}, u"Caption", sel, TTextAlign::Left},
      {{24, 23, 138, 43}, u"Ctrl+K", sel, TTextAlign::Right},
      // Pressed: inside the outline, a pixel lower and higher, but as wide as the row.
      {{24, 24, 160, 42}, u"Caption", sel, TTextAlign::Left},
      {{24, 24, 138, 42}, u"Ctrl+K", sel, TTextAlign::Right},
  };
  for (const TEntryLook look : {TEntryLook::Normal, TEntryLook::Hot, TEntryLook::Pressed}) {
    PaintPopupRow(bitmap, item, row, look, {}, fixture.Context());
  }
  EXPECT_EQ(fixture.Text.Calls, expected);
}

TEST(MenuPaint, ARowPaintsNothingOutsideItselfEvenWhenItsIconWouldReachOut) {
  TFixture fixture;
  fixture.Metrics = {10, -3, 3, 2, 0, true};  // icons taller than the row
  TItem item;
  item.Name = u"Row";
  item.ImageIndex = 3;
  item.Level = 2;
  item.NewChild();
  const TQxColor sentinel = TQxColor::FromChannels(9, 9, 9);
  const TRect row{2, 12, 100, 22};
  for (const TEntryLook look : {TEntryLook::Normal, TEntryLook::Hot, TEntryLook::Pressed}) {
    TQxBitmap bitmap(102, 34);
    bitmap.Fill(sentinel);
    PaintPopupRow(bitmap, item, row, look, graphics::Gradient(Red, Blue, 34), fixture.Context());
    int outside = 0;
    int inside = 0;
    for (int y = 0; y < 34; ++y) {
      for (int x = 0; x < 102; ++x) {
        const bool changed = bitmap.Pixel(x, y) != sentinel;
        (row.Contains({x, y}) ? inside : outside) += changed ? 1 : 0;
      }
    }
    EXPECT_EQ(outside, 0) << static_cast<int>(look);
    EXPECT_EQ(inside, row.Width() * row.Height()) << static_cast<int>(look);
  }
}

TEST(MenuPaint, BarEntryIconSitsAPixelHigherAndShiftsTheCentredCaption) {
  TFixture fixture;
  fixture.Glyphs.User.Cells().Fill(fixture.Glyphs.User.CellRect(0), Red);
  TItem root;
  TItem& entry = AddItem(root, u"Entry", storage::ItemTypeFolder, 0);
  entry.ItemRect = {40, 0, 40 + 30 + 18 + 16, 24};
  TItem& program = AddItem(root, u"Prog", storage::ItemTypeProgramOwn, 0);
  program.ItemRect = {104, 0, 104 + 24 + 18, 24};
  TQxBitmap bitmap(200, 24);
  PaintBar(bitmap, root, -1, 1, fixture.Context());
  // (left + IconMargin, top − 1 + IconTop) = (43, 1).
  EXPECT_EQ(bitmap.Pixel(43, 1), Red);
  EXPECT_EQ(bitmap.Pixel(58, 16), Red);
  EXPECT_NE(bitmap.Pixel(42, 1), Red);
  EXPECT_NE(bitmap.Pixel(43, 0), Red);
  EXPECT_NE(bitmap.Pixel(43, 17), Red);
  // The program's own entry shows no icon, pressed: outline in the frame colour, selection gradient inside.
  EXPECT_NE(bitmap.Pixel(107, 1), Red);
  EXPECT_EQ(bitmap.Pixel(104, 0), fixture.Colors.Frame);
  EXPECT_EQ(bitmap.Pixel(105, 1), fixture.Colors.SelTop);
  const std::vector<TTextCall> expected{
      {{56, 1, 104, 25}, u"Entry", fixture.Colors.MenuText, TTextAlign::Center},
      {{104, 1, 146, 25}, u"Prog", fixture.Colors.SelText, TTextAlign::Center},
  };
  EXPECT_EQ(fixture.Text.Calls, expected);
  // Right of the last entry: the same bar gradient as a normal entry.
  EXPECT_EQ(bitmap.Pixel(199, 12), bitmap.Pixel(100, 12));
  EXPECT_EQ(bitmap.Pixel(146, 23), bitmap.Pixel(41, 23));
}

TEST(MenuPaint, ColoursBecomeOpaquePixelsAndShadowStaysInRange) {
  storage::TSettings settings = TestSettings();
  settings.MenuTopColor = graphics::RgbColor(1, 2, 3);
  settings.FrameColor = 0x80000005;  // a system colour: the window background, white in the classic scheme
  settings.PipeShadow = 300;
  const TMenuColors colors = TMenuColors::From(settings);
  EXPECT_EQ(colors.MenuTop, TQxColor::FromChannels(1, 2, 3, 255));
  EXPECT_EQ(colors.Frame, TQxColor::FromChannels(255, 255, 255, 255));
  EXPECT_EQ(colors.PipeShadow, 255);
}

}  // namespace
}  // namespace tolvane::uimodel
