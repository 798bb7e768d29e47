#include "ui/Errordisplay.h"

#include <string>

#include "common/Unicode.h"

namespace tolvane::ui {

namespace {

platform::IMessageBox* ExceptionBox = nullptr;
bool ShowingInBox = false;

void ShowError(HWND owner, const std::u16string& text) {
  // The program's own box, unless the failure came from inside that box: then the system's, so a broken box
  // cannot recurse into itself.
  if (ExceptionBox != nullptr && !ShowingInBox) {
    ShowingInBox = true;
    try {
      ExceptionBox->Show({u"Tolvane", text, platform::TMsgKind::Error, platform::msgbutton::Ok,
                          reinterpret_cast<platform::TWindowHandle>(owner)});
      ShowingInBox = false;
      return;
    } catch (...) {
      ShowingInBox = false;
    }
  }
  ::MessageBoxW(owner, win32::Wide(text).c_str(), L"Tolvane", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace

void SetExceptionBox(platform::IMessageBox* box) {
  ExceptionBox = box;
}

void ShowException(HWND owner, const std::exception& error) {
  ShowError(owner, Utf8ToUtf16(error.what()));
}

void ShowUnknownException(HWND owner) {
  ShowError(owner, u"An unexpected error occurred.");
}

}  // namespace tolvane::ui
