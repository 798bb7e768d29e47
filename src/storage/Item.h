#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/Geometry.h"
#include "common/Qxptrvector.h"
#include "platform/Locale.h"
#include "storage/Itemtext.h"
#include "storage/Xmltag.h"

namespace tolvane::storage {

// Item type codes as stored in the "Type" attribute.
inline constexpr int ItemTypeClip = 0;
inline constexpr int ItemTypeFolderClip = 1;
inline constexpr int ItemTypeFolder = 2;
inline constexpr int ItemTypeProgram = 3;
inline constexpr int ItemTypeWebSite = 4;
inline constexpr int ItemTypeMail = 5;
inline constexpr int ItemTypeKeyMacro = 6;
inline constexpr int ItemTypeClipModifier = 7;
// From here on the items are the program's own (command menu, recent files, built-in commands); they are
// never written to a file.
inline constexpr int ItemTypeProgramOwn = 50;

// Items nest at most this deep (the root is level 0), so that the elements of the deepest item's fields stay
// within the nesting a menu file may have. Loading, saving and moving items all keep to it.
inline constexpr int MaxItemLevel = XmlMaxDepth - 1;
// Sorting the root orders at most this many of its children; the rest keep their places.
inline constexpr int RootSortLimit = 10000;

class TItem;
class TItemSlabs;
using TItemVector = TQxPtrVector<TItem>;

// The editor's tree-view item of an item (an HTREEITEM on Windows), opaque here; None while the item has no
// node. Wide enough for a pointer.
enum class TTreeNode : std::uintptr_t { None = 0 };

// One entry of the menu tree: a folder or an action, with the texts its type needs. Each item owns its
// children; an item is known only by its place in the tree.
class TItem {
 public:
  // A root item (level 0, a folder).
  TItem() : TItem(nullptr) {}
  // An item with the defaults of a new child of parent (not yet added to it).
  explicit TItem(TItem* parent);
  ~TItem() = default;
  TItem(const TItem&) = delete;
  TItem& operator=(const TItem&) = delete;

  // An item is a heap block of its own, or a slot in a reader's slab (new (slabs) TItem(...)); delete and
  // std::unique_ptr<TItem> free either.
  static void* operator new(std::size_t size);
  static void* operator new(std::size_t size, TItemSlabs& slabs);
  static void operator delete(void* item) noexcept;
  static void operator delete(void* item, TItemSlabs& slabs) noexcept;

  TItem* AppendChild(std::unique_ptr<TItem> item);
  TItem* NewChild();
  TItem* NewChildBeside(const TItem* sibling, bool before);
  // Puts the item before or after sibling (at the end when sibling is not a child) and renumbers its levels.
  TItem* InsertChild(const TItem* sibling, std::unique_ptr<TItem> item, bool before);
  // Takes the child out without destroying it; null when it is not a child.
  std::unique_ptr<TItem> RemoveChild(const TItem* item);
  // Destroys the child; returns the child now at its position, else the last child, else null.
  TItem* DeleteChild(const TItem* item);
  std::vector<std::unique_ptr<TItem>> DetachChildren();
  int IndexOfChild(const TItem* item) const { return Children.IndexOf(item); }
  // How many levels the saved form of the item reaches below it: 0 without children. Children of the
  // program's own types are never saved and do not count.
  int SavedHeight() const;
  // Whether the item, placed at the level, keeps its whole saved subtree within MaxItemLevel.
  bool FitsAtLevel(int level) const { return level + SavedHeight() <= MaxItemLevel; }

  // The names from the level-1 ancestor down to this item, joined with "\".
  std::u16string ItemPath() const;
  // By name, ignoring case, in the locale's order (the system's unless told). In the root a leading program
  // item keeps its place and only the children up to RootSortLimit take part.
  void SortChildren(platform::ILocale& locale, bool recursive, bool descending,
                    platform::TLocaleScope scope = platform::TLocaleScope::System);

  // KeyMacro with its line-break codes turned into CR LF, for editing.
  std::u16string GetMacroLines() const;
  // Stores edited macro text: lines joined by the line-break code, one more code when the text ends with a
  // line feed.
  void SetMacroLines(std::u16string_view text);

  // Reads the item's fields and its subtree from the element's children. On a value that cannot be read
  // (a "Type" or "Img" that is no integer) returns false with the reason; the item is then incomplete.
  [[nodiscard]] bool ReadFromXml(const TQxXmlTag& tag, std::u16string& error);
  // Writes the item into the element: as an "Item" element unless it is the root (level 0).
  void WriteToXml(TQxXmlTag& tag) const;
  // Writes the item as an "Item" element whatever its level (for a branch file).
  void WriteToXmlAsItem(TQxXmlTag& tag) const;

  bool MonoSpace = true;
  bool NewLineHome = false;
  int ImageIndex = -1;
  int RepeatCount = 1;
  TItemText Bcc;
  TItemText Cc;
  TItemText XClip;
  TItemText Code;
  TItemText Email;
  TItemText File;
  TItemText KeyMacro;
  TItemText Name;
  TItemText QParams;
  TItemText Program;
  TItemText ShortCutText;  // never stored
  TItemText Subject;
  TItemText Tip;
  TItemText Url;
  TItemText WebBrowser;
  int ItemType = ItemTypeClip;
  int Level = 0;
  TItem* Parent = nullptr;
  TRect ItemRect;                        // never stored
  TTreeNode TreeNode = TTreeNode::None;  // never stored
  TItemVector Children;
  int MaxChildWidth = 0;  // never stored

 private:
  void Adopt(TItem& child);
  void WriteFields(TQxXmlTag& tag) const;
};

}  // namespace tolvane::storage
