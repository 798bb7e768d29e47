#include <array>
#include <utility>

#include "execution/Keyinjection.h"
#include "execution/Pastekeys.h"
#include "modifier/Functionsupport.h"
#include "modifier/Modifierfunctions.h"

namespace tolvane::modifier::functions {
namespace {

constexpr int WriteAttempts = 5;
constexpr std::uint32_t RetryPauseMs = 50;
constexpr std::uint32_t CopyTimeoutMs = 2000;
constexpr std::uint32_t CopyPollMs = 20;
constexpr std::uint32_t PasteDelayMs = 50;

// Another program may hold the clipboard open for a moment, so each change gets a few tries.
template <class TAttempt>
bool WithRetries(TQxClipTxt& clip, TAttempt attempt) {
  for (int tried = 1;; ++tried) {
    if (attempt())
      return true;
    if (tried == WriteAttempts)
      return false;
    clip.Services.Time.Sleep(RetryPauseMs);
  }
}

// What the script writes to the clipboard itself is its result, so the user's earlier content stays away.
template <class TWrite>
bool WriteClipboard(TQxClipTxt& clip, TWrite write) {
  if (!WithRetries(clip, write))
    return false;
  if (clip.PasteClipboard != nullptr)
    clip.PasteClipboard->Keep();
  return true;
}

// Nothing to save leaves the clipboard as it is and counts as success. The joined text is shared, not
// copied: it can be as large as the whole clipboard.
bool SaveLines(TQxClipTxt& clip) {
  const platform::TSharedText text = clip.SharedJoinedText();
  if (text->empty())
    return true;
  return WriteClipboard(clip, [&] { return clip.Services.Clipboard.SetSharedText(text); });
}

bool SaveLinesForPaste(TQxClipTxt& clip) {
  if (clip.PasteClipboard == nullptr)
    return SaveLines(clip);
  const platform::TSharedText text = clip.SharedJoinedText();
  return text->empty() || WithRetries(clip, [&] { return clip.PasteClipboard->Put(*text); });
}

// The clipboard listener sets ClipboardChanged from the message loop, so the wait keeps it running.
void WaitForClipboardChange(TQxClipTxt& clip) {
  platform::ITime& time = clip.Services.Time;
  const std::uint32_t start = time.TickCount();
  while (!clip.ClipboardChanged && time.TickCount() - start < CopyTimeoutMs)
    time.WaitProcessingMessages(CopyPollMs);
}

void CopyFromTarget(TQxClipTxt& clip, std::uint16_t key, std::uint32_t keyFlags) {
  if (!clip.ForegroundTakesKeys())
    return;
  // Change reports are posted messages: one for an earlier change (our own Paste a line before, say) may
  // still be queued, and would end the wait before the target has copied anything. They are handled first.
  clip.Services.Time.WaitProcessingMessages(0);
  if (clip.PasteClipboard != nullptr)
    clip.PasteClipboard->KeepUserContent();
  clip.ClipboardChanged = false;
  const std::array<platform::TKeyRecord, 4> keys = {{
      {vk::Control, 0, 0},
      {key, 0, keyFlags},
      {key, 0, keyFlags | platform::KeyFlagUp},
      {vk::Control, 0, platform::KeyFlagUp},
  }};
  platform::IKeyboard& keyboard = clip.Services.Keyboard;
  execution::TKeyState pressed;
  // A key left down by a cut-off injection would stay down for the user.
  if (!execution::SendTracked(keyboard, keys, pressed))
    (void)execution::ReleaseKeys(keyboard, pressed);
  WaitForClipboardChange(clip);
  clip.LoadFromClipboard();
}

}  // namespace

void LoadFromClipboard(TQxClipTxt& clip, const TArgs&) {
  clip.LoadFromClipboard();
}

void ReloadClipboardData(TQxClipTxt& clip, const TArgs&) {
  if (clip.ClipText().empty())
    clip.LoadFromClipboard();
  else
    clip.SetLinesFromClipText();
}

void SaveToClipboard(TQxClipTxt& clip, const TArgs&) {
  (void)SaveLines(clip);  // a failure is only reported by Paste
}

void Clear(TQxClipTxt& clip, const TArgs&) {
  clip.Lines.Clear();
  clip.Vars.clear();
}

void ClearClipboard(TQxClipTxt& clip, const TArgs&) {
  if (WithRetries(clip, [&] { return clip.Services.Clipboard.Clear(); }) && clip.PasteClipboard != nullptr)
    clip.PasteClipboard->Keep();
}

void RemoveFormatting(TQxClipTxt& clip, const TArgs&) {
  // Putting the text back drops every other format. A clipboard without text, or one that cannot be read,
  // keeps what it holds: writing an empty text there would destroy it.
  if (clip.Services.Clipboard.HasText()) {
    if (const std::optional<platform::TSharedText> text = clip.ReadClipboardText())
      (void)WriteClipboard(clip, [&] { return clip.Services.Clipboard.SetText(**text); });
  }
  clip.LoadFromClipboard();
}

void Copy_Ctrl_C_ToClipboard(TQxClipTxt& clip, const TArgs&) {
  CopyFromTarget(clip, vk::C, 0);
}

void Copy_Ctrl_Insert_ToClipboard(TQxClipTxt& clip, const TArgs&) {
  CopyFromTarget(clip, vk::Insert, platform::KeyFlagExtended);
}

void Paste(TQxClipTxt& clip, const TArgs&) {
  if (!clip.ForegroundTakesKeys())
    return;
  clip.Services.Time.Sleep(PasteDelayMs);
  if (SaveLinesForPaste(clip)) {
    (void)execution::SendPasteKeys(true, clip.Services.Keyboard);
    return;
  }
  clip.Messages.Error(u"Clipboard Error", u"\r\n" + clip.Services.Clipboard.LastError().Message + u"\r\n");
}

}  // namespace tolvane::modifier::functions
