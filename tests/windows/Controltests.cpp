// The common-control wrappers on one shared form: values set and read back, and notifications that really
// arrive from the keyboard and the mouse.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "Controltestwindow.h"
#include "Testsupport.h"
#include "ui/Controlfont.h"
#include "ui/Geometrywin.h"

// After the Windows headers.
#include <richedit.h>

namespace tolvane {
// Readable failures: rectangles print as their four edges.
void PrintTo(const TRect& r, std::ostream* out) {
  *out << "{" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << "}";
}
}  // namespace tolvane

namespace tolvane::ui::testing {
namespace {

using win32::testing::PumpUntil;

// ---- Input as the user gives it --------------------------------------------------------------------------

void SendKeys(const std::vector<INPUT>& inputs) {
  ::SendInput(static_cast<UINT>(inputs.size()), const_cast<INPUT*>(inputs.data()), sizeof(INPUT));
}

INPUT KeyInput(WORD key, wchar_t unit, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = unit;
  input.ki.dwFlags = flags;
  return input;
}

void TypeText(std::u16string_view text) {
  std::vector<INPUT> inputs;
  for (const char16_t unit : text) {
    inputs.push_back(KeyInput(0, unit, KEYEVENTF_UNICODE));
    inputs.push_back(KeyInput(0, unit, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
  }
  SendKeys(inputs);
}

void PressKey(WORD key) {
  SendKeys({KeyInput(key, 0, 0), KeyInput(key, 0, KEYEVENTF_KEYUP)});
}

void SendMouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  ::SendInput(1, &input, sizeof(input));
}

POINT OnScreen(HWND window, TPoint client) {
  POINT point = ToPOINT(client);
  ::ClientToScreen(window, &point);
  return point;
}

TPoint Centre(const TRect& rect) {
  return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
}

void ClickAt(POINT screen, int clicks = 1) {
  ::SetCursorPos(screen.x, screen.y);
  for (int i = 0; i < clicks; ++i) {
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
  }
}

// Everything injected so far has been handled: no input and no posted message (WM_CHAR) is waiting.
bool InputDrained() {
  return HIWORD(::GetQueueStatus(QS_INPUT | QS_POSTMESSAGE)) == 0;
}

// ---- The shared form --------------------------------------------------------------------------------------

class Controls : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // At 96 ppi the form's design client of 1200 × 780 is 800 × 520.
    Form = std::make_unique<TControlTestWindow>(TRect::Sized(40, 40, 800, 520));
    TTestControls& controls = Form->Controls();
    for (int image = 0; image < 3; ++image)
      controls.Images.Add(Glyph(0xFF000000u | (0x40u << (8 * image))));
    controls.Tree.SetImageList(controls.Images.Handle());
    controls.List.SetImageList(controls.Images.Handle());
    controls.List.AddColumn(u"Title", 120);
    controls.List.AddColumn(u"Path", 120);
    controls.List.AddColumn(u"Type", 60);
  }
  static void TearDownTestSuite() { Form.reset(); }

  void SetUp() override {
    ForgetCallbacks();
    ASSERT_TRUE(InFront());
  }

  static graphics::TQxBitmap Glyph(std::uint32_t color) {
    graphics::TQxBitmap glyph(16, 16);
    glyph.Fill(graphics::TQxColor(color));
    return glyph;
  }

  TTestControls& C() { return Form->Controls(); }

  // The form in front with the focus in the control.
  [[nodiscard]] bool FocusOn(TControl& control) {
    if (!InFront())
      return false;
    control.Focus();
    return PumpUntil([&] { return control.Focused(); });
  }

  static bool InFront() {
    ::SetForegroundWindow(Form->Handle());
    return PumpUntil([] { return ::GetForegroundWindow() == Form->Handle(); });
  }

  POINT ScreenPointOf(const TControl& control, TPoint client) const {
    return OnScreen(control.Handle(), client);
  }

  void ForgetCallbacks() {
    for (int id = IdName; id <= IdCode; ++id) {
      TControl* control = C().ById(id);
      control->OnKeyDown = nullptr;
      control->OnKeyUp = nullptr;
      control->OnFocus = nullptr;
    }
    C().Name.OnChange = C().Digits.OnChange = C().Notes.OnChange = nullptr;
    C().Bold.OnClick = nullptr;
    C().Type.OnSelChanged = C().Font.OnSelChanged = nullptr;
    C().Type.OnChange = C().Font.OnChange = nullptr;
    C().Tree.OnSelChanged = nullptr;
    C().Tree.OnItemExpanding = nullptr;
    C().Tree.OnBeginDrag = nullptr;
    C().Tree.OnRightClick = nullptr;
    C().List.OnSelChanged = C().List.OnActivate = nullptr;
    C().Hue.OnChange = nullptr;
    C().Code.OnChange = nullptr;
    C().Code.OnClick = C().Code.OnDoubleClick = nullptr;
  }

