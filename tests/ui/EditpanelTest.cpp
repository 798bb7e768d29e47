#include "uimodel/Editpanel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Unicode.h"

namespace tolvane::uimodel {
namespace {

using storage::TItem;
using enum TEditPart;

TEST(TypeListTest, StoredTypesMapToTheListAndBack) {
  std::vector<int> types;
  for (const TTypeListEntry& entry : TypeList)
    types.push_back(entry.ItemType);
  EXPECT_EQ(types, (std::vector<int>{0, 2, 7, 6, 5, 4, 3}));
  EXPECT_EQ(TypeList[2].Text, u"Clip Modifier, - Modify contens of Clipboard");
  for (int index = 0; index < static_cast<int>(TypeList.size()); ++index)
    EXPECT_EQ(TypeListIndex(ItemTypeOfListIndex(index)), index);
  for (int odd : {1, 8, 50, -1})
    EXPECT_EQ(TypeListIndex(odd), 0) << odd;
  EXPECT_EQ(ItemTypeOfListIndex(7), storage::ItemTypeClip);
  EXPECT_EQ(ItemTypeOfListIndex(-1), storage::ItemTypeClip);
}

TEST(PanelLayoutTest, EachTypeShowsItsPanelsAndBarEntriesAFolders) {
  struct TRow {
    int Type;
    TPanelLayout Layout;
    const char16_t* Anchor;
  };
  const TRow rows[] = {
      {0, {{Hint, Code}, u"Clipboard Contents:", false}, u"#MainEditor"},
      {1, {{Hint, Code}, u"Clipboard Contents:", false}, u"#MainEditor"},
      {9, {{Hint, Code}, u"Clipboard Contents:", false}, u"#MainEditor"},
      {2, {{Hint, Code}, u"Clipboard Contents:", false}, u"#MainEditor"},
      {3, {{Program, Hint}, u"", false}, u"#ActionItem"},
      {4, {{Web, Hint}, u"", false}, u"#WebsiteItem"},
      {5, {{Mail, Code}, u"Mail Body:", false}, u"#MailItem"},
      {6, {{Macro, Hint, Code}, u"Multiline Macro View", false}, u"#MacroItem"},
      {7, {{Hint, Code}, u"Clipboard Modifier Code:", true}, u"#ClipModifier"},
  };
  for (const TRow& row : rows) {
    EXPECT_EQ(PanelLayoutFor(row.Type, 2), row.Layout) << row.Type;
    EXPECT_EQ(PanelLayoutFor(row.Type, 1), rows[3].Layout) << row.Type;
    EXPECT_EQ(HelpAnchorFor(row.Type), row.Anchor) << row.Type;
  }
  EXPECT_EQ(PanelEnabledFor(storage::ItemTypeClip, 2), (TPanelEnabled{true, true}));
  EXPECT_EQ(PanelEnabledFor(storage::ItemTypeFolder, 2), (TPanelEnabled{true, false}));
  EXPECT_EQ(PanelEnabledFor(storage::ItemTypeClip, 1), (TPanelEnabled{false, false}));
  EXPECT_EQ(PanelEnabledFor(storage::ItemTypeFolder, 0), (TPanelEnabled{false, false}));
}

TEST(RepeatInputTest, TwoDigitsAtMostAndEmptyCountsOnce) {
  const std::pair<const char16_t*, TRepeatInput> rows[] = {
      {u"", {u"", 1}},          {u"7", {u"7", 7}},  {u"12", {u"12", 12}}, {u"123", {u"12", 12}},
      {u"a1b2c3", {u"12", 12}}, {u"-5", {u"5", 5}}, {u"0", {u"0", 1}},    {u"05", {u"05", 5}},
  };
  for (const auto& [typed, expected] : rows)
    EXPECT_EQ(ReadRepeatInput(typed), expected) << Utf16ToUtf8(typed);
}

TEST(DroppedFilesTest, ClipsListThePathsActionsSplitProgramAndParameters) {
  const std::vector<std::u16string> two{u"C:\\a.txt", u"C:\\b c.txt"};
  TDropFields fields{u"old\r\n", u"", u"", u""};
  EXPECT_TRUE(ApplyDroppedFiles(storage::ItemTypeFolderClip, two, true, fields));
  EXPECT_EQ(fields.CodeArea, u"old\r\nC:\\a.txt\r\nC:\\b c.txt\r\n");
  EXPECT_TRUE(ApplyDroppedFiles(storage::ItemTypeClip, two, false, fields));
  EXPECT_EQ(fields.CodeArea, u"C:\\a.txt\r\nC:\\b c.txt\r\n");

  // A path far beyond 260 characters arrives whole.
  const std::u16string longPath = u"C:\\" + std::u16string(290, u'x') + u"\\notes.txt";
  ASSERT_EQ(longPath.size(), 303u);
  TDropFields action{u"", u"C:\\old.exe", u"-v", u""};
  EXPECT_TRUE(ApplyDroppedFiles(storage::ItemTypeProgram, {longPath, u"D:\\Tool.EXE", u"E:\\second.exe"},
                                false, action));
  EXPECT_EQ(action.Program, u"D:\\Tool.EXE");
  EXPECT_EQ(action.Params, u"-v \"" + longPath + u"\" \"E:\\second.exe\"");

  TDropFields web;
  EXPECT_TRUE(ApplyDroppedFiles(storage::ItemTypeWebSite, {u"C:\\p.html", u"C:\\q.html"}, false, web));
  EXPECT_EQ(web.Website, u"C:\\p.html");

  TDropFields untouched;
  EXPECT_FALSE(ApplyDroppedFiles(storage::ItemTypeMail, two, false, untouched));
  EXPECT_EQ(untouched, TDropFields{});
  EXPECT_FALSE(AcceptsFileDrop(storage::ItemTypeClip, 1));
}

// The panel's controls: setting a text reports the change back at once, as edit controls do.
class TFakePanel final : public IEditPanelView {
 public:
  void ShowFields(const TPanelFields& fields, const TPanelLayout* layout) override {
    Fields = fields;
    if (layout != nullptr)
      Layouts.push_back(*layout);
    Written += Model->WriteText(TPanelText::Caption, fields.Caption);
    Written += Model->WriteRepeat(fields.Repeat);
    SetMacroText(fields.Macro);
    SetCodeAreaText(fields.CodeArea);
  }
  void SetMacroText(std::u16string_view text) override {
    Fields.Macro = text;
    ++MacroSets;
    Written += Model->MacroChanged(text);
  }
  void SetCodeAreaText(std::u16string_view text) override {
    Fields.CodeArea = text;
    ++CodeAreaSets;
    Written += Model->CodeAreaChanged(text);
  }
  void ClearCounts() {
    Written = MacroSets = CodeAreaSets = 0;
    Layouts.clear();
  }

