#include "platform/recording/Memoryfiles.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/recording/Memoryfilewriter.h"
#include "platform/recording/Memorypath.h"

namespace tolvane::recording {
namespace {

// The Windows error codes the real file functions report in the same situations.
constexpr std::uint32_t ErrorFileNotFound = 2;
constexpr std::uint32_t ErrorPathNotFound = 3;
constexpr std::uint32_t ErrorAccessDenied = 5;
constexpr std::uint32_t ErrorInvalidHandle = 6;
constexpr std::uint32_t ErrorSharingViolation = 32;
constexpr std::uint32_t ErrorAlreadyExists = 183;

std::u16string MessageOf(std::uint32_t code) {
  switch (code) {
    case ErrorFileNotFound:
      return u"The system cannot find the file specified.";
    case ErrorPathNotFound:
      return u"The system cannot find the path specified.";
    case ErrorAccessDenied:
      return u"Access is denied.";
    case ErrorInvalidHandle:
      return u"The handle is invalid.";
    case ErrorSharingViolation:
      return u"The process cannot access the file because it is being used by another process.";
    default:
      return u"Cannot create a file when that file already exists.";
  }
}

std::size_t IndexOf(TFileOperation operation) {
  return static_cast<std::size_t>(operation);
}

}  // namespace

bool TMemoryFiles::Begin(TFileOperation operation) {
  const std::size_t call = ++CallCounts[IndexOf(operation)];
  Log.push_back(operation);
  const auto fault = std::find_if(Faults.begin(), Faults.end(), [&](const TFault& f) {
    return f.Operation == operation && f.CallNumber == call;
  });
  if (fault == Faults.end())
    return true;
  Error = fault->Error;
  Faults.erase(fault);
  return false;
}

bool TMemoryFiles::Fail(std::uint32_t code) {
  Error = {code, MessageOf(code)};
  return false;
}

TMemoryFiles::TNode* TMemoryFiles::FindNode(std::u16string_view path) {
  const auto found = Nodes.find(PathKey(TidyPath(path)));
  return found == Nodes.end() ? nullptr : &found->second;
}

const TMemoryFiles::TNode* TMemoryFiles::FindNode(std::u16string_view path) const {
  const auto found = Nodes.find(PathKey(TidyPath(path)));
  return found == Nodes.end() ? nullptr : &found->second;
}

std::u16string TMemoryFiles::Resolve(std::u16string_view path) const {
  std::u16string tidy = TidyPath(path);
  // Linux too gives up after 40 links.
  for (int hop = 0; hop < 40; ++hop) {
    const auto found = Nodes.find(PathKey(tidy));
    if (found == Nodes.end() || found->second.LinkTarget.empty())
      break;
    tidy = found->second.LinkTarget;
  }
  return tidy;
}

bool TMemoryFiles::RefusesNewFiles(std::u16string_view tidyFolder) const {
  return RefusingFolders.contains(PathKey(tidyFolder));
}

bool TMemoryFiles::FolderOrRootExists(std::u16string_view tidyPath) const {
  const std::u16string key = PathKey(tidyPath);
  if (IsRootKey(key))
    return true;
  const auto found = Nodes.find(key);
  return found != Nodes.end() && found->second.IsFolder;
}

bool TMemoryFiles::CheckWritable(const TNode& node) {
  if (node.IsFolder)
    return Fail(ErrorAccessDenied);
  if (node.Writers > 0 || node.LockedByOther)
    return Fail(ErrorSharingViolation);
  return true;
}

bool TMemoryFiles::MakeFolders(const std::u16string& tidyPath) {
  for (std::size_t end = 0; end <= tidyPath.size(); ++end) {
    if (end < tidyPath.size() && tidyPath[end] != u'/' && tidyPath[end] != u'\\')
      continue;
    const std::u16string prefix = tidyPath.substr(0, end);
    const std::u16string key = PathKey(prefix);
    if (IsRootKey(key))
      continue;
    const auto [node, inserted] = Nodes.try_emplace(key, TNode{prefix, true, {}, 0, false, {}, 0});
    if (!node->second.IsFolder)
      return Fail(ErrorAlreadyExists);
  }
  return true;
}

bool TMemoryFiles::FileExists(std::u16string_view path) {
  const TNode* node = FindNode(Resolve(path));
  return node != nullptr && !node->IsFolder && node->LinkTarget.empty();
}

bool TMemoryFiles::FolderExists(std::u16string_view path) {
  return FolderOrRootExists(TidyPath(path));
}

std::optional<platform::TFileInfo> TMemoryFiles::Info(std::u16string_view path) {
  const std::u16string resolved = Resolve(path);
  const TNode* node = FindNode(resolved);
  if (node == nullptr || node->IsFolder || !node->LinkTarget.empty()) {
    Fail(ErrorFileNotFound);
    return std::nullopt;
  }
  return platform::TFileInfo{node->Bytes.size(), node->LastWrite};
}

std::optional<std::string> TMemoryFiles::ReadAll(std::u16string_view path) {
  if (!Begin(TFileOperation::Read))
    return std::nullopt;
  const std::u16string resolved = Resolve(path);
  const TNode* node = FindNode(resolved);
  if (node == nullptr) {
    Fail(FolderOrRootExists(ParentPath(resolved)) ? ErrorFileNotFound : ErrorPathNotFound);
    return std::nullopt;
  }
  if (node->IsFolder) {
    Fail(ErrorAccessDenied);
    return std::nullopt;
  }
  return node->Bytes;
}

std::unique_ptr<platform::IFileWriter> TMemoryFiles::Create(std::u16string_view path) {
  if (!Begin(TFileOperation::Create))
    return nullptr;
  const std::u16string tidy = Resolve(path);
  const std::u16string key = PathKey(tidy);
  if (IsRootKey(key)) {
    Fail(ErrorAccessDenied);
    return nullptr;
  }
  if (!FolderOrRootExists(ParentPath(tidy))) {
    Fail(ErrorPathNotFound);
    return nullptr;
  }
  if (!Nodes.contains(key) && RefusesNewFiles(ParentPath(tidy))) {
    Fail(ErrorAccessDenied);
    return nullptr;
  }
  const auto [node, inserted] = Nodes.try_emplace(key, TNode{tidy, false, {}, 0, false, {}, 0});
  if (!inserted && !CheckWritable(node->second))
    return nullptr;
  node->second.Bytes.clear();
  node->second.LastWrite = ++Clock;
  return OpenWriter(key, node->second);
}

std::unique_ptr<platform::IFileWriter> TMemoryFiles::OpenForOverwrite(std::u16string_view path) {
  if (!Begin(TFileOperation::Create))
    return nullptr;
  const std::u16string resolved = Resolve(path);
  const std::u16string key = PathKey(resolved);
  const auto node = Nodes.find(key);
  if (node == Nodes.end()) {
    Fail(FolderOrRootExists(ParentPath(resolved)) ? ErrorFileNotFound : ErrorPathNotFound);
    return nullptr;
  }
  if (!CheckWritable(node->second))
    return nullptr;
  return OpenWriter(key, node->second);
}

std::optional<platform::TTemporaryFile> TMemoryFiles::CreateTemporary(std::u16string_view nameStart) {
  if (!Begin(TFileOperation::Create))
    return std::nullopt;
  const std::u16string folder(TemporaryFolder);
  if (!MakeFolders(folder))
    return std::nullopt;
  if (RefusesNewFiles(folder)) {
    Fail(ErrorAccessDenied);
    return std::nullopt;
  }
  std::u16string path;
  do {
    const std::string number = std::to_string(++TemporaryFiles);
    path =
        folder + u"\\" + std::u16string(nameStart) + std::u16string(number.begin(), number.end()) + u".tmp";
  } while (Nodes.contains(PathKey(path)));
  TNode& node = Nodes.try_emplace(PathKey(path), TNode{path, false, {}, 0, false, {}, 0}).first->second;
  return platform::TTemporaryFile{OpenWriter(PathKey(path), node), path};
}

std::unique_ptr<platform::IFileWriter> TMemoryFiles::OpenWriter(const std::u16string& key, TNode& node) {
  ++node.Writers;
  return std::make_unique<TMemoryFileWriter>(*this, key);
}

bool TMemoryFiles::Replace(std::u16string_view target, std::u16string_view replacement) {
  if (!Begin(TFileOperation::Replace))
    return false;
  const std::u16string tidyTarget = TidyPath(target);
  const std::u16string targetKey = PathKey(tidyTarget);
  const auto source = Nodes.find(PathKey(TidyPath(replacement)));
  if (source == Nodes.end())
    return Fail(ErrorFileNotFound);
  if (!CheckWritable(source->second))
    return false;
  if (!FolderOrRootExists(ParentPath(tidyTarget)))
    return Fail(ErrorPathNotFound);
  if (RefusesNewFiles(ParentPath(tidyTarget)))
    return Fail(ErrorAccessDenied);
  if (source->first == targetKey)
    return true;
  const auto existing = Nodes.find(targetKey);
  if (existing != Nodes.end() && !CheckWritable(existing->second))
    return false;
  TNode moved = std::move(source->second);
  moved.Path = tidyTarget;
  Nodes.erase(source);
  Nodes.insert_or_assign(targetKey, std::move(moved));
  return true;
}

bool TMemoryFiles::Delete(std::u16string_view path) {
  if (!Begin(TFileOperation::Delete))
    return false;
  const std::u16string tidy = TidyPath(path);
  const auto node = Nodes.find(PathKey(tidy));
  if (node == Nodes.end())
    return Fail(FolderOrRootExists(ParentPath(tidy)) ? ErrorFileNotFound : ErrorPathNotFound);
  if (!CheckWritable(node->second))
    return false;
  Nodes.erase(node);
  return true;
}

platform::TRecycleResult TMemoryFiles::Recycle(std::u16string_view path) {
  using platform::TRecycleResult;
  if (!Begin(TFileOperation::Recycle))
    return TRecycleResult::Failed;
  const std::u16string tidy = TidyPath(path);
  const auto node = Nodes.find(PathKey(tidy));
  if (node == Nodes.end()) {
    Fail(FolderOrRootExists(ParentPath(tidy)) ? ErrorFileNotFound : ErrorPathNotFound);
    return TRecycleResult::Failed;
  }
  if (!CheckWritable(node->second))
    return TRecycleResult::Failed;
  if (!HasRecycleBin)
    return TRecycleResult::NoRecycleBin;
  RecycleBin.push_back({node->second.Path, node->second.Bytes});
  Nodes.erase(node);
  return TRecycleResult::Recycled;
}

std::optional<std::vector<platform::TFolderEntry>> TMemoryFiles::List(std::u16string_view folder) {
  const std::u16string tidy = TidyPath(folder);
  if (!FolderOrRootExists(tidy)) {
    Fail(ErrorPathNotFound);
    return std::nullopt;
  }
  const std::u16string key = PathKey(tidy);
  std::vector<platform::TFolderEntry> entries;
  for (const auto& [nodeKey, node] : Nodes) {
    if (ParentPath(nodeKey) == key)
      entries.push_back({std::u16string(LeafName(node.Path)), node.IsFolder});
  }
  return entries;
}

bool TMemoryFiles::CreateFolder(std::u16string_view path) {
  return MakeFolders(TidyPath(path));
}

bool TMemoryFiles::CanOpenForWriting(std::u16string_view path) {
  const TNode* node = FindNode(Resolve(path));
  if (node == nullptr)
    return Fail(ErrorFileNotFound);
  return CheckWritable(*node);
}

std::u16string TMemoryFiles::FinalPath(std::u16string_view path) {
  const std::u16string resolved = Resolve(path);
  return resolved == TidyPath(path) ? std::u16string(path) : resolved;
}

bool TMemoryFiles::IsAccessDenied(const platform::TSystemError& error) const {
  return error.Code == ErrorAccessDenied;
}

void TMemoryFiles::AddFile(std::u16string_view path, std::string_view bytes) {
  const std::u16string tidy = TidyPath(path);
  if (!MakeFolders(std::u16string(ParentPath(tidy)))) {
    throw std::invalid_argument("TMemoryFiles::AddFile: a file stands where a folder is needed");
  }
  Nodes.insert_or_assign(PathKey(tidy), TNode{tidy, false, std::string(bytes), 0, false, {}, ++Clock});
}

std::optional<std::string> TMemoryFiles::Content(std::u16string_view path) const {
  const TNode* node = FindNode(Resolve(path));
  if (node == nullptr || node->IsFolder || !node->LinkTarget.empty())
    return std::nullopt;
  return node->Bytes;
}

std::vector<std::u16string> TMemoryFiles::FilePaths() const {
  std::vector<std::u16string> paths;
  for (const auto& [key, node] : Nodes) {
    if (!node.IsFolder && node.LinkTarget.empty())
      paths.push_back(node.Path);
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

void TMemoryFiles::SetLastWrite(std::u16string_view path, std::int64_t lastWrite) {
  TNode* node = FindNode(Resolve(path));
  if (node == nullptr || node->IsFolder)
    throw std::invalid_argument("TMemoryFiles: no such file to date");
  node->LastWrite = lastWrite;
}

void TMemoryFiles::SetLockedByOtherProgram(std::u16string_view path, bool locked) {
  TNode* node = FindNode(path);
  if (node == nullptr || node->IsFolder)
    throw std::invalid_argument("TMemoryFiles: no such file to lock");
  node->LockedByOther = locked;
}

void TMemoryFiles::AddLink(std::u16string_view link, std::u16string_view target) {
  const std::u16string tidy = TidyPath(link);
  if (!MakeFolders(std::u16string(ParentPath(tidy))))
    throw std::invalid_argument("TMemoryFiles::AddLink: a file stands where a folder is needed");
  Nodes.insert_or_assign(PathKey(tidy), TNode{tidy, false, {}, 0, false, TidyPath(target), 0});
}

std::optional<std::u16string> TMemoryFiles::LinkTarget(std::u16string_view path) const {
  const TNode* node = FindNode(path);
  if (node == nullptr || node->LinkTarget.empty())
    return std::nullopt;
  return node->LinkTarget;
}

void TMemoryFiles::SetRefusesNewFiles(std::u16string_view folder, bool refuses) {
  const std::u16string tidy = TidyPath(folder);
  if (!FolderOrRootExists(tidy))
    throw std::invalid_argument("TMemoryFiles: no such folder to refuse new files");
  if (refuses)
    RefusingFolders.insert(PathKey(tidy));
  else
    RefusingFolders.erase(PathKey(tidy));
}

void TMemoryFiles::FailCall(TFileOperation operation, std::size_t nth, platform::TSystemError error) {
  if (nth == 0)
    throw std::invalid_argument("TMemoryFiles::FailCall: calls count from 1");
  Faults.push_back({operation, CallCounts[IndexOf(operation)] + nth, std::move(error)});
}

std::size_t TMemoryFiles::Calls(TFileOperation operation) const {
  return CallCounts[IndexOf(operation)];
}

bool TMemoryFiles::WriteTo(const std::u16string& key, bool open, std::size_t& position,
                           std::string_view bytes) {
  if (!Begin(TFileOperation::Write))
    return false;
  const auto node = Nodes.find(key);
  if (!open || node == Nodes.end())
    return Fail(ErrorInvalidHandle);
  std::string& content = node->second.Bytes;
  if (content.size() < position)
    content.resize(position);
  content.replace(position, std::min(bytes.size(), content.size() - position), bytes);
  position += bytes.size();
  node->second.LastWrite = ++Clock;
  return true;
}

bool TMemoryFiles::SetEnd(const std::u16string& key, bool open, std::size_t position) {
  if (!Begin(TFileOperation::Write))
    return false;
  const auto node = Nodes.find(key);
  if (!open || node == Nodes.end())
    return Fail(ErrorInvalidHandle);
  node->second.Bytes.resize(position);
  node->second.LastWrite = ++Clock;
  return true;
}

bool TMemoryFiles::Flush(bool open) {
  if (!Begin(TFileOperation::Flush))
    return false;
  return open || Fail(ErrorInvalidHandle);
}

bool TMemoryFiles::CloseWriter(const std::u16string& key, bool& open) {
  // A handle whose close fails is closed all the same.
  const bool injected = !Begin(TFileOperation::Close);
  if (!open)
    return injected ? false : Fail(ErrorInvalidHandle);
  open = false;
  ReleaseWriter(key);
  return !injected;
}

void TMemoryFiles::ReleaseWriter(const std::u16string& key) {
  const auto node = Nodes.find(key);
  if (node != Nodes.end() && node->second.Writers > 0)
    --node->second.Writers;
}

}  // namespace tolvane::recording
