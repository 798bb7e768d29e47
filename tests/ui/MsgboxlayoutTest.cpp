#include "uimodel/Msgboxlayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace tolvane::uimodel {
namespace {

namespace button = platform::msgbutton;

TMsgBoxLayoutInput LayoutInput(int ppi, int buttons, TSize text) {
  TMsgBoxLayoutInput input;
  input.Scale = TScale(ppi);
  input.ButtonCount = buttons;
  input.MeasureText = [text](int) { return text; };
  return input;
}

TEST(MsgBoxLayout, WidensForTheFifthAndFurtherButtons) {
  for (const int ppi : {96, 144, 192}) {
    const int base = LayoutMsgBox(LayoutInput(ppi, 1, TSize{0, 0})).ClientWidth;
    const int slot = TScale(ppi)(132) + 2 * TScale(ppi)(9);
    for (int count = 1; count <= 9; ++count) {
      const TMsgBoxLayout layout = LayoutMsgBox(LayoutInput(ppi, count, TSize{0, 0}));
      EXPECT_EQ(layout.ClientWidth, base + std::max(0, count - 4) * slot) << ppi << " ppi, " << count;
      ASSERT_EQ(layout.Buttons.size(), static_cast<std::size_t>(count));
      EXPECT_GE(layout.Buttons.front().Left, 0);
      EXPECT_LE(layout.Buttons.back().Right, layout.ClientWidth);
      for (std::size_t i = 1; i < layout.Buttons.size(); ++i)
        EXPECT_GT(layout.Buttons[i].Left, layout.Buttons[i - 1].Right) << count;
      EXPECT_GE(layout.Buttons.front().Top, layout.ButtonPanel.Top);
      EXPECT_LE(layout.Buttons.front().Bottom, layout.ClientHeight);
    }
  }
}

TEST(MsgBoxLayout, FitsTheTextByWideningAndHeightening) {
  const TMsgBoxLayout base = LayoutMsgBox(LayoutInput(144, 2, TSize{10, 10}));
  const int room = base.ClientWidth - base.Text.Left - 24;
  const int textHeightRoom = base.ClientHeight - 72 - 60;

  const TMsgBoxLayout fits = LayoutMsgBox(LayoutInput(144, 2, TSize{room, textHeightRoom}));
  EXPECT_EQ(fits.ClientWidth, base.ClientWidth);
  EXPECT_EQ(fits.ClientHeight, base.ClientHeight);

  const TMsgBoxLayout wide = LayoutMsgBox(LayoutInput(144, 2, TSize{room + 100, 20}));
  EXPECT_EQ(wide.ClientWidth, base.ClientWidth + 100);
  EXPECT_EQ(wide.ClientHeight, base.ClientHeight);
  EXPECT_EQ(wide.TextWrapWidth, 0);
  EXPECT_EQ(wide.Text.Right - wide.Text.Left, room + 100);

  const TMsgBoxLayout tall = LayoutMsgBox(LayoutInput(144, 2, TSize{20, textHeightRoom + 50}));
  EXPECT_EQ(tall.ClientWidth, base.ClientWidth);
  EXPECT_EQ(tall.ClientHeight, base.ClientHeight + 50);
  EXPECT_LE(tall.Text.Bottom, tall.ButtonPanel.Top);

  TMsgBoxLayoutInput withCheckBox = LayoutInput(144, 2, TSize{20, textHeightRoom});
  withCheckBox.CheckPanelVisible = true;
  const TMsgBoxLayout checked = LayoutMsgBox(withCheckBox);
  EXPECT_EQ(checked.ClientHeight, base.ClientHeight + 42);
  EXPECT_EQ(checked.CheckPanel.Bottom, checked.ButtonPanel.Top);
  EXPECT_LE(checked.Text.Bottom, checked.CheckPanel.Top);
}

TEST(MsgBoxLayout, WrapsOnlyWhereTheWorkAreaEnds) {
  std::vector<int> wrapWidths;
  TMsgBoxLayoutInput input = LayoutInput(96, 5, TSize{0, 0});
  input.MaxClientWidth = 800;
  input.MaxClientHeight = 600;
  input.MeasureText = [&wrapWidths](int wrapWidth) {
    wrapWidths.push_back(wrapWidth);
    return wrapWidth == 0 ? TSize{5000, 14} : TSize{wrapWidth, 2000};
  };
  const TMsgBoxLayout layout = LayoutMsgBox(input);
  EXPECT_EQ(layout.ClientWidth, 800);
  EXPECT_EQ(layout.ClientHeight, 600);
  ASSERT_EQ(wrapWidths.size(), 2u);
  EXPECT_EQ(wrapWidths[1], layout.TextWrapWidth);
  EXPECT_EQ(layout.Text.Right - layout.Text.Left, layout.TextWrapWidth);
  EXPECT_LE(layout.Buttons.back().Right, layout.ClientWidth);
  EXPECT_LE(layout.Text.Bottom, layout.ButtonPanel.Top);
}

TEST(MsgBoxPlacement, MovesIntoTheWorkAreaRightAndBottomFirst) {
  const TRect work{0, 0, 1000, 700};
  const struct {
    TRect Box, Expected;
  } cases[] = {
      {{100, 100, 400, 300}, {100, 100, 400, 300}},    // inside already
      {{900, 650, 1200, 850}, {700, 500, 1000, 700}},  // over the right and bottom edges
      {{-50, -20, 250, 180}, {0, 0, 300, 200}},        // over the left and top edges
      {{-10, 600, 290, 800}, {0, 500, 300, 700}},      // left and bottom
      {{200, 100, 1400, 900}, {0, 0, 1200, 800}},      // larger than the area: the top-left corner shows
  };
  for (const auto& c : cases) {
    const TRect moved = MoveIntoWorkArea(c.Box, work);
    EXPECT_EQ(moved, c.Expected) << c.Box.Left << "," << c.Box.Top << " -> " << moved.Left << ","
                                 << moved.Top;
  }
}

TEST(MsgBoxPlacement, CentresOnTheReference) {
  EXPECT_EQ(CentredOn(TRect{100, 100, 500, 300}, TSize{200, 100}), (TRect{200, 150, 400, 250}));
  EXPECT_EQ(CentredOn(TRect{0, 0, 100, 100}, TSize{300, 50}), (TRect{-100, 25, 200, 75}));
}

TEST(MsgBoxDefault, FollowsTheButtonOrder) {
  const struct {
    std::uint32_t Shown, Default;
  } cases[] = {{button::Yes | button::No, button::Yes},
               {button::Ok | button::Yes, button::Ok},
               {button::No | button::All, button::All},
               {button::Abort | button::Retry | button::Ignore, button::Retry},
               {button::Abort | button::Ignore, button::Ignore},
               {button::No | button::None | button::Abort, button::No},
               {button::None | button::Abort | button::Cancel, button::None},
               {button::Abort | button::Cancel, button::Abort},
               {button::Cancel, button::Cancel},
               {0, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(DefaultMsgButton(c.Shown), c.Default) << c.Shown;
}

}  // namespace
}  // namespace tolvane::uimodel
