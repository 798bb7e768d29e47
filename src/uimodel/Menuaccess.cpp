#include "uimodel/Menuaccess.h"

#include <utility>

namespace tolvane::uimodel {

namespace {

TAccessChild ChildOf(const storage::TItem& item, const TRect& bounds, bool hot) {
  TAccessChild child;
  child.Name = item.Name;
  child.Shortcut = item.ShortCutText;
  child.DefaultAction = DefaultActionOf(item);
  child.Bounds = bounds;
  child.State = AccessFocusable;
  if (!item.Children.Empty())
    child.State |= AccessHasPopup;
  if (hot)
    child.State |= AccessFocused | AccessHotTracked;
  if (bounds.Empty())
    child.State |= AccessOffscreen;
  return child;
}

}  // namespace

const TAccessChild* TMenuAccessView::Child(long id) const {
  if (id <= AccessSelf || id > ChildCount())
    return nullptr;
  return &Children[static_cast<std::size_t>(id - 1)];
}

long TMenuAccessView::Focused() const {
  for (long id = 1; id <= ChildCount(); ++id)
    if ((Child(id)->State & AccessFocused) != 0)
      return id;
  return AccessSelf;
}

long TMenuAccessView::HitTest(TPoint client) const {
  for (long id = 1; id <= ChildCount(); ++id)
    if (Child(id)->Bounds.Contains(client))
      return id;
  return AccessSelf;
}

long TMenuAccessView::Navigate(long from, TAccessDirection direction) const {
  const bool horizontal = Role == TAccessRole::MenuBar;
  int step = 0;
  switch (direction) {
    case TAccessDirection::First:
      return from == AccessSelf && ChildCount() > 0 ? 1 : AccessSelf;
    case TAccessDirection::Last:
      return from == AccessSelf ? ChildCount() : AccessSelf;
    case TAccessDirection::Next:
      step = 1;
      break;
    case TAccessDirection::Previous:
      step = -1;
      break;
    case TAccessDirection::Right:
      step = horizontal ? 1 : 0;
      break;
    case TAccessDirection::Left:
      step = horizontal ? -1 : 0;
      break;
    case TAccessDirection::Down:
      step = horizontal ? 0 : 1;
      break;
    case TAccessDirection::Up:
      step = horizontal ? 0 : -1;
      break;
  }
  if (from == AccessSelf || step == 0 || Child(from) == nullptr)
    return AccessSelf;
  const long to = from + step;
  return Child(to) != nullptr ? to : AccessSelf;
}

std::u16string_view DefaultActionOf(const storage::TItem& item) {
  return item.Level == 1 || item.ItemType == storage::ItemTypeFolder ? AccessActionOpen : AccessActionExecute;
}

TMenuAccessView BarAccessView(const storage::TItem* root, int hot, std::u16string name) {
  TMenuAccessView view;
  view.Role = TAccessRole::MenuBar;
  view.Name = std::move(name);
  if (root == nullptr)
    return view;
  int index = 0;
  for (const storage::TItem& entry : root->Children) {
    view.Children.push_back(ChildOf(entry, entry.ItemRect, index == hot));
    ++index;
  }
  return view;
}

TMenuAccessView PopupAccessView(const storage::TItem* parent, const TPopupRows& rows, int width, int hot) {
  TMenuAccessView view;
  view.Role = TAccessRole::MenuPopup;
  if (parent == nullptr)
    return view;
  view.Name = parent->Name;
  int index = 0;
  for (const storage::TItem& item : parent->Children) {
    view.Children.push_back(ChildOf(item, rows.RowRect(index, width), index == hot));
    ++index;
  }
  return view;
}

TAccessEvents TAccessAnnouncer::Update(bool active, int hot) {
  TAccessEvents events;
  if (!active) {
    events.End = Active;
    Active = false;
    Hot = -1;
    return events;
  }
  events.Start = !Active;
  Active = true;
  if (hot >= 0 && hot != Hot)
    events.Focus = hot + 1;
  Hot = hot;
  return events;
}

}  // namespace tolvane::uimodel
