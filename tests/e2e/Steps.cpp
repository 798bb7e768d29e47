#include "Steps.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <thread>

namespace tolvane::e2e {

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    if (condition())
      return true;
    if (std::chrono::steady_clock::now() >= deadline)
      return false;
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

LRESULT Probe(HWND window, uimodel::TProbe query, LPARAM argument) {
  static const UINT message =
      ::RegisterWindowMessageW(reinterpret_cast<const wchar_t*>(uimodel::ProbeMessageName));
  DWORD_PTR answer = 0;
  if (::SendMessageTimeoutW(window, message, static_cast<WPARAM>(query), argument, SMTO_ABORTIFHUNG, 5000,
                            &answer) == 0)
    return -1;
  return static_cast<LRESULT>(answer);
}

void PressKey(HWND window, UINT key) {
  ::PostMessageW(window, WM_KEYDOWN, key, 1);
  ::PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

HWND FindProcessWindow(DWORD processId, const wchar_t* className) {
  for (HWND window : ProcessWindows(processId, className))
    if (::IsWindowVisible(window) != FALSE)
      return window;
  return nullptr;
}

HWND ChildWithText(HWND parent, const std::wstring& text) {
  HWND child = nullptr;
  while ((child = ::FindWindowExW(parent, child, nullptr, nullptr)) != nullptr)
    if (WindowCaption(child) == text)
      return child;
  return nullptr;
}

HWND FindDescendant(HWND parent, const wchar_t* className) {
  struct TSearch {
    const wchar_t* ClassName;
    HWND Found = nullptr;
  } search{className};
  ::EnumChildWindows(
      parent,
      [](HWND child, LPARAM data) -> BOOL {
        auto& found = *reinterpret_cast<TSearch*>(data);
        if (WindowClass(child) != found.ClassName)
          return TRUE;
        found.Found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

std::wstring ControlText(HWND control) {
  DWORD_PTR length = 0;
  if (::SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length) == 0)
    return L"<no answer>";
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (::SendMessageTimeoutW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                            SMTO_ABORTIFHUNG, 5000, &copied) == 0)
    return L"<no answer>";
  text.resize(std::min<std::size_t>(copied, length));
  return text;
}

namespace {

// What the thread that owns the window knows about its input state; all null when it cannot be asked.
GUITHREADINFO GuiThreadOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) == FALSE)
    return GUITHREADINFO{};
  return info;
}

}  // namespace

HWND FocusOf(HWND window) {
  return GuiThreadOf(window).hwndFocus;
}

HWND CaptureOf(HWND window) {
  return GuiThreadOf(window).hwndCapture;
}

bool MoveMouse(POINT to) {
  const int width = ::GetSystemMetrics(SM_CXSCREEN);
  const int height = ::GetSystemMetrics(SM_CYSCREEN);
  INPUT move{};
  move.type = INPUT_MOUSE;
  // Normalised coordinates rounded up, so that scaling them back lands on the pixel itself.
  move.mi.dx = (to.x * 65536 + width - 1) / width;
  move.mi.dy = (to.y * 65536 + height - 1) / height;
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  if (::SendInput(1, &move, sizeof(move)) != 1)
    return false;
  return WaitUntil([&] {
    POINT at{};
    return ::GetCursorPos(&at) != FALSE && at.x == to.x && at.y == to.y;
  });
}

bool MouseButton(bool down) {
  INPUT button{};
  button.type = INPUT_MOUSE;
  button.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  return ::SendInput(1, &button, sizeof(INPUT)) == 1;
}