  static inline std::unique_ptr<TControlTestWindow> Form;
};

// ---- Edit ------------------------------------------------------------------------------------------------

TEST_F(Controls, EditTextRoundTripsWithoutRaisingOnChange) {
  int changes = 0;
  C().Name.OnChange = C().Notes.OnChange = [&] { ++changes; };
  C().Name.SetText(u"Caption \u00FC \U0001F600");
  EXPECT_EQ(C().Name.Text(), u"Caption \u00FC \U0001F600");
  // A memo takes more than the 32767 units the system allows by default.
  std::u16string longText;
  for (int line = 0; longText.size() < 100000; ++line)
    longText += u"line " + std::u16string(line % 50, u'x') + u"\r\n";
  C().Notes.SetText(longText);
  EXPECT_EQ(C().Notes.Text(), longText);
  EXPECT_EQ(changes, 0);
  C().Notes.SetText(u"");
}

TEST_F(Controls, TypingIntoAnEditRaisesOnChangeForEachCharacter) {
  C().Name.SetText(u"");
  int changes = 0;
  int focused = 0;
  C().Name.OnChange = [&] { ++changes; };
  C().Name.OnFocus = [&] { ++focused; };
  ASSERT_TRUE(FocusOn(C().Name));
  EXPECT_EQ(focused, 1);
  TypeText(u"ab\u00E9");
  EXPECT_TRUE(PumpUntil([&] { return C().Name.Text() == u"ab\u00E9" && InputDrained(); }));
  EXPECT_EQ(changes, 3);
  C().Name.SelectAll();
  EXPECT_EQ(C().Name.Selection(), (TTextSelection{0, 3}));
  C().Name.SetSelection({1, 2});
  EXPECT_EQ(C().Name.Selection(), (TTextSelection{1, 2}));
}

TEST_F(Controls, DigitsOnlyEditRefusesLettersAndStopsAtItsLength) {
  C().Digits.SetText(u"");
  ASSERT_TRUE(FocusOn(C().Digits));
  TypeText(u"4x27");
  EXPECT_TRUE(PumpUntil([&] { return InputDrained() && C().Digits.Text().size() >= 2; }));
  EXPECT_EQ(C().Digits.Text(), u"42");
}

TEST_F(Controls, KeyDownHandlerKeepsTheKeyAndItsCharacterFromTheControl) {
  C().Notes.SetText(u"");
  std::vector<WORD> seen;
  C().Notes.OnKeyDown = [&](WORD key) {
    seen.push_back(key);
    return key == VK_RETURN;
  };
  ASSERT_TRUE(FocusOn(C().Notes));
  TypeText(u"a");
  PressKey(VK_RETURN);
  TypeText(u"b");
  EXPECT_TRUE(PumpUntil([&] { return C().Notes.Text() == u"ab" && InputDrained(); }));
  EXPECT_EQ(C().Notes.Text(), u"ab");
  EXPECT_NE(std::find(seen.begin(), seen.end(), VK_RETURN), seen.end());
  // Without the handler Enter starts a new line again.
  C().Notes.OnKeyDown = nullptr;
  PressKey(VK_RETURN);
  TypeText(u"c");
  EXPECT_TRUE(PumpUntil([&] { return C().Notes.Text() == u"ab\r\nc"; }));
  C().Notes.SetText(u"");
}

// ---- Check box -------------------------------------------------------------------------------------------

TEST_F(Controls, CheckBoxClickedWithTheMouseTogglesAndReportsOnce) {
  C().Bold.SetChecked(false);
  int clicks = 0;
  bool checkedInCallback = false;
  C().Bold.OnClick = [&] {
    ++clicks;
    checkedInCallback = C().Bold.Checked();
  };
  EXPECT_EQ(C().Bold.Caption(), u"Bold Font");
  ClickAt(ScreenPointOf(C().Bold, {6, C().Bold.Bounds().Height() / 2}));
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1 && InputDrained(); }));
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(checkedInCallback);
  EXPECT_TRUE(C().Bold.Checked());
  // Setting the state is no click; BM_CLICK is one.
  C().Bold.SetChecked(false);
  EXPECT_EQ(clicks, 1);
  ::SendMessageW(C().Bold.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 2);
  EXPECT_TRUE(C().Bold.Checked());
}

