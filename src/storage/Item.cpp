#include "storage/Item.h"

#include <algorithm>
#include <utility>

#include "storage/Itemslabs.h"

namespace tolvane::storage {
namespace {

// Levels follow the nesting; walked without recursion because moved subtrees may be deep.
void RenumberLevels(TItem& top) {
  std::vector<TItem*> pending{&top};
  while (!pending.empty()) {
    TItem* item = pending.back();
    pending.pop_back();
    for (TItem& child : item->Children) {
      child.Level = item->Level + 1;
      pending.push_back(&child);
    }
  }
}

}  // namespace

void* TItem::operator new(std::size_t size) {
  return TItemSlabs::AllocateSingle(size);
}

void* TItem::operator new(std::size_t size, TItemSlabs& slabs) {
  return slabs.Allocate(size);
}

void TItem::operator delete(void* item) noexcept {
  TItemSlabs::Free(item);
}

void TItem::operator delete(void* item, TItemSlabs&) noexcept {
  TItemSlabs::Free(item);
}

TItem::TItem(TItem* parent)
    : ItemType(parent == nullptr || parent->Level == 0 ? ItemTypeFolder : ItemTypeClip),
      Level(parent == nullptr ? 0 : parent->Level + 1),
      Parent(parent) {}

void TItem::Adopt(TItem& child) {
  child.Parent = this;
  if (child.Level == Level + 1)
    return;
  child.Level = Level + 1;
  RenumberLevels(child);
}

TItem* TItem::AppendChild(std::unique_ptr<TItem> item) {
  TItem* added = Children.Add(std::move(item));
  Adopt(*added);
  return added;
}

TItem* TItem::NewChild() {
  return AppendChild(std::make_unique<TItem>(this));
}

TItem* TItem::NewChildBeside(const TItem* sibling, bool before) {
  return InsertChild(sibling, std::make_unique<TItem>(this), before);
}

TItem* TItem::InsertChild(const TItem* sibling, std::unique_ptr<TItem> item, bool before) {
  const int index = IndexOfChild(sibling);
  const int at = index < 0 ? Children.Count() : before ? index : index + 1;
  TItem* inserted = Children.Insert(at, std::move(item));
  Adopt(*inserted);
  return inserted;
}

std::unique_ptr<TItem> TItem::RemoveChild(const TItem* item) {
  std::unique_ptr<TItem> removed = Children.Remove(IndexOfChild(item));
  if (removed)
    removed->Parent = nullptr;
  return removed;
}

TItem* TItem::DeleteChild(const TItem* item) {
  const int index = IndexOfChild(item);
  if (index < 0)
    return nullptr;
  Children.Delete(index);
  if (index < Children.Count())
    return Children[index];
  return Children.Last();
}

std::vector<std::unique_ptr<TItem>> TItem::DetachChildren() {
  std::vector<std::unique_ptr<TItem>> detached = Children.ReleaseAll();
  for (const std::unique_ptr<TItem>& item : detached)
    item->Parent = nullptr;
  return detached;
}

int TItem::SavedHeight() const {
  int height = 0;
  std::vector<std::pair<const TItem*, int>> pending{{this, 0}};
  while (!pending.empty()) {
    const auto [item, depth] = pending.back();
    pending.pop_back();
    height = std::max(height, depth);
    for (const TItem& child : item->Children) {
      if (child.ItemType < ItemTypeProgramOwn)
        pending.emplace_back(&child, depth + 1);
    }
  }
  return height;
}

std::u16string TItem::ItemPath() const {
  std::vector<std::u16string_view> names;
  for (const TItem* item = this; item->Parent != nullptr; item = item->Parent)
    names.push_back(item->Name);
  std::u16string path;
  for (auto name = names.rbegin(); name != names.rend(); ++name) {
    if (name != names.rbegin())
      path += u'\\';
    path += *name;
  }
  return path;
}

void TItem::SortChildren(platform::ILocale& locale, bool recursive, bool descending,
                         platform::TLocaleScope scope) {
  // The program's command item leads the root's children and must stay where the menu expects it.
  const bool pinFirst = Level == 0 && !Children.Empty() && Children[0]->ItemType >= ItemTypeProgramOwn;
  const int first = pinFirst ? 1 : 0;
  const int count = Children.Count();
  const int sorted = Level == 0 ? std::min(count, RootSortLimit) : count;
  if (sorted - first >= 2) {
    Children.Sort(first, sorted, [&locale, scope](const TItem& a, const TItem& b) {
      return locale.Compare(a.Name, b.Name, true, scope) < 0;
    });
    if (descending)
      Children.Reverse(first, sorted);
  }
  if (!recursive)
    return;
  for (int i = first; i < count; ++i)
    Children[i]->SortChildren(locale, true, descending, scope);
}

}  // namespace tolvane::storage
