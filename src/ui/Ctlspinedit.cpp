#include "ui/Ctlspinedit.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <system_error>

#include "ui/Geometrywin.h"
#include "ui/Window.h"

namespace tolvane::ui {

namespace {

constexpr int kArrowsWidth = 16;  // at 96 ppi

// The number the text holds, or false for anything else (empty, a lone minus, letters, too long).
bool ParseNumber(const std::u16string& text, int& value) {
  if (text.empty() || text.size() > 6)
    return false;
  std::size_t start = text[0] == u'-' ? 1 : 0;
  if (start == text.size())
    return false;
  int number = 0;
  for (std::size_t i = start; i < text.size(); ++i) {
    if (text[i] < u'0' || text[i] > u'9')
      return false;
    number = number * 10 + (text[i] - u'0');
  }
  value = start == 1 ? -number : number;
  return true;
}

}  // namespace

TSpinEdit::TSpinEdit(TWindow& parent, int id, int minimum, int maximum)
    : TControl(parent, id, {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | ES_RIGHT, WS_EX_CLIENTEDGE}),
      Minimum(minimum),
      Maximum(std::max(minimum, maximum)),
      Current(minimum) {
  UpDown.reset(::CreateWindowExW(0, UPDOWN_CLASSW, L"",
                                 WS_CHILD | WS_VISIBLE | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, 0, 0, 0,
                                 parent.Handle(), nullptr, ::GetModuleHandleW(nullptr), nullptr));
  if (!UpDown)
    throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(),
                            "Creating the arrows of a number box failed");
  ::SendMessageW(UpDown.get(), UDM_SETRANGE32, static_cast<WPARAM>(Minimum), Maximum);
  parent.AddControl(UpDown.get(), ArrowNotifications);
  ShowValue();
}

TSpinEdit::~TSpinEdit() {
  if (UpDown)
    ParentWindow.RemoveControl(UpDown.get());
}

void TSpinEdit::SetValue(int value) {
  Current = std::clamp(value, Minimum, Maximum);
  ShowValue();
}

void TSpinEdit::ShowValue() {
  Setting = true;
  const std::string digits = std::to_string(Current);
  SetControlText(std::u16string(digits.begin(), digits.end()));
  Setting = false;
  ::SendMessageW(UpDown.get(), UDM_SETPOS32, 0, Current);
}

void TSpinEdit::SetBounds(const TRect& bounds) {
  const int arrows = std::min(bounds.Width() / 2, kArrowsWidth * static_cast<int>(WindowDpi(Handle())) / 96);
  TControl::SetBounds({bounds.Left, bounds.Top, bounds.Right - arrows, bounds.Bottom});
  ui::SetBounds(UpDown.get(), {bounds.Right - arrows, bounds.Top, bounds.Right, bounds.Bottom});
}

bool TSpinEdit::Offer(int value) {
  if (value < Minimum || value > Maximum)
    return false;
  if (value == Current)
    return true;
  if (OnChanging && !OnChanging(value))
    return false;
  Current = value;
  if (OnChange)
    OnChange(value);
  return true;
}

void TSpinEdit::Step(int delta) {
  if (Offer(std::clamp(Current + delta, Minimum, Maximum)))
    ShowValue();
}

// Typing: a value not yet complete ("", "-") waits; a refused one is taken back.
bool TSpinEdit::Command(UINT code) {
  if (code != EN_CHANGE || Setting || !Notifying())
    return code == EN_CHANGE;
  int value = 0;
  if (!ParseNumber(ControlText(), value))
    return true;
  if (!Offer(value) && value >= Minimum && value <= Maximum)
    ShowValue();
  return true;
}

// Up and Down in the box step as the arrows do; leaving the box shows the value in force.
bool TSpinEdit::BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN)) {
    Step(wParam == VK_UP ? 1 : -1);
    result = 0;
    return true;
  }
  if (message == WM_KILLFOCUS)
    ShowValue();
  return TControl::BeforeMessage(message, wParam, lParam, result);
}

bool TSpinEdit::TArrowNotifications::Notify(const NMHDR& header, LRESULT& result) {
  if (header.code != UDN_DELTAPOS)
    return false;
  const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
  Owner.Step(change.iDelta > 0 ? 1 : -1);
  result = 1;  // the step above already moved the value, or refused it
  return true;
}

}  // namespace tolvane::ui