TEST_F(Controls, DisabledOrHiddenControlTakesNoClick) {
  int clicks = 0;
  C().Bold.OnClick = [&] { ++clicks; };
  C().Bold.SetEnabled(false);
  EXPECT_FALSE(C().Bold.Enabled());
  ClickAt(ScreenPointOf(C().Bold, {6, C().Bold.Bounds().Height() / 2}));
  EXPECT_TRUE(PumpUntil(InputDrained));
  EXPECT_EQ(clicks, 0);
  C().Bold.SetEnabled(true);
  C().Bold.SetVisible(false);
  EXPECT_FALSE(C().Bold.Visible());
  EXPECT_FALSE(::IsWindowVisible(C().Bold.Handle()));
  C().Bold.SetVisible(true);
  EXPECT_TRUE(C().Bold.Visible());
}

// ---- Combo boxes -----------------------------------------------------------------------------------------

TEST_F(Controls, DropDownListHoldsItsLinesWithTheirValues) {
  TComboBox& type = C().Type;
  type.Clear();
  int changes = 0;
  type.OnSelChanged = [&] { ++changes; };
  EXPECT_EQ(type.Add(u"Clip, - Text", 0), 0);
  EXPECT_EQ(type.Add(u"Folder", 2), 1);
  EXPECT_EQ(type.Add(u"Action, - Start a Program ", 3), 2);
  EXPECT_EQ(type.Count(), 3);
  EXPECT_EQ(type.ItemText(2), u"Action, - Start a Program ");
  EXPECT_EQ(type.ItemData(1), 2);
  EXPECT_EQ(type.Find(u"FOLDER"), 1);
  EXPECT_EQ(type.Find(u"Fold"), -1);
  EXPECT_EQ(type.Selected(), -1);
  type.SetSelected(1);
  EXPECT_EQ(type.Selected(), 1);
  EXPECT_EQ(type.Text(), u"Folder");
  EXPECT_EQ(changes, 0);
}

TEST_F(Controls, ChoosingALineWithTheKeyboardRaisesOnSelChanged) {
  TComboBox& type = C().Type;
  type.Clear();
  type.Add(u"Clip");
  type.Add(u"Folder");
  type.SetSelected(0);
  std::vector<int> chosen;
  type.OnSelChanged = [&] { chosen.push_back(type.Selected()); };
  ASSERT_TRUE(FocusOn(type));
  PressKey(VK_DOWN);
  EXPECT_TRUE(PumpUntil([&] { return !chosen.empty() && InputDrained(); }));
  EXPECT_EQ(chosen, std::vector<int>{1});
  EXPECT_EQ(type.Selected(), 1);
}

TEST_F(Controls, TypingIntoAnEditableComboRaisesOnChange) {
  TComboBox& font = C().Font;
  font.Clear();
  font.Add(u"Courier New");
  font.Add(u"Lucida Console");
  font.SetText(u"");
  int changes = 0;
  font.OnChange = [&] { ++changes; };
  ASSERT_TRUE(FocusOn(font));
  TypeText(u"Mono");
  EXPECT_TRUE(PumpUntil([&] { return font.Text() == u"Mono" && InputDrained(); }));
  EXPECT_EQ(changes, 4);
  font.SetText(u"Lucida Console");
  EXPECT_EQ(font.Text(), u"Lucida Console");
  EXPECT_EQ(changes, 4);
}

// ---- Tree view -------------------------------------------------------------------------------------------

struct TSampleTree {
  TTreeItem Root, A, A1, A2, B, C;
};

// Root with A (A1, A2), B and C; every item's value is its position in that list.
TSampleTree FillTree(TTreeView& tree) {
  tree.Clear();
  TSampleTree items;
  items.Root = tree.Add({}, {u"Root", 0, -1, 0});
  items.A = tree.Add(items.Root, {u"A", 1, -1, 1});
  items.C = tree.Add(items.Root, {u"C", 1, -1, 5});
  items.B = tree.InsertBefore(items.C, {u"B", 1, -1, 4});
  items.A1 = tree.Add(items.A, {u"A1", 2, -1, 2});
  items.A2 = tree.InsertAfter(items.A1, {u"A2", 2, -1, 3});
  tree.Expand(items.Root);
  return items;
}

std::vector<std::u16string> ChildTexts(const TTreeView& tree, TTreeItem parent) {
  std::vector<std::u16string> texts;
  for (TTreeItem item = tree.FirstChild(parent); item; item = tree.NextSibling(item))
    texts.push_back(tree.Text(item));
  return texts;
}