bool Click() {
  INPUT buttons[2]{};
  buttons[0].type = buttons[1].type = INPUT_MOUSE;
  buttons[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  buttons[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  return ::SendInput(2, buttons, sizeof(INPUT)) == 2;
}

bool RightClick() {
  INPUT buttons[2]{};
  buttons[0].type = buttons[1].type = INPUT_MOUSE;
  buttons[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
  buttons[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
  return ::SendInput(2, buttons, sizeof(INPUT)) == 2;
}

bool SendKey(WORD key, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = flags;
  return ::SendInput(1, &input, sizeof(input)) == 1;
}

bool NoModifierDown() {
  for (const int key : {VK_SHIFT, VK_CONTROL, VK_MENU})
    if ((::GetAsyncKeyState(key) & 0x8000) != 0)
      return false;
  return true;
}

TBox WaitForMessageBox(DWORD processId) {
  TBox box;
  WaitUntil([&] {
    box.Window = FindProcessWindow(processId, L"TQxMsgBox");
    return box.Window != nullptr;
  });
  if (box.Window != nullptr)
    box.Caption = WindowCaption(box.Window);
  return box;
}

void ClickBoxButton(HWND box, const std::wstring& caption) {
  const HWND button = ChildWithText(box, caption);
  ASSERT_NE(button, nullptr) << "no button " << std::string(caption.begin(), caption.end());
  ::PostMessageW(button, BM_CLICK, 0, 0);
}

::testing::AssertionResult AnswerFileDialog(DWORD processId, const std::filesystem::path& file) {
  HWND dialog = nullptr;
  if (!WaitUntil([&] { return (dialog = FindProcessWindow(processId, L"#32770")) != nullptr; }))
    return ::testing::AssertionFailure() << "no file dialog";
  const std::wstring path = file.wstring();
  for (int id : {0x47C, 0x480}) {  // the file-name combo box and the plain file-name edit
    if (::GetDlgItem(dialog, id) != nullptr)
      ::SendMessageW(::GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  }
  ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  if (!WaitUntil([&] { return ::IsWindow(dialog) == FALSE; }))
    return ::testing::AssertionFailure() << "the file dialog stayed open";
  return ::testing::AssertionSuccess();
}

TOtherWindow::TOtherWindow(int left) {
  Window = ::CreateWindowExW(0, L"STATIC", L"other program", WS_POPUP | WS_VISIBLE | WS_BORDER, left, 400,
                             200, 100, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

TOtherWindow::~TOtherWindow() {
  ::DestroyWindow(Window);
}

std::string Narrow(const std::wstring& text) {
  return std::string(text.begin(), text.end());
}

std::string ForegroundOf(DWORD processId) {
  const HWND front = ::GetForegroundWindow();
  wchar_t name[64]{};
  ::GetClassNameW(front, name, 63);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(front, &owner);
  return "\"" + Narrow(name) + "\"" + (front == ::GetDesktopWindow() ? " (the desktop)" : "") +
         (owner == processId ? " of the program" : " of another process");
}

namespace {

bool OpenClipboardSoon() {
  return WaitUntil([] { return ::OpenClipboard(nullptr) != FALSE; });
}

}  // namespace

bool SetClipboard(const std::wstring& text) {
  if (!OpenClipboardSoon())
    return false;
  ::EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
  bool set = false;
  if (memory != nullptr) {
    std::memcpy(::GlobalLock(memory), text.c_str(), bytes);
    ::GlobalUnlock(memory);
    set = ::SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    if (!set)
      ::GlobalFree(memory);
  }
  ::CloseClipboard();
  return set;
}

std::optional<std::wstring> ClipboardText() {
  if (!OpenClipboardSoon())
    return std::nullopt;
  std::optional<std::wstring> text;
  if (const HANDLE data = ::GetClipboardData(CF_UNICODETEXT); data != nullptr) {
    if (const auto* chars = static_cast<const wchar_t*>(::GlobalLock(data)); chars != nullptr) {
      text = chars;
      ::GlobalUnlock(data);
    }
  }
  ::CloseClipboard();
  return text;
}

TTargetWindow::TTargetWindow() {
  static const ATOM frameClass = [] {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &TTargetWindow::FrameProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"TolvaneTestTarget";
    return ::RegisterClassW(&windowClass);
  }();
  Frame = ::CreateWindowExW(0, MAKEINTATOM(frameClass), L"target", WS_POPUP | WS_BORDER, 800, 600, 320, 160,
                            nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  Edit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, 0, 0, 318,
                           158, Frame, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  ::SetWindowLongPtrW(Frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Edit));
  ::ShowWindow(Frame, SW_SHOWNOACTIVATE);
}

TTargetWindow::~TTargetWindow() {
  ::DestroyWindow(Frame);
}

bool TTargetWindow::BringToFront() const {
  ::SetForegroundWindow(Frame);
  return WaitUntil([&] { return ::GetForegroundWindow() == Frame && ::GetFocus() == Edit; });
}

std::wstring TTargetWindow::Text() const {
  wchar_t text[256]{};
  ::SendMessageW(Edit, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
  return text;
}

void TTargetWindow::Clear() const {
  ::SendMessageW(Edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
}

LRESULT CALLBACK TTargetWindow::FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETFOCUS) {
    if (const auto edit = reinterpret_cast<HWND>(::GetWindowLongPtrW(window, GWLP_USERDATA)); edit != nullptr)
      ::SetFocus(edit);
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

bool TOtherWindow::BringToFront() const {
  ::SetForegroundWindow(Window);
  return WaitUntil([&] { return ::GetForegroundWindow() == Window; });
}

void TTolvaneTest::WriteSettings(bool autoHide) {
  std::string ini = "\xEF\xBB\xBF[Form]\r\nFormHeight=" + std::to_string(kEditorHeight) +
                    "\r\n[Switchs]\r\nAutoHide=" + (autoHide ? "true" : "false") +
                    "\r\n[Sizes]\r\nEdgeSize=" + std::to_string(kEdgeSize) +
                    "\r\nItemHeight=" + std::to_string(kItemHeight) +
                    "\r\n[Counts]\r\nAutoHidePause=1000\r\n";
  WriteFile(Folder.File(L"Tolvane.ini"), ini);
}

std::filesystem::path TTolvaneTest::CopyDemo(std::wstring_view menuName) {
  const auto menu = Folder.File(menuName);
  std::filesystem::copy_file(WindowsPath(TOLVANE_DEMO_MENU), menu,
                             std::filesystem::copy_options::overwrite_existing);
  return menu;
}

TChildProcess TTolvaneTest::Start(const std::filesystem::path& menu, bool autoHide) {
  WriteSettings(autoHide);
  return TChildProcess(WindowsPath(TOLVANE_EXE),
                       {L"-i" + Folder.File(L"Tolvane.ini").wstring(), L"-m" + menu.wstring()});
}

HWND TTolvaneTest::ReadyWindow(const TChildProcess& process) {
  const HWND window = WaitForProcessWindow(process, L"TForm1", kStartTimeoutMs);
  if (window == nullptr || !WaitUntil([&] { return Probe(window, uimodel::TProbe::MenuReady) == 1; }))
    return nullptr;
  return window;
}

void TTolvaneTest::CloseAndExpectCleanExit(TChildProcess& process, HWND window) {
  ASSERT_NE(::PostMessageW(window, WM_CLOSE, 0, 0), FALSE);
  ASSERT_TRUE(process.WaitForExit(kExitTimeoutMs)) << "still running after WM_CLOSE";
  EXPECT_EQ(process.ExitCode(), std::optional<DWORD>(0));
  EXPECT_EQ(::IsWindow(window), FALSE);
}

}  // namespace tolvane::e2e
