#pragma once
// Copying the whole clipboard and putting it back; used while the clipboard is open.

#include <optional>

#include "platform/Clipboard.h"
#include "platform/win32/Win.h"

namespace tolvane::win32 {

// More than this is not kept: a paste would then cost the time and memory of a copy of, say, a huge bitmap.
inline constexpr std::size_t SnapshotLimitBytes = 64U << 20;

// Copies every format of the open clipboard whose data is global memory, and an enhanced metafile by its
// bits. Bitmaps, palettes and metafile pictures are GDI handles that the system makes again from the
// device-independent bitmap or the enhanced metafile; owner-display, private and GDI-object formats belong to
// the program that put them there. Those are skipped and counted. nullopt, with the error set, when a
// format's data cannot be read or the content is over the limit.
std::optional<platform::TClipboardSnapshot> CopyOpenClipboard(DWORD& error);
// Puts the formats on the open, emptied clipboard; false with the error at the first that is refused.
bool PutSnapshot(const platform::TClipboardSnapshot& snapshot, DWORD& error);
// Marks the open clipboard's content as not to be kept in the clipboard history, uploaded to the cloud
// clipboard or processed by clipboard monitors.
bool PutPasteMarks(DWORD& error);

}  // namespace tolvane::win32