TRect ItemRect(const TTreeView& tree, TTreeItem item) {
  // The message takes the item in the rectangle it fills.
  RECT rect{};
  std::memcpy(&rect, &item.Handle, sizeof(item.Handle));
  ::SendMessageW(tree.Handle(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect));
  return FromRECT(rect);
}

TEST_F(Controls, TreeItemsGoWhereTheyAreInserted) {
  TTreeView& tree = C().Tree;
  const TSampleTree items = FillTree(tree);
  EXPECT_EQ(ChildTexts(tree, items.Root), (std::vector<std::u16string>{u"A", u"B", u"C"}));
  EXPECT_EQ(ChildTexts(tree, items.A), (std::vector<std::u16string>{u"A1", u"A2"}));
  tree.InsertBefore(items.A, {u"First"});
  tree.InsertAfter(items.C, {u"Last"});
  EXPECT_EQ(ChildTexts(tree, items.Root), (std::vector<std::u16string>{u"First", u"A", u"B", u"C", u"Last"}));
  EXPECT_EQ(tree.Parent(items.A2), items.A);
  EXPECT_EQ(tree.PreviousSibling(items.A2), items.A1);
  EXPECT_FALSE(tree.Parent(items.Root));
  EXPECT_EQ(tree.FirstChild({}), items.Root);
  EXPECT_EQ(tree.Count(), 8);
  // A branch goes with its sub-items.
  tree.Delete(items.A);
  EXPECT_EQ(tree.Count(), 5);
  EXPECT_EQ(ChildTexts(tree, items.Root), (std::vector<std::u16string>{u"First", u"B", u"C", u"Last"}));
}

TEST_F(Controls, TreeItemKeepsItsTextImageAndValue) {
  TTreeView& tree = C().Tree;
  const TSampleTree items = FillTree(tree);
  EXPECT_EQ(tree.Data(items.B), 4);
  EXPECT_EQ(tree.Image(items.A1), 2);
  // Longer than the first buffer the wrapper tries.
  const std::u16string longCaption = std::u16string(700, u'w') + u"\u00E6\U0001F600";
  tree.SetText(items.B, longCaption);
  EXPECT_EQ(tree.Text(items.B), longCaption);
  tree.SetData(items.B, -77);
  EXPECT_EQ(tree.Data(items.B), -77);
  tree.SetImage(items.B, 2);
  EXPECT_EQ(tree.Image(items.B), 2);
  EXPECT_EQ(C().Images.Count(), 3);
}

TEST_F(Controls, SelectingATreeItemRaisesOnSelChanged) {
  TTreeView& tree = C().Tree;
  const TSampleTree items = FillTree(tree);
  std::vector<TTreeItem> selected;
  tree.OnSelChanged = [&](TTreeItem item) { selected.push_back(item); };
  tree.Select(items.B);
  EXPECT_EQ(selected, std::vector<TTreeItem>{items.B});
  EXPECT_EQ(tree.Selected(), items.B);
  // A click on another item's label.
  ClickAt(ScreenPointOf(tree, Centre(ItemRect(tree, items.C))));
  EXPECT_TRUE(PumpUntil([&] { return selected.size() == 2 && InputDrained(); }));
  EXPECT_EQ(selected, (std::vector<TTreeItem>{items.B, items.C}));
  EXPECT_EQ(tree.Selected(), items.C);
}

TEST_F(Controls, OpeningATreeItemByKeyCanBeRefused) {
  TTreeView& tree = C().Tree;
  const TSampleTree items = FillTree(tree);
  tree.Select(items.A);
  std::vector<bool> asked;
  bool allow = false;
  tree.OnItemExpanding = [&](TTreeItem item, bool expanding) {
    EXPECT_EQ(item, items.A);
    asked.push_back(expanding);
    return allow;
  };
  ASSERT_TRUE(FocusOn(tree));
  PressKey(VK_RIGHT);
  EXPECT_TRUE(PumpUntil([&] { return asked.size() == 1 && InputDrained(); }));
  EXPECT_FALSE(tree.Expanded(items.A));
  allow = true;
  PressKey(VK_RIGHT);
  EXPECT_TRUE(PumpUntil([&] { return asked.size() == 2 && InputDrained(); }));
  EXPECT_TRUE(tree.Expanded(items.A));
  PressKey(VK_LEFT);
  EXPECT_TRUE(PumpUntil([&] { return asked.size() == 3 && InputDrained(); }));
  EXPECT_FALSE(tree.Expanded(items.A));
  EXPECT_EQ(asked, (std::vector<bool>{true, true, false}));
  // The program's own opening and closing is not asked about.
  allow = false;
  tree.Expand(items.A);
  EXPECT_TRUE(tree.Expanded(items.A));
  tree.ExpandAll(false);
  EXPECT_FALSE(tree.Expanded(items.Root) || tree.Expanded(items.A));
  tree.ExpandAll(true);
  EXPECT_TRUE(tree.Expanded(items.Root) && tree.Expanded(items.A));
  EXPECT_EQ(asked.size(), 3u);
}

