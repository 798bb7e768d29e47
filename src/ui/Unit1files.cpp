// TForm1: the menu file commands that ask for a file: new, open, append, save as and save branch.

#include "ui/Unit1.h"

#include <optional>
#include <string>

#include "execution/Shellhlpr.h"
#include "storage/Itemfile.h"
#include "storage/Pathnames.h"
#include "uimodel/Treeedit.h"

namespace tolvane::ui {

namespace {

platform::TFileDialogRequest MenuFileRequest(HWND owner, bool save, std::u16string_view folder) {
  platform::TFileDialogRequest request;
  request.Owner = reinterpret_cast<platform::TWindowHandle>(owner);
  if (save)
    request.Filters = {{u"Tolvane data files (*.TvXml)", u"*.TvXml"}};
  else
    request.Filters = {{u"Tolvane Files(*.TvXml)", u"*.tvxml"}};
  request.DefaultExtension = storage::TvXmlExtension;
  request.InitialFolder = folder;
  // The replace question is the program's own, asked after the extension is settled.
  request.PromptOverwrite = false;
  return request;
}

}  // namespace

std::optional<std::u16string> TForm1::AskFileName(bool save, std::u16string_view folder,
                                                  std::u16string_view proposedName) {
  platform::TFileDialogRequest request = MenuFileRequest(Hwnd, save, folder);
  request.InitialFileName = proposedName;
  platform::IFileDialogs& dialogs = Context.Services.FileDialogs;
  const platform::TFileDialogResult result = save ? dialogs.SaveFile(request) : dialogs.OpenFile(request);
  if (result.Outcome == platform::TFileDialogOutcome::Failed) {
    (void)execution::ReportSystemError(Context.Services.MessageBox, result.Error, u"Tolvane",
                                       u"The file dialog could not be shown:", u"", request.Owner);
    return std::nullopt;
  }
  const std::optional<std::u16string> chosen = result.Chosen();
  if (!chosen || !save)
    return chosen;
  std::u16string path = uimodel::WithDefaultMenuExtension(*chosen);
  if (Context.Services.Files.FileExists(path) &&
      !execution::AskYesNo(Context.Services.MessageBox, uimodel::FileQuestionCaption,
                           uimodel::ReplaceFileQuestion(path), request.Owner))
    return std::nullopt;
  return path;
}

// Pending changes are saved before another file replaces them; when that save fails or the user keeps
// them nothing is replaced.
bool TForm1::SavePendingChanges() {
  return !Context.Menu.MenuModified || uimodel::ChangesSettled(SaveActiveFile());
}

uimodel::TActiveSaveResult TForm1::SaveActiveFile() {
  CloseAllMenus();
  const std::u16string path = Context.Settings.ActiveFile;
  const uimodel::TActiveSaveActions actions{[this, path] { return LoadMenu(path, false); },
                                            [this] { return SaveMenuAs(); }};
  return uimodel::SaveActiveMenu(Context.Menu, path, Context.Services.MessageBox,
                                 reinterpret_cast<platform::TWindowHandle>(Hwnd), actions);
}

void TForm1::RunFileCommand(uimodel::TMainAction action) {
  CloseAllMenus();
  storage::TSettings& settings = Context.Settings;
  switch (action) {
    case uimodel::TMainAction::NewFile: {
      if (!SavePendingChanges())
        return;
      const std::optional<std::u16string> path = AskFileName(true, settings.SaveAsDir, u"");
      if (!path || !Context.Menu.CreateMenuFile(*path, u"") || !LoadMenu(*path, false))
        return;
      Context.Menu.MenuModified = true;
      return;
    }
    case uimodel::TMainAction::OpenFile:
    case uimodel::TMainAction::AppendFile: {
      const std::optional<std::u16string> path = AskFileName(false, settings.OpenTvXmlFileDir, u"");
      if (!path || !SavePendingChanges())
        return;
      if (!LoadMenu(*path, action == uimodel::TMainAction::AppendFile))
        return;
      settings.OpenTvXmlFileDir = std::u16string(storage::ExtractFilePath(*path));
      WidenTreeToFit();
      return;
    }
    case uimodel::TMainAction::SaveMenuAs:
      SaveMenuAs();
      return;
    default:
      return;
  }
}

bool TForm1::SaveMenuAs() {
  storage::TSettings& settings = Context.Settings;
  const std::optional<std::u16string> path =
      AskFileName(true, settings.SaveAsDir, storage::ExtractFileName(settings.ActiveFile));
  if (!path)
    return false;
  const bool modified = Context.Menu.MenuModified;
  if (Context.Menu.SaveMenuFile(*path) != storage::TMenuSaveResult::Saved)
    return false;
  settings.SaveAsDir = std::u16string(storage::ExtractFilePath(*path));
  // The save cleared the flag, yet the active file has not got the changes: they are still pending for it
  // unless the new file takes its place.
  const bool sameFile =
      Context.Services.Locale.Compare(*path, settings.ActiveFile, true, platform::TLocaleScope::System) == 0;
  Context.Menu.MenuModified = modified && !sameFile;
  if (execution::AskYesNo(Context.Services.MessageBox, uimodel::FileQuestionCaption,
                          uimodel::UseNewFileNameQuestion, reinterpret_cast<platform::TWindowHandle>(Hwnd))) {
    (void)LoadMenu(*path, false);
    return true;
  }
  settings.MruList.Add(Context.Services.Locale, *path);
  RebuildMenuFiles();
  return true;
}

void TForm1::SaveBranch(const storage::TItem& item) {
  CloseAllMenus();
  storage::TSettings& settings = Context.Settings;
  const std::optional<std::u16string> path = AskFileName(true, settings.SaveAsDir, item.Name);
  if (!path || !Context.Menu.SaveBranch(item, *path))
    return;
  settings.MruList.Add(Context.Services.Locale, *path);
  RebuildMenuFiles();
}

}  // namespace tolvane::ui
