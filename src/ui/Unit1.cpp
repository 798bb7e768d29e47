#include "ui/Unit1.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "ui/Frmclipedit.h"
#include "ui/Frmedit.h"
#include "ui/Frmsearch.h"
#include "ui/Geometrywin.h"
#include "ui/Menusettingsfrm.h"
#include "ui/Progsettingsfrm.h"
#include "ui/Shortcutfrm.h"
#include "ui/Uihandles.h"
#include "uimodel/Barlayout.h"
#include "uimodel/Mainwindow.h"
#include "uimodel/Programmenu.h"
#include "uimodel/Uimessages.h"

namespace tolvane::ui {

namespace {

constexpr int kLowDpiLimit = 120;
constexpr int kLowDpiWidth = 800;
constexpr int kHighDpiWidth = 1000;
constexpr int kEditorMinHeight = 200;  // the editor never shrinks into a height that means menu mode
constexpr int kEditorMinWidth = 400;

// The middle of the caption of the tree's node at the index in tree order, in screen pixels; −1 when there
// is no such node or it is scrolled or folded away.
LRESULT NodeCentre(const TTreeView& tree, LPARAM index) {
  TTreeItem node = tree.FirstChild({});
  for (LPARAM i = 0; node && i < index; ++i) {
    TTreeItem next = tree.FirstChild(node);
    while (!next && node) {
      next = tree.NextSibling(node);
      if (!next)
        node = tree.Parent(node);
    }
    node = next;
  }
  RECT caption{};
  if (!node || TreeView_GetItemRect(tree.Handle(), node.Handle, &caption, TRUE) == FALSE)
    return -1;
  RECT client{};
  ::GetClientRect(tree.Handle(), &client);
  POINT centre{(caption.left + caption.right) / 2, (caption.top + caption.bottom) / 2};
  if (::PtInRect(&client, centre) == FALSE)
    return -1;
  ::ClientToScreen(tree.Handle(), &centre);
  return static_cast<LRESULT>(centre.x) | (static_cast<LRESULT>(centre.y) << 16);
}

}  // namespace

TForm1::TForm1(TAppContext& context, HWND owner, std::vector<std::u16string> arguments)
    : Context(context), AppWindow(owner), Arguments(std::move(arguments)) {
  TWindowClass windowClass;
  windowClass.Name = kClassName;
  windowClass.Style = CS_DBLCLKS;
  windowClass.IconId = 1;
  TWindowParams params;
  params.Style = WS_POPUP | WS_CLIPCHILDREN;
  params.Caption = kCaption;
  params.Parent = owner;
  Create(windowClass, params);

  ProbeMessage = ::RegisterWindowMessageW(reinterpret_cast<const wchar_t*>(uimodel::ProbeMessageName));
  TaskbarCreatedMessage = ::RegisterWindowMessageW(L"TaskbarCreated");

  // Width by the screen's pixels per inch, centred; the settings may move it when they are read.
  const TRect work = MonitorWorkArea(::MonitorFromWindow(Hwnd, MONITOR_DEFAULTTOPRIMARY));
  const int width = Scale().Ppi() <= kLowDpiLimit ? kLowDpiWidth : kHighDpiWidth;
  const int left = work.Left + (work.Width() - width) / 2;
  SetBounds(Hwnd, TRect{left, work.Top, left + width, work.Top + uimodel::BarHeightForRowHeight(0)});

  MenuEnvironment.MainWindow = Hwnd;
  MenuEnvironment.SideWindows = &SideWindows;
  MenuEnvironment.RepeatPreviousAction = [this] { RepeatPreviousAction(); };
  MenuEnvironment.ShowReadOnlyMessage = [this] { (void)RefusedAsReadOnly(); };
  MenuEnvironment.ItemsRemoving = [this](const storage::TItem& item) { ItemsRemoving(item); };
  PnlMainMenu.CreateIn(Hwnd, MenuEnvironment);
  PnlMainMenu.setContent(nullptr, false);
  PnlMainMenu.OnDoubleClick = [this] { SwitchMode(); };
  LeftSizer.CreateIn(Hwnd);
  RightSizer.CreateIn(Hwnd);
  LeftSizer.OnDrag = [this](int distance) { SizerMoved(true, distance); };
  RightSizer.OnDrag = [this](int distance) { SizerMoved(false, distance); };
  LeftSizer.OnRelease = RightSizer.OnRelease = [this] { SizerReleased(); };

  // The program item is the bar's first entry whatever file is loaded.
  Context.Menu.SetProgramItem(uimodel::NewProgramItem());

  Dialogs.MenuSettings = [this](HWND dialogOwner) {
    TFrmMenuSettings form(MenuEnvironment, dialogOwner);
    form.OnHelp = [this](std::u16string_view anchor) { OpenHelp(anchor); };
    return form.ShowModal();
  };
  Dialogs.ProgramSettings = [this](HWND dialogOwner) {
    TFrmProgSettings form(MenuEnvironment, SideWindows, dialogOwner, NewItemIcon);
    form.OnHelp = [this](std::u16string_view anchor) { OpenHelp(anchor); };
    return form.ShowModal();
  };
  Dialogs.MacroComposer = [this](HWND dialogOwner, const TMacroComposerRequest& request) {
    return RunMacroComposer(Context, dialogOwner, request,
                            [this](std::u16string_view anchor) { OpenHelp(anchor); });
  };
  Dialogs.ModifierEditor = [this](HWND dialogOwner, const TModifierEditorRequest& request) {
    TFrmClipEdit editor(Context, dialogOwner, request);
    editor.OnHelp = [this](std::u16string_view anchor) { OpenHelp(anchor); };
    return editor.ShowModal();
  };
  Dialogs.Search = [this](HWND dialogOwner) -> storage::TItem* {
    if (!Context.Menu.RootItem)
      return nullptr;
    TFrmSearch search(Context, dialogOwner, *Context.Menu.RootItem, Glyphs.User);
    search.OnHelp = [this](std::u16string_view anchor) { OpenHelp(anchor); };
    return search.ShowModal();
  };

  Dialogs.CreateShortcut = [this](HWND dialogOwner) {
    TFrmShortcut shortcut(Context, dialogOwner);
    shortcut.OnHelp = [this](std::u16string_view anchor) { OpenHelp(anchor); };
    return shortcut.ShowModal();
  };
}

// The window is destroyed while the object is still whole: its last messages still reach WindowProc.
TForm1::~TForm1() {
  Destroy();
}

void TForm1::Show() {
  FirstShow();
  ::ShowWindow(Hwnd, SW_SHOW);
  ::UpdateWindow(Hwnd);
}

LRESULT TForm1::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandleAppMessage(message, wParam, lParam, result))
    return result;
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the children and WM_PAINT cover every pixel
    case WM_PAINT:
      FormPaint();
      return 0;
    case WM_SIZE:
    case WM_MOVE:
      if (!IsEditorMode())
        ReadWorkArea();
      if (message == WM_SIZE)
        ArrangeChildren();
      return 0;
    case WM_GETMINMAXINFO:
      if (IsEditorMode()) {
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMinTrackSize = POINT{Scaled(kEditorMinWidth), Scaled(kEditorMinHeight)};
      }
      return 0;
    case WM_SETFOCUS:
      if (!IsEditorMode() && PnlMainMenu.Alive())
        ::SetFocus(PnlMainMenu.Handle());
      return 0;
    case WM_ACTIVATEAPP:
      if (wParam != FALSE)
        AppActivated();
      else
        AppDeactivated();
      return 0;
    case WM_LBUTTONDOWN:
      if (!IsEditorMode())
        DragBar();
      return 0;
    case WM_MOUSEWHEEL:
      MouseWheel(GET_WHEEL_DELTA_WPARAM(wParam), GET_KEYSTATE_WPARAM(wParam));
      return 0;
    case WM_NCLBUTTONDBLCLK:
      if (wParam == HTCAPTION) {
        SwitchMode();
        return 0;
      }
      break;
    case WM_SETTINGCHANGE:
    case WM_DISPLAYCHANGE:
      ReadWorkArea();
      if (!IsEditorMode() && MenuReady)
        ArrangeBar();
      break;
    case WM_CLOSE:
      if (FormCloseQuery()) {
        FormClose();
        Destroy();
      }
      return 0;
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

