#include "ui/Ctledit.h"

namespace tolvane::ui {

namespace {

DWORD EditStyle(unsigned style) {
  DWORD windowStyle = WS_TABSTOP | ES_AUTOHSCROLL;
  if ((style & editstyle::Multiline) != 0)
    windowStyle |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
  if ((style & editstyle::ReadOnly) != 0)
    windowStyle |= ES_READONLY;
  if ((style & editstyle::DigitsOnly) != 0)
    windowStyle |= ES_NUMBER;
  return windowStyle;
}

}  // namespace

TEdit::TEdit(TWindow& parent, int id, unsigned style)
    : TControl(parent, id, {L"EDIT", EditStyle(style), WS_EX_CLIENTEDGE}) {
  SetMaxLength(0);
}

// Without a limit of its own the control stops the user at 32767 units.
void TEdit::SetMaxLength(int length) {
  Send(EM_SETLIMITTEXT, static_cast<WPARAM>(length > 0 ? length : 0x7FFFFFFE));
}

void TEdit::SetText(std::u16string_view text) {
  Setting = true;
  SetControlText(text);
  Setting = false;
}

void TEdit::SetReadOnly(bool readOnly) {
  Send(EM_SETREADONLY, readOnly ? TRUE : FALSE);
}

bool TEdit::ReadOnly() const {
  return (::GetWindowLongPtrW(Handle(), GWL_STYLE) & ES_READONLY) != 0;
}

TTextSelection TEdit::Selection() const {
  DWORD start = 0;
  DWORD end = 0;
  Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {static_cast<int>(start), static_cast<int>(end)};
}

void TEdit::SetSelection(TTextSelection selection) {
  Send(EM_SETSEL, static_cast<WPARAM>(selection.Start), selection.End);
}

void TEdit::SelectAll() {
  Send(EM_SETSEL, 0, -1);
}

bool TEdit::Command(UINT code) {
  if (code != EN_CHANGE || Setting || !Notifying())
    return false;
  if (OnChange)
    OnChange();
  return true;
}

}  // namespace tolvane::ui
