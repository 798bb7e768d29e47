#include "platform/native/Nativeclipboard.h"

#include <utility>

#include "platform/portable/Textsnapshot.h"

namespace tolvane::native {

bool TNativeClipboard::SetPasteText(std::u16string_view text) {
  if (!SetText(text))
    return false;
  PasteHeld = true;
  return true;
}

bool TNativeClipboard::TakeText(std::u16string&& text) {
  PasteHeld = false;
  Content = std::move(text);
  if (OnChange)
    OnChange();
  return true;
}

bool TNativeClipboard::Clear() {
  PasteHeld = false;
  Content.reset();
  if (OnChange)
    OnChange();
  return true;
}

bool TNativeClipboard::SetChangeHandler(std::function<void()> onChange) {
  OnChange = std::move(onChange);
  return true;
}

std::optional<platform::TClipboardSnapshot> TNativeClipboard::Snapshot() {
  return portable::TextSnapshot(Content);
}

bool TNativeClipboard::Restore(const platform::TClipboardSnapshot& snapshot) {
  PasteHeld = false;
  Content = portable::SnapshotText(snapshot);
  if (OnChange)
    OnChange();
  return true;
}

}  // namespace tolvane::native
