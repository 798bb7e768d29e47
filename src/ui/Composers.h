#pragma once
// What the item edit panel hands to the keystroke-macro composer and the clipboard-modifier editor, and what
// they give back after OK. The dialogs live in their own units; the main window reaches them through its
// dialog slots (TMainDialogs).

#include <optional>
#include <string>

#include "common/Geometry.h"
#include "storage/Globals.h"
#include "ui/Qxbutton.h"

namespace tolvane::ui {

struct TMacroComposerRequest {
  std::u16string Macro;  // the stored single-line form
  bool NewLineHome = false;
  storage::TFontFacts CodeFont;  // the code font the panel's "Mono Space Font" chooses
  TButtonColors ButtonColors;
  std::optional<TRect> Bounds;  // where the composer was last ("MacroComposerPos")
};

struct TMacroComposerResult {
  std::u16string Macro;
  bool NewLineHome = false;
  std::optional<TRect> Bounds;  // where the composer was when it closed
};

struct TModifierEditorRequest {
  std::u16string Text;  // the script as the editor shows it
  storage::TFontFacts CodeFont;
  TButtonColors ButtonColors;
  std::optional<TRect> Bounds;  // "ClipComposerPos"
};

struct TModifierEditorResult {
  std::u16string Text;  // the editor's whole text
  std::optional<TRect> Bounds;
};

// The settings' six button colours.
TButtonColors ButtonColorsOf(const storage::TSettings& settings);

}  // namespace tolvane::ui
