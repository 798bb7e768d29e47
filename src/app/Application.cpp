#include "app/Application.h"

#include <shellapi.h>

#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "platform/win32/Comptr.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32services.h"
#include "ui/Appcontext.h"
#include "ui/Errordisplay.h"
#include "ui/Qxmsgbxservice.h"
#include "ui/Unit1.h"

namespace tolvane::app {

namespace {

constexpr const wchar_t* kAppWindowClass = L"TolvaneApp";
constexpr int kExitFailure = 1;

// An owned window gets no taskbar button of its own; this never-shown owner is what keeps the main window
// off the taskbar. A button is given back later by setting WS_EX_APPWINDOW on the main window.
win32::unique_hwnd CreateAppWindow(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &::DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(1));
  windowClass.lpszClassName = kAppWindowClass;
  ::RegisterClassExW(&windowClass);
  return win32::unique_hwnd(::CreateWindowExW(0, kAppWindowClass, ui::TForm1::kCaption, WS_POPUP, 0, 0, 0, 0,
                                              nullptr, nullptr, instance, nullptr));
}

// The program's arguments without its own path, as the system splits them.
std::vector<std::u16string> CommandLineArguments() {
  int count = 0;
  const win32::unique_hlocal argv(::CommandLineToArgvW(::GetCommandLineW(), &count));
  std::vector<std::u16string> arguments;
  const auto* words = static_cast<wchar_t**>(argv.get());
  for (int i = 1; words != nullptr && i < count; ++i)
    arguments.emplace_back(reinterpret_cast<const char16_t*>(words[i]));
  return arguments;
}

// The exit code is the one the main window passed to PostQuitMessage. The main window's shortcuts are looked
// at before a key is translated.
int MessageLoop(ui::TForm1& mainForm) {
  MSG message{};
  for (;;) {
    const BOOL result = ::GetMessageW(&message, nullptr, 0, 0);
    if (result == 0)
      return static_cast<int>(message.wParam);
    if (result == -1)
      return kExitFailure;
    if (mainForm.Alive() && mainForm.PreTranslate(message))
      continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

}  // namespace

int RunApplication(HINSTANCE instance) {
  // The menus hand their accessibility objects to other processes, which needs COM on this thread.
  const win32::TComApartment apartment;
  win32::TWin32Services services;
  // Every message of the program, the core's included, goes through the program's own box.
  ui::TQxMsgBoxService messageBox(services.Services().Locale, services.Services().SystemColors);
  services.UseMessageBox(messageBox);
  ui::TAppContext context(services.Services());
  ui::SetExceptionBox(&messageBox);
  const win32::TScopeExit forgetBox([] { ui::SetExceptionBox(nullptr); });
  const win32::unique_hwnd appWindow = CreateAppWindow(instance);
  std::optional<ui::TForm1> mainForm;
  const bool created = ui::GuardedCall(nullptr, [&] {
    if (!appWindow)
      throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(),
                              "Creating the application window failed");
    mainForm.emplace(context, appWindow.get(), CommandLineArguments());
  });
  if (!created)
    return kExitFailure;
  messageBox.setMainWindow(mainForm->Handle());
  mainForm->Show();
  return MessageLoop(*mainForm);
}

}  // namespace tolvane::app
