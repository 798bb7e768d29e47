#include "actions/Actionsteps.h"
#include "execution/Pastekeys.h"
#include "execution/Shellhlpr.h"
#include "execution/Targetwindow.h"

namespace tolvane::actions {
namespace steps {
namespace {

constexpr int ClipboardAttempts = 5;
constexpr std::uint32_t ClipboardRetryMs = 50;

}  // namespace

bool PutOnClipboard(std::u16string_view text, const TActionHost& host) {
  platform::IClipboard& clipboard = host.Services.Clipboard;
  for (int attempt = 1; attempt <= ClipboardAttempts; ++attempt) {
    if (execution::SetClipboardText(clipboard, text))
      return true;
    if (attempt < ClipboardAttempts)
      host.Services.Time.Sleep(ClipboardRetryMs);
  }
  // Sending Ctrl+V now would paste whatever the clipboard held before.
  (void)execution::ReportSystemError(
      host.Services.MessageBox, clipboard.LastError(), u"Error Writing Clipboard",
      u"The text could not be put on the clipboard, so nothing was pasted.", u"");
  return false;
}

void RestoreTarget(const TActionHost& host) {
  // Without a target the keys reach the program's own window, which ignores them, and a pasted text still
  // waits on the clipboard; so a failed restore is not reported.
  (void)RestoreTargetWindow(host.History, host.FocusTimeForeground, host.Closing, host.Services.Foreground,
                            host.Services.Time);
}

bool SendPaste(const TActionHost& host) {
  if (execution::SendPasteKeys(host.AutoPaste, host.Services.Keyboard))
    return true;
  execution::ShowErrorMessage(
      host.Services.MessageBox, u"Error Pasting Text",
      u"The system did not let the paste keystroke through.\r\nThe text is on the clipboard.");
  return false;
}

}  // namespace steps

bool PasteText(std::u16string_view text, const TActionHost& host) {
  if (!steps::PutOnClipboard(text, host))
    return false;
  steps::RestoreTarget(host);
  return steps::SendPaste(host);
}

}  // namespace tolvane::actions