bool TForm1::HandleAppMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == ProbeMessage) {
    result = AnswerProbe(wParam, lParam);
    return true;
  }
  if (message == TaskbarCreatedMessage) {
    TrayIconShown = false;
    AddTrayIcon();
    return true;
  }
  switch (message) {
    case WM_TIMER:
      TimerTick(static_cast<UINT_PTR>(wParam));
      return true;
    case uimodel::UM_TITLE_NUMBER: {
      std::wstring caption = WindowText(Hwnd);
      caption += L"  " + std::to_wstring(static_cast<long long>(wParam));
      ::SetWindowTextW(Hwnd, caption.c_str());
      return true;
    }
    case uimodel::UM_SET_ICON:
      if (EditedItem != nullptr && ContainsItem(EditedItem)) {
        EditedItem->ImageIndex = static_cast<int>(wParam);
        Context.Menu.MenuModified = true;
        if (TreeEditor)
          TreeEditor->UpdateNode(*EditedItem);
        ::InvalidateRect(Hwnd, nullptr, FALSE);
        if (PnlEdits)
          PnlEdits->RepaintGlyph();
      }
      return true;
    case uimodel::UM_ITEM_COMMAND:
      ItemCommand(static_cast<int>(wParam), reinterpret_cast<storage::TItem*>(lParam));
      return true;
    case uimodel::UM_EXECUTE_ITEM:
      ExecuteItem(reinterpret_cast<storage::TItem*>(lParam), static_cast<int>(wParam));
      return true;
    case uimodel::UM_RELEASE_WINDOW:
      if (lParam != 0)
        ::DestroyWindow(reinterpret_cast<HWND>(lParam));
      return true;
    case uimodel::UM_REFRESH_FILES:
      RefreshMenuFilesList();
      return true;
    case UM_TRAY_ICON:
      TrayMessage(lParam);
      return true;
    case UM_RECORD_FOCUS_FOREGROUND:
      RecordFocusForeground();
      return true;
    default:
      return false;
  }
}

