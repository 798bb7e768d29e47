#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Platformtypes.h"

namespace tolvane::platform {

// One entry of the dialog's file-type list.
struct TFileFilter {
  std::u16string Description;  // "Tolvane menu files"
  std::u16string Patterns;     // "*.TvXml", several separated by ';': "*.txt;*.log"

  bool operator==(const TFileFilter&) const = default;
};

struct TFileDialogRequest {
  TWindowHandle Owner = 0;
  std::u16string Title;  // empty: the system's "Open" or "Save As"
  std::vector<TFileFilter> Filters;
  // Added when the user types a name without an extension; with or without the leading dot.
  std::u16string DefaultExtension;
  std::u16string InitialFolder;
  std::u16string InitialFileName;
  bool PromptOverwrite = true;  // save: ask before replacing an existing file
  bool FileMustExist = true;    // open: only an existing file may be chosen

  bool operator==(const TFileDialogRequest&) const = default;
};

enum class TFileDialogOutcome { Chosen, Cancelled, Failed };

struct TFileDialogResult {
  TFileDialogOutcome Outcome = TFileDialogOutcome::Cancelled;
  std::u16string Path;  // the chosen file, when Chosen
  TSystemError Error;   // why the dialog could not be shown or answered, when Failed

  // The chosen file; nullopt when cancelled or failed.
  std::optional<std::u16string> Chosen() const {
    return Outcome == TFileDialogOutcome::Chosen ? std::optional(Path) : std::nullopt;
  }
  bool operator==(const TFileDialogResult&) const = default;

  static TFileDialogResult ChosenFile(std::u16string path) {
    return {TFileDialogOutcome::Chosen, std::move(path), {}};
  }
  static TFileDialogResult Cancelled() { return {TFileDialogOutcome::Cancelled, {}, {}}; }
  static TFileDialogResult Failed(TSystemError error) {
    return {TFileDialogOutcome::Failed, {}, std::move(error)};
  }
};

// The system's modal dialogs that ask the user for a file name. A failure of the dialog itself is Failed,
// never Cancelled, so the caller can tell the user instead of doing nothing.
class IFileDialogs {
 public:
  virtual ~IFileDialogs() = default;

  [[nodiscard]] virtual TFileDialogResult OpenFile(const TFileDialogRequest& request) = 0;
  [[nodiscard]] virtual TFileDialogResult SaveFile(const TFileDialogRequest& request) = 0;
};

}  // namespace tolvane::platform
