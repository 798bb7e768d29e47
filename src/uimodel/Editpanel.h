#pragma once
// The item edit panel of the editor: the type list, which panels each type shows and which are enabled,
// the fields filled from an item and written back as they change, the repeat-count input, files dropped on
// the panel, the help topic per type, and the single-line macro and its multi-line view kept in step.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/Globals.h"
#include "storage/Item.h"

namespace tolvane::uimodel {

struct TTypeListEntry {
  std::u16string_view Text;
  int ItemType = 0;
};
inline constexpr std::array<TTypeListEntry, 7> TypeList{{
    {u"Clip, - Text", storage::ItemTypeClip},
    {u"Folder, - NO Action, but subitems", storage::ItemTypeFolder},
    {u"Clip Modifier, - Modify contens of Clipboard", storage::ItemTypeClipModifier},
    {u"Keystroke Macro, - Perform a sequence of keystrokes", storage::ItemTypeKeyMacro},
    {u"Mail, - Start Mail Program With Receiver ", storage::ItemTypeMail},
    {u"Website, - Show Website in Browser ", storage::ItemTypeWebSite},
    {u"Action, - Start a Program ", storage::ItemTypeProgram},
}};
// Type 1 and types the list does not hold show as the first entry and are edited as a clip.
int TypeListIndex(int itemType);
// The stored type of a list entry; a clip for an index outside the list.
int ItemTypeOfListIndex(int index);

// The panels under the caption-and-type strip, top to bottom.
enum class TEditPart { Program, Web, Mail, Macro, Hint, Code };
struct TPanelLayout {
  std::vector<TEditPart> Parts;
  std::u16string_view CodeLabel;  // empty without a code area
  bool CodeComposer = false;      // the clipboard-modifier "Composer" button beside the code area

  bool operator==(const TPanelLayout&) const = default;
};
// Bar entries (level 1) and the root are sub-menu headers whatever their type: they show the folder's panels.
TPanelLayout PanelLayoutFor(int itemType, int level);

// What decides the layout: the panels are built again only when it differs from the item shown before.
struct TLayoutKey {
  int TypeIndex = 0;
  bool BarLevel = false;  // level 1 or the root

  bool operator==(const TLayoutKey&) const = default;
};
TLayoutKey LayoutKeyOf(int itemType, int level);

struct TPanelEnabled {
  bool TypeList = false;
  bool Fields = false;  // the code area, the help memo and "Mono Space Font"

  bool operator==(const TPanelEnabled&) const = default;
};
// Level 2 and deeper always may change the type; folders and bar entries have no text of their own.
TPanelEnabled PanelEnabledFor(int itemType, int level);

// "#ActionItem", "#WebsiteItem", "#MailItem", "#MacroItem", "#ClipModifier", else "#MainEditor".
std::u16string_view HelpAnchorFor(int itemType);

// The code area's font: the fixed-pitch code font with "Mono Space Font", else the code font.
storage::TFontFacts CodeAreaFont(bool monoSpace, const storage::TSettings& settings);

// The repeat count takes at most two digits and nothing else; an empty field counts as one run.
inline constexpr std::size_t RepeatDigits = 2;
struct TRepeatInput {
  std::u16string Shown;  // what the field keeps of the typed or pasted text
  int Count = 1;

  bool operator==(const TRepeatInput&) const = default;
};
TRepeatInput ReadRepeatInput(std::u16string_view typed);

// Files dropped from the shell: only items of type 0, 1, 3 and 4 in a popup take them.
bool AcceptsFileDrop(int itemType, int level);
// The control texts a drop changes. Paths are taken whole, however long.
struct TDropFields {
  std::u16string CodeArea;
  std::u16string Program;
  std::u16string Params;
  std::u16string Website;

