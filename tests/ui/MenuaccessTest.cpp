#include "uimodel/Menuaccess.h"

#include <gtest/gtest.h>

#include "Itemtrees.h"

namespace tolvane::uimodel {
namespace {

using testing::Add;

// A root with the program entry, a folder entry with two rows and an entry without children.
struct TBarTree {
  storage::TItem Root;
  TBarTree() {
    storage::TItem* program = Add(Root, u"Tolvane", storage::ItemTypeProgramOwn);
    Add(*program, u"Exit", 60);
    storage::TItem* texts = Add(Root, u"Texts", storage::ItemTypeFolder);
    Add(*texts, u"Greeting", storage::ItemTypeClip);
    Add(*texts, u"Signature", storage::ItemTypeClip);
    Add(Root, u"Empty", storage::ItemTypeFolder);
    int left = 0;
    for (storage::TItem& entry : Root.Children) {
      entry.ItemRect = TRect{left, 0, left + 50, 20};
      left += 50;
    }
  }
};

TEST(MenuAccessTest, BarEntriesAreNamedOpenableAndOnlyTheHotOneHasTheFocus) {
  TBarTree tree;
  const TMenuAccessView view = BarAccessView(&tree.Root, 1, u"Tolvane");
  EXPECT_EQ(view.Role, TAccessRole::MenuBar);
  ASSERT_EQ(view.ChildCount(), 3);
  EXPECT_EQ(view.Child(1)->Name, u"Tolvane");
  EXPECT_EQ(view.Child(2)->Name, u"Texts");
  EXPECT_EQ(view.Child(3)->Name, u"Empty");
  for (long id = 1; id <= 3; ++id)
    EXPECT_EQ(view.Child(id)->DefaultAction, AccessActionOpen) << "entry " << id;
  EXPECT_EQ(view.Child(2)->State, AccessFocusable | AccessHasPopup | AccessFocused | AccessHotTracked);
  EXPECT_EQ(view.Child(3)->State, AccessFocusable) << "an entry without children opens nothing";
  EXPECT_EQ(view.Focused(), 2);
  EXPECT_EQ(view.Child(2)->Bounds, (TRect{50, 0, 100, 20}));
  EXPECT_EQ(view.Child(0), nullptr);
  EXPECT_EQ(view.Child(4), nullptr);
  EXPECT_FALSE(view.ValidId(4));
  EXPECT_FALSE(view.ValidId(-1));

  EXPECT_EQ(BarAccessView(&tree.Root, -1, u"").Focused(), AccessSelf);
  EXPECT_EQ(BarAccessView(nullptr, 0, u"").ChildCount(), 0) << "a bar that is not ready has no entries";
}

TEST(MenuAccessTest, BarHitTestAndNavigationRunLeftToRightWithoutWrapping) {
  TBarTree tree;
  const TMenuAccessView view = BarAccessView(&tree.Root, -1, u"");
  EXPECT_EQ(view.HitTest({0, 5}), 1);
  EXPECT_EQ(view.HitTest({50, 5}), 2);
  EXPECT_EQ(view.HitTest({149, 19}), 3);
  EXPECT_EQ(view.HitTest({150, 5}), AccessSelf) << "the empty bar area";

  EXPECT_EQ(view.Navigate(AccessSelf, TAccessDirection::First), 1);
  EXPECT_EQ(view.Navigate(AccessSelf, TAccessDirection::Last), 3);
  EXPECT_EQ(view.Navigate(1, TAccessDirection::Right), 2);
  EXPECT_EQ(view.Navigate(2, TAccessDirection::Next), 3);
  EXPECT_EQ(view.Navigate(3, TAccessDirection::Next), AccessSelf);
  EXPECT_EQ(view.Navigate(1, TAccessDirection::Left), AccessSelf);
  EXPECT_EQ(view.Navigate(2, TAccessDirection::Down), AccessSelf);
  EXPECT_EQ(view.Navigate(2, TAccessDirection::First), AccessSelf) << "First is asked of the window";
  EXPECT_EQ(view.Navigate(9, TAccessDirection::Previous), AccessSelf);
  EXPECT_EQ(BarAccessView(nullptr, -1, u"").Navigate(AccessSelf, TAccessDirection::First), AccessSelf);
}

TEST(MenuAccessTest, PopupRowsTellFoldersFromItemsThatRunAndFollowScrolling) {
  storage::TItem root;
  storage::TItem* entry = Add(root, u"Texts", storage::ItemTypeFolder);
  Add(*entry, u"Greeting", storage::ItemTypeClip)->ShortCutText = u"Ctrl+G";
  Add(*Add(*entry, u"More", storage::ItemTypeFolder), u"Inner", storage::ItemTypeClip);
  Add(*Add(*entry, u"Both", storage::ItemTypeFolderClip), u"Inner", storage::ItemTypeClip);
  Add(*entry, u"Files", 52);

  // Four rows of 20 inside a frame of 2, three visible: the strips push the rows down.
  TPopupRows rows(4, 20, 2, 3);
  const int strip = rows.StripHeight();
  ASSERT_GT(strip, 0);
  ASSERT_TRUE(rows.ScrollBy(1));
  const TMenuAccessView view = PopupAccessView(entry, rows, 100, 1);
  EXPECT_EQ(view.Role, TAccessRole::MenuPopup);
  EXPECT_EQ(view.Name, u"Texts");
  ASSERT_EQ(view.ChildCount(), 4);

  EXPECT_EQ(view.Child(1)->Shortcut, u"Ctrl+G");
  EXPECT_EQ(view.Child(1)->DefaultAction, AccessActionExecute);
  EXPECT_EQ(view.Child(2)->DefaultAction, AccessActionOpen);
  EXPECT_EQ(view.Child(3)->DefaultAction, AccessActionExecute) << "a clip with a sub-menu still pastes";
  EXPECT_EQ(view.Child(4)->DefaultAction, AccessActionExecute);
  EXPECT_EQ(view.Child(3)->State & AccessHasPopup, AccessHasPopup);

  EXPECT_EQ(view.Child(1)->State, AccessFocusable | AccessOffscreen) << "scrolled above the view";
  EXPECT_TRUE(view.Child(1)->Bounds.Empty());
  EXPECT_EQ(view.Child(2)->State, AccessFocusable | AccessHasPopup | AccessFocused | AccessHotTracked);
  EXPECT_EQ(view.Child(2)->Bounds, (TRect{2, 2 + strip, 98, 22 + strip}));

  EXPECT_EQ(view.HitTest({10, 2 + strip}), 2) << "the first visible row is the second child";
  EXPECT_EQ(view.HitTest({10, 2 + strip + 45}), 4);
  EXPECT_EQ(view.HitTest({10, 2}), AccessSelf) << "the scroll strip";
  EXPECT_EQ(view.Navigate(2, TAccessDirection::Down), 3);
  EXPECT_EQ(view.Navigate(2, TAccessDirection::Up), 1);
  EXPECT_EQ(view.Navigate(2, TAccessDirection::Right), AccessSelf);

  const TMenuAccessView hidden = PopupAccessView(nullptr, rows, 100, 1);
  EXPECT_EQ(hidden.ChildCount(), 0);
  EXPECT_EQ(hidden.Focused(), AccessSelf);
}

TEST(MenuAccessTest, AnnouncerReportsStartFocusChangesAndEndOnce) {
  TAccessAnnouncer announcer;
  auto expect = [&](bool active, int hot, bool start, bool end, long focus) {
    const TAccessEvents events = announcer.Update(active, hot);
    EXPECT_EQ(events.Start, start) << active << " " << hot;
    EXPECT_EQ(events.End, end) << active << " " << hot;
    EXPECT_EQ(events.Focus, focus) << active << " " << hot;
  };
  expect(false, -1, false, false, AccessSelf);  // nothing was shown: no end
  expect(true, -1, true, false, AccessSelf);    // shown without a hot row
  expect(true, -1, false, false, AccessSelf);
  expect(true, 2, false, false, 3);
  expect(true, 2, false, false, AccessSelf);  // the same row again says nothing
  expect(true, 0, false, false, 1);
  expect(false, 0, false, true, AccessSelf);
  expect(false, -1, false, false, AccessSelf);
  expect(true, 0, true, false, 1);  // shown again: the same hot row is announced anew
}

}  // namespace
}  // namespace tolvane::uimodel
