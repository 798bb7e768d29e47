#include "ui/Ctlcombobox.h"

#include <algorithm>

namespace tolvane::ui {

namespace {

DWORD ComboStyle(TComboKind kind) {
  const DWORD list = kind == TComboKind::DropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN;
  return WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL | list;
}

}  // namespace

TComboBox::TComboBox(TWindow& parent, int id, TComboKind kind, int visibleLines)
    : TControl(parent, id, {L"COMBOBOX", ComboStyle(kind), 0}), VisibleLines(std::max(visibleLines, 1)) {}

int TComboBox::Add(std::u16string_view text, std::intptr_t data) {
  const auto index =
      static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::Wide(text).c_str())));
  if (index >= 0)
    Send(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
  return index;
}

void TComboBox::Clear() {
  Send(CB_RESETCONTENT);
}

int TComboBox::Count() const {
  return static_cast<int>(Send(CB_GETCOUNT));
}

std::u16string TComboBox::ItemText(int index) const {
  const LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length == CB_ERR)
    return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied =
      Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
  return win32::Narrow16(text);
}

std::intptr_t TComboBox::ItemData(int index) const {
  return static_cast<std::intptr_t>(Send(CB_GETITEMDATA, static_cast<WPARAM>(index)));
}

int TComboBox::Find(std::u16string_view text) const {
  const std::wstring wanted = win32::Wide(text);
  return static_cast<int>(
      Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(wanted.c_str())));
}

int TComboBox::Selected() const {
  return static_cast<int>(Send(CB_GETCURSEL));
}

void TComboBox::SetSelected(int index) {
  Send(CB_SETCURSEL, static_cast<WPARAM>(index));
}

void TComboBox::SetText(std::u16string_view text) {
  Setting = true;
  SetControlText(text);
  Setting = false;
}

void TComboBox::SetBounds(const TRect& bounds) {
  const auto lineHeight = static_cast<int>(Send(CB_GETITEMHEIGHT, 0));
  TControl::SetBounds({bounds.Left, bounds.Top, bounds.Right, bounds.Bottom + VisibleLines * lineHeight + 2});
}

bool TComboBox::Command(UINT code) {
  if (!Notifying() || Setting)
    return false;
  if (code == CBN_SELCHANGE && OnSelChanged) {
    OnSelChanged();
    return true;
  }
  if (code == CBN_EDITCHANGE && OnChange) {
    OnChange();
    return true;
  }
  return false;
}

}  // namespace tolvane::ui
