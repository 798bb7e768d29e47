// TForm1: the one-time part of showing the window, the two start-up ticks and applying the settings' look.

#include "ui/Unit1.h"

#include <algorithm>
#include <string>

#include "execution/Shellhlpr.h"
#include "storage/Commandline.h"
#include "storage/Pathnames.h"
#include "storage/Settingsread.h"
#include "ui/Errordisplay.h"
#include "ui/Geometrywin.h"
#include "ui/Uihandles.h"
#include "uimodel/Barlayout.h"
#include "uimodel/Mainwindow.h"
#include "uimodel/Programmenu.h"

namespace tolvane::ui {

namespace {

constexpr UINT kLoadTickMs = 100;
constexpr UINT kMenuFileWatchMs = 1000;
constexpr UINT kAutoHideSettleMs = 100;
constexpr int kCloseButtonWidth = 37;  // design pixels
constexpr int kCloseButtonId = 1;
// The sample font whose line height gives the default row height, at 144 pixels per inch.
constexpr int kSampleFontHeight = 18;
constexpr const wchar_t* kSampleFontName = L"Courier New";
// Where the synthetic click lands, from the window's top-left corner.
constexpr int kClickOffsetX = 1;
constexpr int kClickOffsetY = 4;

// Shows the wait cursor for the life of the object.
class TWaitCursor {
 public:
  TWaitCursor() : Previous(::SetCursor(::LoadCursorW(nullptr, IDC_WAIT))) {}
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;
  ~TWaitCursor() { ::SetCursor(Previous); }

