#include "uimodel/Treeedit.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "storage/Itemfile.h"
#include "storage/Pathnames.h"
#include "uimodel/Menuedit.h"
#include "uimodel/Programmenu.h"

namespace tolvane::uimodel {

using storage::TItem;

namespace {

bool IsProgramOwn(const TItem& item) {
  return item.ItemType >= storage::ItemTypeProgramOwn;
}

// Blanks, tabs and line breaks at either end.
std::u16string_view TrimmedText(std::u16string_view text) {
  const auto isSpace = [](char16_t c) { return c <= u' '; };
  while (!text.empty() && isSpace(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back()))
    text.remove_suffix(1);
  return text;
}

bool Contains(std::u16string_view text, std::u16string_view part) {
  return text.find(part) != std::u16string_view::npos;
}

bool IsBelow(const TItem& item, const TItem& ancestor) {
  for (const TItem* up = item.Parent; up != nullptr; up = up->Parent) {
    if (up == &ancestor)
      return true;
  }
  return false;
}

}  // namespace

bool ShownInTree(const TItem& item) {
  return !IsProgramOwn(item);
}

std::vector<TTreeNodeEntry> TreeNodeEntries(TItem& root, int userGlyphCount) {
  std::vector<TTreeNodeEntry> entries;
  entries.push_back({&root, -1, userGlyphCount - 1, true});
  // Depth first without recursion: moved and loaded trees may nest a thousand levels deep.
  std::vector<std::pair<TItem*, int>> pending{{&root, 0}};
  while (!pending.empty()) {
    const auto [item, index] = pending.back();
    pending.pop_back();
    if (item != &root) {
      entries.push_back({item, index, item->ImageIndex, false});
    }
    const int own = item == &root ? 0 : static_cast<int>(entries.size()) - 1;
    for (int i = item->Children.Count() - 1; i >= 0; --i) {
      TItem* child = item->Children[i];
      if (ShownInTree(*child))
        pending.emplace_back(child, own);
    }
  }
  return entries;
}

TItem* PreviousShownSibling(const TItem& item) {
  if (item.Parent == nullptr)
    return nullptr;
  for (int i = item.Parent->IndexOfChild(&item) - 1; i >= 0; --i) {
    TItem* sibling = item.Parent->Children[i];
    if (ShownInTree(*sibling))
      return sibling;
  }
  return nullptr;
}

void SetNewItemDefaults(TItem& item, int defaultIconIndex) {
  item.Name = NewItemCaption;
  item.ImageIndex = defaultIconIndex;
  item.ItemType = item.Level < 2 ? storage::ItemTypeFolder : storage::ItemTypeClip;
  item.MonoSpace = true;
  item.RepeatCount = 1;
  item.NewLineHome = false;
}

TEditCommandsEnabled EditCommandsFor(const TItem* selected) {
  if (selected == nullptr)
    return {};
  TEditCommandsEnabled enabled;
  if (selected->Parent == nullptr) {
    enabled.InsertAsSubMenu = true;
  } else if (selected->ItemType == command::ProgramItem) {
    enabled.InsertAfter = enabled.InsertAsSubMenu = true;
  } else if (!IsProgramOwn(*selected)) {
    enabled = {true, true, true, true, true};
  }
  return enabled;
}

bool HasRoomForOneMore(const TItem& parent, const TRoomMetrics& room) {
  const std::int64_t needed = static_cast<std::int64_t>(parent.Children.Count() + 1) * room.ItemHeight +
                              2 * static_cast<std::int64_t>(room.EdgeSize);
  return room.WorkAreaBottom >= needed;
}

TInsertPlan PlanInsert(TItem& selected, TInsertKind kind, const TRoomMetrics& room) {
  const TEditCommandsEnabled enabled = EditCommandsFor(&selected);
  const bool allowed = kind == TInsertKind::Before  ? enabled.InsertBefore
                       : kind == TInsertKind::After ? enabled.InsertAfter
                                                    : enabled.InsertAsSubMenu;
  if (!allowed)
    return {};
  TInsertPlan plan;
  if (selected.ItemType == command::ProgramItem) {
    // The program item has no sub-menu of the user's: both commands add a last entry to the bar.
    plan.Parent = selected.Parent;
  } else if (kind == TInsertKind::AsSubMenu) {
    plan.Parent = &selected;
  } else {
    plan.Parent = selected.Parent;
    plan.Sibling = &selected;
    plan.Before = kind == TInsertKind::Before;
  }
  if (!HasRoomForOneMore(*plan.Parent, room))
    plan.Outcome = TInsertOutcome::NoRoom;
  else if (plan.Parent->Level + 1 > storage::MaxItemLevel)
    plan.Outcome = TInsertOutcome::TooDeep;
  else
    plan.Outcome = TInsertOutcome::Insert;
  return plan;
}

TItem* InsertNewItem(const TInsertPlan& plan, int defaultIconIndex) {
  if (plan.Outcome != TInsertOutcome::Insert || plan.Parent == nullptr)
    return nullptr;
  TItem* item = plan.Sibling != nullptr ? plan.Parent->NewChildBeside(plan.Sibling, plan.Before)
                                        : plan.Parent->NewChild();
  SetNewItemDefaults(*item, defaultIconIndex);
  return item;
}

bool FillsFromClipboard(const TItem& item, bool ctrlHeld) {
  return ctrlHeld && item.Level >= 2;
}

TClipboardFill ClassifyClipboardText(std::u16string_view text) {
  const std::u16string_view trimmed = TrimmedText(text);
  // Any line break counts, not only CR LF: a text of several lines never belongs in a one-line field.
  if (trimmed.find_first_of(u"\r\n") != std::u16string_view::npos)
    return {storage::ItemTypeClip, TFillField::Code, std::u16string(text)};
  const bool at = Contains(trimmed, u"@");
  const bool web = Contains(trimmed, u"http://") || Contains(trimmed, u"https://");
  const bool backslash = Contains(trimmed, u"\\");
  const std::u16string line(trimmed);
  if (at && !backslash && !web)
    return {storage::ItemTypeMail, TFillField::Email, line};
  if (backslash)
    return {storage::ItemTypeProgram, TFillField::Program, line};
  if (web)
    return {storage::ItemTypeWebSite, TFillField::Url, line};
  return {storage::ItemTypeClip, TFillField::Code, std::u16string(text)};
}

void ApplyClipboardFill(TItem& item, const TClipboardFill& fill) {
  item.ItemType = fill.ItemType;
  switch (fill.Field) {
    case TFillField::Code:
      item.Code = fill.Text;
      break;
    case TFillField::Email:
      item.Email = fill.Text;
      break;
    case TFillField::Program:
      item.Program = fill.Text;
      break;
    case TFillField::Url:
      item.Url = fill.Text;
      break;
  }
}

std::u16string TreeDeleteQuestion(const TItem& item) {
  // The same words as the menus ask before deleting a recent file.
  return RecentFileDeleteQuestion(item);
}

TItem* DeleteFromTree(TItem& item) {
  TItem* parent = item.Parent;
  if (parent == nullptr || IsProgramOwn(item))
    return nullptr;
  const int index = parent->IndexOfChild(&item);
  if (index < 0)
    return nullptr;
  parent->DeleteChild(&item);
  // The program item has no node, so it can take neither the place nor the selection.
  if (index < parent->Children.Count() && ShownInTree(*parent->Children[index]))
    return parent->Children[index];
  for (int i = parent->Children.Count() - 1; i >= 0; --i) {
    if (ShownInTree(*parent->Children[i]))
      return parent->Children[i];
  }
  return parent;
}

bool DragStarts(TPoint pressed, TPoint now) {
  return std::abs(now.X - pressed.X) > DragThreshold || std::abs(now.Y - pressed.Y) > DragThreshold;
}

bool CanDrop(const TItem& dragged, const TItem& target) {
  if (&dragged == &target || dragged.Parent == nullptr || target.Parent == nullptr)
    return false;
  if (IsProgramOwn(dragged) || IsProgramOwn(target) || IsBelow(target, dragged))
    return false;
  return dragged.FitsAtLevel(target.Parent->Level + 1);
}

bool DropInFrontOf(TItem& dragged, TItem& target) {
  if (!CanDrop(dragged, target))
    return false;
  std::unique_ptr<TItem> moved = dragged.Parent->RemoveChild(&dragged);
  target.Parent->InsertChild(&target, std::move(moved), true);
  return true;
}

TDragScroll DragScrollFor(int y, int clientHeight) {
  if (clientHeight - y < DragScrollZone)
    return TDragScroll::Down;
  if (y <= 0)
    return TDragScroll::Up;
  return TDragScroll::None;
}

int DragScrollFirstInterval(TDragScroll scroll, int y, int clientHeight) {
  switch (scroll) {
    case TDragScroll::Down:
      return std::max(1, clientHeight - y + 101);
    case TDragScroll::Up:
      // The mirror of scrolling down: the distance past the edge shortens the wait.
      return std::max(1, y + 101);
    case TDragScroll::None:
      break;
  }
  return 0;
}

TDragScrollTick DragScrollTickFor(TDragScroll scroll, int y, int clientHeight) {
  switch (scroll) {
    case TDragScroll::Down: {
      const int interval = std::max(1, 101 - 3 * (y - clientHeight));
      return {interval, interval >= 96};
    }
    case TDragScroll::Up: {
      const int interval = std::max(1, 3 * y + 101);
      return {interval, interval > 80};
    }
    case TDragScroll::None:
      break;
  }
  return {};
}

bool TDragHover::MoveOver(const TItem* node) {
  if (node == nullptr) {
    Forget();
    return false;
  }
  if (node == Hover)
    return false;
  Hover = node;
  Running = true;
  return true;
}

void TDragHover::Forget() {
  Hover = nullptr;
  Running = false;
}

const TItem* TDragHover::Fire(const TItem* dragged) {
  const bool wasRunning = Running;
  Running = false;
  return wasRunning && Hover != dragged ? Hover : nullptr;
}

std::u16string WithDefaultMenuExtension(std::u16string_view path) {
  std::u16string result(path);
  if (path.empty() || storage::RemoveExtension(path).size() < path.size() - 1)
    return result;
  // "name." has an empty extension: the dot is the extension's own.
  if (result.back() != u'.')
    result += u'.';
  result += storage::MenuFileExtension.substr(1);
  return result;
}

std::u16string ReplaceFileQuestion(std::u16string_view path) {
  std::u16string text = u"The file: \r\n";
  text += path;
  text += u"\r\nAlready exists do you want to replace it ?";
  return text;
}

std::u16string RecentFileLine(std::u16string_view name) {
  std::u16string line = u"  ";
  line += name;
  return line;
}

std::u16string MenuNameOf(std::u16string_view path) {
  return std::u16string(storage::RemoveExtension(storage::ExtractFileName(path)));
}

}  // namespace tolvane::uimodel
