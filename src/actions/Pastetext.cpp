#include <string>

#include "actions/Actionsteps.h"
#include "execution/Heldmodifiers.h"
#include "execution/Pastekeys.h"
#include "execution/Shellhlpr.h"
#include "execution/Targetwindow.h"

namespace tolvane::actions {
namespace steps {
namespace {

constexpr int ClipboardAttempts = 5;
constexpr std::uint32_t ClipboardRetryMs = 50;
constexpr std::u16string_view TextWaits = u"The text is on the clipboard.";

std::u16string WindowName(platform::TWindowHandle window, const TActionHost& host) {
  std::u16string title = host.Services.Foreground.Title(window);
  if (title.empty())
    title = host.History.TitleOf(window);
  return execution::WindowName(title);
}

void ReportNoInput(std::u16string_view caption, const std::u16string& reason, std::u16string_view instead,
                   const TActionHost& host) {
  execution::ShowErrorMessage(host.Services.MessageBox, caption, reason + u"\r\n" + std::u16string(instead));
}

}  // namespace

bool PutOnClipboard(execution::TPasteClipboard& clipboard, std::u16string_view text,
                    const TActionHost& host) {
  for (int attempt = 1; attempt <= ClipboardAttempts; ++attempt) {
    if (clipboard.Put(text))
      return true;
    if (attempt < ClipboardAttempts)
      host.Services.Time.Sleep(ClipboardRetryMs);
  }
  // Sending Ctrl+V now would paste whatever the clipboard held before.
  (void)execution::ReportSystemError(
      host.Services.MessageBox, host.Services.Clipboard.LastError(), u"Error Writing Clipboard",
      u"The text could not be put on the clipboard, so nothing was pasted.", u"");
  return false;
}

platform::TWindowHandle RestoreTarget(const TActionHost& host) {
  // Without a target the keys reach the program's own window, which ignores them, and a pasted text still
  // waits on the clipboard; so a failed restore is not reported.
  (void)RestoreTargetWindow(host.History, host.FocusTimeForeground, host.Closing, host.Services.Foreground,
                            host.Services.Time);
  return host.Closing ? 0 : host.History.Target(host.FocusTimeForeground, host.Services.Foreground);
}

bool TargetTakesInput(platform::TWindowHandle target, const TActionHost& host, std::u16string_view instead) {
  if (target == 0) {
    // Every window the user worked in has been closed since; sending the keys would lose them.
    const platform::TWindowHandle newest = host.Closing ? 0 : host.History.Newest(host.FocusTimeForeground);
    if (newest == 0)
      return true;
    target = newest;
  }
  switch (host.Services.Foreground.InputAccess(target)) {
    case platform::TInputAccess::Allowed:
      return true;
    case platform::TInputAccess::Gone:
      ReportNoInput(u"Target Window Closed", WindowName(target, host) + u" has been closed.", instead, host);
      return false;
    case platform::TInputAccess::Refused:
      ReportNoInput(execution::RefusedInputCaption, execution::RefusedInputReason(WindowName(target, host)),
                    instead, host);
      return false;
  }
  return true;
}

bool SendPaste(execution::TPasteClipboard& clipboard, platform::TWindowHandle target,
               const TActionHost& host) {
  // The text waits on the clipboard for the user, so it stays there.
  if (!host.AutoPaste || !TargetTakesInput(target, host, TextWaits)) {
    clipboard.Keep();
    return !host.AutoPaste;
  }
  bool sent = false;
  {
    const execution::THeldModifiers held(host.Services.Keyboard, host.Services.Time);
    sent = execution::SendPasteKeys(true, host.Services.Keyboard);
  }
  if (!sent) {
    clipboard.Keep();
    execution::ShowErrorMessage(
        host.Services.MessageBox, u"Error Pasting Text",
        u"The system did not let the paste keystroke through.\r\nThe text is on the clipboard.");
    return false;
  }
  // A failure here leaves the pasted text on the clipboard, as if putting back were off.
  (void)clipboard.Finish();
  return true;
}

}  // namespace steps

bool PasteText(std::u16string_view text, const TActionHost& host) {
  execution::TPasteClipboard clipboard(host.Services.Clipboard, host.Services.Time, host.RestoreClipboard);
  if (!steps::PutOnClipboard(clipboard, text, host))
    return false;
  return steps::SendPaste(clipboard, steps::RestoreTarget(host), host);
}

}  // namespace tolvane::actions
