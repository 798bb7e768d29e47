#include "uimodel/Programmenu.h"

#include <initializer_list>
#include <memory>

namespace tolvane::uimodel {

namespace {

struct TCommand {
  std::u16string_view Caption;
  std::u16string_view ShortCut;
  int Code;
  int Glyph;
};

constexpr int NoGlyph = -1;
constexpr int ProgramItemGlyph = 15;

constexpr TCommand Settings[] = {
    {u"Menu Settings", u"F7", command::MenuSettings, 10},
    {u"Program Settings", u"F3", command::ProgramSettings, 10},
};

// The three video entries of the help menu open pages of the help; their captions name what they show.
constexpr TCommand Help[] = {
    {u"Help General", u"F1", command::HelpGeneral, 22},
    {u"Help Clipboard Modifier", u"", command::HelpModifier, 22},
    {u"Help Keystroke Macro", u"", command::HelpMacro, 22},
    {u"Video: The Menu and the Editor", u"", command::HelpPageF, 24},
    {u"Video: Clips and Keystroke Macros", u"", command::HelpPageG, 24},
    {u"Video: Clipboard Modifiers", u"", command::HelpPageO, 24},
};

storage::TItem* AddCommand(storage::TItem& parent, const TCommand& command) {
  storage::TItem* item = parent.NewChild();
  item->Name = command.Caption;
  item->ShortCutText = command.ShortCut;
  item->ItemType = command.Code;
  item->ImageIndex = command.Glyph;
  return item;
}

void AddCommands(storage::TItem& parent, std::initializer_list<TCommand> commands) {
  for (const TCommand& command : commands)
    AddCommand(parent, command);
}

}  // namespace

std::unique_ptr<storage::TItem> NewProgramItem() {
  auto item = std::make_unique<storage::TItem>();
  item->ItemType = command::ProgramItem;
  item->Name = ProgramItemCaption;
  item->ImageIndex = ProgramItemGlyph;
  return item;
}

void BuildProgramCommands(storage::TItem& programItem) {
  programItem.Children.Clear();
  AddCommands(programItem, {{u"New Menu File", u"Ctrl+N", command::NewFile, 0},
                            {u"Open Menu File", u"Ctrl+O", command::OpenFile, 3},
                            {u"Append Menu File", u"Ctrl+B", command::AppendFile, 16},
                            {u"Menu Files", u"", command::MenuFiles, 5},
                            {u"Save ", u"Ctrl+S", command::Save, 2},
                            {u"Save As", u"F6", command::SaveAs, 6},
                            {u"Reload Menu File", u"F5", command::Reload, 1}});
  storage::TItem* settings = AddCommand(programItem, {u"Settings", u"", command::Settings, 10});
  for (const TCommand& entry : Settings)
    AddCommand(*settings, entry);
  AddCommands(programItem, {{u"Activate Editor", u"F12", command::ActivateEditor, 20},
                            {u"Search All Items", u"Ctrl+F", command::Search, 18},
                            {u"Create Shortcut", u"", command::CreateShortcut, 21}});
  storage::TItem* help = AddCommand(programItem, {u"Help", u"F1", command::Help, 22});
  for (const TCommand& entry : Help)
    AddCommand(*help, entry);
  AddCommands(programItem, {{u"About", u"", command::About, 23}, {u"Exit", u"Alt+F4", command::Exit, 7}});
}

storage::TItem* MenuFilesItem(storage::TItem& programItem) {
  for (storage::TItem& child : programItem.Children) {
    if (child.ItemType == command::MenuFiles)
      return &child;
  }
  return nullptr;
}

void FillMenuFiles(storage::TItem& menuFiles, const storage::TQxMruList& recentFiles) {
  menuFiles.Children.Clear();
  for (int i = 0; i < recentFiles.Count(); ++i) {
    const storage::TMruItem& entry = recentFiles.getItem(i);
    storage::TItem* item = AddCommand(menuFiles, {entry.Name, u"", command::RecentFile, NoGlyph});
    item->File = entry.FileName;
  }
}

void RefreshMenuFiles(storage::TItem& menuFiles, storage::TSettings& settings, platform::IFiles& files,
                      platform::ILocale& locale) {
  settings.MruList.Validate(files, locale);
  settings.MruList.AddFilesFromDir(files, locale, settings.WorkingDir, storage::TvXmlExtension);
  if (!settings.ActiveFile.empty())
    settings.MruList.Add(locale, settings.ActiveFile);
  FillMenuFiles(menuFiles, settings.MruList);
}

}  // namespace tolvane::uimodel
