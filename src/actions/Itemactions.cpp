#include "actions/Itemactions.h"

#include <exception>

#include "actions/Actionsteps.h"
#include "common/Unicode.h"
#include "execution/Shellhlpr.h"
#include "platform/Virtualkeys.h"

namespace tolvane::actions {
namespace {

// Ctrl alone picks the hint, Shift alone all three texts; any other mask the first text that is not empty.
std::u16string ClipText(const storage::TItem& item, int modifierMask) {
  if (modifierMask == ModifierCtrl)
    return item.Tip.Str();
  if (modifierMask == ModifierShift)
    return item.Name + u"\r\n" + item.Tip + u"\r\n" + item.Code;
  if (!item.Code.empty())
    return item.Code.Str();
  return !item.Tip.empty() ? item.Tip.Str() : item.Name.Str();
}

// The text an item stands for, pasted instead of performing it while Ctrl is held.
std::u16string CtrlPasteText(const storage::TItem& item) {
  switch (item.ItemType) {
    case storage::ItemTypeProgram:
      return item.Program + u" " + item.QParams;
    case storage::ItemTypeWebSite:
      return item.Url.Str();
    case storage::ItemTypeMail:
      return item.Email.Str();
    case storage::ItemTypeKeyMacro:
      return item.KeyMacro.Str();
    case storage::ItemTypeClipModifier:
      return item.XClip.Str();
    default:
      return {};
  }
}

void Dispatch(storage::TItem& item, int modifierMask, const TActionHost& host) {
  switch (item.ItemType) {
    case storage::ItemTypeClip:
    case storage::ItemTypeFolderClip:
      (void)PasteText(ClipText(item, modifierMask), host);
      return;
    case storage::ItemTypeProgram:
      if (!steps::PastedForCtrl(item, host))
        steps::PerformProgram(item, host);
      return;
    case storage::ItemTypeWebSite:
      steps::PerformWebsite(item, host);
      return;
    case storage::ItemTypeMail:
      if (!steps::PastedForCtrl(item, host))
        steps::PerformMail(item, host);
      return;
    case storage::ItemTypeKeyMacro:
      if (!steps::PastedForCtrl(item, host))
        steps::PerformMacro(item, host);
      return;
    case storage::ItemTypeClipModifier:
      steps::PerformClipModifier(item, host);
      return;
    default:
      return;  // folders and unknown types do nothing
  }
}

}  // namespace

namespace steps {

bool CtrlHeld(const TActionHost& host) {
  return host.Services.Keyboard.IsKeyDown(platform::vk::Control);
}

bool PastedForCtrl(const storage::TItem& item, const TActionHost& host) {
  if (!CtrlHeld(host))
    return false;
  (void)PasteText(CtrlPasteText(item), host);
  return true;
}

}  // namespace steps

void PerformItem(storage::TItem& item, int modifierMask, const TActionHost& host) {
  // The caller is a window procedure, which no exception may cross.
  try {
    Dispatch(item, modifierMask, host);
  } catch (const std::exception& error) {
    execution::ShowErrorMessage(host.Services.MessageBox, u"Error Performing Item",
                                u"The message is:\r\n" + Utf8ToUtf16(error.what()));
  }
}

}  // namespace tolvane::actions
