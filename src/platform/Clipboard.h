#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Platformtypes.h"

namespace tolvane::platform {

// One clipboard format with a copy of its data.
struct TClipboardFormatData {
  std::uint32_t Format = 0;
  std::vector<std::uint8_t> Bytes;

  bool operator==(const TClipboardFormatData&) const = default;
};

// A copy of the clipboard's content, in the order the formats were put there. Skipped counts the formats
// whose data cannot be copied (handles that belong to the program that put them there).
struct TClipboardSnapshot {
  std::vector<TClipboardFormatData> Formats;
  std::size_t Skipped = 0;

  bool operator==(const TClipboardSnapshot&) const = default;
};

// A text several owners hold without copying it.
using TSharedText = std::shared_ptr<const std::u16string>;

// The system clipboard, Unicode text only. Every call opens and closes the clipboard once; a call that fails
// (another program holds the clipboard open) returns false / nullopt and leaves LastError() set. Retrying is
// the caller's business, because the retry counts and pauses are part of the callers' behaviour.
class IClipboard {
 public:
  virtual ~IClipboard() = default;

  // True when text in the Unicode text format is available (no opening needed).
  virtual bool HasText() = 0;
  // The clipboard's Unicode text; an empty text when the clipboard holds no text; nullopt when it could not
  // be read.
  virtual std::optional<std::u16string> GetText() = 0;
  // GetText for a reader that keeps the text: a clipboard that keeps its text in memory of its own hands out
  // that memory instead of a copy. Never null when there is a value.
  virtual std::optional<TSharedText> GetSharedText() {
    std::optional<std::u16string> text = GetText();
    if (!text)
      return std::nullopt;
    return std::make_shared<const std::u16string>(std::move(*text));
  }
  // Empties the clipboard and puts the text on it (an empty text is stored as an empty string).
  [[nodiscard]] virtual bool SetText(std::u16string_view text) = 0;
  // SetText for a text held shared, so a clipboard that keeps text in memory of its own can hold the same
  // text instead of a copy. The caller keeps its share either way and may try again after a failure.
  [[nodiscard]] virtual bool SetSharedText(TSharedText text) { return SetText(*text); }
  // Empties the clipboard of every format.
  [[nodiscard]] virtual bool Clear() = 0;
  virtual TSystemError LastError() const = 0;

  // Puts text on the clipboard for a paste. It is marked so that the clipboard history, the cloud clipboard
  // and clipboard managers leave it alone, and where the system allows it the text is handed over only when a
  // program asks for it, which PasteTextTaken then reports.
  [[nodiscard]] virtual bool SetPasteText(std::u16string_view text) = 0;
  // True once a program has read the text of the last SetPasteText, or when that cannot be told.
  virtual bool PasteTextTaken() = 0;
  // True while the clipboard still holds what the last SetPasteText put there: nobody has replaced it since.
  virtual bool HoldsPasteText() = 0;
  // A copy of every format that can be copied; nullopt when the clipboard could not be opened or read, or
  // holds more than can be kept.
  virtual std::optional<TClipboardSnapshot> Snapshot() = 0;
  // Empties the clipboard and puts the snapshot back, marked like a paste text, so it is not recorded twice.
  [[nodiscard]] virtual bool Restore(const TClipboardSnapshot& snapshot) = 0;

  // Called whenever the clipboard content changes, from the message loop of the calling thread.
  // An empty function removes the handler. Returns false when the system offers no change notification.
  virtual bool SetChangeHandler(std::function<void()> onChange) = 0;
};

}  // namespace tolvane::platform
