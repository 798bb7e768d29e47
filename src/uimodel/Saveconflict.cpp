#include "uimodel/Saveconflict.h"

namespace tolvane::uimodel {
namespace {

constexpr std::u16string_view ButtonSaveAs = u"Save &As...";
constexpr std::u16string_view ButtonOverwrite = u"&Overwrite";
constexpr std::u16string_view ButtonReload = u"&Reload";

std::u16string SaveConflictText(std::u16string_view path) {
  std::u16string text = u"Someone else saved the menu file after you opened or last saved it:\r\n";
  text += path;
  text +=
      u"\r\n\r\nSave As: save your menu under another name; the file keeps their changes.\r\n"
      u"Overwrite: replace their changes with your menu.\r\n"
      u"Reload: show their menu; your unsaved changes are lost.\r\n"
      u"Cancel: save nothing now and keep your changes.";
  return text;
}

}  // namespace

platform::TMsgRequest SaveConflictRequest(std::u16string_view path, platform::TWindowHandle owner) {
  namespace button = platform::msgbutton;
  platform::TMsgRequest request{std::u16string(SaveConflictCaption), SaveConflictText(path),
                                platform::TMsgKind::Exclamation,
                                button::Yes | button::No | button::Retry | button::Cancel, owner};
  // Yes is the default button, so Enter takes the answer that loses nobody's work.
  request.ButtonCaptions = {{button::Yes, std::u16string(ButtonSaveAs)},
                            {button::No, std::u16string(ButtonOverwrite)},
                            {button::Retry, std::u16string(ButtonReload)}};
  return request;
}

TSaveConflictChoice AskSaveConflict(platform::IMessageBox& box, std::u16string_view path,
                                    platform::TWindowHandle owner) {
  switch (box.Show(SaveConflictRequest(path, owner))) {
    case platform::TMsgResult::Yes:
      return TSaveConflictChoice::SaveAs;
    case platform::TMsgResult::No:
      return TSaveConflictChoice::Overwrite;
    case platform::TMsgResult::Retry:
      return TSaveConflictChoice::Reload;
    default:
      return TSaveConflictChoice::Cancel;
  }
}

TActiveSaveResult SaveActiveMenu(storage::TMenuFile& menu, std::u16string_view path,
                                 platform::IMessageBox& box, platform::TWindowHandle owner,
                                 const TActiveSaveActions& actions) {
  if (!menu.MenuFileReadOnly && menu.DiskChange(path) == storage::TDiskChange::Changed) {
    switch (AskSaveConflict(box, path, owner)) {
      case TSaveConflictChoice::SaveAs:
        return actions.SaveAs() ? TActiveSaveResult::SavedElsewhere : TActiveSaveResult::Kept;
      case TSaveConflictChoice::Reload:
        return actions.Reload() ? TActiveSaveResult::Reloaded : TActiveSaveResult::Kept;
      case TSaveConflictChoice::Cancel:
        return TActiveSaveResult::Kept;
      case TSaveConflictChoice::Overwrite:
        break;
    }
  }
  return menu.SaveMenuFile(path) == storage::TMenuSaveResult::Saved ? TActiveSaveResult::Saved
                                                                    : TActiveSaveResult::Failed;
}

}  // namespace tolvane::uimodel
