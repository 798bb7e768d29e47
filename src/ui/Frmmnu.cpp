#include "ui/Frmmnu.h"

#include <algorithm>

#include "actions/Itemactions.h"
#include "execution/Shellhlpr.h"
#include "ui/Gditextpainter.h"
#include "ui/Geometrywin.h"
#include "ui/Uihandles.h"
#include "uimodel/Menuedit.h"
#include "uimodel/Programmenu.h"
#include "uimodel/Uimessages.h"

namespace tolvane::ui {

namespace {

constexpr UINT_PTR kScrollTimer = 1;
constexpr UINT kScrollIntervalMs = 60;
constexpr int kFirstProgramType = storage::ItemTypeProgramOwn;

TPoint PointOf(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

TFormMenu::TFormMenu(TMenuEnvironment& environment, HWND owner)
    : Environment(environment), OwnerWindow(owner) {
  TWindowClass windowClass;
  windowClass.Name = kClassName;
  windowClass.Style = CS_DROPSHADOW;
  TWindowParams params;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  params.Style = WS_POPUP | WS_CLIPSIBLINGS;
  params.Parent = environment.MainWindow;  // the owner keeps popups above the bar and off the taskbar
  Create(windowClass, params);
}

TFormMenu::~TFormMenu() {
  Child.reset();
  Destroy();
}

void TFormMenu::Popup(storage::TItem& parent, const uimodel::TPopupAnchor& anchor, bool fromBar) {
  CloseChild();
  if (Parent != &parent)
    Access.Announce(Hwnd, false, -1);
  State.Clear();
  StripDirection = 0;
  ::KillTimer(Hwnd, kScrollTimer);
  Parent = &parent;
  Anchor = anchor;
  FromBar = fromBar;
  OpenedDownwards = Environment.DockedAtTop;
  Relayout();
  const TRect bounds = WindowBounds(Hwnd);
  ::SetWindowPos(Hwnd, HWND_TOPMOST, bounds.Left, bounds.Top, bounds.Width(), bounds.Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
  Announce();
  ::UpdateWindow(Hwnd);
}

void TFormMenu::Relayout() {
  if (Parent == nullptr)
    return;
  uimodel::MeasureChildren(*Parent, [this](std::u16string_view text) { return Environment.TextWidth(text); });
  const uimodel::TPopupPlacement placement =
      uimodel::PlacePopup(Parent->Children.Count(), Parent->MaxChildWidth, Environment.Metrics, Anchor,
                          Environment.DockedAtTop, Environment.WorkArea);
  Rows = placement.Rows;
  Width = placement.Bounds.Width();
  if (State.Hot() >= Rows.Count())
    State.Clear();
  EnsureCanvas(Width, placement.Bounds.Height());
  SetBounds(Hwnd, placement.Bounds);
  RepaintAll();
}

void TFormMenu::EnsureCanvas(int width, int height) {
  // The bitmap only grows, so a popup reopened for a smaller menu reuses it.
  const graphics::TQxBitmap& bitmap = Canvas.Bitmap();
  if (bitmap.Width() >= width && bitmap.Height() >= height)
    return;
  (void)Canvas.Resize(std::max(width, bitmap.Width()), std::max(height, bitmap.Height()));
}

void TFormMenu::HideLevel() {
  CloseChild();
  ::KillTimer(Hwnd, kScrollTimer);
  StripDirection = 0;
  if (::IsWindowVisible(Hwnd) != FALSE)
    ::ShowWindow(Hwnd, SW_HIDE);
  Parent = nullptr;
  State.Clear();
  Announce();
  if (Environment.KeyTargetWindow == Hwnd)
    Environment.KeyTargetWindow = OwnerWindow;
}

void TFormMenu::CloseChild() {
  if (Child)
    Child->HideLevel();
  if (Environment.SideWindows != nullptr)
    Environment.SideWindows->HidePreview();
}

storage::TItem* TFormMenu::RowItem(int row) const {
  if (Parent == nullptr || row < 0 || row >= Parent->Children.Count())
    return nullptr;
  return Parent->Children[row];
}

bool TFormMenu::RowHasChildren(int row) const {
  const storage::TItem* item = RowItem(row);
  return item != nullptr && !item->Children.Empty();
}

void TFormMenu::TakeKeys() {
  Environment.KeyTargetWindow = Hwnd;
}

// Painting: everything goes to the canvas; only changed rows are copied to the screen.

void TFormMenu::RepaintAll() {
  if (Parent == nullptr || Canvas.Dc() == nullptr)
    return;
  for (int row = Rows.First(); row < Rows.First() + Rows.Visible(); ++row)
    PaintRow(row);
  PaintStrips();
  uimodel::PaintPopupFrame(Canvas.Bitmap(), Width, Rows.Height(), Environment.Metrics.Edge,
                           Environment.Colors.PopupFrame);
  ::InvalidateRect(Hwnd, nullptr, FALSE);
}

void TFormMenu::PaintRow(int row) {
  storage::TItem* item = RowItem(row);
  const TRect rect = Rows.RowRect(row, Width);
  if (item == nullptr || rect.Empty() || Canvas.Dc() == nullptr)
    return;
  item->ItemRect = rect;
  TGdiTextPainter text(Canvas, Environment.Font.get());
  const uimodel::TEntryLook look = row == State.Pressed() ? uimodel::TEntryLook::Pressed
                                   : row == State.Hot()   ? uimodel::TEntryLook::Hot
                                                          : uimodel::TEntryLook::Normal;
  uimodel::PaintPopupRow(Canvas.Bitmap(), *item, rect, look, Environment.Gradients.ForPopup(Rows.Height()),
                         Environment.PaintContext(text));
  TDibCanvas::Flush();
}

void TFormMenu::PaintStrips() {
  if (!Rows.Scrolls())
    return;
  TGdiTextPainter text(Canvas, Environment.Font.get());
  const auto gradient = Environment.Gradients.ForPopup(Rows.Height());
  const uimodel::TMenuPaintContext context = Environment.PaintContext(text);
  uimodel::PaintScrollStrip(Canvas.Bitmap(), Rows.ScrollUpStrip(Width), true, Rows.CanScrollUp(), gradient,
                            context);
  uimodel::PaintScrollStrip(Canvas.Bitmap(), Rows.ScrollDownStrip(Width), false, Rows.CanScrollDown(),
                            gradient, context);
}

void TFormMenu::ShowRows(const TRect& area) {
  const TWindowDc dc(Hwnd);
  if (dc)
    Canvas.CopyRectTo(dc.get(), area);
}

void TFormMenu::RedrawRows(int first, int second) {
  for (const int row : {first, second}) {
    if (row < 0)
      continue;
    PaintRow(row);
    ShowRows(Rows.RowRect(row, Width));
  }
}

void TFormMenu::Paint() {
  const TPaintDc paint(Hwnd);
  Canvas.CopyRectTo(paint.get(), FromRECT(paint.Dirty()));
}

// State changes.

void TFormMenu::SetHot(int row) {
  const int old = State.Hot();
  const int oldPressed = State.Pressed();
  State.setHot(row);
  Announce();
  if (Rows.EnsureVisible(row)) {
    CloseChild();
    RepaintAll();
    return;
  }
  RedrawRows(old, row);
  if (oldPressed != row)
    RedrawRows(oldPressed, -1);
}

void TFormMenu::SelectRow(int row) {
  if (Parent == nullptr || Parent->Children.Empty())
    return;
  row = std::clamp(row, 0, Parent->Children.Count() - 1);
  SetHot(row);
  TakeKeys();
  OpenHotSubMenu(false, false);
  UpdatePreview();
}

void TFormMenu::OpenHotSubMenu(bool selectFirst, bool selectLast) {
  storage::TItem* item = RowItem(State.Hot());
  if (item == nullptr || item->Children.Empty()) {
    CloseChild();
    return;
  }
  if (!Child)
    Child = std::make_unique<TFormMenu>(Environment, Hwnd);
  const TRect row = Rows.RowRect(State.Hot(), Width);
  POINT corner{row.Left, row.Top};
  ::ClientToScreen(Hwnd, &corner);
  uimodel::TPopupAnchor anchor;
  anchor.X = corner.x + row.Width();
  anchor.Y = corner.y;
  anchor.AlternativeX = corner.x;
  Child->Popup(*item, anchor, false);
  if (selectFirst)
    Child->SelectRow(0);
  else if (selectLast)
    Child->SelectRow(item->Children.Count() - 1);
}

void TFormMenu::Scroll(int rows) {
  if (!Rows.ScrollBy(rows))
    return;
  CloseChild();
  RepaintAll();
}

void TFormMenu::ScrollStripTimer() {
  POINT cursor{};
  ::GetCursorPos(&cursor);
  ::ScreenToClient(Hwnd, &cursor);
  const TRect strip = StripDirection < 0 ? Rows.ScrollUpStrip(Width) : Rows.ScrollDownStrip(Width);
  if (StripDirection == 0 || !strip.Contains(FromPOINT(cursor))) {
    StripDirection = 0;
    ::KillTimer(Hwnd, kScrollTimer);
    return;
  }
  Scroll(StripDirection);
}

void TFormMenu::UpdatePreview() {
  IMenuSideWindows* side = Environment.SideWindows;
  if (side == nullptr)
    return;
  const storage::TItem* item = RowItem(State.Hot());
  if (item == nullptr || (::GetKeyState(VK_CONTROL) & 0x8000) == 0) {
    side->HidePreview();
    return;
  }
  RECT row = ToRECT(Rows.RowRect(State.Hot(), Width));
  ::MapWindowPoints(Hwnd, nullptr, reinterpret_cast<POINT*>(&row), 2);
  side->ShowPreview(*item, row);
}

// Mouse.

void TFormMenu::MouseMove(TPoint point) {
  if (Parent == nullptr || (Environment.SideWindows != nullptr && Environment.SideWindows->PickerOpen()))
    return;
  TakeKeys();
  if (Rows.Scrolls()) {
    const int direction = Rows.ScrollUpStrip(Width).Contains(point)     ? -1
                          : Rows.ScrollDownStrip(Width).Contains(point) ? 1
                                                                        : 0;
    if (direction != StripDirection) {
      StripDirection = direction;
      if (direction != 0)
        ::SetTimer(Hwnd, kScrollTimer, kScrollIntervalMs, nullptr);
    }
  }
  const int row = Rows.RowAt(point.Y);
  if (row < 0)
    return;
  const int old = State.Hot();
  const uimodel::TMenuEffect effect = State.Move(row, RowHasChildren(row));
  if (effect == uimodel::TMenuEffect::Nothing)
    return;
  Announce();
  RedrawRows(old, row);
  if (effect == uimodel::TMenuEffect::OpenPopup)
    OpenHotSubMenu(false, false);
  else
    CloseChild();
  UpdatePreview();
}

void TFormMenu::LeftDown(TPoint point) {
  if (Environment.SideWindows != nullptr && Environment.SideWindows->PickerOpen())
    return;
  const int row = Rows.RowAt(point.Y);
  const int old = State.Pressed();
  State.Press(row);
  RedrawRows(old, row);
  if (Child && Child->Shown())
    Child->TakeKeys();
}

void TFormMenu::LeftUp(TPoint point) {
  if (Environment.SideWindows != nullptr && Environment.SideWindows->PickerOpen())
    return;
  const bool inside = point.X >= 0 && point.Y >= 0 && point.X < Width && point.Y < Rows.Height();
  const int row = Rows.RowAt(point.Y);
  const int pressed = State.Pressed();
  const uimodel::TMenuEffect effect = State.Release(row, inside);
  Announce();
  RedrawRows(pressed, State.Hot());
  if (effect != uimodel::TMenuEffect::Perform)
    return;
  if (!(Child && Child->Shown() && Child->Item() == RowItem(State.Hot())))
    OpenHotSubMenu(false, false);
  if (Child && Child->Shown())
    Child->TakeKeys();
  PerformHot();
}

void TFormMenu::RightUp(TPoint point) {
  if (Environment.SideWindows != nullptr && Environment.SideWindows->PickerOpen())
    return;
  storage::TItem* item = RowItem(State.Hot());
  if (item == nullptr || item->ItemType > kFirstProgramType || Environment.Context.Menu.MenuFileReadOnly)
    return;
  const int e = Environment.Metrics.IconZone();
  POINT cursor{point.X, point.Y};
  ::ClientToScreen(Hwnd, &cursor);
  if (point.X > Environment.Metrics.Edge && point.X < e)
    OpenPicker(*item, POINT{cursor.x - 5 * e - 15, cursor.y - 5 * e - 15});
  else if (point.X >= e && point.X < Width - Environment.Metrics.Edge)
    OpenContext(*item, cursor);
}

void TFormMenu::OpenPicker(storage::TItem& item, POINT corner) {
  if (Environment.SideWindows != nullptr)
    Environment.SideWindows->OpenIconPicker(Hwnd, item, corner);
}

void TFormMenu::OpenContext(storage::TItem& item, POINT screen) {
  if (Environment.SideWindows != nullptr)
    Environment.SideWindows->OpenContextWindow(Hwnd, item, screen);
}

POINT TFormMenu::RowScreenCorner(int row, int dx, int dy) const {
  const TRect rect = Rows.RowRect(row, Width);
  POINT corner{rect.Left + dx, rect.Top + dy};
  ::ClientToScreen(Hwnd, &corner);
  return corner;
}

// Picking.

void TFormMenu::PerformHot() {
  storage::TItem* item = RowItem(State.Hot());
  if (item == nullptr || item->ItemType == storage::ItemTypeFolder ||
      (Environment.SideWindows != nullptr && Environment.SideWindows->PickerOpen()))
    return;
  const int mask = TMenuEnvironment::CurrentModifierMask();
  if (item->ItemType == uimodel::command::MenuFiles) {
    // The list is rebuilt while the message is handled: the old entries must not stay on screen.
    CloseChild();
    ::SendMessageW(Environment.MainWindow, uimodel::UM_EXECUTE_ITEM, static_cast<WPARAM>(mask),
                   reinterpret_cast<LPARAM>(item));
    if (Shown())
      OpenHotSubMenu(false, false);
    return;
  }
  ::PostMessageW(Environment.MainWindow, uimodel::UM_EXECUTE_ITEM, static_cast<WPARAM>(mask),
                 reinterpret_cast<LPARAM>(item));
}

// Keys forwarded as UM_MENU_KEY.

void TFormMenu::MenuKey(WPARAM key, LPARAM flags) {
  if (Parent == nullptr || Parent->Children.Empty())
    return;
  // Ctrl pressed over a resting hot row shows its contents; releasing it hides them (the bar sees that).
  if (key == VK_CONTROL) {
    UpdatePreview();
    return;
  }
  using A = uimodel::TMenuKeyAction;
  const int count = Parent->Children.Count();
  const uimodel::TMenuKey action = uimodel::PopupKey(static_cast<std::uint32_t>(key),
                                                     TMenuEnvironment::KeyModifiers(flags), OpenedDownwards);
  storage::TItem* hot = RowItem(State.Hot());
  const int e = Environment.Metrics.IconZone();
  switch (action.Action) {
    case A::Perform:
      PerformHot();
      return;
    case A::CloseAll:
      ::SendMessageW(OwnerWindow, uimodel::UM_CLOSE_LEVEL, 0, reinterpret_cast<LPARAM>(Hwnd));
      HideLevel();
      return;
    case A::First:
      SelectRow(0);
      return;
    case A::Last:
      SelectRow(count - 1);
      return;
    case A::Previous:
    case A::Next:
      if (State.Hot() < 0)
        SelectRow(OpenedDownwards ? 0 : count - 1);
      else
        SelectRow(uimodel::WrapIndex(State.Hot(), action.Action == A::Next ? 1 : -1, count));
      return;
    case A::Back:
      HideLevel();
      Environment.KeyTargetWindow = OwnerWindow;
      return;
    case A::OpenSubMenu:
      OpenHotSubMenu(OpenedDownwards, !OpenedDownwards);
      if (Child && Child->Shown())
        Child->TakeKeys();
      return;
    case A::Select:
      SelectRow(std::min(action.Index, count - 1));
      return;
    case A::Command:
      if (hot != nullptr)
        ItemCommand(action.Code, hot);
      return;
    case A::IconPicker:
      if (hot != nullptr && !Environment.Context.Menu.MenuFileReadOnly && hot->ItemType < kFirstProgramType) {
        const POINT corner = RowScreenCorner(State.Hot(), 10 - 8 * e, 10 + 15);
        OpenPicker(*hot, corner);
      }
      return;
    case A::ContextWindow:
      if (hot != nullptr && !Environment.Context.Menu.MenuFileReadOnly && hot->ItemType <= kFirstProgramType)
        OpenContext(*hot, RowScreenCorner(State.Hot(), 10, 10));
      return;
    case A::RepeatPrevious:
    case A::OpenDown:
    case A::OpenUp:
    case A::FocusBar:
    case A::Nothing:
      return;
  }
}

// Edit commands.

void TFormMenu::ItemCommand(int code, storage::TItem* item) {
  RepaintAll();
  if (item == nullptr || item->Parent != Parent || !uimodel::AcceptsItemCommand(*item, code))
    return;
  switch (code) {
    case uimodel::ItemCommandDelete:
      if (uimodel::IsRecentFileEntry(*item))
        DeleteRecentFile(*item);
      else
        DeleteHot(*item);
      return;
    case uimodel::ItemCommandSort:
    case uimodel::ItemCommandSortDeep:
      SortFor(*item, code == uimodel::ItemCommandSortDeep);
      return;
    case uimodel::ItemCommandCancel:
      return;
    default:
      ::PostMessageW(Environment.MainWindow, uimodel::UM_ITEM_COMMAND, static_cast<WPARAM>(code),
                     reinterpret_cast<LPARAM>(item));
      return;
  }
}

void TFormMenu::DeleteHot(storage::TItem& item) {
  if (TMenuEnvironment::CurrentModifierMask() != actions::ModifierShift &&
      !execution::AskYesNo(Environment.Context.Services.MessageBox, uimodel::DeleteQuestionCaption,
                           uimodel::DeleteQuestion(item, true), Environment.MainWindowHandle()))
    return;
  CloseChild();
  if (Environment.ItemsRemoving)
    Environment.ItemsRemoving(item);
  storage::TItem* neighbour = uimodel::DeleteItem(item);
  Environment.Context.Menu.MenuModified = true;
  State.Clear();
  if (neighbour == nullptr) {
    ::PostMessageW(OwnerWindow, uimodel::UM_REOPEN_MENU, 0, 0);
    return;
  }
  Relayout();
  SelectRow(Parent->IndexOfChild(neighbour));
}

void TFormMenu::DeleteRecentFile(storage::TItem& item) {
  platform::TServices& services = Environment.Context.Services;
  if (services.Locale.Compare(item.File, Environment.Context.Settings.ActiveFile, true) == 0)
    return;  // the loaded file stays
  if ((::GetKeyState(VK_SHIFT) & 0x8000) == 0 &&
      !execution::AskYesNo(services.MessageBox, uimodel::RecentFileQuestionCaption,
                           uimodel::RecentFileDeleteQuestion(item), Environment.MainWindowHandle()))
    return;
  if (!Environment.RecycleFile(item.File.Str()))
    return;
  CloseChild();
  storage::TItem* menuFiles = Parent;
  State.Clear();
  ::SendMessageW(Environment.MainWindow, uimodel::UM_REFRESH_FILES, 0, 0);
  if (menuFiles->Children.Empty())
    ::PostMessageW(OwnerWindow, uimodel::UM_REOPEN_MENU, 0, 0);
  else
    Popup(*menuFiles, Anchor, FromBar);
}

void TFormMenu::SortFor(storage::TItem& item, bool recursive) {
  const bool descending = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
  CloseChild();
  uimodel::SortForCommand(item, recursive, descending, Environment.Context.Services.Locale);
  Environment.Context.Menu.MenuModified = true;
  State.Clear();
  Relayout();
}

void TFormMenu::AfterSideWindow() {
  const bool childShown = Child && Child->Shown();
  RepaintAll();
  ::RedrawWindow(OwnerWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  ::SendMessageW(OwnerWindow, uimodel::UM_REPAINT_MENU, 0, 0);
  if (childShown)
    OpenHotSubMenu(false, false);
}

LRESULT TFormMenu::MenuMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_MOUSEMOVE:
      if (Environment.MouseMoved(::GetMessagePos()))
        MouseMove(PointOf(lParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      LeftDown(PointOf(lParam));
      return 0;
    case WM_LBUTTONUP:
      LeftUp(PointOf(lParam));
      return 0;
    case WM_RBUTTONUP:
      RightUp(PointOf(lParam));
      return 0;
    case WM_MOUSEWHEEL:
      Scroll(GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? -1 : 1);
      return 0;
    case WM_TIMER:
      if (wParam == kScrollTimer)
        ScrollStripTimer();
      return 0;
    case uimodel::UM_MENU_KEY:
      MenuKey(wParam, lParam);
      return 0;
    case uimodel::UM_ITEM_COMMAND:
      ItemCommand(static_cast<int>(wParam),
                  lParam != 0 ? reinterpret_cast<storage::TItem*>(lParam) : RowItem(State.Hot()));
      return 0;
    case uimodel::UM_SET_ICON:
      if (Environment.SetIcon(RowItem(State.Hot()), wParam))
        RepaintAll();
      return 0;
    case uimodel::UM_REPAINT_MENU:
      RepaintAll();
      if (Child && Child->Shown())
        Child->RepaintAll();
      return 0;
    case uimodel::UM_RELEASE_WINDOW:
      if (lParam != 0)
        ::DestroyWindow(reinterpret_cast<HWND>(lParam));
      AfterSideWindow();
      return 0;
    case uimodel::UM_REOPEN_MENU:
      OpenHotSubMenu(false, false);
      if (!(Child && Child->Shown()))
        TakeKeys();
      return 0;
    case uimodel::UM_CLOSE_LEVEL:
      ::SendMessageW(OwnerWindow, uimodel::UM_CLOSE_LEVEL, 0, reinterpret_cast<LPARAM>(Hwnd));
      HideLevel();
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace tolvane::ui
