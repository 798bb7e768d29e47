// TQxMsgBox: the keyboard. The dialog keys are the modal run's (Tab and the arrow keys move between the
// controls, Enter clicks the focused button or else the default one, Esc cancels); a caption's "&" letter
// clicks its button, with or without Alt.

#include "ui/Qxmsgbx.h"

namespace tolvane::ui {

TModalHooks TQxMsgBox::KeyHooks() {
  TModalHooks hooks;
  hooks.Shown = [this] { BoxShown(); };
  hooks.PreTranslate = [this](const MSG& message) { return FormAccelerator(message); };
  hooks.ClickDefault = [this] { ClickDefaultButton(); };
  hooks.Cancel = [this] { FormEscape(); };
  return hooks;
}

bool TQxMsgBox::FormAccelerator(const MSG& message) {
  if (message.message != WM_CHAR && message.message != WM_SYSCHAR)
    return false;
  wchar_t upper[1] = {static_cast<wchar_t>(message.wParam)};
  ::CharUpperBuffW(upper, 1);
  for (std::size_t i = 0; i < kMsgButtons.size(); ++i) {
    if ((Added & kMsgButtons[i].Button) != 0 &&
        Buttons[i]->Accelerator() == static_cast<char16_t>(upper[0])) {
      Buttons[i]->Click();
      return true;
    }
  }
  return false;
}

void TQxMsgBox::ClickDefaultButton() {
  for (const auto& button : Buttons) {
    if (button->Default())
      button->Click();
  }
}

// Cancel when there is a Cancel button, Ok when there is an Ok button, else the box just closes.
void TQxMsgBox::FormEscape() {
  for (const std::uint32_t button : {platform::msgbutton::Cancel, platform::msgbutton::Ok}) {
    if ((Added & button) != 0) {
      Buttons[static_cast<std::size_t>(uimodel::MsgButtonIndex(button))]->Click();
      return;
    }
  }
  ButtonClick(platform::TMsgResult::Cancel);
}

}  // namespace tolvane::ui
