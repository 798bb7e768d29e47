// TForm1: the menu file commands that ask for a file: new, open, append, save as and save branch.

#include "ui/Unit1.h"

#include <optional>
#include <string>

#include "execution/Shellhlpr.h"
#include "storage/Itemfile.h"
#include "storage/Pathnames.h"

namespace tolvane::ui {

namespace {

constexpr std::u16string_view kQuestionCaption = u"Question for you";

platform::TFileDialogRequest MenuFileRequest(HWND owner, std::u16string_view folder) {
  platform::TFileDialogRequest request;
  request.Owner = reinterpret_cast<platform::TWindowHandle>(owner);
  request.Filters = {{u"Tolvane Files (*.TvXml)", u"*.TvXml"}, {u"All Files (*.*)", u"*.*"}};
  request.DefaultExtension = storage::TvXmlExtension;
  request.InitialFolder = folder;
  // The replace question is the program's own, asked after the extension is settled.
  request.PromptOverwrite = false;
  return request;
}

}  // namespace

std::optional<std::u16string> TForm1::AskFileName(bool save, std::u16string_view folder,
                                                  std::u16string_view proposedName) {
  platform::TFileDialogRequest request = MenuFileRequest(Hwnd, folder);
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
  std::u16string path = storage::WithMenuFileExtension(*chosen);
  if (Context.Services.Files.FileExists(path) &&
      !execution::AskYesNo(Context.Services.MessageBox, kQuestionCaption,
                           u"The file: \r\n" + path + u"\r\nAlready exists do you want to replace it ?",
                           request.Owner))
    return std::nullopt;
  return path;
}

// Pending changes are saved before another file replaces them; when that save fails nothing is replaced.
bool TForm1::SavePendingChanges() {
  return !Context.Menu.MenuModified ||
         Context.Menu.SaveMenuFile(Context.Settings.ActiveFile) == storage::TMenuSaveResult::Saved;
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
      if (LoadMenu(*path, action == uimodel::TMainAction::AppendFile))
        settings.OpenTvXmlFileDir = std::u16string(storage::ExtractFilePath(*path));
      return;
    }
    case uimodel::TMainAction::SaveMenuAs:
      SaveMenuAs();
      return;
    default:
      return;
  }
}

void TForm1::SaveMenuAs() {
  storage::TSettings& settings = Context.Settings;
  const std::optional<std::u16string> path =
      AskFileName(true, settings.SaveAsDir, storage::ExtractFileName(settings.ActiveFile));
  if (!path || Context.Menu.SaveMenuFile(*path) != storage::TMenuSaveResult::Saved)
    return;
  settings.SaveAsDir = std::u16string(storage::ExtractFilePath(*path));
  if (execution::AskYesNo(Context.Services.MessageBox, kQuestionCaption,
                          u"Do you want to use the new File Name ??",
                          reinterpret_cast<platform::TWindowHandle>(Hwnd))) {
    (void)LoadMenu(*path, false);
    return;
  }
  settings.MruList.Add(Context.Services.Locale, *path);
  RebuildMenuFiles();
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
