#include "storage/Itemfile.h"

#include <new>
#include <stdexcept>
#include <utility>

#include "common/Asciicase.h"
#include "storage/Itemreader.h"
#include "storage/Itemwriter.h"
#include "storage/Xmlfile.h"

namespace tolvane::storage {
namespace {

constexpr std::u16string_view LoadErrorCaption = u"Load file error!";
constexpr std::u16string_view LoadErrorLeadIn = u"Loading file failed with message:\r\n";
constexpr std::u16string_view SaveErrorCaption = u"Save File Error";
constexpr std::u16string_view SaveErrorLeadIn = u"The error message is\r\n\r\n:";
constexpr std::u16string_view ReadOnlyCaption = u"File Information";
constexpr std::u16string_view ReadOnlyText =
    u"You do not have write access to the file\r\nthat is currently loaded in Tolvane!";
constexpr std::u16string_view NotAMenuFile = u"The file is not a Tolvane Data File";
constexpr std::u16string_view NotEnoughMemory = u"Not enough memory to read the file";
constexpr std::u16string_view TooDeepToSave =
    u"The menu is nested too deeply to be saved: items can be nested at most 999 levels deep.\r\n"
    u"Move the deepest items up and save again.";
static_assert(MaxItemLevel == 999, "the message names the limit");
constexpr std::u16string_view BranchRootName = u"SavedBranch";
constexpr int RootImageIndex = 15;

bool EndsWithIgnoringCase(std::u16string_view text, std::u16string_view suffix) {
  if (text.size() < suffix.size())
    return false;
  const std::u16string_view tail = text.substr(text.size() - suffix.size());
  for (std::size_t i = 0; i < suffix.size(); ++i) {
    if (AsciiLower(tail[i]) != AsciiLower(suffix[i]))
      return false;
  }
  return true;
}

// The file name without folder and extension.
std::u16string_view BaseName(std::u16string_view path) {
  const std::size_t slash = path.find_last_of(u"\\/");
  const std::u16string_view name = slash == std::u16string_view::npos ? path : path.substr(slash + 1);
  return name.substr(0, name.rfind(u'.'));
}

std::unique_ptr<TItem> NewRootItem() {
  auto root = std::make_unique<TItem>();
  root->ImageIndex = RootImageIndex;
  return root;
}

}  // namespace

std::u16string WithMenuFileExtension(std::u16string_view fileName) {
  std::u16string result(fileName);
  if (!EndsWithIgnoringCase(fileName, MenuFileExtension))
    result += MenuFileExtension;
  return result;
}

void TMenuFile::ShowMessage(std::u16string_view caption, std::u16string text, platform::TMsgKind kind) {
  (void)platform::ShowMessageBox(Services.MessageBox, caption, text, kind);
}

void TMenuFile::SetProgramItem(std::unique_ptr<TItem> item) {
  if (!RootItem)
    RootItem = NewRootItem();
  if (ProgramItem != nullptr)
    RootItem->DeleteChild(ProgramItem);
  ProgramItem = RootItem->Children.Empty()
                    ? RootItem->AppendChild(std::move(item))
                    : RootItem->InsertChild(RootItem->Children[0], std::move(item), true);
}

void TMenuFile::InstallRoot(std::unique_ptr<TItem> root) {
  std::unique_ptr<TItem> program;
  if (RootItem && ProgramItem != nullptr)
    program = RootItem->RemoveChild(ProgramItem);
  if (program) {
    const TItem* first = root->Children.Empty() ? nullptr : root->Children[0];
    root->InsertChild(first, std::move(program), true);
  }
  RootItem = std::move(root);
}

void TMenuFile::PrepareLoad(std::u16string_view fileName) {
  Prepared.reset();
  TPreparedLoad prepared{std::u16string(fileName), NewRootItem(), {}, {}};
  if (ReadMenuTree(fileName, *prepared.Root, prepared.Version, prepared.Stamp).empty())
    Prepared = std::move(prepared);
}

bool TMenuFile::TakePrepared(std::u16string_view fileName) {
  std::optional<TPreparedLoad> prepared = std::exchange(Prepared, std::nullopt);
  if (!prepared || !SameFilePath(fileName, prepared->Path))
    return false;
  // A file written since it was read, or while it was read (its stamp then keeps no time), is read again.
  const std::optional<platform::TFileInfo> info = Services.Files.Info(fileName);
  if (!info || *info != prepared->Stamp.Info)
    return false;
  MenuFileVersion = std::move(prepared->Version);
  InstallRoot(std::move(prepared->Root));
  StampedPath = fileName;
  Stamp = prepared->Stamp;
  return true;
}

std::u16string TMenuFile::LoadMenuFile(std::u16string_view fileName, bool append) {
  if (!append && TakePrepared(fileName))
    return {};
  Prepared.reset();
  // The new tree is read completely before it replaces anything, so a failure keeps the current menu.
  std::unique_ptr<TItem> loaded = NewRootItem();
  std::u16string version;
  std::optional<TDiskStamp> stamp;
  if (Services.Files.FileExists(fileName)) {
    std::u16string error = ReadMenuTree(fileName, *loaded, version, stamp.emplace());
    if (!error.empty())
      return error;
  }
  MenuFileVersion = std::move(version);
  if (append && RootItem) {
    for (std::unique_ptr<TItem>& item : loaded->DetachChildren())
      RootItem->AppendChild(std::move(item));
  } else {
    InstallRoot(std::move(loaded));
    StampedPath = fileName;
    Stamp = stamp;
  }
  return {};
}

std::u16string TMenuFile::ReadMenuTree(std::u16string_view fileName, TItem& root, std::u16string& version,
                                       TDiskStamp& stamp) const {
  // A file too large for memory unwinds with the document and its builders; the caller drops the half-read
  // tree.
  try {
    return ReadMenuDocument(fileName, root, version, stamp);
  } catch (const std::bad_alloc&) {
    return std::u16string(NotEnoughMemory);
  } catch (const std::length_error&) {
    return std::u16string(NotEnoughMemory);
  }
}

std::u16string TMenuFile::ReadMenuDocument(std::u16string_view fileName, TItem& root, std::u16string& version,
                                           TDiskStamp& stamp) const {
  // Asked before reading: a write that lands in between then shows as a change, never hides one.
  const std::optional<platform::TFileInfo> info = Services.Files.Info(fileName);
  const std::unique_ptr<platform::IFileContent> content = Services.Files.ReadContent(fileName);
  if (!content)
    return std::u16string(XmlLoadResultText(XmlReadError));
  // The content may be the file itself, mapped, which another program can write while it is parsed: the
  // stamp is taken first, so such a write leaves a stamp that differs from the disk and shows as a change.
  const std::string_view bytes = content->Bytes();
  const TDiskStamp read = StampOf(info, bytes);
  TQxXmlFile document;
  TItemXmlBuilder builder(root);
  const int result = document.LoadFromStream(Services.CodePages, bytes, 0, builder.Builders());
  if (result != XmlLoaded)
    return std::u16string(XmlLoadResultText(result));
  if (builder.RootName() != MenuFileRootName)
    return std::u16string(NotAMenuFile);
  if (!builder.Error().empty())
    return builder.Error();
  version = builder.RootVersion();
  stamp = read;
  return {};
}

TDiskChange TMenuFile::DiskChange(std::u16string_view fileName) {
  if (!SameFilePath(fileName, StampedPath))
    return TDiskChange::Unchanged;
  return CompareWithDisk(Services.Files, fileName, Stamp);
}

bool TMenuFile::MatchesDisk(std::u16string_view fileName, const platform::TFileInfo& info) const {
  return SameFilePath(fileName, StampedPath) && Stamp && Stamp->Info == info;
}

TMenuReloadResult TMenuFile::ReloadIfChanged(std::u16string_view fileName) {
  if (DiskChange(fileName) != TDiskChange::Changed)
    return TMenuReloadResult::Unchanged;
  if (!LoadMenuFile(fileName, false).empty())
    return TMenuReloadResult::Unreadable;
  MenuModified = false;
  MenuFileReadOnly = !Services.Files.CanOpenForWriting(fileName);
  return TMenuReloadResult::Reloaded;
}

void TMenuFile::NoteWritten(std::u16string_view fileName, const TQxXmlFile& document) {
  if (SameFilePath(fileName, StampedPath))
    Stamp = document.Written;
}

bool TMenuFile::OpenMenuFile(std::u16string_view fileName, bool append) {
  const bool existed = Services.Files.FileExists(fileName);
  const std::u16string error = LoadMenuFile(fileName, append);
  if (!error.empty()) {
    ShowMessage(LoadErrorCaption, std::u16string(LoadErrorLeadIn) + error, platform::TMsgKind::Error);
    return false;
  }
  if (!existed)
    (void)CreateMenuFile(fileName, u"");
  if (append) {
    MenuModified = true;
  } else {
    MenuModified = false;
    MenuFileReadOnly = !Services.Files.CanOpenForWriting(fileName);
  }
  return true;
}

TMenuSaveResult TMenuFile::SaveMenuFile(std::u16string_view fileName) {
  if (MenuFileReadOnly) {
    ShowMessage(ReadOnlyCaption, std::u16string(ReadOnlyText), platform::TMsgKind::Information);
    return TMenuSaveResult::ReadOnly;
  }
  if (RootItem && RefusedAsTooDeep(*RootItem, 0))
    return TMenuSaveResult::Failed;
  TQxXmlFile document(MenuFileRootName);
  if (!MenuFileVersion.empty())
    document.RootTag->SetAttribute(u"ver", MenuFileVersion);
  bool saved = false;
  if (RootItem) {
    // The file last read or written is the likely size: menus change little between saves.
    const TItemRootWriter writer(*RootItem, Stamp ? static_cast<std::size_t>(Stamp->Info.Size) : 0);
    saved = ReportSave(document, document.SaveToUtf8File(Services.Files, fileName, writer));
    if (saved)
      NoteWritten(fileName, document);
  } else {
    saved = WriteDocument(document, fileName);
  }
  if (!saved)
    return TMenuSaveResult::Failed;
  MenuModified = false;
  return TMenuSaveResult::Saved;
}

bool TMenuFile::SaveBranch(const TItem& item, std::u16string_view fileName) {
  if (RefusedAsTooDeep(item, 1))
    return false;
  TQxXmlFile document(MenuFileRootName);
  TItem branchRoot;
  branchRoot.Name = BranchRootName;
  branchRoot.WriteToXml(*document.RootTag);
  if (item.ItemType < ItemTypeProgramOwn)
    item.WriteToXmlAsItem(*document.RootTag->AddChild());
  return WriteDocument(document, fileName);
}

bool TMenuFile::CreateMenuFile(std::u16string_view fileName, std::u16string_view menuName) {
  TQxXmlFile document(MenuFileRootName);
  const std::optional<std::u16string> version =
      Services.Program.FileVersion(Services.Program.ExecutablePath());
  if (version && !version->empty())
    document.RootTag->SetAttribute(u"ver", *version);
  TItem root;
  root.Name = menuName.empty() ? BaseName(fileName) : menuName;
  root.WriteToXml(*document.RootTag);
  return WriteDocument(document, fileName);
}

bool TMenuFile::RefusedAsTooDeep(const TItem& item, int level) {
  if (item.FitsAtLevel(level))
    return false;
  ShowMessage(SaveErrorCaption, std::u16string(SaveErrorLeadIn) + std::u16string(TooDeepToSave),
              platform::TMsgKind::Error);
  return true;
}

bool TMenuFile::WriteDocument(TQxXmlFile& document, std::u16string_view fileName) {
  if (!ReportSave(document, document.SaveToUtf8File(Services.Files, fileName)))
    return false;
  NoteWritten(fileName, document);
  return true;
}

bool TMenuFile::ReportSave(const TQxXmlFile& document, int result) {
  if (result == XmlSaved)
    return true;
  std::u16string text = std::u16string(SaveErrorLeadIn) + document.ErrorLine;
  if (!document.SaveError.Message.empty())
    text += u"\r\n" + document.SaveError.Message;
  ShowMessage(SaveErrorCaption, std::move(text), platform::TMsgKind::Error);
  return false;
}

}  // namespace tolvane::storage