TEST_F(Controls, MovingATreeBranchTakesItsSubItemsAndRefusesItsOwnBranch) {
  TTreeView& tree = C().Tree;
  const TSampleTree items = FillTree(tree);
  tree.Expand(items.A);
  tree.Select(items.A);
  int selectionChanges = 0;
  tree.OnSelChanged = [&](TTreeItem) { ++selectionChanges; };
  EXPECT_FALSE(tree.MoveBefore(items.A, items.A2));
  EXPECT_FALSE(tree.MoveBefore(items.A, items.A));
  EXPECT_EQ(ChildTexts(tree, items.Root), (std::vector<std::u16string>{u"A", u"B", u"C"}));

  const TTreeItem moved = tree.MoveBefore(items.A, items.C);
  ASSERT_TRUE(moved);
  EXPECT_EQ(ChildTexts(tree, items.Root), (std::vector<std::u16string>{u"B", u"A", u"C"}));
  EXPECT_EQ(ChildTexts(tree, moved), (std::vector<std::u16string>{u"A1", u"A2"}));
  EXPECT_EQ(tree.Data(moved), 1);
  EXPECT_EQ(tree.Data(tree.FirstChild(moved)), 2);
  EXPECT_TRUE(tree.Expanded(moved));
  EXPECT_EQ(tree.Selected(), moved);
  EXPECT_EQ(selectionChanges, 1);
  EXPECT_EQ(tree.Count(), 6);
  // Across levels: C goes in front of A1 inside A.
  const TTreeItem c = tree.MoveBefore(items.C, tree.FirstChild(moved));
  EXPECT_EQ(tree.Parent(c), moved);
  EXPECT_EQ(ChildTexts(tree, moved), (std::vector<std::u16string>{u"C", u"A1", u"A2"}));
}

TEST_F(Controls, TreeHitTestFindsTheItemOnARow) {
  TTreeView& tree = C().Tree;
  const TSampleTree items = FillTree(tree);
  EXPECT_EQ(tree.HitTest(Centre(ItemRect(tree, items.B))), items.B);
  const TRect last = ItemRect(tree, items.C);
  EXPECT_FALSE(tree.HitTest({last.Left, last.Bottom + 3 * last.Height()}));
  EXPECT_EQ(tree.FirstVisible(), items.Root);
  EXPECT_EQ(tree.NextVisible(items.Root), items.A);
}

