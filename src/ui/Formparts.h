#pragma once
// Small parts every form of the program draws the same way: the tooltip window with its hints, and the " ? "
// help link in its colour and bold font.

#include <string_view>

#include "common/Geometry.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win.h"

namespace tolvane::ui {

inline constexpr COLORREF HelpLinkColor = RGB(0, 70, 200);

class THints {
 public:
  // The tooltip window of the owner; hints break their lines at "\r\n" within the width. False when the
  // window cannot be made: the form works without its hints.
  bool Create(HWND owner, int maxWidth);
  // A hint over a control of the owner.
  void Add(HWND control, std::u16string_view text);
  // A hint over an area of the owner's client, named by the caller's id; MoveArea follows a new layout.
  void AddArea(UINT_PTR id, const TRect& area, std::u16string_view text);
  void MoveArea(UINT_PTR id, const TRect& area);
  // How long a hint stays, in milliseconds.
  void SetShowTime(int milliseconds);
  void SetMaxWidth(int maxWidth);
  HWND Handle() const { return Window.get(); }
  // Destroys the tooltip window now, while its owner is still whole.
  void Reset() { Window.reset(); }

 private:
  HWND Owner = nullptr;
  win32::unique_hwnd Window;
};

// The base font in bold, underlined when asked; scale > 1 enlarges a single-character mark.
win32::unique_hfont CreateLinkFont(HFONT base, bool underline, int percent = 100);
// The link's text in the link colour over what is there, vertically centred in the area.
void PaintHelpLink(HDC dc, HFONT font, const TRect& area, std::u16string_view text, UINT align = DT_CENTER);

}  // namespace tolvane::ui
