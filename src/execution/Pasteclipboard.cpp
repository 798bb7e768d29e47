#include "execution/Pasteclipboard.h"

namespace tolvane::execution {

void TPasteClipboard::KeepUserContent() {
  // A copy that failed is tried again at the next change; without one nothing can go back.
  if (RestoreEnabled && !Saved)
    Saved = Clipboard.Snapshot();
}

bool TPasteClipboard::Put(std::u16string_view text) {
  KeepUserContent();
  if (!Clipboard.SetPasteText(text))
    return false;
  Pasted = true;
  return true;
}

void TPasteClipboard::WaitUntilTaken() {
  const std::uint32_t start = Time.TickCount();
  // The request for the text comes as a message, so the wait keeps them running.
  while (!Clipboard.PasteTextTaken() && Time.TickCount() - start < PasteTakeTimeoutMs)
    Time.WaitProcessingMessages(PasteTakePollMs);
}

bool TPasteClipboard::Finish() {
  const bool due = RestoreEnabled && Pasted && !Kept && Saved.has_value();
  Pasted = false;
  if (!due)
    return true;
  WaitUntilTaken();
  // Someone copied something meanwhile: that is the user's content now.
  if (!Clipboard.HoldsPasteText())
    return true;
  for (int attempt = 1; attempt <= RestoreAttempts; ++attempt) {
    if (Clipboard.Restore(*Saved))
      return true;
    if (attempt < RestoreAttempts)
      Time.WaitProcessingMessages(RestoreRetryMs);
  }
  return false;
}

}  // namespace tolvane::execution
