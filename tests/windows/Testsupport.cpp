#include "Testsupport.h"

#include <system_error>

#include "platform/win32/Time.h"

namespace tolvane::win32::testing {

namespace {

void RegisterTestWindowClass(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = TTestWindow::ClassName;
    return ::RegisterClassExW(&windowClass) != 0;
  }();
  (void)registered;
}

}  // namespace

TTestWindow::TTestWindow(TVisibility visibility) {
  RegisterTestWindowClass(&TTestWindow::Procedure);
  const DWORD style = WS_OVERLAPPEDWINDOW | (visibility == TVisibility::Shown ? WS_VISIBLE : 0);
  Window.reset(::CreateWindowExW(0, ClassName, L"Tolvane test", style, 100, 100, 400, 300, nullptr, nullptr,
                                 ::GetModuleHandleW(nullptr), this));
  EditControl = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN, 0, 0,
                                  380, 260, Window.get(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

std::u16string TTestWindow::EditText() const {
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(EditControl)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(::GetWindowTextW(EditControl, text.data(), static_cast<int>(text.size()))));
  return Narrow16(text);
}

bool TTestWindow::BringToFront() {
  ::ShowWindow(Window.get(), SW_SHOW);
  ::SetForegroundWindow(Window.get());
  ::SetFocus(EditControl);
  return PumpUntil([this] { return ::GetForegroundWindow() == Window.get() && ::GetFocus() == EditControl; });
}

LRESULT CALLBACK TTestWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<TTestWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self != nullptr && message == WM_APP) {
    ++self->AppMessageCount;
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  TTime time;
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  while (!condition()) {
    if (::GetTickCount64() >= deadline)
      return condition();
    time.WaitProcessingMessages(20);
  }
  return true;
}

TTempFolder::TTempFolder() {
  wchar_t temp[MAX_PATH + 1];
  const DWORD length = ::GetTempPathW(MAX_PATH + 1, temp);
  const std::filesystem::path base(std::wstring(temp, length));
  for (unsigned attempt = ::GetTickCount();; ++attempt) {
    Folder = base /
             (L"tolvane-test-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(attempt));
    if (std::filesystem::create_directory(Folder))
      return;
  }
}

TTempFolder::~TTempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(Folder, ignored);
}

std::u16string TTempFolder::operator/(std::u16string_view name) const {
  return Narrow16((Folder / std::wstring(name.begin(), name.end())).wstring());
}

namespace {

void CloseOpenClipboard() {
  ::CloseClipboard();
}

}  // namespace

bool WriteRawClipboardText(std::wstring_view text) {
  unique_hglobal memory(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (text.size() + 1) * sizeof(wchar_t)));
  if (const TGlobalLock lock(memory.get()); lock)
    text.copy(static_cast<wchar_t*>(lock.get()), text.size());
  if (!::OpenClipboard(nullptr))
    return false;
  const TScopeExit close(&CloseOpenClipboard);
  if (!::EmptyClipboard() || ::SetClipboardData(CF_UNICODETEXT, memory.get()) == nullptr)
    return false;
  memory.release();
  return true;
}

std::wstring ReadRawClipboardText() {
  if (!::OpenClipboard(nullptr))
    return L"<not opened>";
  const TScopeExit close(&CloseOpenClipboard);
  const TGlobalLock lock(::GetClipboardData(CF_UNICODETEXT));
  return lock ? std::wstring(static_cast<const wchar_t*>(lock.get())) : L"<no text>";
}

namespace {

void SendKey(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  ::SendInput(1, &input, sizeof(input));
}

}  // namespace

void PressKeys(const std::vector<WORD>& keys, bool alt) {
  if (alt)
    SendKey(VK_MENU, false);
  for (const WORD key : keys) {
    SendKey(key, false);
    SendKey(key, true);
  }
  if (alt)
    SendKey(VK_MENU, true);
}

void ClickAt(POINT point) {
  ::SetCursorPos(point.x, point.y);
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(2, input, sizeof(INPUT));
}

}  // namespace tolvane::win32::testing
