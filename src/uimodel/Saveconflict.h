#pragma once
// Saving the menu to its own file when someone else changed that file since the menu read or wrote it:
// the user chooses between their version, ours, and ours under another name.

#include <functional>
#include <string>
#include <string_view>

#include "platform/Messagebox.h"
#include "storage/Itemfile.h"

namespace tolvane::uimodel {

enum class TSaveConflictChoice { SaveAs, Overwrite, Reload, Cancel };

inline constexpr std::u16string_view SaveConflictCaption = u"Menu File Changed";

// The question, with buttons that say what they do; Esc and closing the box cancel.
platform::TMsgRequest SaveConflictRequest(std::u16string_view path, platform::TWindowHandle owner);
TSaveConflictChoice AskSaveConflict(platform::IMessageBox& box, std::u16string_view path,
                                    platform::TWindowHandle owner);

enum class TActiveSaveResult {
  Saved,           // the file holds the menu
  Reloaded,        // the menu holds the file: the user gave up the pending changes
  SavedElsewhere,  // the menu went to another file the user chose
  Kept,            // nothing was written; the pending changes are still there
  Failed,          // writing failed, as reported
};

// What the window does for two of the answers: loading the file into the menu again, and Save As. Each
// returns false when it did not happen (a failed load, a cancelled file dialog).
struct TActiveSaveActions {
  std::function<bool()> Reload;
  std::function<bool()> SaveAs;
};

// Saves the menu to its file, asking first when the file changed on disk since the menu read or wrote it.
// A file deleted meanwhile is written again without a question: nothing of anyone else's is lost by it.
TActiveSaveResult SaveActiveMenu(storage::TMenuFile& menu, std::u16string_view path,
                                 platform::IMessageBox& box, platform::TWindowHandle owner,
                                 const TActiveSaveActions& actions);

// The pending changes are safe (saved somewhere, or given up by the user's choice).
inline bool ChangesSettled(TActiveSaveResult result) {
  return result != TActiveSaveResult::Kept && result != TActiveSaveResult::Failed;
}

}  // namespace tolvane::uimodel
