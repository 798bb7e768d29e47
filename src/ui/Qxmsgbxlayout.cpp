#include "ui/Qxmsgbxlayout.h"

#include <algorithm>

#include "ui/Screenscale.h"

namespace tolvane::ui {

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
  const auto scale = [&](int value) { return ScaleFromDesign(value, input.Ppi); };
  const int slot = scale(kButtonWidth) + 2 * scale(kButtonMargin);
  const int top = layout.ButtonPanel.top + (scale(kButtonPanelHeight) - scale(kButtonHeight)) / 2;
  int left = (layout.ClientWidth - input.ButtonCount * slot) / 2 + scale(kButtonMargin);
  for (int i = 0; i < input.ButtonCount; ++i, left += slot)
    layout.Buttons.push_back(RECT{left, top, left + scale(kButtonWidth), top + scale(kButtonHeight)});
}

// Widens the box for the text's longest line, up to the work area; returns the text's size as drawn.
SIZE FitWidth(const TMsgBoxLayoutInput& input, TMsgBoxLayout& layout) {
  const auto scale = [&](int value) { return ScaleFromDesign(value, input.Ppi); };
  const SIZE text = input.MeasureText(0);
  const int room = layout.ClientWidth - scale(kTextLeft) - scale(kTextRightSpace);
  if (text.cx <= room)
    return text;
  const int wanted = layout.ClientWidth + text.cx - room;
  const int limit = input.MaxClientWidth > 0 ? std::max(input.MaxClientWidth, layout.ClientWidth) : wanted;
  layout.ClientWidth = std::min(wanted, limit);
  if (wanted <= limit)
    return text;
  layout.TextWrapWidth = layout.ClientWidth - scale(kTextLeft) - scale(kTextRightSpace);
  return input.MeasureText(layout.TextWrapWidth);
}

void PlaceParts(const TMsgBoxLayoutInput& input, SIZE text, int panels, TMsgBoxLayout& layout) {
  const auto scale = [&](int value) { return ScaleFromDesign(value, input.Ppi); };
  const int messageHeight = layout.ClientHeight - panels;
  layout.ButtonPanel =
      RECT{0, layout.ClientHeight - scale(kButtonPanelHeight), layout.ClientWidth, layout.ClientHeight};
  if (input.CheckPanelVisible)
    layout.CheckPanel = RECT{0, messageHeight, layout.ClientWidth, layout.ButtonPanel.top};
  const int imageTop =
      std::max(0, (std::min(messageHeight, scale(kBaseMessageHeight)) - scale(kImageBox)) / 2);
  layout.ImageBox =
      RECT{scale(kImageLeft), imageTop, scale(kImageLeft) + scale(kImageBox), imageTop + scale(kImageBox)};
  // Centred in the room between the margins above and below.
  const int margin = scale(kTextVerticalSpace) / 2;
  const int textTop = margin + std::max(0, (messageHeight - 2 * margin - static_cast<int>(text.cy)) / 2);
  layout.Text = RECT{scale(kTextLeft), textTop, layout.ClientWidth - scale(kTextRightSpace),
                     std::min(textTop + static_cast<int>(text.cy), messageHeight)};
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
  const auto scale = [&](int value) { return ScaleFromDesign(value, input.Ppi); };
  TMsgBoxLayout layout;
  layout.ClientWidth = scale(kClientWidth);
  layout.ClientHeight = scale(kClientHeight);
  if (input.ButtonCount >= 5)
    layout.ClientWidth += (input.ButtonCount - 4) * (scale(kButtonWidth) + 2 * scale(kButtonMargin));
  const SIZE text = FitWidth(input, layout);
  const int panels = scale(kButtonPanelHeight) + (input.CheckPanelVisible ? scale(kCheckPanelHeight) : 0);
  const int textRoom = layout.ClientHeight - panels - scale(kTextVerticalSpace);
  if (text.cy > textRoom)
    layout.ClientHeight += text.cy - textRoom;
  if (input.MaxClientHeight > 0 && layout.ClientHeight > input.MaxClientHeight)
    layout.ClientHeight = std::max(input.MaxClientHeight, scale(kClientHeight));
  PlaceParts(input, text, panels, layout);
  return layout;
}

RECT CentredOn(const RECT& reference, int width, int height) {
  const int left = reference.left + (reference.right - reference.left - width) / 2;
  const int top = reference.top + (reference.bottom - reference.top - height) / 2;
  return RECT{left, top, left + width, top + height};
}

RECT MoveIntoWorkArea(const RECT& box, const RECT& workArea) {
  int dx = 0;
  int dy = 0;
  if (box.right > workArea.right)
    dx = workArea.right - box.right;
  if (box.bottom > workArea.bottom)
    dy = workArea.bottom - box.bottom;
  if (box.left + dx < workArea.left)
    dx = workArea.left - box.left;
  if (box.top + dy < workArea.top)
    dy = workArea.top - box.top;
  return RECT{box.left + dx, box.top + dy, box.right + dx, box.bottom + dy};
}

}  // namespace tolvane::ui
