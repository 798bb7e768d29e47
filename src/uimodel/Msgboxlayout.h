#pragma once
// The message box's buttons and geometry as plain values: which button is the default, how large the box
// is for its buttons and text, and where it goes on the screen.

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "common/Geometry.h"
#include "platform/Messagebox.h"
#include "uimodel/Scale.h"

namespace tolvane::uimodel {

struct TMsgButtonInfo {
  std::uint32_t Button;  // a platform::msgbutton value
  std::u16string_view Caption;
  std::u16string_view DanishCaption;
  platform::TMsgResult Result;
};

// The buttons in their order on the box, left to right.
inline constexpr std::array<TMsgButtonInfo, 9> kMsgButtons{{
    {platform::msgbutton::Yes, u"&Yes", u"&Ja", platform::TMsgResult::Yes},
    {platform::msgbutton::All, u"&All Yes", u"&Alle Ja", platform::TMsgResult::YesToAll},
    {platform::msgbutton::No, u"&No", u"&Nej", platform::TMsgResult::No},
    {platform::msgbutton::None, u"A&ll No", u"A&lle Nej", platform::TMsgResult::NoToAll},
    {platform::msgbutton::Ok, u"&Ok", u"&Ok", platform::TMsgResult::Ok},
    {platform::msgbutton::Abort, u"A&bort", u"Af&bryd", platform::TMsgResult::Abort},
    {platform::msgbutton::Retry, u"&Retry", u"&Gentag", platform::TMsgResult::Retry},
    {platform::msgbutton::Ignore, u"&Ignore", u"&Ignorer", platform::TMsgResult::Ignore},
    {platform::msgbutton::Cancel, u"&Cancel", u"An&uller", platform::TMsgResult::Cancel},
}};

// The user locale's country code that selects the Danish captions.
inline constexpr int kDanishCountryCode = 45;
inline constexpr std::u16string_view kCheckBoxCaption = u"Don't show this again";
inline constexpr std::u16string_view kDanishCheckBoxCaption = u"Vis ikke dette igen";

// Index into kMsgButtons; -1 for a value that is not a single button.
int MsgButtonIndex(std::uint32_t button);

// Of the shown buttons (or-ed), the first of Ok, Yes, All Yes, Retry, Ignore, No, All No, Abort, else
// Cancel; 0 when none of them is shown.
std::uint32_t DefaultMsgButton(std::uint32_t shown);

struct TMsgBoxLayoutInput {
  TScale Scale{DesignPpi};
  int ButtonCount = 0;
  bool CheckPanelVisible = false;
  // The room the monitor's work area leaves for the client area; 0 for no limit.
  int MaxClientWidth = 0;
  int MaxClientHeight = 0;
  // The text's size on one line per line break (wrapWidth 0), or wrapped at wrapWidth.
  std::function<TSize(int wrapWidth)> MeasureText;
};

struct TMsgBoxLayout {
  int ClientWidth = 0;
  int ClientHeight = 0;
  TRect ImageBox;
  TRect Text;
  int TextWrapWidth = 0;  // 0: the text is not wrapped
  TRect CheckPanel;       // empty when hidden
  TRect ButtonPanel;
  std::vector<TRect> Buttons;  // ButtonCount buttons, left to right
};

// The box is widened for a fifth and further button and for a long line, and heightened for many lines.
// Widening for text stops at the work area: only then is the text wrapped, so that the box and its
// buttons stay on the screen. Text taller than the work area is cut off at the bottom.
TMsgBoxLayout LayoutMsgBox(const TMsgBoxLayoutInput& input);

// A rectangle of the given size centred on the reference.
TRect CentredOn(const TRect& reference, TSize size);

// Moves the box by the least amount that puts it inside the work area: the right and bottom edges first,
// then the left and top, so a box larger than the area shows its top-left part.
TRect MoveIntoWorkArea(const TRect& box, const TRect& workArea);

}  // namespace tolvane::uimodel
