#include "uimodel/Searchdialog.h"

#include <algorithm>

#include "uimodel/Msgboxlayout.h"

namespace tolvane::uimodel {

namespace {

// Design pixels at 144 ppi.
constexpr int kPanelHeight = 66;
constexpr int kEditHeight = 36;
constexpr int kLabelWidth = 138;  // "  Term 1: " in the control font
constexpr int kHelpWidth = 60;
constexpr int kSplitterHeight = 9;
constexpr int kMinPaneHeight = 45;
constexpr int kMinListHeight = 105;
constexpr TSize kDefaultSize{1350, 975};

// Virtual-key codes.
constexpr std::uint32_t kEnter = 0x0D;
constexpr std::uint32_t kEscape = 0x1B;
constexpr std::uint32_t kPageUp = 0x21;
constexpr std::uint32_t kPageDown = 0x22;
constexpr std::uint32_t kUp = 0x26;
constexpr std::uint32_t kDown = 0x28;
constexpr std::uint32_t kF1 = 0x70;

}  // namespace

int SearchPaneHeight(int stored, int clientHeight, const TScale& scale) {
  const int room = clientHeight - scale(kPanelHeight) - scale(kSplitterHeight);
  const int wanted = stored > 0 ? stored : room / 3;
  // A small window gives up the list's minimum before the pane's.
  const int highest = std::max(scale(kMinPaneHeight), room - scale(kMinListHeight));
  return std::clamp(wanted, std::min(scale(kMinPaneHeight), highest), highest);
}

TSearchDialogLayout LayoutSearchDialog(TSize client, int paneHeight, const TScale& scale) {
  TSearchDialogLayout layout;
  const int width = std::max(0, client.Width);
  const int height = std::max(0, client.Height);
  const int panelHeight = std::min(height, scale(kPanelHeight));
  layout.Panel = TRect{0, 0, width, panelHeight};

  const int labelWidth = scale(kLabelWidth);
  const int helpWidth = scale(kHelpWidth);
  const int editWidth = std::max(0, (width - 2 * labelWidth - helpWidth) / 2);
  const int editHeight = std::min(panelHeight, scale(kEditHeight));
  const int editTop = (panelHeight - editHeight) / 2;
  const auto edit = [&](int left) { return TRect::Sized(left, editTop, editWidth, editHeight); };
  layout.Term1Label = TRect::Sized(0, 0, labelWidth, panelHeight);
  layout.Term1 = edit(layout.Term1Label.Right);
  layout.Term2Label = TRect::Sized(layout.Term1.Right, 0, labelWidth, panelHeight);
  layout.Term2 = edit(layout.Term2Label.Right);
  layout.Help = TRect{layout.Term2.Right, 0, std::max(layout.Term2.Right, width), panelHeight};

  const int pane = std::min(std::max(0, paneHeight), std::max(0, height - panelHeight));
  layout.Detail = TRect{0, height - pane, width, height};
  const int splitterTop = std::max(panelHeight, layout.Detail.Top - scale(kSplitterHeight));
  layout.Splitter = TRect{0, splitterTop, width, layout.Detail.Top};
  layout.Results = TRect{0, panelHeight, width, splitterTop};
  return layout;
}

TRect SearchDialogBounds(const std::optional<TRect>& stored, const TRect& workArea, const TScale& scale) {
  if (stored && stored->Width() > 0 && stored->Height() > 0) {
    const TRect cut = TRect::Sized(stored->Left, stored->Top, std::min(stored->Width(), workArea.Width()),
                                   std::min(stored->Height(), workArea.Height()));
    return MoveIntoWorkArea(cut, workArea);
  }
  const TSize size{std::min(scale(kDefaultSize.Width), workArea.Width()),
                   std::min(scale(kDefaultSize.Height), workArea.Height())};
  return CentredOn(workArea, size);
}

TSearchKeyAction SearchKeyAction(std::uint32_t key, bool inTermBox) {
  switch (key) {
    case kEnter:
      return TSearchKeyAction::Choose;
    case kEscape:
      return TSearchKeyAction::Cancel;
    case kF1:
      return TSearchKeyAction::Help;
    case kUp:
    case kDown:
    case kPageUp:
    case kPageDown:
      return inTermBox ? TSearchKeyAction::MoveList : TSearchKeyAction::Pass;
    default:
      return TSearchKeyAction::Pass;
  }
}

}  // namespace tolvane::uimodel
