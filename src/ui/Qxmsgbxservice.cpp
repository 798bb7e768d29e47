#include "ui/Qxmsgbxservice.h"

#include <exception>
#include <string>

#include "ui/Qxmsgbx.h"

namespace tolvane::ui {

namespace {

platform::TMsgResult ShowRequest(platform::IMessageBox& box, std::u16string_view caption,
                                 std::u16string_view text, platform::TMsgKind kind, std::uint32_t buttons,
                                 HWND owner) {
  return platform::ShowMessageBox(box, caption, text, kind, buttons,
                                  reinterpret_cast<platform::TWindowHandle>(owner));
}

}  // namespace

platform::TMsgResult TQxMsgBoxService::Show(const platform::TMsgRequest& request) {
  try {
    TQxMsgBox box(reinterpret_cast<HWND>(request.Owner), Locale, SystemColors);
    box.setMainWindow(MainWindow);
    box.setButtonColors(Colors);
    box.setCaption(request.Caption);
    box.setText(request.Text);
    box.setKind(request.Kind);
    for (const TMsgButtonInfo& button : kMsgButtons) {
      if ((request.Buttons & button.Button) != 0)
        box.AddButton(button.Button);
    }
    for (const platform::TMsgButtonCaption& caption : request.ButtonCaptions)
      box.setButtonCaption(caption.Button, caption.Caption);
    return box.ShowModal();
  } catch (const std::exception&) {
    return Fallback.Show(request);
  }
}

void InformationBox(platform::IMessageBox& box, std::u16string_view caption, std::u16string_view text,
                    HWND owner) {
  (void)ShowRequest(box, caption, text, platform::TMsgKind::Information, platform::msgbutton::Ok, owner);
}

void ErrorBox(platform::IMessageBox& box, std::u16string_view caption, std::u16string_view text, HWND owner) {
  (void)ShowRequest(box, caption, text, platform::TMsgKind::Error, platform::msgbutton::Ok, owner);
}

bool QuestionBox(platform::IMessageBox& box, std::u16string_view caption, std::u16string_view text,
                 HWND owner) {
  return ShowRequest(box, caption, text, platform::TMsgKind::Question,
                     platform::msgbutton::Yes | platform::msgbutton::No, owner) == platform::TMsgResult::Yes;
}

void KindBox(platform::IMessageBox& box, std::u16string_view caption, std::u16string_view text,
             platform::TMsgKind kind, HWND owner) {
  (void)ShowRequest(box, caption, text, kind, platform::msgbutton::Ok, owner);
}

}  // namespace tolvane::ui