 private:
  HCURSOR Previous;
};

int SampleFontLineHeight(const uimodel::TScale& scale) {
  LOGFONTW font{};
  font.lfHeight = -scale(kSampleFontHeight);
  font.lfWeight = FW_BOLD;
  font.lfCharSet = DEFAULT_CHARSET;
  std::wstring(kSampleFontName).copy(font.lfFaceName, LF_FACESIZE - 1);
  const win32::unique_hfont handle(::CreateFontIndirectW(&font));
  const TWindowDc screen(nullptr);
  const win32::TSelectGuard selected(screen.get(), handle.get());
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(screen.get(), &metrics);
  return metrics.tmHeight;
}

// Absolute mouse coordinates run over the whole virtual desktop from 0 to 65535.
LONG NormalizedX(int x) {
  const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int width = std::max(1, ::GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1);
  return static_cast<LONG>((static_cast<long long>(x - left) * 65535) / width);
}

LONG NormalizedY(int y) {
  const int top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int height = std::max(1, ::GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1);
  return static_cast<LONG>((static_cast<long long>(y - top) * 65535) / height);
}

INPUT MouseInput(POINT at, DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = NormalizedX(at.x);
  input.mi.dy = NormalizedY(at.y);
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
  return input;
}

}  // namespace

std::wstring WindowText(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

storage::TSettingsEnvironment TForm1::MeasureEnvironment() const {
  storage::TSettingsEnvironment environment;
  environment.ScreenWidth = ::GetSystemMetrics(SM_CXSCREEN);
  environment.ScreenHeight = ::GetSystemMetrics(SM_CYSCREEN);
  environment.PixelsPerInch = Scale().Ppi();
  environment.FixedFontLineHeight = SampleFontLineHeight(Scale());
  return environment;
}

void TForm1::FirstShow() {
  if (FirstShowDone || MenuReady)
    return;
  FirstShowDone = true;
  const TWaitCursor wait;
  ReadWorkArea();
  ReadStartSettings();
  // Set before the window is first shown: set later, it would hide and show the bar again.
  ApplyTaskbarButton(Context.Settings.ShowOnTaskbar);

  CloseButton = std::make_unique<TGlyBut>(Hwnd, kCloseButtonId, TGlyph::Close, Context.Services.SystemColors);
  CloseButton->OnClick = [this] { ::PostMessageW(Hwnd, WM_CLOSE, 0, 0); };
  CloseButton->SetVisible(true);
  ::ShowWindow(LeftSizer.Handle(), SW_SHOWNA);
  ::ShowWindow(RightSizer.Handle(), SW_SHOWNA);
  ::ShowWindow(PnlMainMenu.Handle(), SW_SHOWNA);

  const storage::TSettings& settings = Context.Settings;
  SetBounds(Hwnd, uimodel::PlacedBar(WorkArea, settings.Left, settings.Width,
                                     uimodel::ShownBarTop(WorkArea.Top, settings.EdgeSize), BarHeight()));
  ApplyMenuAppearance();
  ::SetTimer(Hwnd, LoadTimer, kLoadTickMs, nullptr);
  // Timer messages come after painting: the bar shows first, and the first tick's wait reads the menu.
  ::SetTimer(Hwnd, MenuPrepareTimer, USER_TIMER_MINIMUM, nullptr);
}

void TForm1::ReadStartSettings() {
  const storage::TSettingsEnvironment environment = MeasureEnvironment();
  storage::TSettings& settings = Context.Settings;
  settings = storage::StartSettings(environment);
  const auto services = storage::TSettingsServices::From(Context.Services);
  storage::ReadCommandLine(settings, services, Arguments);
  storage::FindIniFile(settings, services);
  // A failure has been shown; what was read before it is kept and the rest stays at the start values.
  (void)storage::ReadSettings(settings, services, environment, Context.SettingsFile);
  storage::FindActiveFile(settings, services);
  SavedEditorHeight = settings.FormHeight;
}

void TForm1::TimerTick(UINT_PTR timer) {
  switch (timer) {
    case LoadTimer:
      ::KillTimer(Hwnd, LoadTimer);
      if (++LoadTicks == 1)
        GuardedCall(Hwnd, [this] { LoadTimerFirstTick(); });
      else
        GuardedCall(Hwnd, [this] { LoadTimerSecondTick(); });
      break;
    case AutoHideTimer:
      AutoHideTimerTick();
      break;
    case TiTopWindow:
      TopWindowTimerTick();
      break;
    case TimerTrayIcon:
      TrayTimerTick();
      break;
    case MenuFileWatchTimer:
      GuardedCall(Hwnd, [this] { MenuFileWatchTick(); });
      break;
    case MenuPrepareTimer:
      ::KillTimer(Hwnd, MenuPrepareTimer);
      if (LoadTicks == 0)
        GuardedCall(Hwnd, [this] { Context.Menu.PrepareLoad(Context.Settings.ActiveFile); });
      break;
    default:
      break;
  }
}

void TForm1::LoadTimerFirstTick() {
  const TWaitCursor wait;
  uimodel::BuildProgramCommands(*Context.Menu.ProgramItem);
  (void)uimodel::StartWithDemoMenu(Context.Services.Files,
                                   storage::ExtractFilePath(Context.Services.Program.ExecutablePath()),
                                   Context.Settings.ActiveFile);
  (void)LoadMenu(Context.Settings.ActiveFile, false);
  if (!Glyphs.Load(::GetModuleHandleW(nullptr), Scale().Ppi()))
    execution::ShowErrorMessage(
        Context.Services.MessageBox, u"Tolvane",
        u"The menu images could not be read from the program file; menus show no icons.",
        reinterpret_cast<platform::TWindowHandle>(Hwnd));
  ::SetTimer(Hwnd, LoadTimer, kLoadTickMs, nullptr);
  ::SetFocus(PnlMainMenu.Handle());
  ::SetTimer(Hwnd, TimerTrayIcon, kTrayRetryMs, nullptr);
  ApplyTaskbarButton(Context.Settings.ShowOnTaskbar);
  ArrangeChildren();
  if (Context.Settings.AutoHide) {
    ::ShowWindow(Hwnd, SW_SHOW);
    PumpPendingMessages();
    ::Sleep(kAutoHideSettleMs);
    TakeForegroundByClick();
  }
}

void TForm1::LoadTimerSecondTick() {
  RefreshMenuFilesList();
  MenuReady = true;
  PnlMainMenu.setContent(Context.Menu.RootItem.get(), true);
  ::SetTimer(Hwnd, MenuFileWatchTimer, kMenuFileWatchMs, nullptr);
}

void TForm1::PumpPendingMessages() {
  MSG message{};
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

// A program may only take the foreground while the user works with it; a click on its own window counts as
// that. The click lands only on this window: a click into another program's window would act there.
void TForm1::TakeForegroundByClick() {
  const TRect bounds = WindowBounds(Hwnd);
  const POINT target{bounds.Left + kClickOffsetX, bounds.Top + kClickOffsetY};
  const HWND under = ::WindowFromPoint(target);
  if (under == nullptr || ::GetAncestor(under, GA_ROOT) != Hwnd)
    return;
  POINT cursor{};
  ::GetCursorPos(&cursor);
  // One batch: the system plays it in order, so the press and release land on the target and the cursor
  // comes back afterwards.
  INPUT inputs[3] = {MouseInput(target, MOUSEEVENTF_LEFTDOWN), MouseInput(target, MOUSEEVENTF_LEFTUP),
                     MouseInput(cursor, 0)};
  ::SendInput(3, inputs, sizeof(INPUT));
}

int TForm1::CloseButtonWidth() const {
  return CloseButton ? Scaled(kCloseButtonWidth) : 0;
}

void TForm1::PlaceCloseButton(const TRect& bounds) {
  if (CloseButton)
    CloseButton->SetBounds(bounds);
}

void TForm1::ApplyMenuAppearance() {
  ApplyColors();
  UpdateMenuEnvironment();
  PnlMainMenu.ApplyAppearance();
  if (!IsEditorMode())
    ArrangeBar();
  ArrangeChildren();
  ::InvalidateRect(Hwnd, nullptr, TRUE);
}

// The menus' metrics, colours, font and gradient tables follow the settings and the bar's scale.
void TForm1::UpdateMenuEnvironment() {
  const storage::TSettings& settings = Context.Settings;
  MenuEnvironment.Metrics = uimodel::TMenuMetrics::For(settings.ItemHeight, settings.EdgeSize,
                                                       settings.MenuTextTop, settings.DrawIconsOnMain);
  MenuEnvironment.Colors = uimodel::TMenuColors::From(settings);
  MenuEnvironment.Font = CreateSettingsMenuFont(settings, Scale().Ppi());
  MenuEnvironment.PixelsPerInch = Scale().Ppi();
  UpdatePopupGradients();
}

void TForm1::UpdatePopupGradients() {
  const storage::TSettings& settings = Context.Settings;
  const int largest = Context.Menu.RootItem ? uimodel::LargestChildCount(*Context.Menu.RootItem) : 0;
  MenuEnvironment.Gradients =
      graphics::MakePopupGradients(MenuEnvironment.Colors.MenuTop, MenuEnvironment.Colors.MenuBottom, largest,
                                   settings.ItemHeight, ::GetSystemMetrics(SM_CYSCREEN));
}

void TForm1::ApplyColors() {
  const storage::TSettings& settings = Context.Settings;
  const graphics::TColor frame = FrameActive ? settings.FrameColor : settings.InActiveFrameColor;
  LeftSizer.setColor(frame);
  RightSizer.setColor(frame);
  if (CloseButton)
    CloseButton->SetGradient(settings.MenuTopColor, settings.MainMenuBottom);
  ApplyEditorColors();
  if (PnlEdits)
    PnlEdits->ApplySettings();
}

void TForm1::ApplyEditorColors() {
  EditorPanes.setColors(::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_BTNFACE),
                        Context.Settings.SplitterColor);
}

void TForm1::ArrangeBar() {
  const TRect bounds = WindowBounds(Hwnd);
  const int top = uimodel::IsBarHidden(BarState())
                      ? uimodel::HiddenBarTop(WorkArea.Top, BarHeight())
                      : uimodel::ShownBarTop(WorkArea.Top, Context.Settings.EdgeSize);
  SetBounds(Hwnd, uimodel::PlacedBar(WorkArea, bounds.Left, bounds.Width(), top, BarHeight()));
}

// An owned window has no taskbar button; WS_EX_APPWINDOW gives it one. The taskbar notices the change only
// when the window is shown again.
void TForm1::ApplyTaskbarButton(bool show) {
  const LONG_PTR exStyle = ::GetWindowLongPtrW(Hwnd, GWL_EXSTYLE);
  const LONG_PTR wanted =
      show ? (exStyle | WS_EX_APPWINDOW) : (exStyle & ~static_cast<LONG_PTR>(WS_EX_APPWINDOW));
  if (wanted == exStyle)
    return;
  const bool visible = ::IsWindowVisible(Hwnd) != FALSE;
  if (visible)
    ::ShowWindow(Hwnd, SW_HIDE);
  ::SetWindowLongPtrW(Hwnd, GWL_EXSTYLE, wanted);
  if (visible)
    ::ShowWindow(Hwnd, SW_SHOWNA);
}

}  // namespace tolvane::ui