  bool operator==(const TDropFields&) const = default;
};
// Clip: the paths, each followed by CR LF, replace the code area or, with Ctrl, are appended to it. Action:
// the first ".exe" (any case) becomes the program, the others are appended to the parameters in double
// quotes, one blank apart. Website: the first path becomes the address. False when the type takes no drop
// or there is nothing to drop.
bool ApplyDroppedFiles(int itemType, const std::vector<std::u16string>& paths, bool ctrlHeld,
                       TDropFields& fields);

// The clipboard-modifier editor opens with the code and a line break after it; its text comes back with
// leading and trailing blanks and control characters removed.
std::u16string ModifierComposerText(const storage::TItem& item);
std::u16string ModifierCodeFromComposer(std::u16string_view text);

// What the panel's controls show for an item.
struct TPanelFields {
  std::u16string Caption;
  std::u16string MailTo;
  std::u16string MailCc;
  std::u16string MailBcc;
  std::u16string MailSubject;
  std::u16string Program;
  std::u16string Params;
  std::u16string Website;
  std::u16string Browser;  // the stored browser; the browser list selects the entry it names
  std::u16string Hint;
  std::u16string CodeArea;
  std::u16string Macro;
  std::u16string Repeat = u"1";
  int TypeIndex = 0;
  bool NewLineHome = false;
  bool MonoSpace = true;
  bool FocusCaption = false;  // a new item: the caption gets the focus with all text selected

  bool operator==(const TPanelFields&) const = default;
};
// Items in popups fill every field; bar entries and the root only the caption. The code area holds the
// macro's multi-line view, the modifier code, or the text, by type.
TPanelFields PanelFieldsOf(const storage::TItem& item);

// The panel's controls as the model needs them. Setting a control's text may call the model's change
// handler for it before the setter returns, as edit controls do.
class IEditPanelView {
 public:
  virtual ~IEditPanelView() = default;
  // Puts the fields into the controls; layout is set when the panels must be laid out again first.
  virtual void ShowFields(const TPanelFields& fields, const TPanelLayout* layout) = 0;
  virtual void SetMacroText(std::u16string_view text) = 0;
  virtual void SetCodeAreaText(std::u16string_view text) = 0;
};

enum class TPanelText {
  Caption,
  MailTo,
  MailCc,
  MailBcc,
  MailSubject,
  Program,
  Params,
  Website,
  Browser,
  Hint
};

// The edited item and the panel's write-back. Every write returns true when it changed the item, so the
// caller sets MenuModified: only while an item is shown and its fields are not being filled, and for a bar
// entry only its caption.
class TEditPanelModel {
 public:
  explicit TEditPanelModel(IEditPanelView& view) : View(view) {}

  // Shows the item's fields (null: no item; the controls stay as they are but write nothing). The layout
  // is rebuilt only when the type's panels or the level class differ from the item shown before.
  void Show(storage::TItem* item);
  // Fills the controls again from the shown item, after a composer changed it.
  void Refill();
  storage::TItem* Item() const { return Edited; }
  bool Filling() const { return FillDepth > 0; }

  bool WriteText(TPanelText field, std::u16string_view text);
  // The type list's choice: the panels of the new type show with the item's values for it.
  bool WriteType(int listIndex);
  bool WriteRepeat(std::u16string_view typed);
  bool WriteNewLineHome(bool checked);
  bool WriteMonoSpace(bool checked);
  // The code area and the single-line macro field update each other: the one written while the other
  // changes does not write back, so one edit updates each exactly once.
  bool CodeAreaChanged(std::u16string_view text);
  bool MacroChanged(std::u16string_view text);
  // A composer closed with OK: a keystroke macro takes its text and new-line-home flag, a clipboard
  // modifier its code; the controls are filled again. False for an item of another type.
  bool WriteComposedMacro(std::u16string_view macro, bool newLineHome);
  bool WriteComposedModifier(std::u16string_view editorText);

 private:
  bool Writable() const;
  bool FieldsEnabled() const;
  void Fill();

  IEditPanelView& View;
  storage::TItem* Edited = nullptr;
  std::optional<TLayoutKey> ShownLayout;
  int FillDepth = 0;
  bool WritingMacro = false;     // the model is setting the single-line macro field
  bool WritingCodeArea = false;  // the model is setting the code area
};

}  // namespace tolvane::uimodel
