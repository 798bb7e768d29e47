#pragma once
// The editor's tree of items: which items it shows, new items and where they go, the room and nesting checks
// before an insert, filling a new item from the clipboard, delete with its question and the next selection,
// drag and drop, and the small decisions of the menu-file commands.

#include <string>
#include <string_view>
#include <vector>

#include "common/Geometry.h"
#include "storage/Item.h"

namespace tolvane::uimodel {

// The tree shows the file's own items: the program's (type 50 and above) and all below them are left out.
bool ShownInTree(const storage::TItem& item);

struct TTreeNodeEntry {
  storage::TItem* Item = nullptr;
  int Parent = -1;  // index of the parent's entry; -1 for the root
  int Image = -1;   // image and selected image
  bool Expanded = false;
};
// The root and every shown item below it, parents before their children and children in order, so the tree
// can be built front to back. The root shows the last user glyph (-1 without glyphs) and starts expanded one
// level; every other node starts collapsed with the item's icon.
std::vector<TTreeNodeEntry> TreeNodeEntries(storage::TItem& root, int userGlyphCount);
// The shown sibling in front of the item, after which its node belongs; null when its node comes first.
storage::TItem* PreviousShownSibling(const storage::TItem& item);

inline constexpr std::u16string_view NewItemCaption = u"New Item";
// The icon of new items until the user picks another for the run.
inline constexpr int StartNewItemIcon = 125;
// Caption, icon, a folder for a new bar entry (level below 2) and a clip elsewhere, mono-space on, repeat 1,
// new-line-home off. The item must already sit at its place, so its level is known.
void SetNewItemDefaults(storage::TItem& item, int defaultIconIndex);

enum class TInsertKind { Before, After, AsSubMenu };

// Which edit commands of the tree may run for the selection (null: nothing selected). The root takes only
// a sub-menu; the program item (reached from the bar's context window) takes after and sub-menu, both of
// which append to the root.
struct TEditCommandsEnabled {
  bool InsertBefore = false;
  bool InsertAfter = false;
  bool InsertAsSubMenu = false;
  bool Delete = false;
  bool SaveBranch = false;

  bool operator==(const TEditCommandsEnabled&) const = default;
};
TEditCommandsEnabled EditCommandsFor(const storage::TItem* selected);

// A menu must fit on the screen: workAreaBottom ≥ (children + 1) × ItemHeight + 2 × EdgeSize.
struct TRoomMetrics {
  int WorkAreaBottom = 0;
  int ItemHeight = 0;
  int EdgeSize = 0;
};
bool HasRoomForOneMore(const storage::TItem& parent, const TRoomMetrics& room);

enum class TInsertOutcome { Insert, NotAllowed, NoRoom, TooDeep };
struct TInsertPlan {
  TInsertOutcome Outcome = TInsertOutcome::NotAllowed;
  storage::TItem* Parent = nullptr;         // receives the new item
  const storage::TItem* Sibling = nullptr;  // the new item goes beside it; null: appended
  bool Before = false;
};
// Where an insert of the kind on the selected item goes, or why it may not: the command is not enabled,
// the receiving menu would not fit on the screen, or the new item would nest deeper than a menu file may.
TInsertPlan PlanInsert(storage::TItem& selected, TInsertKind kind, const TRoomMetrics& room);
// Creates the new item with its defaults at the planned place; null unless the plan is Insert.
storage::TItem* InsertNewItem(const TInsertPlan& plan, int defaultIconIndex);

inline constexpr std::u16string_view InsertMessageCaption = u"Message For You";
inline constexpr std::u16string_view NoRoomText =
    u"There is not room for more items in this menu\r\non this Screen, with your current Item Height !";
inline constexpr std::u16string_view TooDeepText =
    u"Menu items cannot be nested any deeper,\r\nthe menu file could not be saved !";

// A new item is filled from the clipboard when Ctrl was held and it lies in a popup (level 2 or deeper).
bool FillsFromClipboard(const storage::TItem& item, bool ctrlHeld);

enum class TFillField { Code, Email, Program, Url };
struct TClipboardFill {
  int ItemType = storage::ItemTypeClip;
  TFillField Field = TFillField::Code;
  std::u16string Text;

