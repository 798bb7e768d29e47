#include "modifier/Qxcliptxt.h"

#include <utility>

namespace tolvane::modifier {
namespace {

constexpr int ReadAttempts = 5;
constexpr std::uint32_t RetryPauseMs = 50;

}  // namespace

std::optional<platform::TSharedText> TQxClipTxt::ReadClipboardText() {
  for (int attempt = 0; attempt < ReadAttempts; ++attempt) {
    // A clipboard without text is read successfully as empty.
    if (!Services.Clipboard.HasText())
      return std::make_shared<const std::u16string>();
    if (std::optional<platform::TSharedText> text = Services.Clipboard.GetSharedText())
      return text;
    Services.Time.Sleep(RetryPauseMs);
  }
  return std::nullopt;
}

void TQxClipTxt::LoadFromClipboard() {
  Lines.Clear();
  Vars.clear();
  if (std::optional<platform::TSharedText> text = ReadClipboardText()) {
    LastRead = std::move(*text);
  } else {
    Messages.Error(u"Error Reading Clipboard",
                   u"The system say:  \r\n" + Services.Clipboard.LastError().Message + u"\r\n");
  }
  if (!ClipText().empty())
    SetLinesFromClipText();
}

}  // namespace tolvane::modifier
