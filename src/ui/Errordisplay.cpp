#include "ui/Errordisplay.h"

#include <string>

#include "common/Unicode.h"

namespace tolvane::ui {

namespace {

void ShowError(HWND owner, const std::wstring& text) {
  ::MessageBoxW(owner, text.c_str(), L"Tolvane", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace

void ShowException(HWND owner, const std::exception& error) {
  ShowError(owner, win32::Wide(Utf8ToUtf16(error.what())));
}

void ShowUnknownException(HWND owner) {
  ShowError(owner, L"An unexpected error occurred.");
}

}  // namespace tolvane::ui
