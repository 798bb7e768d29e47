#pragma once
// The steps the item actions are made of; internal to the actions.

#include <string_view>

#include "actions/Itemactions.h"
#include "platform/Shell.h"

namespace tolvane::actions::steps {

// The live Ctrl key: held while the action runs, it pastes the item's main text instead.
bool CtrlHeld(const TActionHost& host);
// When Ctrl is held, pastes the item's main text and returns true.
bool PastedForCtrl(const storage::TItem& item, const TActionHost& host);

// With a few retries, as another program may hold the clipboard open; false after telling the user.
[[nodiscard]] bool PutOnClipboard(std::u16string_view text, const TActionHost& host);
void RestoreTarget(const TActionHost& host);
// Ctrl+V when "AutoPaste" is on; false after telling the user when it was blocked.
bool SendPaste(const TActionHost& host);
// The shell's "open"; a failure is shown with the caption, naming the file and the system's reason.
void OpenWithShell(const platform::TShellOpenRequest& request, const TActionHost& host,
                   std::u16string_view failureCaption);

void PerformProgram(const storage::TItem& item, const TActionHost& host);
void PerformWebsite(storage::TItem& item, const TActionHost& host);
void PerformMail(const storage::TItem& item, const TActionHost& host);
void PerformMacro(const storage::TItem& item, const TActionHost& host);
void PerformClipModifier(const storage::TItem& item, const TActionHost& host);

}  // namespace tolvane::actions::steps