TEST_F(Controls, DraggingATreeItemRaisesOnBeginDrag) {
  TTreeView& tree = C().Tree;
  const TSampleTree items = FillTree(tree);
  TTreeItem dragged;
  tree.OnBeginDrag = [&](TTreeItem item, TPoint) { dragged = item; };
  ASSERT_TRUE(FocusOn(tree));
  const POINT start = ScreenPointOf(tree, Centre(ItemRect(tree, items.B)));
  ::SetCursorPos(start.x, start.y);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  for (int step = 1; step <= 5; ++step) {
    ::SetCursorPos(start.x + 4 * step, start.y + 3 * step);
    SendMouse(MOUSEEVENTF_MOVE);
  }
  SendMouse(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(PumpUntil([&] { return static_cast<bool>(dragged) && InputDrained(); }));
  EXPECT_EQ(dragged, items.B);
}

// ---- List view -------------------------------------------------------------------------------------------

void FillList(TListView& list) {
  list.Clear();
  list.AddRow({{u"Greeting", 0}, {u"Texts\\Mail", 1}, {u"Clip"}}, 10);
  list.AddRow({{u"Editor", 2}, {u"Tools", 1}, {u"Action"}}, 11);
  list.AddRow({{u"Home page", 1}, {u"Web", 1}, {u"Website"}}, 12);
}

TEST_F(Controls, ListRowsHoldTheirCellsImagesAndValues) {
  TListView& list = C().List;
  FillList(list);
  EXPECT_EQ(list.ColumnCount(), 3);
  EXPECT_EQ(list.RowCount(), 3);
  EXPECT_EQ(list.CellText(0, 1), u"Texts\\Mail");
  EXPECT_EQ(list.CellText(2, 2), u"Website");
  EXPECT_EQ(list.CellImage(1, 0), 2);
  EXPECT_EQ(list.CellImage(1, 1), 1);
  EXPECT_EQ(list.CellImage(1, 2), -1);
  EXPECT_EQ(list.RowData(2), 12);
  const std::u16string longTitle(600, u'L');
  EXPECT_EQ(list.AddRow({{longTitle}}), 3);
  EXPECT_EQ(list.CellText(3, 0), longTitle);
  list.Clear();
  EXPECT_EQ(list.RowCount(), 0);
}

TEST_F(Controls, SelectingAListRowRaisesOnSelChangedAndKeysMoveIt) {
  TListView& list = C().List;
  FillList(list);
  std::vector<int> selected;
  list.OnSelChanged = [&](int row) { selected.push_back(row); };
  list.Select(0);
  EXPECT_EQ(list.Selected(), 0);
  // Keys forwarded from another control, as the search terms do.
  list.PressKey(VK_DOWN);
  EXPECT_EQ(list.Selected(), 1);
  list.Select(2);
  EXPECT_EQ(selected, (std::vector<int>{0, 1, 2}));
  list.Select(-1);
  EXPECT_EQ(list.Selected(), -1);
}

TEST_F(Controls, EnterAndDoubleClickActivateAListRow) {
  TListView& list = C().List;
  FillList(list);
  std::vector<int> activated;
  list.OnActivate = [&](int row) { activated.push_back(row); };
  list.Select(1);
  ASSERT_TRUE(FocusOn(list));
  PressKey(VK_RETURN);
  EXPECT_TRUE(PumpUntil([&] { return activated.size() == 1 && InputDrained(); }));
  RECT row{};
  row.left = LVIR_LABEL;
  ::SendMessageW(list.Handle(), LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
  ClickAt(ScreenPointOf(list, Centre(FromRECT(row))), 2);
  EXPECT_TRUE(PumpUntil([&] { return activated.size() == 2 && InputDrained(); }));
  EXPECT_EQ(activated, (std::vector<int>{1, 2}));
}

TEST_F(Controls, ListViewLeavesTheSharedImageListAlive) {
  {
    TListView other(*Form, 900);
    other.SetImageList(C().Images.Handle());
  }
  EXPECT_EQ(C().Images.Count(), 3);
  EXPECT_EQ(C().Images.Add(Glyph(0xFF808080u)), 3);
  ::ImageList_Remove(C().Images.Handle(), 3);
}

// ---- Track bar -------------------------------------------------------------------------------------------

TEST_F(Controls, TrackBarKeepsItsPositionInsideItsRange) {
  TTrackBar& hue = C().Hue;
  int changes = 0;
  hue.OnChange = [&](int) { ++changes; };
  hue.SetRange(20, 220);
  EXPECT_EQ(hue.Minimum(), 20);
  EXPECT_EQ(hue.Maximum(), 220);
  hue.SetPosition(500);
  EXPECT_EQ(hue.Position(), 220);
  hue.SetPosition(-3);
  EXPECT_EQ(hue.Position(), 20);
  EXPECT_EQ(changes, 0);
}

TEST_F(Controls, MovingTheTrackBarReportsEachChangeOnce) {
  TTrackBar& hue = C().Hue;
  hue.SetRange(0, 240);
  hue.SetPosition(100);
  std::vector<int> reported;
  hue.OnChange = [&](int position) { reported.push_back(position); };
  ASSERT_TRUE(FocusOn(hue));
  PressKey(VK_RIGHT);
  EXPECT_TRUE(PumpUntil([&] { return !reported.empty() && InputDrained(); }));
  EXPECT_EQ(reported, std::vector<int>{101});
  // A click on the channel right of the thumb pages towards it.
  const TRect bounds = hue.Bounds();
  ClickAt(ScreenPointOf(hue, {bounds.Width() - 12, bounds.Height() / 2}));
  EXPECT_TRUE(PumpUntil([&] { return reported.size() >= 2 && InputDrained(); }));
  ASSERT_EQ(reported.size(), 2u);
  EXPECT_GT(reported[1], 101);
  EXPECT_EQ(reported[1], hue.Position());
}

// ---- Rich edit -------------------------------------------------------------------------------------------

COLORREF ColorAt(const TRichEdit& edit, int position) {
  CHARRANGE range{position, position + 1};
  ::SendMessageW(edit.Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  ::SendMessageW(edit.Handle(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  return format.crTextColor;
}

TEST_F(Controls, RichEditIsTheControlOfTheRichEditLibrary) {
  wchar_t name[64] = {};
  ::GetClassNameW(C().Code.Handle(), name, 64);
  EXPECT_EQ(::lstrcmpiW(name, L"RICHEDIT50W"), 0);
  EXPECT_NE(::GetModuleHandleW(L"msftedit.dll"), nullptr);
}

TEST_F(Controls, RichEditTextRoundTripsWithCrLfLineBreaks) {
  TRichEdit& code = C().Code;
  int changes = 0;
  code.OnChange = [&] { ++changes; };
  const std::u16string script = u"Trim()\r\n\tReplace('a','\u00E6')\r\n\U0001F600 end";
  code.SetText(script);
  EXPECT_EQ(code.Text(), script);
  code.SetText(u"a\nb");
  EXPECT_EQ(code.Text(), u"a\r\nb");
  std::u16string longText;
  while (longText.size() < 100000)
    longText += u"0123456789abcdefghijklmnopqrstuvwxyz\r\n";
  code.SetText(longText);
  EXPECT_EQ(code.Text(), longText);
  EXPECT_EQ(changes, 0);
}

TEST_F(Controls, RichTextTakesTextThatLooksLikeRichTextFormatAsItIs) {
  TRichEdit rich(*Form, 902);
  const std::u16string text = u"{\\rtf1\\ansi {\\b bold}}";
  rich.SetText(text);
  EXPECT_EQ(rich.Text(), text);
}

// The system stops typing at 32767 units (Wine at 30000) unless the control is told otherwise.
TEST_F(Controls, TypingGoesOnBeyondTheSystemsDefaultLimit) {
  const std::u16string longText(40000, u'y');
  const auto typeAtTheEnd = [&](auto& control) {
    control.SetText(longText);
    control.SetSelection({40000, 40000});
    ASSERT_TRUE(FocusOn(control));
    TypeText(u"z");
    EXPECT_TRUE(PumpUntil([&] { return control.Text().size() == 40001 && InputDrained(); })) << control.Id();
    control.SetText(u"");
  };
  typeAtTheEnd(C().Notes);
  typeAtTheEnd(C().Code);
}

TEST_F(Controls, RichEditLinesAndSelection) {
  TRichEdit& code = C().Code;
  code.SetText(u"first\r\nsecond line\r\nthird");
  EXPECT_EQ(code.LineCount(), 3);
  EXPECT_EQ(code.LineText(1), u"second line");
  EXPECT_EQ(code.LineText(2), u"third");
  EXPECT_EQ(code.LineText(7), u"");
  // A line break is one position.
  EXPECT_EQ(code.LineStart(1), 6);
  EXPECT_EQ(code.LineFromPosition(7), 1);
  code.SetSelection({3, 9});
  EXPECT_EQ(code.Selection(), (TTextSelection{3, 9}));
  EXPECT_EQ(code.SelectedText(), u"st\r\nsec");
  code.ReplaceSelection(u"X");
  EXPECT_EQ(code.Text(), u"firXond line\r\nthird");
}

TEST_F(Controls, TypingIntoTheRichEditRaisesOnChange) {
  TRichEdit& code = C().Code;
  code.SetText(u"");
  int changes = 0;
  code.OnChange = [&] { ++changes; };
  ASSERT_TRUE(FocusOn(code));
  TypeText(u"Up");
  PressKey(VK_RETURN);
  TypeText(u"x");
  EXPECT_TRUE(PumpUntil([&] { return code.Text() == u"Up\r\nx" && InputDrained(); }));
  EXPECT_GE(changes, 4);
}

TEST_F(Controls, DoubleClickInTheRichEditSeesTheSelectedWord) {
  TRichEdit& code = C().Code;
  // Not the last word: Wine 8 selects beyond the end of the text for that one.
  code.SetText(u"alpha gamma delta");
  std::u16string selectedThen;
  int clicks = 0;
  code.OnDoubleClick = [&] { selectedThen = code.SelectedText(); };
  code.OnClick = [&] { ++clicks; };
  POINTL position{};
  ::SendMessageW(code.Handle(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&position), 8);
  ClickAt(ScreenPointOf(code, {position.x + 2, position.y + 4}), 2);
  EXPECT_TRUE(PumpUntil([&] { return !selectedThen.empty() && InputDrained(); }));
  EXPECT_EQ(selectedThen.substr(0, 5), u"gamma");
  EXPECT_GE(clicks, 1);
}

TEST_F(Controls, RichTextKeepsTheColourOfEachAppendedLine) {
  TRichEdit detail(*Form, 901, richstyle::ReadOnly);
  detail.SetBounds(TRect::Sized(10, 200, 300, 80));
  detail.AppendText(u"Tip: greeting\r\n", RGB(0, 0, 255));
  detail.AppendText(u"Clip: Hello\r\n", RGB(0, 128, 0));
  EXPECT_EQ(detail.Text(), u"Tip: greeting\r\nClip: Hello\r\n");
  EXPECT_EQ(ColorAt(detail, 0), RGB(0, 0, 255));
  EXPECT_EQ(ColorAt(detail, 16), RGB(0, 128, 0));
  EXPECT_TRUE(detail.ReadOnly());
  detail.SetReadOnly(false);
  EXPECT_FALSE(detail.ReadOnly());
}

TEST_F(Controls, RichEditFontAppliesToTheWholeText) {
  TRichEdit& code = C().Code;
  code.SetText(u"Trim()");
  const win32::unique_hfont font = CreatePointFont(u"Courier New", 10, true, uimodel::TScale(96));
  code.SetFont(font.get());
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  code.SetSelection({0, -1});
  ::SendMessageW(code.Handle(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  EXPECT_STREQ(format.szFaceName, L"Courier New");
  // The font's own height: 10 points at 96 ppi are 13 pixels, 195 twips.
  EXPECT_EQ(format.yHeight, 195);
  EXPECT_NE(format.dwEffects & CFE_BOLD, 0u);
  code.SetFont(ControlFont(Form->Scale()));
}

// ---- Hosting and layout ----------------------------------------------------------------------------------

TEST_F(Controls, LayoutPlacesTheControlsAndFollowsTheForm) {
  ::SetWindowPos(Form->Handle(), nullptr, 0, 0, 900, 600, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const auto placements = uimodel::ArrangeLayout(TControlTestWindow::Layout(), {900, 600}, Form->Scale());
  for (const int id : {IdName, IdNotes, IdTree, IdList, IdHue, IdCode}) {
    const uimodel::TPlacement* placement = uimodel::FindPlacement(placements, id);
    ASSERT_NE(placement, nullptr);
    EXPECT_EQ(C().ById(id)->Bounds(), placement->InRoot) << "control " << id;
  }
  // A combo box is as high as its font makes it; it keeps the rest of its place.
  const TRect font = C().Font.Bounds();
  const TRect fontPlace = uimodel::FindPlacement(placements, IdFont)->InRoot;
  EXPECT_EQ((TRect{font.Left, font.Top, font.Right, 0}),
            (TRect{fontPlace.Left, fontPlace.Top, fontPlace.Right, 0}));
  // The code view takes the growth: it is 100 narrower and 80 lower at 800 × 520.
  const TSize grown = C().Code.Bounds().Size();
  ::SetWindowPos(Form->Handle(), nullptr, 0, 0, 800, 520, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(C().Code.Bounds().Size(), (TSize{grown.Width - 100, grown.Height - 80}));
}

// A window of its own that the test destroys while the control's wrapper lives on.
class TBareWindow final : public TWindow {
 public:
  TBareWindow() {
    TWindowClass windowClass;
    windowClass.Name = L"TolvaneBareTestWindow";
    TWindowParams creation;
    creation.Style = WS_POPUP;
    creation.Bounds = TRect::Sized(900, 40, 200, 100);
    Create(windowClass, creation);
  }
  void DestroyNow() { ::DestroyWindow(Hwnd); }
};

TEST_F(Controls, ControlLetsGoWhenItsWindowIsDestroyed) {
  TBareWindow window;
  auto edit = std::make_unique<TEdit>(window, 1);
  int changes = 0;
  edit->OnChange = [&] { ++changes; };
  const HWND control = edit->Handle();
  ASSERT_TRUE(::IsWindow(control));
  window.DestroyNow();
  EXPECT_FALSE(::IsWindow(control));
  EXPECT_EQ(edit->Handle(), nullptr);
  edit->SetText(u"nowhere");
  EXPECT_EQ(edit->Text(), u"");
  edit.reset();
  EXPECT_EQ(changes, 0);
}

TEST_F(Controls, KeyHandlerMayDestroyItsControl) {
  TBareWindow window;
  auto edit = std::make_unique<TEdit>(window, 1);
  edit->SetBounds(TRect::Sized(0, 0, 200, 40));
  ::ShowWindow(window.Handle(), SW_SHOW);
  ::SetForegroundWindow(window.Handle());
  edit->Focus();
  ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == window.Handle() && edit->Focused(); }));
  const HWND control = edit->Handle();
  // Letting the key through after the wrapper is gone would hand it to a destroyed control and wrapper.
  edit->OnKeyDown = [&](WORD) {
    edit.reset();
    return false;
  };
  TypeText(u"q");
  EXPECT_TRUE(PumpUntil([&] { return edit == nullptr && InputDrained(); }));
  EXPECT_FALSE(::IsWindow(control));
}

}  // namespace
}  // namespace tolvane::ui::testing