  TEditPanelModel* Model = nullptr;
  TPanelFields Fields;
  std::vector<TPanelLayout> Layouts;
  int Written = 0;
  int MacroSets = 0;
  int CodeAreaSets = 0;
};

class EditPanelModelTest : public ::testing::Test {
 protected:
  EditPanelModelTest() {
    Panel.Model = &Model;
    BarItem = Root.NewChild();
    BarItem->Name = u"Bar";
    ClipItem = BarItem->NewChild();
    ClipItem->Code = u"kept text";
    MacroItem = BarItem->NewChild();
    MacroItem->ItemType = storage::ItemTypeKeyMacro;
    MacroItem->KeyMacro = u"a\\0D\\0vb";
    MacroItem->RepeatCount = 3;
  }

  TItem Root;
  TItem *BarItem, *ClipItem, *MacroItem;
  TFakePanel Panel;
  TEditPanelModel Model{Panel};
};

TEST_F(EditPanelModelTest, FillingWritesNothingBackAndLaysOutOnlyOnChange) {
  Model.Show(MacroItem);
  EXPECT_EQ(Panel.Written, 0);
  EXPECT_EQ(Panel.Fields.CodeArea, u"a\r\nb");
  EXPECT_EQ(Panel.Fields.Repeat, u"3");
  EXPECT_EQ(Panel.Layouts.size(), 1u);
  Model.Show(MacroItem);
  Model.Show(ClipItem);
  TItem* other = BarItem->NewChild();
  other->ItemType = storage::ItemTypeFolderClip;
  Model.Show(other);  // shows as a clip: same panels
  Model.Show(BarItem);
  EXPECT_EQ(Panel.Layouts.size(), 3u);
  TPanelFields captionOnly;
  captionOnly.Caption = u"Bar";
  captionOnly.TypeIndex = TypeListIndex(storage::ItemTypeFolder);
  EXPECT_EQ(Panel.Fields, captionOnly);
  EXPECT_EQ(Panel.Written, 0);
}

TEST_F(EditPanelModelTest, TypingInTheMacroViewUpdatesTheSingleLineOnce) {
  Model.Show(MacroItem);
  Panel.ClearCounts();
  // The user types a third line into the code area.
  EXPECT_TRUE(Model.CodeAreaChanged(u"a\r\nb\r\nc"));
  EXPECT_EQ(MacroItem->KeyMacro, u"a\\0D\\0vb\\0D\\0vc");
  EXPECT_EQ(Panel.Fields.Macro, MacroItem->KeyMacro);
  EXPECT_EQ(Panel.MacroSets, 1);
  EXPECT_EQ(Panel.CodeAreaSets, 0);
  EXPECT_EQ(Panel.Written, 0);
  // And into the single-line field.
  EXPECT_TRUE(Model.MacroChanged(u"x\\0D\\0vy"));
  EXPECT_EQ(Panel.Fields.CodeArea, u"x\r\ny");
  EXPECT_EQ(Panel.CodeAreaSets, 1);
  EXPECT_EQ(Panel.MacroSets, 1);
  EXPECT_EQ(Panel.Written, 0);
  // Once the write is over, the user's next change counts again.
  EXPECT_TRUE(Model.CodeAreaChanged(u"z"));
  EXPECT_EQ(MacroItem->KeyMacro, u"z");
}

TEST_F(EditPanelModelTest, ChangingAClipToAMacroShowsAnEmptyViewAndKeepsTheText) {
  Model.Show(ClipItem);
  Panel.ClearCounts();
  EXPECT_TRUE(Model.WriteType(TypeListIndex(storage::ItemTypeKeyMacro)));
  EXPECT_EQ(ClipItem->ItemType, storage::ItemTypeKeyMacro);
  ASSERT_EQ(Panel.Layouts.size(), 1u);
  EXPECT_EQ(Panel.Layouts[0].Parts, (std::vector<TEditPart>{Macro, Hint, Code}));
  EXPECT_EQ(Panel.Fields.CodeArea, u"");
  EXPECT_EQ(ClipItem->Code, u"kept text");
  EXPECT_EQ(Panel.Written, 0);
}

TEST_F(EditPanelModelTest, WritesReachOnlyTheShownItemAndABarEntryOnlyItsCaption) {
  Model.Show(ClipItem);
  EXPECT_TRUE(Model.WriteRepeat(u""));
  EXPECT_EQ(ClipItem->RepeatCount, 1);
  EXPECT_TRUE(Model.CodeAreaChanged(u"new text"));
  EXPECT_EQ(ClipItem->Code, u"new text");

  Model.Show(BarItem);
  EXPECT_TRUE(Model.WriteText(TPanelText::Caption, u"Renamed"));
  EXPECT_EQ(BarItem->Name, u"Renamed");
  EXPECT_FALSE(Model.WriteText(TPanelText::Hint, u"tip"));
  EXPECT_FALSE(Model.CodeAreaChanged(u"text"));
  EXPECT_FALSE(Model.WriteType(0));
  EXPECT_EQ(BarItem->Tip, u"");
  EXPECT_EQ(BarItem->ItemType, storage::ItemTypeFolder);

  Model.Show(nullptr);
  EXPECT_FALSE(Model.WriteText(TPanelText::Caption, u"lost"));
  EXPECT_EQ(BarItem->Name, u"Renamed");
}

TEST_F(EditPanelModelTest, ComposersWriteOnlyTheirOwnTypeAndRefillTheFields) {
  Model.Show(MacroItem);
  Panel.ClearCounts();
  EXPECT_TRUE(Model.WriteComposedMacro(u"x\\0D\\0v\\24\\2fy", true));
  EXPECT_EQ(MacroItem->KeyMacro, u"x\\0D\\0v\\24\\2fy");
  EXPECT_TRUE(MacroItem->NewLineHome);
  EXPECT_EQ(Panel.Fields.CodeArea, u"x\r\ny");
  EXPECT_TRUE(Panel.Fields.NewLineHome);
  EXPECT_EQ(Panel.Written, 0);
  EXPECT_FALSE(Model.WriteComposedModifier(u"Paste"));
  EXPECT_EQ(MacroItem->XClip, u"");

  TItem* modifier = BarItem->NewChild();
  modifier->ItemType = storage::ItemTypeClipModifier;
  Model.Show(modifier);
  // The editor gets the code with a line break after it and gives it back with blanks and breaks cut off.
  modifier->XClip = u"Upper";
  EXPECT_EQ(ModifierComposerText(*modifier), u"Upper\r\n");
  EXPECT_TRUE(Model.WriteComposedModifier(u" \t\r\nUpper\r\n Paste \r\n\r\n"));
  EXPECT_EQ(modifier->XClip, u"Upper\r\n Paste");
  EXPECT_EQ(Panel.Fields.CodeArea, modifier->XClip);
  EXPECT_FALSE(Model.WriteComposedMacro(u"a", false));
  EXPECT_TRUE(Model.WriteComposedModifier(u" \r\n "));
  EXPECT_EQ(modifier->XClip, u"");

  Model.Show(BarItem);
  EXPECT_FALSE(Model.WriteComposedModifier(u"Paste"));
}

}  // namespace
}  // namespace tolvane::uimodel
