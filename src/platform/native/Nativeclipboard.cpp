#include "platform/native/Nativeclipboard.h"

#include <utility>

namespace tolvane::native {

bool TNativeClipboard::SetText(std::u16string_view text) {
  Content = std::u16string(text);
  if (OnChange)
    OnChange();
  return true;
}

bool TNativeClipboard::Clear() {
  Content.reset();
  if (OnChange)
    OnChange();
  return true;
}

bool TNativeClipboard::SetChangeHandler(std::function<void()> onChange) {
  OnChange = std::move(onChange);
  return true;
}

}  // namespace tolvane::native
