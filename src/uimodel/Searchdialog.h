#pragma once
// The Search dialog's portable rules: where its controls go for a client size, how far the detail pane may
// be dragged, where the dialog opens, and what a key does in it.

#include <cstdint>
#include <optional>

#include "common/Geometry.h"
#include "uimodel/Scale.h"

namespace tolvane::uimodel {

// The dialog's control ids, also for finding the controls from outside.
namespace searchcontrol {
inline constexpr int Term1 = 101;
inline constexpr int Term2 = 102;
inline constexpr int Results = 103;
inline constexpr int Detail = 104;
}  // namespace searchcontrol

// In client pixels. The labels and the help link are painted on the panel; the splitter is the band of the
// dialog itself between the list and the detail pane.
struct TSearchDialogLayout {
  TRect Panel;
  TRect Term1Label;
  TRect Term1;
  TRect Term2Label;
  TRect Term2;
  TRect Help;
  TRect Results;
  TRect Splitter;
  TRect Detail;
  bool operator==(const TSearchDialogLayout&) const = default;
};

// The pane height kept within what leaves the list and the pane usable; 0 or less (never stored) gives a
// third of the client height.
int SearchPaneHeight(int stored, int clientHeight, const TScale& scale);
TSearchDialogLayout LayoutSearchDialog(TSize client, int paneHeight, const TScale& scale);

// The dialog's frame on the screen: the stored bounds moved into the work area (and cut to it), else a
// default size centred in it.
TRect SearchDialogBounds(const std::optional<TRect>& stored, const TRect& workArea, const TScale& scale);

enum class TSearchKeyAction {
  Pass,      // the focused control's own key
  MoveList,  // sent to the result list instead
  Choose,    // end with the selected row's item
  Cancel,
  Help,
};

// A key pressed anywhere in the dialog (a virtual-key code); inTermBox when a term box has the focus.
TSearchKeyAction SearchKeyAction(std::uint32_t key, bool inTermBox);

}  // namespace tolvane::uimodel
