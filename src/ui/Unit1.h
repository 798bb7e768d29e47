#pragma once
// TForm1, the program's main window. In menu mode it is a borderless bar one menu row high, docked at the
// top edge of the work area of its monitor; in editor mode (taller than 100 pixels) a sizeable window with
// the tree side, the edit side and the tool-button column. The window lives for the whole run.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/win32/Handles.h"
#include "platform/win32/Win.h"
#include "storage/Item.h"
#include "storage/Menufilewatch.h"
#include "ui/Appcontext.h"
#include "ui/Composers.h"
#include "ui/Editorpanes.h"
#include "ui/Glybut.h"
#include "ui/Menuenv.h"
#include "ui/Menuglyphs.h"
#include "ui/Pnledits.h"
#include "ui/Pnlmain.h"
#include "ui/Sidewindows.h"
#include "ui/Sizerstrip.h"
#include "ui/Trayicon.h"
#include "ui/Treeeditor.h"
#include "ui/Window.h"
#include "uimodel/Autohide.h"
#include "uimodel/Mainactions.h"
#include "uimodel/Saveconflict.h"
#include "uimodel/Treeedit.h"

namespace tolvane::ui {

// The modal windows the program menu opens that live in their own units; each runs its dialog modally over
// the owner and answers whether it ended with OK. An empty slot leaves its command refused with a message.
struct TMainDialogs {
  std::function<bool(HWND owner)> MenuSettings;
  std::function<bool(HWND owner)> ProgramSettings;
  // The chosen item, or null after Cancel.
  std::function<storage::TItem*(HWND owner)> Search;
  std::function<bool(HWND owner)> CreateShortcut;
  // The item edit panel's composers; nullopt after Cancel.
  std::function<std::optional<TMacroComposerResult>(HWND owner, const TMacroComposerRequest&)> MacroComposer;
  std::function<std::optional<TModifierEditorResult>(HWND owner, const TModifierEditorRequest&)>
      ModifierEditor;
};

// Posted to itself: the foreground is read after the activation's messages have run.
inline constexpr UINT UM_RECORD_FOCUS_FOREGROUND = WM_APP + 0x72;

class TForm1 final : public TWindow {
 public:
  static constexpr const wchar_t* kClassName = L"TForm1";
  static constexpr const wchar_t* kCaption = L"Tolvane";

  // Creates the window hidden, centred at the top of the primary monitor; the owner keeps the bar off the
  // taskbar. arguments: the command line without the program's path. Throws std::system_error when the
  // window cannot be created.
  TForm1(TAppContext& context, HWND owner, std::vector<std::u16string> arguments);
  ~TForm1() override;

  // Shows the window and runs the one-time part of the show handler.
  void Show();
  // The main window's shortcuts, before the message is translated; true when the key was used.
  bool PreTranslate(const MSG& message);

  TMainDialogs Dialogs;

 private:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ScaleChanged() override;
  bool HandleAppMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  LRESULT AnswerProbe(WPARAM query, LPARAM argument) const;

  // Start-up (Unit1startup.cpp).
  void FirstShow();
  void ReadStartSettings();
  void LoadTimerFirstTick();
  void LoadTimerSecondTick();
  void ApplyMenuAppearance();
  void ApplyColors();
  void ApplyEditorColors();
  void UpdateMenuEnvironment();
  void UpdatePopupGradients();
  void ItemsRemoving(const storage::TItem& item);
  storage::TSettingsEnvironment MeasureEnvironment() const;
  void PumpPendingMessages();
  void ApplyTaskbarButton(bool show);
  void TakeForegroundByClick();

  // Layout and painting.
  void TimerTick(UINT_PTR timer);
  bool IsEditorMode() const;
  int CloseButtonWidth() const;
  void PlaceCloseButton(const TRect& bounds);
  int BarHeight() const;
  void ArrangeBar();
  void ArrangeChildren();
  void FormPaint();

  // Modes (Unit1modes.cpp).
  void CreateEditor();
  void SwitchMode();
  void SwitchToEditor();
  void SwitchToMenu();
  bool RefusedAsReadOnly();
  void UpdateCaption();
  void SetEditorStyle(bool editor);

  // Commands and items (Unit1commands.cpp).
  void RunAction(uimodel::TMainAction action, storage::TItem* item = nullptr, int modifierMask = 0);
  void ExecuteItem(storage::TItem* item, int modifierMask);
  void PerformUserItem(storage::TItem& item, int modifierMask);
  void RunProgramCommand(storage::TItem& item, int modifierMask);
  void RepeatPreviousAction();
  bool ForwardMenuKey(uimodel::TMainAction action);
  bool MoveFocusByTab(const MSG& message, const uimodel::TKeyChord& chord);
  void ItemCommand(int code, storage::TItem* item);
  bool LoadMenu(const std::u16string& fileName, bool append);
  void SaveMenu();
  void ReloadMenu();
  // Saves the menu to the active file, asking first when someone else changed that file meanwhile.
  uimodel::TActiveSaveResult SaveActiveFile();
  void OpenRecentFile(storage::TItem& item, int modifierMask);
  void RefreshMenuFilesList();
  void RebuildMenuFiles();
  void OpenHelp(std::u16string_view anchor);
  void ShowAbout();
  void OpenInShell(const std::u16string& target);
  void SearchItems();
  // Menu file commands with a file dialog (Unit1files.cpp).
  void RunFileCommand(uimodel::TMainAction action);
  // True when the menu was written to the file the user chose.
  bool SaveMenuAs();
  void SaveBranch(const storage::TItem& item);
  std::optional<std::u16string> AskFileName(bool save, std::u16string_view folder,
                                            std::u16string_view proposedName);
  bool SavePendingChanges();
  void RunDialog(const std::function<bool(HWND)>& dialog, const std::function<void()>& afterOk);
  void CloseAllMenus();
  bool ContainsItem(const storage::TItem* item) const;

