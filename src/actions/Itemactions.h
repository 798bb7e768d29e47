#pragma once
// Performing the user's items: pasting clips, starting programs, opening web sites and mails, playing macros
// and running modifier scripts.

#include <functional>
#include <string_view>

#include "execution/Foregroundhistory.h"
#include "execution/Mailto.h"
#include "platform/Services.h"
#include "storage/Item.h"

namespace tolvane::actions {

// The modifier keys held when an item was picked, or-ed.
inline constexpr int ModifierCtrl = 1;
inline constexpr int ModifierShift = 2;
inline constexpr int ModifierAlt = 4;

// What the actions need from the program around them, gathered by the main window for one pick.
struct TActionHost {
  platform::TServices Services;
  // Where pasted and typed text goes: see RestoreTargetWindow.
  const execution::TForegroundHistory& History;
  platform::TWindowHandle FocusTimeForeground = 0;
  bool Closing = false;
  bool AutoPaste = true;
  // After a paste, what the user had on the clipboard goes back ("RestoreClipboard").
  bool RestoreClipboard = true;
  // Owner of the programs an Action item starts.
  platform::TWindowHandle MainWindow = 0;
  // Brings the main window forward before a modifier script's parameter message; may be empty.
  std::function<void()> ShowMainWindow{};
  // The main window's steps for becoming active and its tray-icon click, run after a modifier script
  // stopped so the bar comes to the front after the interpreter's message; may be empty.
  std::function<void()> BringBarToFront{};
};

// Performs a user item (type below 50). Never throws: every failure is shown to the user here. A Website item
// opens in its browser, stored as a program path or as an installed browser's name; a path that no longer
// exists is cleared in memory.
void PerformItem(storage::TItem& item, int modifierMask, const TActionHost& host);

// Puts the text on the clipboard, restores the target window and sends Ctrl+V when "AutoPaste" is on; once
// the target has taken the text, the user's earlier clipboard content goes back when "RestoreClipboard" is
// on. False (after telling the user) when the clipboard could not be written, in which case nothing is
// pasted, when the target is gone or refuses input, or when the keystroke was blocked; the text then stays on
// the clipboard.
bool PasteText(std::u16string_view text, const TActionHost& host);

}  // namespace tolvane::actions
