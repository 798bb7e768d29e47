#pragma once
// Windows, folders and waiting for the Windows tests. Each test makes its own, because every case runs in a
// process of its own.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Foreground.h"
#include "platform/win32/Foreground.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win.h"

namespace tolvane::win32::testing {

// A top-level window filled by a multi-line edit control. Counts the WM_APP messages it receives.
class TTestWindow {
 public:
  // Wine without a window manager waits two seconds when a shown window goes away, so tests that need no
  // visible window ask for a hidden one.
  enum class TVisibility { Shown, Hidden };

  explicit TTestWindow(TVisibility visibility = TVisibility::Shown);
  TTestWindow(const TTestWindow&) = delete;
  TTestWindow& operator=(const TTestWindow&) = delete;

  HWND Handle() const { return Window.get(); }
  HWND Edit() const { return EditControl; }
  std::u16string EditText() const;
  int AppMessages() const { return AppMessageCount; }
  // Makes the window the foreground window with the keyboard focus in the edit control.
  [[nodiscard]] bool BringToFront();
  void Destroy() { Window.reset(); }

  static constexpr wchar_t ClassName[] = L"TolvaneTestWindow";

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  int AppMessageCount = 0;
  HWND EditControl = nullptr;  // a child, destroyed with the window
  unique_hwnd Window;
};

// Synthetic input as a user makes it: keys pressed one after the other (with alt, each while Alt is held),
// and a left click at a screen point.
void PressKeys(const std::vector<WORD>& keys, bool alt = false);
void ClickAt(POINT point);

// Handles messages until the condition holds or the time is up; the condition's last answer.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 3000);

// Another program's side of the clipboard, through the raw API: stores the text, or reads it back ("<not
// opened>" or "<no text>" when that fails).
[[nodiscard]] bool WriteRawClipboardText(std::wstring_view text);
std::wstring ReadRawClipboardText();

// A new, empty folder in the temporary folder, removed with everything in it at the end.
class TTempFolder {
 public:
  TTempFolder();
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;
  ~TTempFolder();

  // The path of a name inside the folder, with '\\' separators.
  std::u16string operator/(std::u16string_view name) const;
  const std::filesystem::path& Path() const { return Folder; }

 private:
  std::filesystem::path Folder;
};

// The test's own windows standing in for those of other programs, so a foreground history records them.
class TForeignWindows final : public platform::IForegroundWindow {
 public:
  platform::TWindowHandle Get() override { return Desktop.Get(); }
  [[nodiscard]] bool Set(platform::TWindowHandle window) override { return Desktop.Set(window); }
  std::u16string ClassName(platform::TWindowHandle window) override { return Desktop.ClassName(window); }
  bool IsOwnWindow(platform::TWindowHandle) override { return false; }
  bool IsWindow(platform::TWindowHandle window) override { return Desktop.IsWindow(window); }
  std::u16string Title(platform::TWindowHandle window) override { return Desktop.Title(window); }
  platform::TInputAccess InputAccess(platform::TWindowHandle window) override {
    return Desktop.InputAccess(window);
  }

 private:
  TForegroundWindow Desktop;
};

}  // namespace tolvane::win32::testing
