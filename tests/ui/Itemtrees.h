#pragma once
// Building and reading small item trees in the user interface's tests.

#include <string>
#include <string_view>
#include <vector>

#include "storage/Item.h"

namespace tolvane::uimodel::testing {

// A new last child of the parent with the caption and type.
inline storage::TItem* Add(storage::TItem& parent, std::u16string_view name, int type) {
  storage::TItem* item = parent.NewChild();
  item->Name = name;
  item->ItemType = type;
  return item;
}

// The captions of the parent's children in order.
inline std::vector<std::u16string> Names(const storage::TItem& parent) {
  std::vector<std::u16string> names;
  for (const storage::TItem& item : parent.Children)
    names.push_back(item.Name.Str());
  return names;
}

}  // namespace tolvane::uimodel::testing
