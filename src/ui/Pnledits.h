#pragma once
// TPnlEdits, the item edit panel on the edit side of the editor: the caption-and-type strip with the glyph
// box, and under it the panels of the shown item's type. Every field writes into the item as it changes,
// through the portable panel model; the panel paints its own labels and takes files dropped from the shell.
//
// Split by role: Pnledits.cpp (controls, showing and writing back), Pnleditslayout.cpp (layout, painting,
// colours and fonts), Pnleditsdrop.cpp (dropped files).

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "execution/Browser.h"
#include "graphics/Glyphlist.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win.h"
#include "storage/Item.h"
#include "ui/Appcontext.h"
#include "ui/Composers.h"
#include "ui/Ctlcheckbox.h"
#include "ui/Ctlcombobox.h"
#include "ui/Ctledit.h"
#include "ui/Ctlrichedit.h"
#include "ui/Formparts.h"
#include "ui/Qxbutton.h"
#include "ui/Window.h"
#include "uimodel/Anchorlayout.h"
#include "uimodel/Editpanel.h"

// After the Windows headers: the shell's drop handle.
#include <shellapi.h>

namespace tolvane::ui {

class TPnlEdits final : public TWindow, private uimodel::IEditPanelView {
 public:
  static constexpr const wchar_t* kClassName = L"TPnlEdits";

  // userGlyphs: the menus' user glyphs, filled later is fine (the glyph box repaints when asked).
  TPnlEdits(TAppContext& context, const graphics::TGlyphList& userGlyphs);
  ~TPnlEdits() override;

  // Creates the panel with its controls as a hidden child of the host and fills it; throws std::system_error
  // when a window cannot be created.
  void CreateIn(HWND host);
  // Sizes the panel to its host's client area.
  void FillHost();

  // The selected item; null keeps the fields as they are and writes nothing.
  void ShowItem(storage::TItem* item);
  storage::TItem* ShownItem();
  // The caption field takes the focus with all its text selected.
  void FocusCaption();
  // The colours and fonts of the settings, again after they changed.
  void ApplySettings();
  void RepaintGlyph();

  // The item the editor edits now. Writing stops when it is no longer the shown one, since a load or a
  // delete may have freed the item the panel shows.
  std::function<storage::TItem*()> EditorItem;
  // The caption or the type of the item changed, for its tree node.
  std::function<void(const storage::TItem&)> OnItemChanged;
  // The glyph box was clicked for the item; corner: the box's top-left screen position minus one pixel.
  std::function<void(storage::TItem&, POINT corner)> OnGlyphClick;
  std::function<void(std::u16string_view anchor)> OnHelp;
  // The composers, modal; nullopt after Cancel.
  std::function<std::optional<TMacroComposerResult>(const TMacroComposerRequest&)> OnMacroComposer;
  std::function<std::optional<TModifierEditorResult>(const TModifierEditorRequest&)> OnModifierEditor;
  // A double click on the caption-and-type strip.
  std::function<void()> OnStripDoubleClick;

  // For tests: the controls' texts and state.
  struct TControls;
  TControls& Controls() { return *Hosted; }

 private:
  static constexpr UINT UM_FOCUS_CAPTION = WM_APP + 1;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ScaleChanged() override;

  // IEditPanelView.
  void ShowFields(const uimodel::TPanelFields& fields, const uimodel::TPanelLayout* layout) override;
  void SetMacroText(std::u16string_view text) override;
  void SetCodeAreaText(std::u16string_view text) override;

  // Controls and writing back (Pnledits.cpp).
  void ConnectControls();
  // Runs a write of the model only while the shown item is still the editor's.
  template <typename TWrite>
  void Write(TWrite write, bool forTree = false) {
    if (ShownItem() != nullptr)
      Written(write(), forTree);
  }
  void Written(bool changed, bool forTree = false);
  void WriteText(uimodel::TPanelText field, std::u16string_view text);
  void RepeatChanged();
  void BrowsersChanged();
  void SelectBrowser(std::u16string_view stored);
  void BrowseProgram();
  void ComposeMacro();
  void ComposeModifier();
  void ApplyEnabled();
  void CodeAreaFocused();

  // Layout, painting, colours and fonts (Pnleditslayout.cpp).
  void Arrange();
  void PlaceControl(int id, const uimodel::TPlacement* placement);
  TRect NodeBounds(int id) const;
  void PaintTo(HDC dc);
  void PaintLabels(HDC dc);
  void PaintGlyphBox(HDC dc, const TRect& box);
  void PaintHelpLink(HDC dc, const TRect& link);
  bool SetCursorAt(POINT client);
  void MouseDown(POINT client);
  void MouseDoubleClick(POINT client);
  std::optional<LRESULT> ControlColor(HDC dc, HWND control);
  void CreateFonts();
  void ApplyCodeFont();
  void CreateHints();
  void PlaceHints();

  // Dropped files (Pnleditsdrop.cpp).
  void FilesDropped(HDROP drop);

  TAppContext& Context;
  const graphics::TGlyphList& UserGlyphs;
  uimodel::TEditPanelModel Model{*this};
  std::unique_ptr<TControls> Hosted;
  uimodel::TPanelLayout Panels;
  std::vector<uimodel::TPlacement> Placements;
  execution::TBrowserList Browsers;
  bool BrowsersRead = false;
  win32::unique_hfont CodeFont;
  win32::unique_hfont CodeFixedFont;
  win32::unique_hfont LinkFont;
  win32::unique_hbrush BackgroundBrush;
  win32::unique_hbrush DisabledBrush;
  COLORREF Background = 0;
  COLORREF DisabledColor = 0;
  THints Hints;
};

// The controls the panel hosts, named as the user sees them.
struct TPnlEdits::TControls {
  explicit TControls(TPnlEdits& panel, platform::ISystemColors& systemColors);

  TEdit EdCaption;
  TComboBox CmbType;
  TEdit EdProgram;
  TQxButton ButBrowseProgram;
  TEdit EdParams;
  TComboBox CmbBrowsers;
  TEdit EdWebsite;
  TEdit EdEmailTo;
  TEdit EdEmailCc;
  TEdit EdEmailBcc;
  TEdit EdMailSubject;
  TEdit EdMacro;
  TQxButton ButEditMacro;
  TCheckBox CbxMacroUseNewLineHome;
  TEdit EdMacroRepeat;
  TEdit MmHint;
  TCheckBox CbxMonoSpace;
  TQxButton ButEditModifier;
  TRichEdit ReCode;
};

// The paths of a shell drop in their order, each whole however long it is.
std::vector<std::u16string> DroppedFilePaths(HDROP drop);

}  // namespace tolvane::ui