  // The tree side of the editor (Unit1tree.cpp).
  void CreateTreeEditor();
  void EnterTreeEditor();
  void LeaveTreeEditor();
  void RebuildTree(const storage::TItem* keepSelected);
  void FillFileList();
  void ChooseRecentFile(const std::u16string& path);
  void RunTreeCommand(uimodel::TMainAction action, bool fromToolButton);
  void InsertItem(uimodel::TInsertKind kind, bool ctrl, storage::TItem& selected);
  void DeleteSelectedItem(bool fromToolButton);
  void SaveSelectedBranch();
  void UpdateEditCommands();
  void WidenTreeToFit();
  // The item the edit side shows; null for none.
  void ShowEditedItem(storage::TItem* item);

  // Placement, auto-hide, foreground tracking and the tray (Unit1placement.cpp).
  void ReadWorkArea();
  void AppActivated();
  void AppDeactivated();
  void RecordFocusForeground();
  void AutoHideTimerTick();
  void TopWindowTimerTick();
  void MouseWheel(int delta, WPARAM keys);
  void SizerMoved(bool leftEdge, int distance);
  void SizerReleased();
  void DragBar();
  void PaintFrame(bool active);
  uimodel::TBarState BarState() const;
  uimodel::TBarSettings BarSettings() const;
  void ShowBarAt(int top, HWND insertAfter);
  void HideBar();
  void TrayTimerTick();
  // Reloads a menu file someone else changed while nothing here depends on the old items.
  void MenuFileWatchTick();
  bool MayReplaceMenu() const;
  void TrayMessage(LPARAM mouseMessage);
  void ShowToolbarFromTray();
  void AddTrayIcon();

  // Closing (Unit1close.cpp).
  bool FormCloseQuery();
  void FormClose();
  bool SaveBeforeClosing();
  void StoreWindowSettings();

  // The edit side of the editor (Unit1edits.cpp).
  void CreateEditPanel();
  void ShowInEditPanel(storage::TItem* item);

  static constexpr UINT_PTR LoadTimer = 1;
  static constexpr UINT_PTR AutoHideTimer = 2;
  static constexpr UINT_PTR TiTopWindow = 3;
  static constexpr UINT_PTR TimerTrayIcon = 4;
  static constexpr UINT_PTR MenuFileWatchTimer = 5;
  static constexpr UINT_PTR MenuPrepareTimer = 6;

  TAppContext& Context;
  HWND AppWindow;
  int LoadTicks = 0;
  std::vector<std::u16string> Arguments;

  TMenuGlyphs Glyphs;
  TMenuEnvironment MenuEnvironment{Context, Glyphs};
  TSideWindows SideWindows{MenuEnvironment};
  TPanelMainMenu PnlMainMenu;
  TSizerStrip LeftSizer;
  TSizerStrip RightSizer;
  std::unique_ptr<TGlyBut> CloseButton;
  TEditorPanes EditorPanes;                 // its windows are made by CreateEditor
  std::unique_ptr<TTreeEditor> TreeEditor;  // in the tree side of EditorPanes; null until CreateEditor
  // Puts the keyboard focus into the edit side's caption field with its text selected; set by the edit side.
  std::function<void()> OnFocusCaption;
  int NewItemIcon = uimodel::StartNewItemIcon;  // the icon of new items
  std::unique_ptr<TTrayIcon> TrayIcon;
  int TrayAttempts = 0;
  win32::unique_hicon TrayIconImage;
  std::unique_ptr<TPnlEdits> PnlEdits;  // in the edit side of EditorPanes

  TRect WorkArea;
  bool DockedAtTop = true;
  bool MenuReady = false;
  bool FirstShowDone = false;
  bool Closing = false;
  bool FrameActive = true;
  bool DialogOpen = false;
  bool TrayIconShown = false;
  bool SwitchingMode = false;
  bool Sizing = false;
  int SavedEditorHeight = 0;
  int LoadCount = 0;
  int WheelRemainder = 0;
  TRect SizerStartBounds;
  platform::TWindowHandle FocusTimeForeground = 0;
  uimodel::TAutoHideTimer AutoHide;
  storage::TMenuFileWatch MenuFileWatch{Context.Services.Files};
  storage::TItem* EditedItem = nullptr;
  storage::TItem* LastItem = nullptr;
  int LastModifierMask = 0;
  UINT ProbeMessage = 0;
  UINT TaskbarCreatedMessage = 0;
};

// The window's caption or other text.
std::wstring WindowText(HWND window);

}  // namespace tolvane::ui
