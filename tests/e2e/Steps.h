#pragma once
// What the end-to-end tests do to a running tolvane.exe: start it with settings of their own, wait for states
// through the probe message, press keys, answer its message boxes, and put windows of their own in front.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "Driver.h"
#include "uimodel/Uimessages.h"

namespace tolvane::e2e {

// The first start in a new Wine prefix initialises the prefix and takes far longer than later ones.
inline constexpr DWORD kStartTimeoutMs = 60000;
inline constexpr DWORD kExitTimeoutMs = 15000;
inline constexpr DWORD kStateTimeoutMs = 10000;
inline constexpr int kEdgeSize = 1;
inline constexpr int kItemHeight = 30;
inline constexpr int kBarHeight = kItemHeight + 2 * (kEdgeSize + 1);
inline constexpr int kEditorHeight = 600;

// Polls the condition, pumping this thread's messages in between, until it holds or the time is up; true
// when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kStateTimeoutMs);

// The main window's answer to the probe; -1 when it does not answer.
LRESULT Probe(HWND window, uimodel::TProbe query, LPARAM argument = 0);

// A key press posted to the window, as the focus window would receive it.
void PressKey(HWND window, UINT key);

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& text);

// A visible top-level window of the class owned by the process.
HWND FindProcessWindow(DWORD processId, const wchar_t* className);
HWND ChildWithText(HWND parent, const std::wstring& text);
// The first window of the class among all the window's descendants.
HWND FindDescendant(HWND parent, const wchar_t* className);
// What a control of another process holds, asked from the control itself: GetWindowText does not ask.
std::wstring ControlText(HWND control);
// The window with the keyboard focus in the thread that owns the window.
HWND FocusOf(HWND window);
// The window that has captured the mouse in that thread, or null.
HWND CaptureOf(HWND window);

// The real pointer and keys, through the system's input queue.
bool MoveMouse(POINT to);
bool MouseButton(bool down);
bool Click();
bool RightClick();
bool SendKey(WORD key, DWORD flags);
bool NoModifierDown();

// A key held down through the system's input queue until released or the end of the scope, so that a
// failing test leaves no key down for the next one.
class THeldKey {
 public:
  explicit THeldKey(WORD key) : Key(key) { Held = SendKey(Key, 0); }
  THeldKey(const THeldKey&) = delete;
  THeldKey& operator=(const THeldKey&) = delete;
  ~THeldKey() { Release(); }
  void Release() {
    if (Held)
      Held = !SendKey(Key, KEYEVENTF_KEYUP);
  }

 private:
  WORD Key;
  bool Held = false;
};

// The left mouse button held down the same way.
class THeldButton {
 public:
  THeldButton() { Held = MouseButton(true); }
  THeldButton(const THeldButton&) = delete;
  THeldButton& operator=(const THeldButton&) = delete;
  ~THeldButton() { Release(); }
  bool IsHeld() const { return Held; }
  void Release() {
    if (Held)
      Held = !MouseButton(false);
  }

 private:
  bool Held = false;
};

// The program's message box and its caption.
struct TBox {
  HWND Window = nullptr;
  std::wstring Caption;
};
TBox WaitForMessageBox(DWORD processId);
void ClickBoxButton(HWND box, const std::wstring& caption);

// The program's open or save dialog, answered with the file as a user types its path and presses OK.
::testing::AssertionResult AnswerFileDialog(DWORD processId, const std::filesystem::path& file);

// Test output for a wide text (the tests' texts are ASCII).
std::string Narrow(const std::wstring& text);
// The foreground window's class and whose it is, for failure messages: without a window manager Wine now and
// then hands the foreground to the desktop, or back to a window activated before, when it learns of an X
// focus change late.
std::string ForegroundOf(DWORD processId);

// The clipboard as another program uses it, waiting while the program under test holds it open.
bool SetClipboard(const std::wstring& text);
// Its Unicode text; nullopt when there is none or it stays locked.
std::optional<std::wstring> ClipboardText();

// Another program's window: a multi-line edit that has the focus whenever its frame is active.
class TTargetWindow {
 public:
  TTargetWindow();
  TTargetWindow(const TTargetWindow&) = delete;
  TTargetWindow& operator=(const TTargetWindow&) = delete;
  ~TTargetWindow();

  HWND Handle() const { return Frame; }
  bool BringToFront() const;
  std::wstring Text() const;
  void Clear() const;

 private:
  static LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND Frame = nullptr;
  HWND Edit = nullptr;
};

// A window of the test process that can be brought to the front, as another program would be.
class TOtherWindow {
 public:
  explicit TOtherWindow(int left);
  TOtherWindow(const TOtherWindow&) = delete;
  TOtherWindow& operator=(const TOtherWindow&) = delete;
  ~TOtherWindow();

  bool BringToFront() const;
  HWND Handle() const { return Window; }

 private:
  HWND Window = nullptr;
};

// A test that starts tolvane.exe with its own settings file and menu files in a fresh folder.
class TTolvaneTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { UsePhysicalPixels(); }

  // Settings that keep the bar where the tests look for it; autoHide decides whether it hides.
  void WriteSettings(bool autoHide);
  std::filesystem::path CopyDemo(std::wstring_view menuName);
  TChildProcess Start(const std::filesystem::path& menu, bool autoHide = false);
  // The main window once the second start-up tick has run.
  static HWND ReadyWindow(const TChildProcess& process);
  static void CloseAndExpectCleanExit(TChildProcess& process, HWND window);

  TTempFolder Folder;
};

}  // namespace tolvane::e2e
