#include "ui/Formparts.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "ui/Commoncontrols.h"
#include "ui/Geometrywin.h"

namespace tolvane::ui {

bool THints::Create(HWND owner, int maxWidth) {
  Owner = owner;
  EnsureCommonControls();
  Window.reset(::CreateWindowExW(
      WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, ::GetModuleHandleW(nullptr), nullptr));
  if (!Window)
    return false;
  // A width makes the hint break its lines at "\r\n".
  ::SendMessageW(Window.get(), TTM_SETMAXTIPWIDTH, 0, maxWidth);
  return true;
}

void THints::Add(HWND control, std::u16string_view text) {
  if (!Window)
    return;
  std::wstring wide = win32::Wide(text);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = Owner;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = wide.data();
  ::SendMessageW(Window.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void THints::AddArea(UINT_PTR id, const TRect& area, std::u16string_view text) {
  if (!Window)
    return;
  std::wstring wide = win32::Wide(text);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = Owner;
  tool.uId = id;
  tool.rect = ToRECT(area);
  tool.lpszText = wide.data();
  ::SendMessageW(Window.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void THints::MoveArea(UINT_PTR id, const TRect& area) {
  if (!Window)
    return;
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = Owner;
  tool.uId = id;
  tool.rect = ToRECT(area);
  ::SendMessageW(Window.get(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void THints::SetMaxWidth(int maxWidth) {
  if (Window)
    ::SendMessageW(Window.get(), TTM_SETMAXTIPWIDTH, 0, maxWidth);
}

void THints::SetShowTime(int milliseconds) {
  if (Window)
    ::SendMessageW(Window.get(), TTM_SETDELAYTIME, TTDT_AUTOPOP,
                   MAKELPARAM(std::clamp(milliseconds, 0, 32767), 0));
}

win32::unique_hfont CreateLinkFont(HFONT base, bool underline, int percent) {
  LOGFONTW link{};
  ::GetObjectW(base, sizeof(link), &link);
  link.lfWeight = FW_BOLD;
  link.lfUnderline = underline ? TRUE : FALSE;
  link.lfHeight = link.lfHeight * percent / 100;
  return win32::unique_hfont(::CreateFontIndirectW(&link));
}

void PaintHelpLink(HDC dc, HFONT font, const TRect& area, std::u16string_view text, UINT align) {
  if (area.Empty())
    return;
  const win32::TSelectGuard selected(dc, font);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, HelpLinkColor);
  RECT bounds = ToRECT(area);
  const std::wstring wide = win32::Wide(text);
  ::DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &bounds,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | align);
}

}  // namespace tolvane::ui
