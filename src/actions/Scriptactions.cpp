#include <algorithm>
#include <string>
#include <vector>

#include "actions/Actionsteps.h"
#include "execution/Macroplayer.h"
#include "execution/Shellhlpr.h"
#include "modifier/Qxcliptxt.h"

namespace tolvane::actions::steps {
namespace {

// Lines end at CR LF, CR or LF; a break at the very end opens no further line.
std::vector<std::u16string> ScriptLines(std::u16string_view text) {
  std::vector<std::u16string> lines;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find_first_of(u"\r\n"), text.size());
    lines.emplace_back(text.substr(0, end));
    std::size_t next = end;
    if (next < text.size())
      next += text.substr(next, 2) == u"\r\n" ? 2 : 1;
    text.remove_prefix(next);
  }
  return lines;
}

}  // namespace

void PerformMacro(const storage::TItem& item, const TActionHost& host) {
  RestoreTarget(host);
  execution::TQxInputList list(item.KeyMacro);
  if (!execution::PlayInputList(list, item.RepeatCount, host.Services.Keyboard, host.Services.Time))
    execution::ShowErrorMessage(host.Services.MessageBox, u"Error Playing Macro",
                                u"The system did not let all keystrokes through, so the macro was stopped.");
}

void PerformClipModifier(const storage::TItem& item, const TActionHost& host) {
  if (item.XClip.empty())
    return;
  RestoreTarget(host);
  if (CtrlHeld(host)) {
    if (PutOnClipboard(item.XClip, host))
      (void)SendPaste(host);
    return;
  }
  modifier::TQxClipTxt clip(host.Services, host.ShowMainWindow);
  if (!clip.RunScript(ScriptLines(item.XClip)) && host.BringBarToFront)
    host.BringBarToFront();
}

}  // namespace tolvane::actions::steps
