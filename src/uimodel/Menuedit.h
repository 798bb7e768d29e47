#pragma once
// Edit commands given on a menu item (UM_ITEM_COMMAND) that the menu windows carry out themselves: delete
// with its question and the neighbour that takes the selection, sort, and deleting a recent-file entry.

#include <string>

#include "platform/Locale.h"
#include "storage/Item.h"

namespace tolvane::uimodel {

inline constexpr int ItemCommandDelete = 107;
inline constexpr int ItemCommandSort = 109;
inline constexpr int ItemCommandSortDeep = 110;
inline constexpr int ItemCommandCancel = 111;

// Built-in items (type above 50) take no command but delete of a recent-file entry; the program item takes
// only insert-after.
bool AcceptsItemCommand(const storage::TItem& item, int code);
bool IsRecentFileEntry(const storage::TItem& item);
// A recent-file entry may be deleted (with its file) unless it is the loaded file; paths compare ignoring
// case.
bool CanDeleteRecentFile(const storage::TItem& item, std::u16string_view activeFile,
                         platform::ILocale& locale);
// Delete asks first unless the modifiers at the command were Shift alone (ModifierMask 2).
bool AsksBeforeDelete(int modifierMask);

// "You are about to delete " + caption [+ "\r\nand the items subitems"] + the closing line of a popup or the
// bar.
std::u16string DeleteQuestion(const storage::TItem& item, bool inPopup);
std::u16string RecentFileDeleteQuestion(const storage::TItem& item);
inline constexpr std::u16string_view DeleteQuestionCaption = u"Question for you";
inline constexpr std::u16string_view RecentFileQuestionCaption = u"Quiestion for you";

// The item that takes the selection after the item is deleted: the one before it, the second when it is the
// first, none when it is the only one.
storage::TItem* DeleteNeighbour(const storage::TItem& item);
// Deletes the item with its children from its parent; returns DeleteNeighbour as it was before.
storage::TItem* DeleteItem(storage::TItem& item);

// Sorts the parent of the item (109), and with recursive its sub-menus too (110), by caption in the user's
// locale ignoring case; descending when Shift is held. At the root the program item keeps first place.
void SortForCommand(storage::TItem& item, bool recursive, bool descending, platform::ILocale& locale);

}  // namespace tolvane::uimodel
