// The virtual list view on a window of its own: a hundred thousand rows are there at once and only the
// drawn ones are asked for, long cells come back whole, selection and keys work as in the plain list, and
// typing a letter does not jump to the first row.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "Testsupport.h"
#include "ui/Ctllistview.h"
#include "ui/Window.h"

namespace tolvane::ui::testing {
namespace {

using win32::testing::PressKeys;
using win32::testing::PumpUntil;

constexpr int kRows = 100000;

class TListHost final : public TWindow {
 public:
  static constexpr const wchar_t* kClassName = L"TolvaneVirtualListTest";

  TListHost() {
    TWindowClass windowClass;
    windowClass.Name = kClassName;
    TWindowParams creation;
    creation.Style = WS_POPUP | WS_CLIPCHILDREN;
    creation.Caption = L"Tolvane virtual list test";
    creation.Bounds = TRect::Sized(60, 60, 600, 400);
    Create(windowClass, creation);
    List = std::make_unique<TVirtualListView>(*this, 100);
    List->SetBounds(TRect{0, 0, 600, 400});
    List->AddColumn(u"Title", 200);
    List->AddColumn(u"Path", 200);
    ::ShowWindow(Hwnd, SW_SHOW);
  }
  ~TListHost() override { List.reset(); }

  std::unique_ptr<TVirtualListView> List;
};

class VirtualList : public ::testing::Test {
 protected:
  void SetUp() override {
    Host = std::make_unique<TListHost>();
    TVirtualListView& list = *Host->List;
    list.OnCell = [this](int row, int column) {
      Asked.insert(row);
      Text = column == 0 ? u"Row " + std::u16string(Digits(row)) : LongText;
      return TListCellView{Text, -1};
    };
    list.OnSelChanged = [this](int row) { Selections.push_back(row); };
  }
  void TearDown() override { Host.reset(); }

  static std::u16string Digits(int value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
  }

  [[nodiscard]] bool InFront() const {
    ::SetForegroundWindow(Host->Handle());
    Host->List->Focus();
    return PumpUntil([&] { return Host->List->Focused(); });
  }

  std::unique_ptr<TListHost> Host;
  std::set<int> Asked;
  std::u16string Text;  // the last answer, alive until the list copied it
  std::u16string LongText = std::u16string(700, u'p');
  std::vector<int> Selections;
};

TEST_F(VirtualList, AHundredThousandRowsAreThereAtOnceAndOnlyTheDrawnOnesAreAsked) {
  TVirtualListView& list = *Host->List;
  list.SetRowCount(kRows);
  ::UpdateWindow(list.Handle());
  ASSERT_TRUE(PumpUntil([&] { return !Asked.empty(); }));
  EXPECT_EQ(list.RowCount(), kRows);
  // One screen of rows, not the list.
  EXPECT_LT(Asked.size(), 100u);
  EXPECT_EQ(*Asked.begin(), 0);

  EXPECT_EQ(list.CellText(kRows - 1, 0), u"Row 99999");
  EXPECT_EQ(list.CellText(7, 1), LongText) << "a cell longer than the list's first buffer";
  EXPECT_EQ(list.CellImage(7, 0), -1);

  list.SetRowCount(0);
  EXPECT_EQ(list.RowCount(), 0);
  EXPECT_EQ(list.CellText(0, 0), u"");
}

TEST_F(VirtualList, SelectionFollowsSelectAndTheKeysAndANewCountClearsIt) {
  TVirtualListView& list = *Host->List;
  list.SetRowCount(kRows);
  list.Select(kRows - 1);
  EXPECT_EQ(list.Selected(), kRows - 1);
  list.PressKey(VK_UP);
  EXPECT_EQ(list.Selected(), kRows - 2);
  list.PressKey(VK_HOME);
  EXPECT_EQ(list.Selected(), 0);
  list.PressKey(VK_NEXT);
  EXPECT_GT(list.Selected(), 5) << "a page down";
  EXPECT_EQ((std::vector<int>{Selections.begin(), Selections.begin() + 3}),
            (std::vector<int>{kRows - 1, kRows - 2, 0}));
  list.SetRowCount(3);
  EXPECT_EQ(list.Selected(), -1);
}

TEST_F(VirtualList, TypingALetterInTheListKeepsTheSelection) {
  TVirtualListView& list = *Host->List;
  list.SetRowCount(50);
  list.Select(20);
  ASSERT_TRUE(InFront());
  PressKeys({'Q'});
  EXPECT_TRUE(PumpUntil([] { return HIWORD(::GetQueueStatus(QS_INPUT | QS_POSTMESSAGE)) == 0; }));
  EXPECT_EQ(list.Selected(), 20);
}

}  // namespace
}  // namespace tolvane::ui::testing
