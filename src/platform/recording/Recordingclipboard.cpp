#include "platform/recording/Recordingclipboard.h"

#include <utility>

#include "platform/portable/Textsnapshot.h"

namespace tolvane::recording {

bool TRecordingClipboard::Open() {
  ++Opens;
  if (FailingOpens == 0)
    return true;
  --FailingOpens;
  Error = FailingError;
  return false;
}

void TRecordingClipboard::Notify() {
  if (OnChange)
    OnChange();
}

namespace {

platform::TSharedText Shared(std::u16string&& text) {
  return std::make_shared<const std::u16string>(std::move(text));
}

}  // namespace

std::optional<std::u16string> TRecordingClipboard::GetText() {
  if (!Open())
    return std::nullopt;
  return Content ? *Content : std::u16string();
}

std::optional<platform::TSharedText> TRecordingClipboard::GetSharedText() {
  if (!Open())
    return std::nullopt;
  return Content ? Content : Shared(std::u16string());
}

std::optional<std::u16string_view> TRecordingClipboard::Text() const {
  if (!Content)
    return std::nullopt;
  return *Content;
}

bool TRecordingClipboard::SetText(std::u16string_view text) {
  return SetSharedText(Shared(std::u16string(text)));
}

bool TRecordingClipboard::SetSharedText(platform::TSharedText text) {
  if (!Open())
    return false;
  Content = std::move(text);
  Marked = false;
  RestoredMarked = false;
  Recorder.RecordClipboardSet(*Content, false);
  Notify();
  return true;
}

bool TRecordingClipboard::SetPasteText(std::u16string_view text) {
  if (!Open())
    return false;
  Content = Shared(std::u16string(text));
  Marked = true;
  RestoredMarked = false;
  Taken = TargetReads;
  Recorder.RecordClipboardSet(*Content, true);
  Notify();
  return true;
}

std::optional<platform::TClipboardSnapshot> TRecordingClipboard::Snapshot() {
  if (!Open())
    return std::nullopt;
  return portable::TextSnapshot(Text());
}

bool TRecordingClipboard::Restore(const platform::TClipboardSnapshot& snapshot) {
  if (!Open())
    return false;
  std::optional<std::u16string> text = portable::SnapshotText(snapshot);
  Content = text ? Shared(std::move(*text)) : nullptr;
  Marked = false;
  RestoredMarked = true;
  Recorder.Record(TClipboardRestoreAction{snapshot.Formats.size()});
  Notify();
  return true;
}

bool TRecordingClipboard::Clear() {
  if (!Open())
    return false;
  Content = nullptr;
  Marked = false;
  RestoredMarked = false;
  Recorder.Record(TClipboardClearAction{});
  Notify();
  return true;
}

bool TRecordingClipboard::SetChangeHandler(std::function<void()> onChange) {
  if (!NotificationsAvailable)
    return false;
  OnChange = std::move(onChange);
  return true;
}

void TRecordingClipboard::FailNextOpens(std::size_t count, platform::TSystemError error) {
  FailingOpens = count;
  FailingError = std::move(error);
}

void TRecordingClipboard::ChangeExternally(std::optional<std::u16string> text) {
  Content = text ? Shared(std::move(*text)) : nullptr;
  Marked = false;
  RestoredMarked = false;
  Notify();
}

}  // namespace tolvane::recording
