#include "ui/Pnlmain.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "actions/Itemactions.h"
#include "execution/Shellhlpr.h"
#include "ui/Gditextpainter.h"
#include "ui/Geometrywin.h"
#include "ui/Uihandles.h"
#include "uimodel/Menuedit.h"
#include "uimodel/Uimessages.h"

namespace tolvane::ui {

namespace {

constexpr int kPointsPerInch = 72;
constexpr int kSelectInset = 3;  // a key selects an entry by a click this far inside its corner

bool WindowClassIs(HWND window, const wchar_t* name) {
  wchar_t className[64]{};
  ::GetClassNameW(window, className, 64);
  return std::wstring_view(className) == name;
}

bool KeyDown(int virtualKey) {
  return (::GetKeyState(virtualKey) & 0x8000) != 0;
}

}  // namespace

win32::unique_hfont CreateSettingsMenuFont(const storage::TSettings& settings, int dpi) {
  LOGFONTW font{};
  font.lfHeight = -::MulDiv(settings.MenuFontSize, dpi, kPointsPerInch);
  font.lfWeight = settings.MenuFontBold ? FW_BOLD : FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = CLEARTYPE_QUALITY;
  const std::wstring name(settings.MenuFontName.begin(), settings.MenuFontName.end());
  name.copy(font.lfFaceName, LF_FACESIZE - 1);
  return win32::unique_hfont(::CreateFontIndirectW(&font));
}

TPanelMainMenu::~TPanelMainMenu() {
  Popup.reset();
  Destroy();
}

void TPanelMainMenu::CreateIn(HWND parent, TMenuEnvironment& environment) {
  Environment = &environment;
  TWindowClass windowClass;
  windowClass.Name = kClassName;
  windowClass.Style = CS_DBLCLKS;
  TWindowParams params;
  params.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP;
  params.Caption = L"PnlMainMenu";
  params.Parent = parent;
  Create(windowClass, params);
  Environment->KeyTargetWindow = Hwnd;
}

void TPanelMainMenu::setContent(storage::TItem* root, bool ready) {
  CloseAllMenus();
  Root = root;
  Ready = ready;
  Redraw();
}

void TPanelMainMenu::ApplyAppearance() {
  if (Popup && Popup->Shown())
    CloseAllMenus();
  Redraw();
}

void TPanelMainMenu::Redraw() {
  if (Hwnd != nullptr)
    ::InvalidateRect(Hwnd, nullptr, FALSE);
}

void TPanelMainMenu::CloseAllMenus() {
  State.CloseAll();
  if (Popup)
    Popup->HideLevel();
  Announce();
  if (Environment != nullptr) {
    if (Environment->SideWindows != nullptr)
      Environment->SideWindows->ClosePicker();
    Environment->KeyTargetWindow = Hwnd;
  }
  Redraw();
}

// Entries.

storage::TItem* TPanelMainMenu::Entry(int index) const {
  if (!Ready || Root == nullptr || index < 0 || index >= Root->Children.Count())
    return nullptr;
  return Root->Children[index];
}

int TPanelMainMenu::EntryCount() const {
  return Ready && Root != nullptr ? Root->Children.Count() : 0;
}

bool TPanelMainMenu::EntryHasChildren(int index) const {
  const storage::TItem* entry = Entry(index);
  return entry != nullptr && !entry->Children.Empty();
}

int TPanelMainMenu::EntryAt(int x) const {
  return Ready && Root != nullptr ? uimodel::BarEntryAt(*Root, x) : -1;
}

void TPanelMainMenu::Layout() {
  if (!Ready || Root == nullptr || Environment == nullptr)
    return;
  uimodel::LayoutBar(*Root, Environment->Metrics, ClientBounds(Hwnd).Height(),
                     [this](std::u16string_view text) { return Environment->TextWidth(text); });
}

POINT TPanelMainMenu::EntryScreenPoint(int index, int dx, int dy) const {
  const storage::TItem* entry = Entry(index);
  POINT point{dx, dy};
  if (entry != nullptr) {
    point.x += entry->ItemRect.Left;
    point.y += entry->ItemRect.Top;
  }
  ::ClientToScreen(Hwnd, &point);
  return point;
}

// Painting: the whole panel goes to the canvas, which grows 400 pixels wider than needed.

void TPanelMainMenu::Paint() {
  const TPaintDc paint(Hwnd);
  const TRect client = ClientBounds(Hwnd);
  if (Environment == nullptr || client.Empty())
    return;
  const graphics::TQxBitmap& bitmap = Canvas.Bitmap();
  if ((bitmap.Width() < client.Width() || bitmap.Height() != client.Height()) &&
      !Canvas.Resize(client.Width() + 400, client.Height()))
    return;
  Layout();
  static storage::TItem noEntries;
  const storage::TItem& shown = Ready && Root != nullptr ? *Root : noEntries;
  TGdiTextPainter text(Canvas, Environment->Font.get());
  const int pressed = State.IsPressed(State.Active()) ? State.Active() : -1;
  uimodel::PaintBar(Canvas.Bitmap(), shown, State.Hot(), pressed, Environment->PaintContext(text));
  TDibCanvas::Flush();
  Canvas.CopyRectTo(paint.get(), FromRECT(paint.Dirty()));
}

// What the state machine asks for.

void TPanelMainMenu::Apply(uimodel::TMenuEffect effect) {
  // The entry is announced before its popup opens.
  Announce();
  switch (effect) {
    case uimodel::TMenuEffect::OpenPopup:
      Redraw();
      OpenEntryPopup(State.Hot());
      return;
    case uimodel::TMenuEffect::ClosePopup:
      if (Popup)
        Popup->HideLevel();
      Redraw();
      return;
    case uimodel::TMenuEffect::CloseAll:
      CloseAllMenus();
      return;
    case uimodel::TMenuEffect::Repaint:
    case uimodel::TMenuEffect::Perform:
      Redraw();
      return;
    case uimodel::TMenuEffect::Nothing:
      return;
  }
}

void TPanelMainMenu::OpenEntryPopup(int index) {
  storage::TItem* entry = Entry(index);
  if (entry == nullptr || entry->Children.Empty()) {
    if (Popup)
      Popup->HideLevel();
    return;
  }
  ::UpdateWindow(Hwnd);
  if (!Popup)
    Popup = std::make_unique<TFormMenu>(*Environment, Hwnd);
  const int edge = Environment->Metrics.Edge;
  uimodel::TPopupAnchor anchor;
  anchor.FromBar = true;
  const POINT corner = EntryScreenPoint(index, 0, 0);
  anchor.X = corner.x;
  anchor.AlternativeX = corner.x;
  if (Environment->DockedAtTop) {
    POINT bottom{0, ClientBounds(Hwnd).Bottom};
    ::ClientToScreen(Hwnd, &bottom);
    anchor.Y = bottom.y;
  } else {
    anchor.Y = corner.y + edge - 2;
  }
  Popup->Popup(*entry, anchor, true);
}

void TPanelMainMenu::PostSelectAt(int index) {
  const storage::TItem* entry = Entry(index);
  if (entry == nullptr)
    return;
  const int x = entry->ItemRect.Left + kSelectInset;
  const int y = entry->ItemRect.Top + kSelectInset;
  ::PostMessageW(Hwnd, uimodel::UM_SELECT_AT, 0, MAKELPARAM(x, y));
}

void TPanelMainMenu::OpenHotPopupAt(bool last) {
  if (State.Hot() < 0) {
    PostSelectAt(0);
    return;
  }
  if (!(Popup && Popup->Shown() && Popup->Item() == Entry(State.Hot())))
    OpenEntryPopup(State.Hot());
  if (Popup && Popup->Shown())
    Popup->SelectRow(last ? Popup->Item()->Children.Count() - 1 : 0);
}

// Mouse.

void TPanelMainMenu::LeftDown(int x) {
  ::SetFocus(Hwnd);
  Apply(State.Press(EntryAt(x)));
}

void TPanelMainMenu::LeftUp(int x) {
  const int entry = EntryAt(x);
  Apply(State.Release(entry, EntryHasChildren(entry)));
}

void TPanelMainMenu::MouseMove(int x) {
  Environment->KeyTargetWindow = Hwnd;
  const bool pickerOpen = Environment->SideWindows != nullptr && Environment->SideWindows->PickerOpen();
  const int entry = EntryAt(x);
  Apply(State.Move(entry, pickerOpen, EntryHasChildren(entry)));
}

void TPanelMainMenu::SelectAt(int x) {
  const int entry = EntryAt(x);
  Apply(State.SelectAt(entry, EntryHasChildren(entry)));
}

void TPanelMainMenu::RightUp(POINT point) {
  if (Environment->Context.Menu.MenuFileReadOnly) {
    if (Environment->ShowReadOnlyMessage)
      Environment->ShowReadOnlyMessage();
    return;
  }
  const int index = EntryAt(point.x);
  const uimodel::TMenuEffect effect = State.RightRelease(index);
  storage::TItem* entry = Entry(index);
  if (entry == nullptr) {
    Apply(effect);
    return;
  }
  Redraw();
  const int e = Environment->Metrics.IconZone();
  POINT cursor = point;
  ::ClientToScreen(Hwnd, &cursor);
  const bool onCaption =
      point.x - entry->ItemRect.Left > e ||
      (entry->ItemType == storage::ItemTypeProgramOwn && Environment->Metrics.DrawIconsOnMain);
  if (onCaption)
    OpenContext(*entry, cursor);
  else
    OpenPicker(*entry, POINT{cursor.x - 5 * e - 15, cursor.y - 5 * e - 15});
}

void TPanelMainMenu::OpenPicker(storage::TItem& entry, POINT corner) {
  if (Environment->SideWindows != nullptr)
    Environment->SideWindows->OpenIconPicker(Hwnd, entry, corner);
}

void TPanelMainMenu::OpenContext(storage::TItem& entry, POINT screen) {
  if (Environment->SideWindows != nullptr)
    Environment->SideWindows->OpenContextWindow(Hwnd, entry, screen);
}

// Keys: every key the panel gets goes to the window that takes the menu keys.

bool TPanelMainMenu::ForwardKey(UINT message, WPARAM key) {
  // With Alt only Alt+S is a menu key; Alt+F4 and the system menu keep their meaning. F10 arrives as a
  // system key with or without Shift.
  if (message == WM_SYSKEYDOWN && key != 'S' && key != VK_F10)
    return false;
  const LPARAM flags = TMenuEnvironment::HeldKeyFlags();
  HWND target =
      Environment->KeyTargetWindow != nullptr && ::IsWindowVisible(Environment->KeyTargetWindow) != FALSE
          ? Environment->KeyTargetWindow
          : Hwnd;
  ::PostMessageW(target, uimodel::UM_MENU_KEY, key, flags);
  return true;
}

void TPanelMainMenu::MenuKey(WPARAM key, LPARAM flags) {
  using A = uimodel::TMenuKeyAction;
  const int count = EntryCount();
  if (count == 0)
    return;
  const uimodel::TMenuKey action = uimodel::BarKey(
      static_cast<std::uint32_t>(key), TMenuEnvironment::KeyModifiers(flags), Environment->DockedAtTop);
  storage::TItem* hot = Entry(State.Hot());
  const int e = Environment->Metrics.IconZone();
  switch (action.Action) {
    case A::RepeatPrevious:
      if (Environment->RepeatPreviousAction)
        Environment->RepeatPreviousAction();
      return;
    case A::CloseAll:
      CloseAllMenus();
      return;
    case A::Previous:
    case A::Next:
      PostSelectAt(uimodel::WrapIndex(State.Hot(), action.Action == A::Next ? 1 : -1, count));
      return;
    case A::OpenDown:
      OpenHotPopupAt(false);
      return;
    case A::OpenUp:
      OpenHotPopupAt(true);
      return;
    case A::FocusBar:
      Environment->KeyTargetWindow = Hwnd;
      return;
    case A::Select:
      PostSelectAt(std::min(action.Index, count - 1));
      return;
    case A::Command:
      if (hot != nullptr)
        ItemCommand(action.Code, hot);
      return;
    case A::IconPicker:
      if (hot != nullptr && !Environment->Context.Menu.MenuFileReadOnly)
        OpenPicker(*hot, EntryScreenPoint(State.Hot(), 10 - 8 * e, 10 + 15));
      return;
    case A::ContextWindow:
      if (hot != nullptr && !Environment->Context.Menu.MenuFileReadOnly)
        OpenContext(*hot, EntryScreenPoint(State.Hot(), 10, 10));
      return;
    case A::First:
    case A::Last:
    case A::Back:
    case A::OpenSubMenu:
    case A::Perform:
    case A::Nothing:
      return;
  }
}

// Edit commands on an entry.

void TPanelMainMenu::ReleaseHeldButton() {
  if ((::GetAsyncKeyState(VK_LBUTTON) & 0x8000) == 0)
    return;
  INPUT release{};
  release.type = INPUT_MOUSE;
  release.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(1, &release, sizeof(release));
}

void TPanelMainMenu::ItemCommand(int code, storage::TItem* item) {
  ReleaseHeldButton();
  Redraw();
  if (item == nullptr || item->Parent != Root || !uimodel::AcceptsItemCommand(*item, code))
    return;
  switch (code) {
    case uimodel::ItemCommandDelete:
      DeleteEntry(*item);
      return;
    case uimodel::ItemCommandSort:
    case uimodel::ItemCommandSortDeep:
      SortEntries(*item, code == uimodel::ItemCommandSortDeep);
      return;
    case uimodel::ItemCommandCancel:
      return;
    default:
      CloseAllMenus();
      ::PostMessageW(Environment->MainWindow, uimodel::UM_ITEM_COMMAND, static_cast<WPARAM>(code),
                     reinterpret_cast<LPARAM>(item));
      return;
  }
}

void TPanelMainMenu::DeleteEntry(storage::TItem& entry) {
  if (TMenuEnvironment::CurrentModifierMask() != actions::ModifierShift &&
      !execution::AskYesNo(Environment->Context.Services.MessageBox, uimodel::DeleteQuestionCaption,
                           uimodel::DeleteQuestion(entry, false), Environment->MainWindowHandle()))
    return;
  if (Popup)
    Popup->HideLevel();
  if (Environment->ItemsRemoving)
    Environment->ItemsRemoving(entry);
  storage::TItem* neighbour = uimodel::DeleteItem(entry);
  Environment->Context.Menu.MenuModified = true;
  State.CloseAll();
  Layout();
  Redraw();
  if (neighbour != nullptr) {
    const int index = Root->IndexOfChild(neighbour);
    Apply(State.SelectAt(index, EntryHasChildren(index)));
  }
}

void TPanelMainMenu::SortEntries(storage::TItem& entry, bool recursive) {
  CloseAllMenus();
  uimodel::SortForCommand(entry, recursive, KeyDown(VK_SHIFT), Environment->Context.Services.Locale);
  Environment->Context.Menu.MenuModified = true;
  Layout();
  Redraw();
}

// The menus' state for the main window's probe.
LRESULT TPanelMainMenu::MenuProbe(uimodel::TProbe query, LPARAM argument) const {
  std::vector<const TFormMenu*> chain;
  for (const TFormMenu* popup = Popup.get(); popup != nullptr && popup->Shown(); popup = popup->ChildMenu())
    chain.push_back(popup);
  const auto level = static_cast<std::size_t>(argument);
  switch (query) {
    case uimodel::TProbe::PopupLevels:
      return static_cast<LRESULT>(chain.size());
    case uimodel::TProbe::HotRow:
      if (argument == 0)
        return State.Hot();
      return level <= chain.size() && argument > 0 ? chain[level - 1]->HotRow() : -1;
    case uimodel::TProbe::KeyTargetLevel:
      if (Environment == nullptr || Environment->KeyTargetWindow == Hwnd)
        return 0;
      for (std::size_t i = 0; i < chain.size(); ++i)
        if (chain[i]->Handle() == Environment->KeyTargetWindow)
          return static_cast<LRESULT>(i + 1);
      return -1;
    case uimodel::TProbe::EntryBounds: {
      const storage::TItem* entry = Entry(static_cast<int>(argument));
      if (entry == nullptr)
        return -1;
      POINT left{entry->ItemRect.Left, 0};
      POINT right{entry->ItemRect.Right, 0};
      ::ClientToScreen(Hwnd, &left);
      ::ClientToScreen(Hwnd, &right);
      return static_cast<LRESULT>(left.x & 0xFFFF) | (static_cast<LRESULT>(right.x & 0xFFFF) << 16);
    }
    case uimodel::TProbe::RowCount:
      return level <= chain.size() && argument > 0 ? chain[level - 1]->Item()->Children.Count() : -1;
    default:
      return -1;
  }
}

LRESULT TPanelMainMenu::MenuMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const int x = static_cast<short>(LOWORD(lParam));
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (Environment != nullptr && ForwardKey(message, wParam))
        return 0;
      break;
    case WM_KEYUP:
      if (wParam == VK_CONTROL && Environment != nullptr && Environment->SideWindows != nullptr)
        Environment->SideWindows->HidePreview();
      break;
    case WM_LBUTTONDOWN:
      LeftDown(x);
      return 0;
    case WM_LBUTTONUP:
      LeftUp(x);
      return 0;
    case WM_MOUSEMOVE:
      if (Environment != nullptr && Environment->MouseMoved(::GetMessagePos()))
        MouseMove(x);
      return 0;
    case WM_RBUTTONUP:
      RightUp(POINT{x, static_cast<short>(HIWORD(lParam))});
      return 0;
    case WM_MOUSEWHEEL: {
      // The wheel goes to the focus, which stays on the bar: a popup under the pointer scrolls instead.
      const HWND under = ::WindowFromPoint(POINT{x, static_cast<short>(HIWORD(lParam))});
      if (under != nullptr && under != Hwnd && WindowClassIs(under, TFormMenu::kClassName) &&
          ::GetWindowThreadProcessId(under, nullptr) == ::GetCurrentThreadId())
        return ::SendMessageW(under, message, wParam, lParam);
      break;
    }
    case WM_LBUTTONDBLCLK:
      if (OnDoubleClick)
        OnDoubleClick();
      return 0;
    case uimodel::UM_SELECT_AT:
      SelectAt(x);
      return 0;
    case uimodel::UM_MENU_KEY:
      MenuKey(wParam, lParam);
      return 0;
    case uimodel::UM_ITEM_COMMAND:
      // Without an item the command is for the hot entry.
      ItemCommand(static_cast<int>(wParam),
                  lParam != 0 ? reinterpret_cast<storage::TItem*>(lParam) : Entry(State.Hot()));
      return 0;
    case uimodel::UM_CLOSE_LEVEL:
      CloseAllMenus();
      return 0;
    case uimodel::UM_REOPEN_MENU:
      OpenEntryPopup(State.Hot());
      if (!(Popup && Popup->Shown()))
        Environment->KeyTargetWindow = Hwnd;
      return 0;
    case uimodel::UM_SET_ICON:
      if (Environment->SetIcon(Entry(State.Hot()), wParam))
        Redraw();
      return 0;
    case uimodel::UM_REPAINT_MENU:
      Redraw();
      if (Popup && Popup->Shown())
        Popup->RepaintAll();
      return 0;
    case uimodel::UM_RELEASE_WINDOW:
      if (lParam != 0)
        ::DestroyWindow(reinterpret_cast<HWND>(lParam));
      Redraw();
      if (Popup && Popup->Shown())
        OpenEntryPopup(State.Hot());
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace tolvane::ui
