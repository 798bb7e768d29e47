#pragma once
// Clipboard snapshots of the clipboards that hold Unicode text only.

#include <optional>
#include <string>
#include <string_view>

#include "platform/Clipboard.h"

namespace tolvane::portable {

// The format number of Unicode text (CF_UNICODETEXT).
inline constexpr std::uint32_t UnicodeTextFormat = 13;

// The text as a snapshot of one Unicode text format (code units, little-endian, with the terminating zero);
// no text gives an empty snapshot.
platform::TClipboardSnapshot TextSnapshot(std::optional<std::u16string_view> text);
// The text such a snapshot holds; nullopt when it holds none.
std::optional<std::u16string> SnapshotText(const platform::TClipboardSnapshot& snapshot);

}  // namespace tolvane::portable
