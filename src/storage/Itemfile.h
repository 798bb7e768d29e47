#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Services.h"
#include "storage/Item.h"
#include "storage/Menufilestamp.h"

namespace tolvane::storage {

class TQxXmlFile;

inline constexpr std::u16string_view MenuFileRootName = u"TolvaneDataFile";
inline constexpr std::u16string_view MenuFileExtension = u".TvXml";

// The services the menu file needs.
struct TMenuFileServices {
  platform::IFiles& Files;
  platform::ICodePages& CodePages;
  platform::IMessageBox& MessageBox;
  platform::IProgramInfo& Program;

  static TMenuFileServices From(const platform::TServices& services) {
    return {services.Files, services.CodePages, services.MessageBox, services.Program};
  }
};

enum class TMenuSaveResult { Saved, ReadOnly, Failed };

enum class TMenuReloadResult {
  Unchanged,   // the file holds what the menu last read or wrote, or it is gone
  Reloaded,    // the menu now shows the file's new content
  Unreadable,  // the file changed but cannot be read whole (maybe half written); the menu stays as it was
};

// The file name with ".TvXml" appended unless it already ends in ".tvxml" (in any case).
std::u16string WithMenuFileExtension(std::u16string_view fileName);

// The user's menu: the item tree with the program's command item first under the root, and the state of
// the file it came from. Loads replace or extend the tree only when the whole file could be read.
class TMenuFile {
 public:
  explicit TMenuFile(const TMenuFileServices& services) : Services(services) {}
  TMenuFile(const TMenuFile&) = delete;
  TMenuFile& operator=(const TMenuFile&) = delete;

  // Empty on success, else the words to show. A missing file loads as an empty menu. Append adds the
  // file's items behind the current ones and keeps the root's own fields.
  [[nodiscard]] std::u16string LoadMenuFile(std::u16string_view fileName, bool append);
  // Reads the file ahead of the LoadMenuFile that will replace the menu with it, so that load only takes the
  // tree over while the file is as it was read. Says nothing: a file that cannot be read now is read
  // again, and its failure reported, by that load.
  void PrepareLoad(std::u16string_view fileName);
  // LoadMenuFile as the open, append and start-up commands use it: reports a failure in a message box,
  // creates a missing file, and notes whether the file can be written (or, after an append, that the menu
  // changed).
  [[nodiscard]] bool OpenMenuFile(std::u16string_view fileName, bool append);
  // Writes the whole menu. A read-only menu is not written (ReadOnly: the caller disables saving); a
  // failure is reported and leaves MenuModified set; success clears it.
  [[nodiscard]] TMenuSaveResult SaveMenuFile(std::u16string_view fileName);
  // Writes the item and its subtree as a file that can be appended to another menu. Reports a failure.
  [[nodiscard]] bool SaveBranch(const TItem& item, std::u16string_view fileName);
  // A new menu file holding only the menu's name (the file name without folder and extension when empty)
  // and the program's version. Reports a failure.
  [[nodiscard]] bool CreateMenuFile(std::u16string_view fileName, std::u16string_view menuName);

  // Whether the file changed on disk since the menu last loaded it from there or saved it there. A file
  // the menu has not loaded counts as unchanged: there is nothing of the menu's own in it to protect.
  [[nodiscard]] TDiskChange DiskChange(std::u16string_view fileName);
  // True when the file system reports the file as the menu last read or wrote it, without reading it.
  bool MatchesDisk(std::u16string_view fileName, const platform::TFileInfo& info) const;
  // Loads the file again, without a word, when its content changed on disk since the menu last read or
  // wrote it. Pending changes are lost: the caller asks first.
  [[nodiscard]] TMenuReloadResult ReloadIfChanged(std::u16string_view fileName);

  // Puts the program's command item first under the root (creating an empty root when there is none),
  // replacing the previous one.
  void SetProgramItem(std::unique_ptr<TItem> item);

  std::unique_ptr<TItem> RootItem;
  TItem* ProgramItem = nullptr;  // the program's command item, owned by RootItem as its first child
  bool MenuModified = false;
  bool MenuFileReadOnly = false;
  std::u16string MenuFileVersion;  // "ver" of the last loaded or appended file

 private:
  // ReadMenuDocument, with running out of memory as one more failure to show.
  [[nodiscard]] std::u16string ReadMenuTree(std::u16string_view fileName, TItem& root,
                                            std::u16string& version, TDiskStamp& stamp) const;
  // Reads the file's items below root and its version; empty on success, else the words to show. stamp
  // receives what was read.
  [[nodiscard]] std::u16string ReadMenuDocument(std::u16string_view fileName, TItem& root,
                                                std::u16string& version, TDiskStamp& stamp) const;
  // After a successful write: the file's stamp follows when it is the menu's own file.
  void NoteWritten(std::u16string_view fileName, const TQxXmlFile& document);
  [[nodiscard]] bool WriteDocument(TQxXmlFile& document, std::u16string_view fileName);
  // A file the loader would refuse must never be reported as saved: true, after saying so, when the item
  // written at the level would nest deeper than a menu file may.
  bool RefusedAsTooDeep(const TItem& item, int level);
  // Reports a failed save; true when the result says saved.
  bool ReportSave(const TQxXmlFile& document, int result);
  void InstallRoot(std::unique_ptr<TItem> root);
  // The prepared tree of the file when the file system still reports the file as it was read; taken once.
  [[nodiscard]] bool TakePrepared(std::u16string_view fileName);
  void ShowMessage(std::u16string_view caption, std::u16string text, platform::TMsgKind kind);

  TMenuFileServices Services;
  std::u16string StampedPath;       // the file the menu was last loaded from
  std::optional<TDiskStamp> Stamp;  // that file as last read or written; nullopt while it was missing

  struct TPreparedLoad {
    std::u16string Path;
    std::unique_ptr<TItem> Root;
    std::u16string Version;
    TDiskStamp Stamp;
  };
  std::optional<TPreparedLoad> Prepared;  // see PrepareLoad
};

}  // namespace tolvane::storage
