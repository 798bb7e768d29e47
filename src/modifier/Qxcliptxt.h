#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "execution/Pasteclipboard.h"
#include "modifier/Functiontable.h"
#include "modifier/Messages.h"
#include "modifier/Qxclipline.h"
#include "modifier/Scriptlines.h"
#include "modifier/Separators.h"
#include "platform/Services.h"

namespace tolvane::modifier {

// The interpreter of one run of a modifier script over the clipboard text. Scripts change only the object's
// own lines until a function delivers them (clipboard, typed keys, Ctrl+V); nothing is delivered when a
// script ends.
class TQxClipTxt {
 public:
  // Reads the clipboard into the lines (a failure is shown and leaves no lines), builds the function table
  // and asks to be told of clipboard changes. showMainWindow brings the main window forward before a
  // parameter message; without it the message is shown alone.
  explicit TQxClipTxt(const platform::TServices& services, std::function<void()> showMainWindow = {});
  virtual ~TQxClipTxt();
  TQxClipTxt(const TQxClipTxt&) = delete;
  TQxClipTxt& operator=(const TQxClipTxt&) = delete;

  // Runs the lines in order; false when a line stopped the run (its message has been shown, StoppedAt holds
  // its index). The lines keep what the completed calls made of them.
  [[nodiscard]] bool RunScript(const std::vector<std::u16string>& scriptLines);
  // One call: reads the parameter text into fresh slots and performs the function. False when the run must
  // stop: unreadable parameters, or a function that this build does not perform.
  [[nodiscard]] bool ExecuteFunction(std::int32_t id, std::u16string_view paramText);
  // Fills the template for every line from the VARs, the line's words and its text. With skipNoWordLines a
  // line without words stays as it is.
  void ApplyTemplate(std::u16string_view templateText, bool skipNoWordLines);
  TLookUp LookUpFunction(std::u16string_view line) const;

  // Rebuilding the lines invalidates the VARs taken from the old first line, so both go.
  void SetLinesFromText(std::u16string_view text);
  // The lines from ClipText, or from a text read elsewhere, viewing it where it lies.
  void SetLinesFromClipText();
  void SetLinesFromText(platform::TSharedText text);
  std::u16string JoinedText() const;
  // The joined text without a copy where the lines still spell the text they were read from.
  platform::TSharedText SharedJoinedText() const;
  // Up to five reads 50 ms apart; a failure is shown and the lines come from the previous ClipText.
  void LoadFromClipboard();
  // The first line's words become the VARs and the line goes.
  void FirstLineAreVars();
  // The clipboard's text with up to five attempts 50 ms apart, nothing shown; empty when it holds no text,
  // nullopt when it could not be read.
  std::optional<platform::TSharedText> ReadClipboardText();
  // False when the foreground window's program runs with higher rights, so that the system would drop the
  // keys a function sends: the user is told once and the run stops after the current function.
  [[nodiscard]] bool ForegroundTakesKeys();

  platform::TServices Services;
  TRunMessages Messages;
  TSeparatorSet Separators;

  // The text as last read from the clipboard; where the clipboard keeps its text in memory, the same memory.
  std::u16string_view ClipText() const {
    return LastRead ? std::u16string_view(*LastRead) : std::u16string_view();
  }
  bool Listening = false;         // clipboard changes are reported
  bool ClipboardChanged = false;  // set by a change report; cleared by whoever waits for one
  std::vector<std::u16string> Vars;
  TClipLines Lines;
  TFunctionTable Functions;
  std::optional<std::size_t> StoppedAt;  // the script line that stopped the last RunScript (a block's Begin)
  // When set, Paste puts its text there (kept out of the clipboard history, the user's content going back
  // afterwards), and the functions that leave a result on the clipboard say so; when null, Paste writes the
  // clipboard plainly.
  execution::TPasteClipboard* PasteClipboard = nullptr;

 private:
  bool KeysRefused = false;
  platform::TSharedText LastRead;
  // Runs the line at i (a whole block when it opens one); the index of the last line it took, or nullopt
  // when the run must stop.
  std::optional<std::size_t> RunLine(const std::vector<std::u16string>& scriptLines, std::size_t i);
  // Runs the block opened at `begin`; the index of its End line, or nullopt when the run must stop.
  std::optional<std::size_t> RunTemplateBlock(const std::vector<std::u16string>& scriptLines,
                                              std::size_t begin, std::u16string_view paramText);
};

}  // namespace tolvane::modifier
