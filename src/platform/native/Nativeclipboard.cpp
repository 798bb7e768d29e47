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

std::optional<platform::TSharedText> TNativeClipboard::GetSharedText() {
  return Content ? Content : std::make_shared<const std::u16string>();
}

bool TNativeClipboard::SetText(std::u16string_view text) {
  return SetSharedText(std::make_shared<const std::u16string>(text));
}

bool TNativeClipboard::SetSharedText(platform::TSharedText text) {
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
  return portable::TextSnapshot(Content ? std::optional<std::u16string_view>(*Content) : std::nullopt);
}

bool TNativeClipboard::Restore(const platform::TClipboardSnapshot& snapshot) {
  PasteHeld = false;
  std::optional<std::u16string> text = portable::SnapshotText(snapshot);
  Content = text ? std::make_shared<const std::u16string>(std::move(*text)) : nullptr;
  if (OnChange)
    OnChange();
  return true;
}

}  // namespace tolvane::native
