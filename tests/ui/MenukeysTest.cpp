#include "uimodel/Menukeys.h"

#include <gtest/gtest.h>

namespace tolvane::uimodel {
namespace {

using A = TMenuKeyAction;
constexpr TKeyModifiers None{}, Ctrl{true, false, false}, Shift{false, true, false}, Alt{false, false, true};

TEST(MenuKeysTest, TheBarTable) {
  struct TRow {
    std::uint32_t Key;
    TKeyModifiers Modifiers;
    TMenuKey Expected;
  };
  const TRow rows[] = {
      {'2', None, {A::Select, 1}},
      {menukey::Numpad0 + 2, None, {A::Select, 2}},
      {':', None, {A::Select, 9}},
      {'A', None, {A::Select, 9}},
      {'Q', None, {A::Select, 25}},
      {'Q', Ctrl, {A::RepeatPrevious}},
      {menukey::Enter, Ctrl, {A::RepeatPrevious}},
      {menukey::Enter, None, {A::Nothing}},
      {'0', None, {A::Nothing}},
      {';', None, {A::Select, 0}},
      {menukey::Control, Ctrl, {A::Nothing}},
      {menukey::Escape, None, {A::CloseAll}},
      {menukey::Delete, None, {A::Command, 0, 107}},
      {menukey::F8, None, {A::Command, 0, 105}},
      {menukey::F9, None, {A::Command, 0, 102}},
      {menukey::F10, None, {A::Command, 0, 104}},
      {menukey::F11, None, {A::Command, 0, 103}},
      {menukey::F10, Shift, {A::ContextWindow}},
      {menukey::Apps, None, {A::ContextWindow}},
      {'S', Alt, {A::IconPicker}},
  };
  for (const TRow& row : rows)
    EXPECT_EQ(BarKey(row.Key, row.Modifiers, true), row.Expected) << row.Key;

  EXPECT_EQ(BarKey(menukey::Down, None, true).Action, A::OpenDown);
  EXPECT_EQ(BarKey(menukey::Up, None, true).Action, A::FocusBar);
  EXPECT_EQ(BarKey(menukey::Down, None, false).Action, A::FocusBar);
  EXPECT_EQ(BarKey(menukey::Up, None, false).Action, A::OpenUp);
  EXPECT_EQ(SteppedIndex(BarKey(menukey::Left, None, true), -1, 4), 3);
  EXPECT_EQ(SteppedIndex(BarKey(menukey::Right, None, true), 3, 4), 0);
}

TEST(MenuKeysTest, ThePopupTable) {
  for (const std::uint32_t key :
       {std::uint32_t{'0'}, std::uint32_t{'1'}, menukey::Numpad0 + 1, std::uint32_t{':'}})
    EXPECT_EQ(PopupKey(key, None, true), (TMenuKey{A::Select, 0})) << key;
  EXPECT_EQ(PopupKey('2', None, true), (TMenuKey{A::Select, 1}));
  EXPECT_EQ(PopupKey(menukey::Numpad0 + 2, None, true), (TMenuKey{A::Select, 1}));
  EXPECT_EQ(PopupKey('Q', Ctrl, true), (TMenuKey{A::Select, 25}));  // repeating is the bar's alone
  EXPECT_EQ(PopupKey(menukey::Enter, None, true).Action, A::Perform);
  EXPECT_EQ(PopupKey(menukey::PageDown, None, true).Action, A::Last);
  EXPECT_EQ(PopupKey(menukey::Left, None, true).Action, A::Back);
  EXPECT_EQ(PopupKey(menukey::F11, None, true), (TMenuKey{A::Command, 0, 103}));

  // With no hot item both arrows take the item next to where the popup opened; else they wrap.
  for (const std::uint32_t arrow : {menukey::Up, menukey::Down}) {
    EXPECT_EQ(SteppedIndex(PopupKey(arrow, None, true), -1, 5), 0);
    EXPECT_EQ(SteppedIndex(PopupKey(arrow, None, false), -1, 5), 4);
  }
  EXPECT_EQ(SteppedIndex(PopupKey(menukey::Up, None, true), 0, 5), 4);
  EXPECT_EQ(SteppedIndex(PopupKey(menukey::Down, None, false), 4, 5), 0);
  EXPECT_EQ(SteppedIndex(PopupKey(menukey::Down, None, true), -1, 0), -1);
}

}  // namespace
}  // namespace tolvane::uimodel
