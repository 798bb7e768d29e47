#include "ui/Ctlrichedit.h"

#include <richedit.h>

#include <algorithm>

#include "ui/Uihandles.h"

namespace tolvane::ui {

namespace {

// Loaded on first use and kept: the control class lives in the library.
TControlClass RichEditClass(unsigned style) {
  static const win32::unique_hmodule library(::LoadLibraryW(L"msftedit.dll"));
  TControlClass controlClass;
  controlClass.Name = MSFTEDIT_CLASS;
  controlClass.Style = WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL;
  if ((style & richstyle::NoWordWrap) != 0)
    controlClass.Style |= WS_HSCROLL | ES_AUTOHSCROLL;
  if ((style & richstyle::ReadOnly) != 0)
    controlClass.Style |= ES_READONLY;
  controlClass.ExStyle = WS_EX_CLIENTEDGE;
  return controlClass;
}

CHARFORMAT2W EmptyFormat(DWORD mask) {
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  format.dwMask = mask;
  return format;
}

}  // namespace

TRichEdit::TRichEdit(TWindow& parent, int id, unsigned style) : TControl(parent, id, RichEditClass(style)) {
  // The text mode can only change while the control is empty.
  if ((style & richstyle::PlainText) != 0)
    Send(EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE);
  if ((style & richstyle::NoWordWrap) != 0)
    Send(EM_SETTARGETDEVICE, 0, 1);
  // The default stops at 32767 units, also for text that is set, which would cut long texts short.
  Send(EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  Send(EM_SETEVENTMASK, 0, ENM_CHANGE);
}

void TRichEdit::SetFont(HFONT font) {
  LOGFONTW logFont{};
  if (::GetObjectW(font, sizeof(logFont), &logFont) == 0)
    return;
  const TWindowDc dc(Handle());
  const int ppi = dc ? ::GetDeviceCaps(dc.get(), LOGPIXELSY) : 96;
  CHARFORMAT2W format = EmptyFormat(CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_CHARSET);
  std::copy(std::begin(logFont.lfFaceName), std::end(logFont.lfFaceName), format.szFaceName);
  // Twips: a point is 20, an inch 1440.
  format.yHeight = ::MulDiv(std::abs(logFont.lfHeight), 1440, ppi);
  format.dwEffects = (logFont.lfWeight >= FW_BOLD ? CFE_BOLD : 0) | (logFont.lfItalic != 0 ? CFE_ITALIC : 0);
  format.bCharSet = logFont.lfCharSet;
  Send(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
  Send(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
}

void TRichEdit::SetTextColor(COLORREF color) {
  CHARFORMAT2W format = EmptyFormat(CFM_COLOR);
  format.crTextColor = color;
  Send(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
  Send(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
}

void TRichEdit::SetBackground(COLORREF color) {
  Send(EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(color));
}

void TRichEdit::SetReadOnly(bool readOnly) {
  Send(EM_SETREADONLY, readOnly ? TRUE : FALSE);
}

bool TRichEdit::ReadOnly() const {
  return (Send(EM_GETOPTIONS) & ECO_READONLY) != 0;
}

bool TRichEdit::Command(UINT code) {
  if (code != EN_CHANGE || Setting || !Notifying())
    return false;
  if (OnChange)
    OnChange();
  return true;
}

void TRichEdit::AfterMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/) {
  if (message == WM_LBUTTONUP && OnClick)
    OnClick();
  else if (message == WM_LBUTTONDBLCLK && OnDoubleClick)
    OnDoubleClick();
}

}  // namespace tolvane::ui
