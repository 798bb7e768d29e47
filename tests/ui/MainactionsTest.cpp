#include "uimodel/Mainactions.h"

#include <gtest/gtest.h>

#include <string>

#include "common/Unicode.h"
#include "uimodel/Programmenu.h"

namespace tolvane::uimodel {
namespace {

// "Ctrl+N", "F12", "Alt+F4" as the program menu shows them.
std::u16string ChordText(const TKeyChord& chord) {
  std::u16string text;
  if (chord.Ctrl)
    text += u"Ctrl+";
  if (chord.Shift)
    text += u"Shift+";
  if (chord.Alt)
    text += u"Alt+";
  if (chord.Key >= 0x70 && chord.Key <= 0x7B)
    text += u"F" + Utf8ToUtf16(std::to_string(chord.Key - 0x70 + 1));
  else if (chord.Key != 0)
    text += static_cast<char16_t>(chord.Key);
  return text;
}

void ExpectCommandsMatchTheirActions(const storage::TItem& parent) {
  for (const storage::TItem& item : parent.Children) {
    SCOPED_TRACE(Utf16ToUtf8(item.Name));
    if (item.ItemType == command::Settings) {
      EXPECT_EQ(ActionForCommand(item.ItemType), TMainAction::None);  // a sub-menu header
    } else {
      const TMainAction action = ActionForCommand(item.ItemType);
      ASSERT_NE(action, TMainAction::None);
      // The shortcut the menu shows is the one that really runs the command.
      if (!item.ShortCutText.empty()) {
        EXPECT_EQ(ChordText(ActionInfo(action).ShortCut), item.ShortCutText);
      }
    }
    ExpectCommandsMatchTheirActions(item);
  }
}

TEST(MainActionsTest, EveryProgramMenuCommandRunsAnActionWithTheShortcutItShows) {
  const std::unique_ptr<storage::TItem> program = NewProgramItem();
  BuildProgramCommands(*program);
  ExpectCommandsMatchTheirActions(*program);
  EXPECT_EQ(ActionForCommand(command::RecentFile), TMainAction::OpenRecentFile);
  EXPECT_EQ(ActionForCommand(0), TMainAction::None);
  EXPECT_EQ(ActionForCommand(command::ProgramItem), TMainAction::None);
}

TEST(MainActionsTest, ShortcutsNeedTheirExactModifiers) {
  TKeyChord chord;
  chord.Key = 0x78;  // F9
  EXPECT_EQ(ActionForKey(chord), TMainAction::InsertBefore);
  chord.Ctrl = true;
  EXPECT_EQ(ActionForKey(chord), TMainAction::CtrlInsertBefore);
  chord.Shift = true;
  EXPECT_EQ(ActionForKey(chord), TMainAction::None);
  chord = TKeyChord{};
  chord.Key = 0x51;  // Q
  EXPECT_EQ(ActionForKey(chord), TMainAction::None);
  chord.Ctrl = true;
  EXPECT_EQ(ActionForKey(chord), TMainAction::RepeatPreviousAction);
  EXPECT_EQ(ActionForKey(TKeyChord{}), TMainAction::None);  // actions without a shortcut are never hit
}

TEST(MainActionsTest, NoTwoActionsShareAShortcut) {
  for (int a = static_cast<int>(TMainAction::EditOpenAndClose); a <= static_cast<int>(TMainAction::Exit);
       ++a) {
    const TMainActionInfo& info = ActionInfo(static_cast<TMainAction>(a));
    EXPECT_EQ(info.Action, static_cast<TMainAction>(a)) << "action " << a << " has no list entry";
    if (info.ShortCut.Key != 0) {
      EXPECT_EQ(ActionForKey(info.ShortCut), info.Action) << Utf16ToUtf8(info.Name);
    }
  }
}

TEST(MainActionsTest, MenuModeForwardsTheFunctionKeysOfTheEditActionsOnly) {
  EXPECT_EQ(MenuModeKey(TMainAction::EditItem), 0x77);
  EXPECT_EQ(MenuModeKey(TMainAction::CtrlInsertBefore), 0x78);
  EXPECT_EQ(MenuModeKey(TMainAction::InsertAsSubMenu), 0x79);
  EXPECT_EQ(MenuModeKey(TMainAction::CtrlInsertAfter), 0x7A);
  EXPECT_EQ(MenuModeKey(TMainAction::DeleteItem), std::nullopt);
  EXPECT_EQ(MenuModeKey(TMainAction::EditOpenAndClose), std::nullopt);

  TKeyChord escape;
  escape.Key = 0x1B;
  EXPECT_EQ(MenuModeOwnKey(escape), TMenuModeKey::CloseMenus);
  TKeyChord ctrlA;
  ctrlA.Key = 0x41;
  EXPECT_EQ(MenuModeOwnKey(ctrlA), TMenuModeKey::None);
  ctrlA.Ctrl = true;
  EXPECT_EQ(MenuModeOwnKey(ctrlA), TMenuModeKey::AppendFile);
}

}  // namespace
}  // namespace tolvane::uimodel
