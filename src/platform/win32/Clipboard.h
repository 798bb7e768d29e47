#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/Clipboard.h"
#include "platform/win32/Messagewindow.h"

namespace tolvane::win32 {

// The clipboard through the Unicode text format. Owns a message-only window that opens the clipboard and,
// once a change handler is set, listens for clipboard updates; so it must be used on the thread that created
// it.
class TClipboard final : public platform::IClipboard {
 public:
  TClipboard();
  ~TClipboard() override;

  bool HasText() override;
  std::optional<std::u16string> GetText() override;
  [[nodiscard]] bool SetText(std::u16string_view text) override;
  [[nodiscard]] bool Clear() override;
  platform::TSystemError LastError() const override { return Error; }
  bool SetChangeHandler(std::function<void()> onChange) override;
  // The text is rendered late: the clipboard holds a promise of it, and the request to render it tells that
  // the paste target has taken it.
  [[nodiscard]] bool SetPasteText(std::u16string_view text) override;
  bool PasteTextTaken() override { return !PendingPaste.has_value(); }
  bool HoldsPasteText() override { return PasteHeld; }
  std::optional<platform::TClipboardSnapshot> Snapshot() override;
  [[nodiscard]] bool Restore(const platform::TClipboardSnapshot& snapshot) override;

 private:
  [[nodiscard]] bool Open();
  bool Fail(DWORD code);
  std::optional<std::u16string> ReadOpenClipboard();
  bool StartListening();
  void StopListening();
  bool OnMessage(UINT message);
  void RenderPasteText();

  platform::TSystemError Error;
  std::function<void()> OnChange;
  bool Listening = false;
  // The paste text promised to the clipboard and not yet asked for.
  std::optional<std::u16string> PendingPaste;
  // Cleared when anyone empties the clipboard after our paste text went there.
  bool PasteHeld = false;
  TMessageWindow Window;
};

}  // namespace tolvane::win32
