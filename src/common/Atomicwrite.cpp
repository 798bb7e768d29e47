#include "common/Atomicwrite.h"

#include <memory>
#include <optional>
#include <string>

namespace tolvane {
namespace {

using platform::IFiles;
using platform::IFileWriter;
using platform::TSystemError;

constexpr std::u16string_view TemporarySuffix = u".tvtmp";

// Not operator+: for 32-bit builds gcc 12 takes that for an overlapping copy and fails with -Wrestrict.
std::u16string Joined(std::u16string_view first, std::u16string_view second) {
  std::u16string joined;
  joined.reserve(first.size() + second.size());
  joined.append(first).append(second);
  return joined;
}

std::u16string_view LeafName(std::u16string_view path) {
  const std::size_t separator = path.find_last_of(u"/\\");
  return separator == std::u16string_view::npos ? path : path.substr(separator + 1);
}

// One save: the file system and the error of the step that failed.
class TSave {
 public:
  explicit TSave(IFiles& files) : Files(files) {}

  bool Run(const std::u16string& target, std::string_view bytes);
  const TSystemError& Failure() const { return Error; }

 private:
  bool Fail() {
    Error = Files.LastError();
    return false;
  }
  bool Finish(IFileWriter& writer, std::string_view bytes, bool setEnd);
  bool InPlaceAllowed(const std::u16string& target);
  bool WriteInPlace(const std::u16string& target, std::string_view bytes);
  std::optional<std::u16string> WriteBackup(const std::u16string& target, const std::string& old);
  void Restore(const std::u16string& target, const std::string& old, const std::u16string& backup);

  IFiles& Files;
  TSystemError Error;
};

// Writes, sets the end where asked, flushes and closes; the writer is closed either way.
bool TSave::Finish(IFileWriter& writer, std::string_view bytes, bool setEnd) {
  const bool written = writer.Write(bytes) && (!setEnd || writer.SetEnd()) && writer.Flush();
  if (!written)
    Fail();
  const bool closed = writer.Close();
  if (written && !closed)
    Fail();
  return written && closed;
}

bool TSave::Run(const std::u16string& target, std::string_view bytes) {
  const std::u16string temporary = Joined(target, TemporarySuffix);
  const std::unique_ptr<IFileWriter> writer = Files.Create(temporary);
  if (!writer) {
    Fail();
    return InPlaceAllowed(target) && WriteInPlace(target, bytes);
  }
  if (Finish(*writer, bytes, false) && (Files.Replace(target, temporary) || Fail()))
    return true;
  (void)Files.Delete(temporary);
  return false;
}

// Only a folder that refuses new files sends the save down the slower road; a full disk or a temporary file
// held by another instance's save must fail as it would have.
bool TSave::InPlaceAllowed(const std::u16string& target) {
  return Files.IsAccessDenied(Error) && Files.FileExists(target) && Files.CanOpenForWriting(target);
}

bool TSave::WriteInPlace(const std::u16string& target, std::string_view bytes) {
  const std::optional<std::string> old = Files.ReadAll(target);
  if (!old)
    return Fail();
  const std::optional<std::u16string> backup = WriteBackup(target, *old);
  if (!backup)
    return false;
  const std::unique_ptr<IFileWriter> writer = Files.OpenForOverwrite(target);
  if (!writer) {
    Fail();
    (void)Files.Delete(*backup);
    return false;
  }
  if (!Finish(*writer, bytes, true)) {
    Restore(target, *old, *backup);
    return false;
  }
  // Saved: a backup that cannot be removed is only litter in the temporary folder.
  (void)Files.Delete(*backup);
  return true;
}

// The old content in a new file of the temporary folder, flushed, so a crash during the rewrite cannot lose
// it; the backup's path, or nullopt with the error set.
std::optional<std::u16string> TSave::WriteBackup(const std::u16string& target, const std::string& old) {
  std::optional<platform::TTemporaryFile> backup = Files.CreateTemporary(Joined(LeafName(target), u"."));
  if (!backup) {
    Fail();
    return std::nullopt;
  }
  if (Finish(*backup->Writer, old, false))
    return std::move(backup->Path);
  (void)Files.Delete(backup->Path);
  return std::nullopt;
}

// After a failed rewrite: the old content goes back and the rewrite's error stays the one reported. If the
// old content cannot be put back, the backup is the only intact copy, so it stays and the message names it.
void TSave::Restore(const std::u16string& target, const std::string& old, const std::u16string& backup) {
  const TSystemError cause = Error;
  const std::unique_ptr<IFileWriter> writer = Files.OpenForOverwrite(target);
  const bool restored = writer && Finish(*writer, old, true);
  Error = cause;
  if (restored)
    (void)Files.Delete(backup);
  else
    Error.Message.append(u"\r\nThe previous content is kept in ").append(backup).append(u".");
}

}  // namespace

bool WriteFileAtomically(IFiles& files, std::u16string_view path, std::string_view bytes,
                         TSystemError* error) {
  TSave save(files);
  // Replacing a symbolic link would cut it loose from its file, so the file it leads to is written.
  const bool saved = save.Run(files.FinalPath(path), bytes);
  if (!saved && error != nullptr)
    *error = save.Failure();
  return saved;
}

}  // namespace tolvane