LRESULT TForm1::AnswerProbe(WPARAM query, LPARAM argument) const {
  using uimodel::TProbe;
  const storage::TMenuFile& menu = Context.Menu;
  switch (static_cast<TProbe>(query)) {
    case TProbe::MenuReady:
      return MenuReady ? 1 : 0;
    case TProbe::ItemCount:
      return menu.RootItem ? uimodel::TreeNodeCount(*menu.RootItem) - 1 : 0;
    case TProbe::MenuModified:
      return menu.MenuModified ? 1 : 0;
    case TProbe::EditorMode:
      return IsEditorMode() ? 1 : 0;
    case TProbe::HistoryEntry: {
      const auto& entries = Context.ForegroundHistory.Entries();
      const auto index = static_cast<std::size_t>(argument);
      return index < entries.size() ? static_cast<LRESULT>(entries[index]) : 0;
    }
    case TProbe::MenuFileReadOnly:
      return menu.MenuFileReadOnly ? 1 : 0;
    case TProbe::DialogOpen:
      return DialogOpen ? 1 : 0;
    case TProbe::LoadCount:
      return LoadCount;
    case TProbe::BarHidden:
      return uimodel::IsBarHidden(BarState()) ? 1 : 0;
    case TProbe::PopupLevels:
    case TProbe::HotRow:
    case TProbe::KeyTargetLevel:
    case TProbe::EntryBounds:
    case TProbe::RowCount:
      return PnlMainMenu.MenuProbe(static_cast<TProbe>(query), argument);
    case TProbe::NodeCentre:
      return TreeEditor && IsEditorMode() ? NodeCentre(TreeEditor->View(), argument) : -1;
    case TProbe::TreeNodeCount:
      return TreeEditor ? TreeEditor->NodeCount() : 0;
    case TProbe::PickersOpened:
      return SideWindows.PickersOpened();
  }
  return 0;
}

// The bar keeps to its monitor's top edge whatever bounds the system suggests.
void TForm1::ScaleChanged() {
  ReadWorkArea();
  UpdateMenuEnvironment();
  PnlMainMenu.ApplyAppearance();
  if (!IsEditorMode())
    ArrangeBar();
  ArrangeChildren();
}

// Only the switch to the editor makes the window that tall; until the editor exists it is in menu mode.
bool TForm1::IsEditorMode() const {
  return TreeEditor && uimodel::IsEditorHeight(WindowBounds(Hwnd).Height());
}

int TForm1::BarHeight() const {
  return uimodel::BarHeightForRowHeight(Context.Settings.ItemHeight, Context.Settings.EdgeSize);
}

void TForm1::ArrangeChildren() {
  const TRect client = ClientBounds(Hwnd);
  if (IsEditorMode()) {
    EditorPanes.Arrange(client, Context.Settings.PnlLeft, Scale());
    return;
  }
  const storage::TSettings& settings = Context.Settings;
  const int margin = settings.EdgeSize + 1;
  const int sizer = uimodel::SizerStripWidth(settings.EdgeSize, Scale().Ppi());
  const int closeWidth = CloseButtonWidth();
  SetBounds(LeftSizer.Handle(), TRect{0, 0, sizer, client.Bottom});
  SetBounds(RightSizer.Handle(), TRect{client.Right - sizer, 0, client.Right, client.Bottom});
  const int closeRight = client.Right - sizer;
  PlaceCloseButton(TRect{closeRight - closeWidth, margin, closeRight, client.Bottom - margin});
  SetBounds(PnlMainMenu.Handle(), TRect{sizer, margin, closeRight - closeWidth, client.Bottom - margin});
}

void TForm1::FormPaint() {
  const TPaintDc paint(Hwnd);
  RECT client{};
  ::GetClientRect(Hwnd, &client);
  const storage::TSettings& settings = Context.Settings;
  const COLORREF color = IsEditorMode() ? ::GetSysColor(COLOR_BTNFACE)
                         : FrameActive  ? settings.FrameColor
                                        : settings.InActiveFrameColor;
  const win32::unique_hbrush brush(::CreateSolidBrush(color));
  ::FillRect(paint.get(), &client, brush.get());
}

}  // namespace tolvane::ui
