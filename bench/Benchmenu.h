#pragma once
// A large menu shaped like a heavy user's: folders nested up to four levels, text clips of a few hundred
// characters, keystroke macros, web sites, mails and a few programs. The same seed gives the same tree.

#include <cstdint>

#include "storage/Item.h"

namespace tolvane::bench {

inline constexpr int DeepestFolderLevel = 4;  // the root is level 0; leaves sit one level deeper

// Adds exactly itemCount items (folders included) below root and names the root.
void FillBenchMenu(storage::TItem& root, int itemCount, std::uint32_t seed);

// Folders and items below the item, at every depth.
int CountItemsBelow(const storage::TItem& item);

}  // namespace tolvane::bench
