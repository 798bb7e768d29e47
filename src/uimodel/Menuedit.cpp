#include "uimodel/Menuedit.h"

#include "uimodel/Programmenu.h"

namespace tolvane::uimodel {

namespace {

inline constexpr int ItemCommandInsertAfter = 103;
inline constexpr int ModifierShift = 2;

// The popup's closing line has two blanks on its empty line, the bar's one.
inline constexpr std::u16string_view PopupQuestionEnd = u".\r\n  \r\nDo you want to proceed ?";
inline constexpr std::u16string_view BarQuestionEnd = u".\r\n \r\nDo you want to proceed ?";

}  // namespace

bool AcceptsItemCommand(const storage::TItem& item, int code) {
  if (item.ItemType == command::ProgramItem)
    return code == ItemCommandInsertAfter;
  if (item.ItemType > command::ProgramItem)
    return code == ItemCommandDelete && IsRecentFileEntry(item);
  return true;
}

bool IsRecentFileEntry(const storage::TItem& item) {
  return item.ItemType == command::RecentFile && item.Parent != nullptr &&
         item.Parent->ItemType == command::MenuFiles;
}

bool CanDeleteRecentFile(const storage::TItem& item, std::u16string_view activeFile,
                         platform::ILocale& locale) {
  return IsRecentFileEntry(item) && !item.File.empty() &&
         locale.Compare(item.File, activeFile, true, platform::TLocaleScope::System) != 0;
}

bool AsksBeforeDelete(int modifierMask) {
  return modifierMask != ModifierShift;
}

std::u16string DeleteQuestion(const storage::TItem& item, bool inPopup) {
  std::u16string text = u"You are about to delete ";
  text += item.Name;
  if (!item.Children.Empty())
    text += u"\r\nand the items subitems";
  text += inPopup ? PopupQuestionEnd : BarQuestionEnd;
  return text;
}

std::u16string RecentFileDeleteQuestion(const storage::TItem& item) {
  std::u16string text = u"You are about to delete menu item:\r\n";
  text += item.Name;
  text += PopupQuestionEnd;
  return text;
}

storage::TItem* DeleteNeighbour(const storage::TItem& item) {
  const storage::TItem* parent = item.Parent;
  if (parent == nullptr)
    return nullptr;
  const int index = parent->IndexOfChild(&item);
  if (index < 0 || parent->Children.Count() < 2)
    return nullptr;
  return parent->Children[index > 0 ? index - 1 : 1];
}

storage::TItem* DeleteItem(storage::TItem& item) {
  storage::TItem* parent = item.Parent;
  if (parent == nullptr)
    return nullptr;
  storage::TItem* neighbour = DeleteNeighbour(item);
  parent->DeleteChild(&item);
  return neighbour;
}

void SortForCommand(storage::TItem& item, bool recursive, bool descending, platform::ILocale& locale) {
  storage::TItem* parent = item.Parent;
  if (parent == nullptr || parent->Children.Count() < 2)
    return;
  parent->SortChildren(locale, recursive, descending, platform::TLocaleScope::User);
}

}  // namespace tolvane::uimodel
