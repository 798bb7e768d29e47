#include <algorithm>
#include <string>
#include <vector>

#include "actions/Actionsteps.h"
#include "execution/Heldmodifiers.h"
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
  const platform::TWindowHandle target = RestoreTarget(host);
  if (!TargetTakesInput(target, host, u"The macro was not played."))
    return;
  execution::TQxInputList list(item.KeyMacro.Str());
  bool played = false;
  {
    const execution::THeldModifiers held(host.Services.Keyboard, host.Services.Time);
    played = execution::PlayInputList(list, item.RepeatCount, host.Services.Keyboard, host.Services.Time);
  }
  if (!played)
    execution::ShowErrorMessage(host.Services.MessageBox, u"Error Playing Macro",
                                u"The system did not let all keystrokes through, so the macro was stopped.");
}

void PerformClipModifier(const storage::TItem& item, const TActionHost& host) {
  if (item.XClip.empty())
    return;
  const platform::TWindowHandle target = RestoreTarget(host);
  execution::TPasteClipboard clipboard(host.Services.Clipboard, host.Services.Time, host.RestoreClipboard);
  if (CtrlHeld(host)) {
    if (PutOnClipboard(clipboard, item.XClip, host))
      (void)SendPaste(clipboard, target, host);
    return;
  }
  modifier::TQxClipTxt clip(host.Services, host.ShowMainWindow);
  clip.PasteClipboard = &clipboard;
  bool ran = false;
  {
    const execution::THeldModifiers held(host.Services.Keyboard, host.Services.Time);
    ran = clip.RunScript(ScriptLines(item.XClip));
  }
  (void)clipboard.Finish();
  if (!ran && host.BringBarToFront)
    host.BringBarToFront();
}

}  // namespace tolvane::actions::steps
