#include "platform/portable/Textsnapshot.h"

#include <algorithm>

namespace tolvane::portable {

platform::TClipboardSnapshot TextSnapshot(std::optional<std::u16string_view> text) {
  platform::TClipboardSnapshot snapshot;
  if (!text)
    return snapshot;
  platform::TClipboardFormatData data{UnicodeTextFormat, {}};
  data.Bytes.reserve((text->size() + 1) * 2);
  for (const char16_t unit : *text) {
    data.Bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    data.Bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  data.Bytes.insert(data.Bytes.end(), 2, 0);
  snapshot.Formats.push_back(std::move(data));
  return snapshot;
}

std::optional<std::u16string> SnapshotText(const platform::TClipboardSnapshot& snapshot) {
  const auto found = std::find_if(snapshot.Formats.begin(), snapshot.Formats.end(),
                                  [](const auto& data) { return data.Format == UnicodeTextFormat; });
  if (found == snapshot.Formats.end())
    return std::nullopt;
  std::u16string text;
  for (std::size_t i = 0; i + 1 < found->Bytes.size(); i += 2)
    text += static_cast<char16_t>(found->Bytes[i] | (found->Bytes[i + 1] << 8));
  // Up to the first zero, as a reader of the clipboard would take it.
  return text.substr(0, text.find(u'\0'));
}

}  // namespace tolvane::portable
