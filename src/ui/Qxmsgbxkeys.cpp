// TQxMsgBox: the keyboard. Tab and the arrow keys move between the controls, Enter clicks the focused
// button (else the default one), Esc cancels, and a caption's "&" letter clicks its button, with or
// without Alt.

#include <vector>

#include "ui/Qxmsgbx.h"

namespace tolvane::ui {

bool TQxMsgBox::PreTranslateKey(const MSG& message) {
  if (Hwnd == nullptr || (message.hwnd != Hwnd && ::IsChild(Hwnd, message.hwnd) == FALSE))
    return false;
  switch (message.message) {
    case WM_KEYDOWN:
      return FormKeyDown(message.wParam);
    case WM_CHAR:
    case WM_SYSCHAR:
      return FormAccelerator(static_cast<wchar_t>(message.wParam));
    default:
      return false;
  }
}

bool TQxMsgBox::FormKeyDown(WPARAM key) {
  switch (key) {
    case VK_TAB:
      MoveFocus(::GetKeyState(VK_SHIFT) < 0 ? -1 : 1, false);
      return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      if (FocusedButton() == nullptr)
        return false;
      MoveFocus(key == VK_LEFT || key == VK_UP ? -1 : 1, true);
      return true;
    case VK_RETURN:
      if (FocusedButton() != nullptr)
        return false;  // the focused button clicks itself
      for (const auto& button : Buttons) {
        if (button->Default())
          button->Click();
      }
      return true;
    case VK_ESCAPE:
      FormEscape();
      return true;
    default:
      return false;
  }
}

bool TQxMsgBox::FormAccelerator(wchar_t character) {
  wchar_t upper[1] = {character};
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

// Cancel when there is a Cancel button, Ok when there is an Ok button, else the box just closes.
void TQxMsgBox::FormEscape() {
  for (const std::uint32_t button : {platform::msgbutton::Cancel, platform::msgbutton::Ok}) {
    if ((Added & button) != 0) {
      Buttons[static_cast<std::size_t>(MsgButtonIndex(button))]->Click();
      return;
    }
  }
  ButtonClick(platform::TMsgResult::Cancel);
}

// Cycles through the shown buttons from left to right, then the check box when it is shown.
void TQxMsgBox::MoveFocus(int step, bool buttonsOnly) {
  std::vector<HWND> order;
  for (std::size_t i = 0; i < kMsgButtons.size(); ++i) {
    if ((Added & kMsgButtons[i].Button) != 0)
      order.push_back(Buttons[i]->Handle());
  }
  if (CheckBoxShown && !buttonsOnly)
    order.push_back(CheckBox);
  if (order.empty())
    return;
  const int count = static_cast<int>(order.size());
  const HWND focus = ::GetFocus();
  int next = step > 0 ? 0 : count - 1;
  for (int i = 0; i < count; ++i) {
    if (order[static_cast<std::size_t>(i)] == focus)
      next = (i + step + count) % count;
  }
  ::SetFocus(order[static_cast<std::size_t>(next)]);
}

}  // namespace tolvane::ui
