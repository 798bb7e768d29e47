#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Platformtypes.h"

namespace tolvane::platform {

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
  // Empties the clipboard and puts the text on it (an empty text is stored as an empty string).
  [[nodiscard]] virtual bool SetText(std::u16string_view text) = 0;
  // Empties the clipboard of every format.
  [[nodiscard]] virtual bool Clear() = 0;
  virtual TSystemError LastError() const = 0;

  // Called whenever the clipboard content changes, from the message loop of the calling thread.
  // An empty function removes the handler. Returns false when the system offers no change notification.
  virtual bool SetChangeHandler(std::function<void()> onChange) = 0;
};

}  // namespace tolvane::platform
