#include "uimodel/Msgboxlayout.h"

#include <algorithm>

namespace tolvane::uimodel {

namespace {

namespace button = platform::msgbutton;

// At 144 pixels per inch. The box without widening holds four buttons.
constexpr int kClientWidth = 630;
constexpr int kClientHeight = 204;
constexpr int kButtonWidth = 132;
constexpr int kButtonHeight = 42;
constexpr int kButtonMargin = 9;  // left and right of each button
constexpr int kButtonPanelHeight = 72;
constexpr int kCheckPanelHeight = 42;
constexpr int kImageLeft = 18;
constexpr int kImageBox = 72;
constexpr int kTextLeft = kImageLeft + kImageBox + 12;
constexpr int kTextRightSpace = 24;
constexpr int kTextVerticalSpace = 60;  // above and below the text together
constexpr int kBaseMessageHeight = kClientHeight - kButtonPanelHeight;

constexpr std::uint32_t kDefaultOrder[] = {button::Ok,    button::Yes,    button::All,
                                           button::Retry, button::Ignore, button::No,
                                           button::None,  button::Abort,  button::Cancel};

void PlaceButtons(const TMsgBoxLayoutInput& input, TMsgBoxLayout& layout) {
  const TScale& scale = input.Scale;
  const int slot = scale(kButtonWidth) + 2 * scale(kButtonMargin);
  const int top = layout.ButtonPanel.Top + (scale(kButtonPanelHeight) - scale(kButtonHeight)) / 2;
  int left = (layout.ClientWidth - input.ButtonCount * slot) / 2 + scale(kButtonMargin);
  for (int i = 0; i < input.ButtonCount; ++i, left += slot)
    layout.Buttons.push_back(TRect::Sized(left, top, scale(kButtonWidth), scale(kButtonHeight)));
}

// Widens the box for the text's longest line, up to the work area; returns the text's size as drawn.
TSize FitWidth(const TMsgBoxLayoutInput& input, TMsgBoxLayout& layout) {
  const TScale& scale = input.Scale;
  const TSize text = input.MeasureText(0);
  const int room = layout.ClientWidth - scale(kTextLeft) - scale(kTextRightSpace);
  if (text.Width <= room)
    return text;
  const int wanted = layout.ClientWidth + text.Width - room;
  const int limit = input.MaxClientWidth > 0 ? std::max(input.MaxClientWidth, layout.ClientWidth) : wanted;
  layout.ClientWidth = std::min(wanted, limit);
  if (wanted <= limit)
    return text;
  layout.TextWrapWidth = layout.ClientWidth - scale(kTextLeft) - scale(kTextRightSpace);
  return input.MeasureText(layout.TextWrapWidth);
}

void PlaceParts(const TMsgBoxLayoutInput& input, TSize text, int panels, TMsgBoxLayout& layout) {
  const TScale& scale = input.Scale;
  const int messageHeight = layout.ClientHeight - panels;
  layout.ButtonPanel =
      TRect{0, layout.ClientHeight - scale(kButtonPanelHeight), layout.ClientWidth, layout.ClientHeight};
  if (input.CheckPanelVisible)
    layout.CheckPanel = TRect{0, messageHeight, layout.ClientWidth, layout.ButtonPanel.Top};
  const int imageTop =
      std::max(0, (std::min(messageHeight, scale(kBaseMessageHeight)) - scale(kImageBox)) / 2);
  layout.ImageBox =
      TRect{scale(kImageLeft), imageTop, scale(kImageLeft) + scale(kImageBox), imageTop + scale(kImageBox)};
  // Centred in the room between the margins above and below.
  const int margin = scale(kTextVerticalSpace) / 2;
  const int textTop = margin + std::max(0, (messageHeight - 2 * margin - text.Height) / 2);
  layout.Text = TRect{scale(kTextLeft), textTop, layout.ClientWidth - scale(kTextRightSpace),
                      std::min(textTop + text.Height, messageHeight)};
  PlaceButtons(input, layout);
}

}  // namespace

int MsgButtonIndex(std::uint32_t value) {
  for (std::size_t i = 0; i < kMsgButtons.size(); ++i) {
    if (kMsgButtons[i].Button == value)
      return static_cast<int>(i);
  }
  return -1;
}

std::uint32_t DefaultMsgButton(std::uint32_t shown) {
  for (const std::uint32_t candidate : kDefaultOrder) {
    if ((shown & candidate) != 0)
      return candidate;
  }
  return 0;
}

TMsgBoxLayout LayoutMsgBox(const TMsgBoxLayoutInput& input) {
  const TScale& scale = input.Scale;
  TMsgBoxLayout layout;
  layout.ClientWidth = scale(kClientWidth);
  layout.ClientHeight = scale(kClientHeight);
  if (input.ButtonCount >= 5)
    layout.ClientWidth += (input.ButtonCount - 4) * (scale(kButtonWidth) + 2 * scale(kButtonMargin));
  const TSize text = FitWidth(input, layout);
  const int panels = scale(kButtonPanelHeight) + (input.CheckPanelVisible ? scale(kCheckPanelHeight) : 0);
  const int textRoom = layout.ClientHeight - panels - scale(kTextVerticalSpace);
  if (text.Height > textRoom)
    layout.ClientHeight += text.Height - textRoom;
  if (input.MaxClientHeight > 0 && layout.ClientHeight > input.MaxClientHeight)
    layout.ClientHeight = std::max(input.MaxClientHeight, scale(kClientHeight));
  PlaceParts(input, text, panels, layout);
  return layout;
}

TRect CentredOn(const TRect& reference, TSize size) {
  return TRect::Sized(reference.Left + (reference.Width() - size.Width) / 2,
                      reference.Top + (reference.Height() - size.Height) / 2, size.Width, size.Height);
}

TRect MoveIntoWorkArea(const TRect& box, const TRect& workArea) {
  int dx = 0;
  int dy = 0;
  if (box.Right > workArea.Right)
    dx = workArea.Right - box.Right;
  if (box.Bottom > workArea.Bottom)
    dy = workArea.Bottom - box.Bottom;
  if (box.Left + dx < workArea.Left)
    dx = workArea.Left - box.Left;
  if (box.Top + dy < workArea.Top)
    dy = workArea.Top - box.Top;
  return box.Offset(dx, dy);
}

}  // namespace tolvane::uimodel
