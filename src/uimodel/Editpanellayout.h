#pragma once
// Where the item edit panel's controls go: the caption-and-type strip at the top, the panels of the shown
// type stacked under it, and the code area (or, without one, the help text) filling what is left. The
// layout depends on the panel's size, since the item name takes half of the strip's width beside the glyph
// box; the window builds it again whenever it is sized.

#include <string_view>

#include "common/Geometry.h"
#include "uimodel/Anchorlayout.h"
#include "uimodel/Editpanel.h"

namespace tolvane::uimodel {

// The layout's node ids: the panels, their controls and their labels (which the panel paints itself).
enum TEditPanelNode : int {
  PnlCapType = 1,
  PbGlyph,
  LblCaption,
  EdCaption,
  LblType,
  CmbType,
  LblHelpLink,  // the " ? " help link
  PnlProgram,
  LblProgram,
  EdProgram,
  ButBrowseProgram,
  LblParams,
  EdParams,
  PnlWeb,
  LblBrowsers,
  CmbBrowsers,
  LblWebsite,
  EdWebsite,
  PnlMail,
  LblEmailTo,
  EdEmailTo,
  LblEmailCc,
  EdEmailCc,
  LblEmailBcc,
  EdEmailBcc,
  LblMailSubject,
  EdMailSubject,
  PnlMacro,
  LblMacro,
  EdMacro,
  ButEditMacro,
  CbxMacroUseNewLineHome,
  LblMacroRepeat,
  EdMacroRepeat,
  PnlHint,
  LblHint,
  MmHint,
  PnlCode,
  LblCode,
  CbxMonoSpace,
  ButEditModifier,
  ReCode,
  EditPanelNodeEnd
};

// Design pixels at 144 ppi.
inline constexpr int CapTypeHeight = 105;
inline constexpr int GlyphBoxSide = 66;
inline constexpr int EditPanelMargin = 9;

// The fixed text of a label node; the code area's label comes from the type's panel layout. Empty for a
// node that is no label.
std::u16string_view EditPanelLabel(int node, const TPanelLayout& panels);
bool IsEditPanelLabel(int node);

// The panel's layout for the type's panels in a client of that many design pixels. Only the panels the
// type shows are in it.
TLayout EditPanelLayout(const TPanelLayout& panels, TSize designClient);

}  // namespace tolvane::uimodel
