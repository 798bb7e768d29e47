#include "Steps.h"

#include <chrono>
#include <fstream>
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

TOtherWindow::TOtherWindow(int left) {
  Window = ::CreateWindowExW(0, L"STATIC", L"other program", WS_POPUP | WS_VISIBLE | WS_BORDER, left, 400,
                             200, 100, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

TOtherWindow::~TOtherWindow() {
  ::DestroyWindow(Window);
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
