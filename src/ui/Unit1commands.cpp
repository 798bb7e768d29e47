// TForm1: the actions, performing a picked item, the program menu's commands and the menu file commands.

#include "ui/Unit1.h"

#include <cwchar>
#include <string>

#include "actions/Itemactions.h"
#include "common/Unicode.h"
#include "execution/Shellhlpr.h"
#include "graphics/Pngimage.h"
#include "storage/Pathnames.h"
#include "ui/Errordisplay.h"
#include "uimodel/Helpanchors.h"
#include "uimodel/Mainwindow.h"
#include "uimodel/Programmenu.h"
#include "uimodel/Uimessages.h"

namespace tolvane::ui {

using execution::ShowErrorMessage;
using execution::ShowInformationMessage;

namespace {

constexpr int kFirstProgramType = 50;

bool KeyDown(int virtualKey) {
  return (::GetKeyState(virtualKey) & 0x8000) != 0;
}

int CurrentModifierMask() {
  return (KeyDown(VK_CONTROL) ? actions::ModifierCtrl : 0) |
         (KeyDown(VK_SHIFT) ? actions::ModifierShift : 0) | (KeyDown(VK_MENU) ? actions::ModifierAlt : 0);
}

bool Contains(const storage::TItem& parent, const storage::TItem* item) {
  for (const storage::TItem& child : parent.Children)
    if (&child == item || Contains(child, item))
      return true;
  return false;
}

uimodel::TKeyChord ChordOf(const MSG& message) {
  uimodel::TKeyChord chord;
  chord.Key = static_cast<std::uint16_t>(message.wParam);
  chord.Ctrl = KeyDown(VK_CONTROL);
  chord.Shift = KeyDown(VK_SHIFT);
  chord.Alt = message.message == WM_SYSKEYDOWN && (message.lParam & (1 << 29)) != 0;
  return chord;
}

}  // namespace

bool TForm1::PreTranslate(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
    return false;
  if (message.hwnd != Hwnd && ::IsChild(Hwnd, message.hwnd) == FALSE)
    return false;
  const uimodel::TKeyChord chord = ChordOf(message);
  if (IsEditorMode() && MoveFocusByTab(message, chord))
    return true;
  if (!IsEditorMode()) {
    switch (uimodel::MenuModeOwnKey(chord)) {
      case uimodel::TMenuModeKey::CloseMenus:
        CloseAllMenus();
        return true;
      case uimodel::TMenuModeKey::AppendFile:
        GuardedCall(Hwnd, [this] { RunAction(uimodel::TMainAction::AppendFile); });
        return true;
      case uimodel::TMenuModeKey::None:
        break;
    }
  }
  const uimodel::TMainAction action = uimodel::ActionForKey(chord);
  if (action == uimodel::TMainAction::None)
    return false;
  GuardedCall(Hwnd, [&] { RunAction(action, nullptr, CurrentModifierMask()); });
  return true;
}

// Tab walks the edit side's fields as in a dialog, the help memo included; the code area types its tabs.
bool TForm1::MoveFocusByTab(const MSG& message, const uimodel::TKeyChord& chord) {
  if (message.message != WM_KEYDOWN || chord.Key != VK_TAB || chord.Ctrl || chord.Alt || !PnlEdits ||
      ::IsChild(PnlEdits->Handle(), message.hwnd) == FALSE)
    return false;
  wchar_t className[32]{};
  ::GetClassNameW(message.hwnd, className, 32);
  if (::_wcsnicmp(className, L"RichEdit", 8) == 0)
    return false;
  HWND next = ::GetNextDlgTabItem(PnlEdits->Handle(), message.hwnd, chord.Shift ? TRUE : FALSE);
  if (next == nullptr || next == message.hwnd)
    return false;
  ::SetFocus(next);
  if ((::SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0)
    ::SendMessageW(next, EM_SETSEL, 0, -1);
  return true;
}

void TForm1::RunAction(uimodel::TMainAction action, storage::TItem* item, int modifierMask) {
  using A = uimodel::TMainAction;
  switch (action) {
    case A::EditOpenAndClose:
      SwitchMode();
      return;
    case A::NewFile:
    case A::OpenFile:
    case A::AppendFile:
    case A::SaveMenuAs:
      RunFileCommand(action);
      return;
    case A::SaveBranchToFile:
      RunTreeCommand(action, true);
      return;
    case A::ReloadFile:
      ReloadMenu();
      return;
    case A::SaveMenu:
      SaveMenu();
      return;
    case A::InsertBefore:
    case A::CtrlInsertBefore:
    case A::InsertAsSubMenu:
    case A::CtrlInsertAsSubMenu:
    case A::InsertAfter:
    case A::CtrlInsertAfter:
      if (!IsEditorMode())
        (void)ForwardMenuKey(action);
      else
        RunTreeCommand(action, true);
      return;
    case A::EditItem:
      if (!IsEditorMode())
        (void)ForwardMenuKey(action);
      return;
    case A::DeleteItem:
      // Only the tool button runs it here; the tree's Del key and context menu go to RunTreeCommand.
      RunTreeCommand(action, true);
      return;
    case A::OpenSettingsMenu:
      RunDialog(Dialogs.MenuSettings, [this] { ApplyMenuAppearance(); });
      return;
    case A::OpenSettingsProg:
      RunDialog(Dialogs.ProgramSettings, [this] {
        ApplyColors();
        ApplyTaskbarButton(Context.Settings.ShowOnTaskbar);
      });
      return;
    case A::Search:
      SearchItems();
      return;
    case A::CreateShortcut:
      RunDialog(Dialogs.CreateShortcut, nullptr);
      return;
    case A::Help:
      OpenHelp(IsEditorMode() ? uimodel::help::MainEditor : uimodel::help::QuickTour);
      return;
    case A::HelpModifier:
      OpenHelp(uimodel::help::ClipModifier);
      return;
    case A::HelpMacro:
      OpenHelp(uimodel::help::MacroItem);
      return;
    case A::HelpPageF:
      OpenHelp(uimodel::help::TourMenuAndEditor);
      return;
    case A::HelpPageG:
      OpenHelp(uimodel::help::TourClipsAndMacros);
      return;
    case A::HelpPageO:
      OpenHelp(uimodel::help::TourClipboardModifiers);
      return;
    case A::About:
      ShowAbout();
      return;
    case A::Exit:
      ::PostMessageW(Hwnd, WM_CLOSE, 0, 0);
      return;
    case A::RefreshMenuFiles:
      RefreshMenuFilesList();
      return;
    case A::OpenRecentFile:
      if (item != nullptr)
        OpenRecentFile(*item, modifierMask);
      return;
    case A::RepeatPreviousAction:
      RepeatPreviousAction();
      return;
    case A::None:
      return;
  }
}

void TForm1::ExecuteItem(storage::TItem* item, int modifierMask) {
  // A pick may arrive after a reload freed the item it names.
  if (item == nullptr || !ContainsItem(item))
    return;
  if (IsEditorMode()) {
    TreeEditor->Select(item);
    return;
  }
  if (item->ItemType >= kFirstProgramType) {
    if (item->ItemType != uimodel::command::MenuFiles)
      CloseAllMenus();
    if (item->ItemType <= uimodel::command::LastCommand)
      RunAction(uimodel::ActionForCommand(item->ItemType), item, modifierMask);
    return;
  }
  CloseAllMenus();
  LastItem = item;
  LastModifierMask = modifierMask;
  PerformUserItem(*item, modifierMask);
}

void TForm1::PerformUserItem(storage::TItem& item, int modifierMask) {
  actions::TActionHost host{Context.Services, Context.ForegroundHistory};
  host.FocusTimeForeground = FocusTimeForeground;
  host.Closing = Closing;
  host.AutoPaste = Context.Settings.AutoPaste;
  host.RestoreClipboard = Context.Settings.RestoreClipboard;
  host.MainWindow = reinterpret_cast<platform::TWindowHandle>(Hwnd);
  host.ShowMainWindow = [this] { ::SetWindowPos(Hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); };
  host.BringBarToFront = [this] { ShowToolbarFromTray(); };
  actions::PerformItem(item, modifierMask, host);
}

// Repeating waits until Ctrl is up, so the repeated paste does not reach the target as Ctrl+V with more
// keys held.
void TForm1::RepeatPreviousAction() {
  if (LastItem == nullptr || !ContainsItem(LastItem))
    return;
  const bool released =
      uimodel::WaitForCtrlRelease([] { return (::GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0; },
                                  [](int ms) { ::Sleep(static_cast<DWORD>(ms)); });
  if (released)
    PerformUserItem(*LastItem, LastModifierMask);
}

bool TForm1::ForwardMenuKey(uimodel::TMainAction action) {
  const std::optional<std::uint16_t> key = uimodel::MenuModeKey(action);
  if (!key || (::GetAsyncKeyState(*key) & 0x8000) == 0)
    return false;
  const bool ctrl = (::GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0;
  const bool alt = (::GetAsyncKeyState(VK_MENU) & 0x8000) != 0;
  if (alt && !ctrl)
    return false;
  HWND target =
      MenuEnvironment.KeyTargetWindow != nullptr ? MenuEnvironment.KeyTargetWindow : PnlMainMenu.Handle();
  ::PostMessageW(target, uimodel::UM_MENU_KEY, *key, ctrl ? 1 : 0);
  return true;
}

void TForm1::ItemCommand(int code, storage::TItem* item) {
  if (item == nullptr || !ContainsItem(item))
    return;
  if (code == uimodel::ItemCommandSaveBranch) {
    SaveBranch(*item);
    return;
  }
  if (code < uimodel::ItemCommandInsertBefore || code > uimodel::ItemCommandEdit)
    return;
  if (!IsEditorMode())
    SwitchMode();
  if (!IsEditorMode())
    return;
  TreeEditor->Select(item);
  switch (code) {
    case uimodel::ItemCommandInsertBefore:
      InsertItem(uimodel::TInsertKind::Before, false, *item);
      return;
    case uimodel::ItemCommandInsertAfter:
      InsertItem(uimodel::TInsertKind::After, false, *item);
      return;
    case uimodel::ItemCommandInsertAsSubMenu:
      InsertItem(uimodel::TInsertKind::AsSubMenu, false, *item);
      return;
    default:
      return;
  }
}

bool TForm1::LoadMenu(const std::u16string& fileName, bool append) {
  // Open popups point at the items a load replaces, and its messages may run a modal loop.
  CloseAllMenus();
  // The tree's nodes and the edit side point at the items a load replaces: they let go first and are built
  // again afterwards, from the old items when the load failed.
  const bool editor = IsEditorMode();
  storage::TItem* const previousEdited = EditedItem;
  if (editor) {
    TreeEditor->Clear();
    ShowEditedItem(nullptr);
  }
  if (!Context.Menu.OpenMenuFile(fileName, append)) {
    if (editor)
      RebuildTree(previousEdited);
    return false;
  }
  if (!append) {
    // The old items are gone: nothing may point at them any more.
    LastItem = nullptr;
    EditedItem = nullptr;
    ++LoadCount;
    Context.Settings.ActiveFile = fileName;
    Context.Settings.MruList.Add(Context.Services.Locale, fileName);
  }
  RebuildMenuFiles();
  if (editor)
    RebuildTree(nullptr);
  UpdateCaption();
  UpdatePopupGradients();
  PnlMainMenu.setContent(Context.Menu.RootItem.get(), MenuReady);
  if (!append && IsEditorMode() && Context.Menu.MenuFileReadOnly) {
    ShowInformationMessage(
        Context.Services.MessageBox, u"Read Only File Info",
        u"You do not have write access to this file.\r\nTolvane will now close the editor and "
        u"go to menu mode.");
    SwitchToMenu();
  }
  return true;
}

void TForm1::SaveMenu() {
  if (SaveActiveFile() == uimodel::TActiveSaveResult::Saved)
    Context.Settings.SaveAsDir = std::u16string(storage::ExtractFilePath(Context.Settings.ActiveFile));
}

void TForm1::ReloadMenu() {
  (void)LoadMenu(Context.Settings.ActiveFile, false);
}

// A recent file replaces the menu only after the pending changes are safe; with Ctrl its folder opens.
void TForm1::OpenRecentFile(storage::TItem& item, int modifierMask) {
  const std::u16string path = item.File.Str();
  if ((modifierMask & actions::ModifierCtrl) != 0) {
    OpenInShell(std::u16string(storage::ExtractFilePath(path)));
    return;
  }
  if (!SavePendingChanges())
    return;
  (void)LoadMenu(path, false);
}

void TForm1::RefreshMenuFilesList() {
  storage::TItem* menuFiles = uimodel::MenuFilesItem(*Context.Menu.ProgramItem);
  if (menuFiles != nullptr)
    uimodel::RefreshMenuFiles(*menuFiles, Context.Settings, Context.Services.Files, Context.Services.Locale);
}

void TForm1::RebuildMenuFiles() {
  storage::TItem* menuFiles = uimodel::MenuFilesItem(*Context.Menu.ProgramItem);
  if (menuFiles != nullptr)
    uimodel::FillMenuFiles(*menuFiles, Context.Settings.MruList);
  if (IsEditorMode())
    FillFileList();
}

// The help pages are installed beside the program; a missing page is said plainly rather than opening an
// address that leads nowhere.
void TForm1::OpenHelp(std::u16string_view anchor) {
  const std::u16string program = Context.Services.Program.ExecutablePath();
  const std::u16string page = uimodel::HelpPagePath(storage::ExtractFilePath(program));
  if (!Context.Services.Files.FileExists(page)) {
    ShowErrorMessage(Context.Services.MessageBox, u"Help",
                     u"The help page is missing:\r\n" + page +
                         u"\r\n\r\nIt is installed with Tolvane in the folder \"help\" beside the program.");
    return;
  }
  OpenInShell(uimodel::FileUrl(page, anchor));
}

void TForm1::OpenInShell(const std::u16string& target) {
  platform::TShellOpenRequest request;
  request.File = target;
  request.Owner = reinterpret_cast<platform::TWindowHandle>(Hwnd);
  if (!Context.Services.Shell.Open(request))
    ShowErrorMessage(
        Context.Services.MessageBox, u"Tolvane",
        u"Windows could not open\r\n" + target + u"\r\n\r\n" + Context.Services.Shell.LastError().Message);
}

void TForm1::ShowAbout() {
  CloseAllMenus();
  const std::u16string program = Context.Services.Program.ExecutablePath();
  uimodel::TAboutFacts facts;
  facts.Version = Context.Services.Program.FileVersion(program).value_or(u"");
#if defined(__x86_64__) || defined(_M_X64)
  facts.Architecture = u"x64";
#else
  facts.Architecture = u"x86";
#endif
  facts.BuildDate = uimodel::IsoBuildDate(__DATE__);
  facts.LibpngVersion = Utf8ToUtf16(graphics::PngLibraryVersion());
  facts.ZlibVersion = Utf8ToUtf16(graphics::ZlibLibraryVersion());
  facts.MenuFile = Context.Settings.ActiveFile;
  facts.SettingsFile = Context.Settings.IniFileName;
  ShowInformationMessage(Context.Services.MessageBox, u"About Tolvane", uimodel::AboutText(facts));
}

// The dialogs run modally over the main window, which records them and, without its own taskbar button,
// borrows one while they are open so the dialog can be found again.
void TForm1::RunDialog(const std::function<bool(HWND)>& dialog, const std::function<void()>& afterOk) {
  if (!dialog) {
    ShowInformationMessage(Context.Services.MessageBox, u"Tolvane",
                           u"This window is not part of this version of Tolvane yet.");
    return;
  }
  CloseAllMenus();
  DialogOpen = true;
  const bool borrowButton = !Context.Settings.ShowOnTaskbar;
  if (borrowButton)
    ApplyTaskbarButton(true);
  const win32::TScopeExit restore([&] {
    if (borrowButton)
      ApplyTaskbarButton(false);
    DialogOpen = false;
  });
  if (dialog(Hwnd) && afterOk)
    afterOk();
}

void TForm1::SearchItems() {
  storage::TItem* chosen = nullptr;
  RunDialog(Dialogs.Search ? std::function<bool(HWND)>([&](HWND owner) {
              chosen = Dialogs.Search(owner);
              return chosen != nullptr;
            })
                           : std::function<bool(HWND)>(),
            nullptr);
  if (chosen == nullptr)
    return;
  const int mask = CurrentModifierMask();
  if (mask == actions::ModifierCtrl)
    SwitchMode();
  ::PostMessageW(Hwnd, uimodel::UM_EXECUTE_ITEM, static_cast<WPARAM>(mask), reinterpret_cast<LPARAM>(chosen));
}

void TForm1::CloseAllMenus() {
  if (PnlMainMenu.Alive())
    PnlMainMenu.CloseAllMenus();
}

// A menu window is about to destroy the item with its children: the repeat and the editor forget them.
void TForm1::ItemsRemoving(const storage::TItem& item) {
  const auto within = [&item](const storage::TItem* candidate) {
    for (; candidate != nullptr; candidate = candidate->Parent)
      if (candidate == &item)
        return true;
    return false;
  };
  if (within(LastItem))
    LastItem = nullptr;
  if (within(EditedItem))
    EditedItem = nullptr;
}

bool TForm1::ContainsItem(const storage::TItem* item) const {
  return item != nullptr && Context.Menu.RootItem && Contains(*Context.Menu.RootItem, item);
}

}  // namespace tolvane::ui
