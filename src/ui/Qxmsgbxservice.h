#pragma once
// The program's message-box service on TQxMsgBox, and the convenience calls the user interface uses.

#include <string_view>

#include "platform/Locale.h"
#include "platform/Messagebox.h"
#include "platform/Systemcolors.h"
#include "platform/win32/Messagebox.h"
#include "platform/win32/Win.h"
#include "ui/Qxbutton.h"

namespace tolvane::ui {

class TQxMsgBoxService final : public platform::IMessageBox {
 public:
  // The locale's country chooses the captions' language; both services must outlive the box.
  TQxMsgBoxService(platform::ILocale& locale, platform::ISystemColors& systemColors)
      : Locale(locale), SystemColors(systemColors) {}
  TQxMsgBoxService(const TQxMsgBoxService&) = delete;
  TQxMsgBoxService& operator=(const TQxMsgBoxService&) = delete;

  // Boxes without an owner are centred on it.
  void setMainWindow(HWND mainWindow) { MainWindow = mainWindow; }
  void setButtonColors(const TButtonColors& colors) { Colors = colors; }

  // Falls back to the system's message box when the program's own cannot be created, so that the message
  // is still seen.
  platform::TMsgResult Show(const platform::TMsgRequest& request) override;

 private:
  platform::ILocale& Locale;
  platform::ISystemColors& SystemColors;
  HWND MainWindow = nullptr;
  TButtonColors Colors;
  win32::TMessageBox Fallback;
};

// An Ok box with the information image.
void InformationBox(platform::IMessageBox& box, std::u16string_view caption, std::u16string_view text,
                    HWND owner = nullptr);
// An Ok box with the error image.
void ErrorBox(platform::IMessageBox& box, std::u16string_view caption, std::u16string_view text,
              HWND owner = nullptr);
// A Yes/No box with the question image; true when Yes was chosen.
bool QuestionBox(platform::IMessageBox& box, std::u16string_view caption, std::u16string_view text,
                 HWND owner = nullptr);
// An Ok box with the image of the kind.
void KindBox(platform::IMessageBox& box, std::u16string_view caption, std::u16string_view text,
             platform::TMsgKind kind, HWND owner = nullptr);

}  // namespace tolvane::ui
