#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/Clipboard.h"

namespace tolvane::native {

// A clipboard private to this process: there is no desktop clipboard to share natively. The change handler
// runs synchronously inside SetText and Clear.
class TNativeClipboard final : public platform::IClipboard {
 public:
  bool HasText() override { return Content != nullptr; }
  std::optional<std::u16string> GetText() override { return Content ? *Content : std::u16string(); }
  std::optional<platform::TSharedText> GetSharedText() override;
  [[nodiscard]] bool SetText(std::u16string_view text) override;
  [[nodiscard]] bool SetSharedText(platform::TSharedText text) override;
  [[nodiscard]] bool Clear() override;
  platform::TSystemError LastError() const override { return {}; }
  bool SetChangeHandler(std::function<void()> onChange) override;
  // There is no other program to keep the text away from, nor one that reads it.
  [[nodiscard]] bool SetPasteText(std::u16string_view text) override;
  bool PasteTextTaken() override { return true; }
  bool HoldsPasteText() override { return PasteHeld; }
  std::optional<platform::TClipboardSnapshot> Snapshot() override;
  [[nodiscard]] bool Restore(const platform::TClipboardSnapshot& snapshot) override;

 private:
  platform::TSharedText Content;  // null: no text
  std::function<void()> OnChange;
  bool PasteHeld = false;
};

}  // namespace tolvane::native
