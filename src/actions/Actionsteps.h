#pragma once
// The steps the item actions are made of; internal to the actions.

#include <string_view>

#include "actions/Itemactions.h"
#include "execution/Pasteclipboard.h"
#include "platform/Shell.h"

namespace tolvane::actions::steps {

// The live Ctrl key: held while the action runs, it pastes the item's main text instead.
bool CtrlHeld(const TActionHost& host);
// When Ctrl is held, pastes the item's main text and returns true.
bool PastedForCtrl(const storage::TItem& item, const TActionHost& host);

// With a few retries, as another program may hold the clipboard open; false after telling the user.
[[nodiscard]] bool PutOnClipboard(execution::TPasteClipboard& clipboard, std::u16string_view text,
                                  const TActionHost& host);
// Brings the paste target to the front; returns it, 0 when there is none.
platform::TWindowHandle RestoreTarget(const TActionHost& host);
// False after telling the user, naming the window and ending with `instead`, when the target has been closed
// or belongs to a program of higher rights, which the system keeps synthetic input from.
[[nodiscard]] bool TargetTakesInput(platform::TWindowHandle target, const TActionHost& host,
                                    std::u16string_view instead);
// Ctrl+V into the restored target when "AutoPaste" is on, with the user's held modifier keys lifted; then the
// clipboard's earlier content goes back. False after telling the user when nothing could be sent, and the
// text then stays on the clipboard.
bool SendPaste(execution::TPasteClipboard& clipboard, platform::TWindowHandle target,
               const TActionHost& host);
// The shell's "open"; a failure is shown with the caption, naming the file and the system's reason.
void OpenWithShell(const platform::TShellOpenRequest& request, const TActionHost& host,
                   std::u16string_view failureCaption);

void PerformProgram(const storage::TItem& item, const TActionHost& host);
void PerformWebsite(storage::TItem& item, const TActionHost& host);
void PerformMail(const storage::TItem& item, const TActionHost& host);
void PerformMacro(const storage::TItem& item, const TActionHost& host);
void PerformClipModifier(const storage::TItem& item, const TActionHost& host);

}  // namespace tolvane::actions::steps
