#include "ui/Ctlcheckbox.h"

namespace tolvane::ui {

TCheckBox::TCheckBox(TWindow& parent, int id, std::u16string_view caption)
    : TControl(parent, id, {L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0}) {
  SetCaption(caption);
}

bool TCheckBox::Checked() const {
  return Send(BM_GETCHECK) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool checked) {
  Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool TCheckBox::Command(UINT code) {
  if (code != BN_CLICKED || !Notifying())
    return false;
  if (OnClick)
    OnClick();
  return true;
}

}  // namespace tolvane::ui
