#include "ui/Ctledit.h"

namespace tolvane::ui {

namespace {

DWORD EditStyle(const TEditOptions& options) {
  DWORD style = WS_TABSTOP | ES_AUTOHSCROLL;
  if (options.Multiline)
    style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
  if (options.ReadOnly)
    style |= ES_READONLY;
  if (options.DigitsOnly)
    style |= ES_NUMBER;
  return style;
}

}  // namespace

TEdit::TEdit(TWindow& parent, int id, const TEditOptions& options)
    : TControl(parent, id, {L"EDIT", EditStyle(options), WS_EX_CLIENTEDGE}) {
  // Without a limit the system stops the user at 32767 units; a memo must take whatever it was given.
  Send(EM_SETLIMITTEXT, static_cast<WPARAM>(options.MaxLength > 0 ? options.MaxLength : 0x7FFFFFFE));
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