  bool operator==(const TClipboardFill&) const = default;
};
// What a clipboard text makes of a new item: text of several lines a clip; otherwise an at sign without a
// backslash or web prefix a mail to it, a backslash a program, a web prefix a web site, anything else a clip.
// A clip keeps the text as it is; the one-line fields get it without surrounding blanks and line breaks.
TClipboardFill ClassifyClipboardText(std::u16string_view text);
void ApplyClipboardFill(storage::TItem& item, const TClipboardFill& fill);

inline constexpr std::u16string_view TreeDeleteCaption = u"Quiestion for you";
std::u16string TreeDeleteQuestion(const storage::TItem& item);
// Deletes the item with its sub-items and returns the item to select: the shown item that took its place,
// else the parent's last shown child, else the parent. Null, with nothing deleted, for the root and the
// program's own items.
storage::TItem* DeleteFromTree(storage::TItem& item);

// A drag starts once the mouse moved more than DragThreshold pixels either way with the left button held.
inline constexpr int DragThreshold = 5;
bool DragStarts(TPoint pressed, TPoint now);
// Refused: onto the dragged item or anywhere below it, items without a parent (the root), the program's own
// items, and a move that would nest the dragged subtree deeper than a menu file may.
bool CanDrop(const storage::TItem& dragged, const storage::TItem& target);
// Moves the dragged item into the target's parent directly in front of the target, its levels renumbered;
// false, with nothing moved, when CanDrop refuses.
bool DropInFrontOf(storage::TItem& dragged, storage::TItem& target);

// Auto-scroll while dragging: down when the cursor is less than DragScrollZone pixels above the bottom edge,
// up at or above the top edge. Intervals are milliseconds, never below 1; the further out the cursor, the
// faster the scroll.
inline constexpr int DragScrollZone = 5;
enum class TDragScroll { None, Down, Up };
TDragScroll DragScrollFor(int y, int clientHeight);
int DragScrollFirstInterval(TDragScroll scroll, int y, int clientHeight);
struct TDragScrollTick {
  int Interval = 0;
  bool Repaint = false;

  bool operator==(const TDragScrollTick&) const = default;
};
TDragScrollTick DragScrollTickFor(TDragScroll scroll, int y, int clientHeight);

// The node the cursor rests on while dragging: resting HoverTime on one opens it one level.
inline constexpr int HoverTime = 1000;
class TDragHover {
 public:
  // The cursor is over the node (null: over none). True when the hover timer must start again.
  bool MoveOver(const storage::TItem* node);
  // While auto-scrolling and when the drag ends: the node is forgotten and the timer stops.
  void Forget();
  // The hover timer fired: it stops. Returns the node to expand, or null (none, or the dragged node).
  const storage::TItem* Fire(const storage::TItem* dragged);
  bool TimerRunning() const { return Running; }

 private:
  const storage::TItem* Hover = nullptr;
  bool Running = false;
};

// Menu-file commands.
inline constexpr std::u16string_view FileQuestionCaption = u"Question for you";
inline constexpr std::u16string_view UseNewFileNameQuestion = u"Do you want to use the new File Name ??";
// The path with ".TvXml" appended when its file name has no extension.
std::u16string WithDefaultMenuExtension(std::u16string_view path);
std::u16string ReplaceFileQuestion(std::u16string_view path);
// A line of the editor's recent-files list: two blanks and the entry's name.
std::u16string RecentFileLine(std::u16string_view name);
// The file name without folder and extension: the name a recent-files entry and a new menu get.
std::u16string MenuNameOf(std::u16string_view path);

}  // namespace tolvane::uimodel
