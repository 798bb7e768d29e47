#include "platform/win32/Clipboardsnapshot.h"

#include <cstring>
#include <span>

#include "platform/win32/Handles.h"

namespace tolvane::win32 {
namespace {

bool IsHandleFormat(UINT format) {
  switch (format) {
    case CF_BITMAP:
    case CF_PALETTE:
    case CF_METAFILEPICT:
    case CF_OWNERDISPLAY:
    case CF_DSPBITMAP:
    case CF_DSPMETAFILEPICT:
    case CF_DSPENHMETAFILE:
      return true;
    default:
      return (format >= CF_PRIVATEFIRST && format <= CF_PRIVATELAST) ||
             (format >= CF_GDIOBJFIRST && format <= CF_GDIOBJLAST);
  }
}

std::optional<std::vector<std::uint8_t>> GlobalBytes(HANDLE data) {
  const TGlobalLock lock(data);
  if (!lock)
    return std::nullopt;
  const auto* bytes = static_cast<const std::uint8_t*>(lock.get());
  return std::vector<std::uint8_t>(bytes, bytes + ::GlobalSize(data));
}

std::optional<std::vector<std::uint8_t>> MetafileBytes(HANDLE data) {
  const auto metafile = static_cast<HENHMETAFILE>(data);
  const UINT size = ::GetEnhMetaFileBits(metafile, 0, nullptr);
  if (size == 0)
    return std::nullopt;
  std::vector<std::uint8_t> bytes(size);
  if (::GetEnhMetaFileBits(metafile, size, bytes.data()) != size)
    return std::nullopt;
  return bytes;
}

// A handle the clipboard can own, made from the bytes; null on failure.
HANDLE MakeData(UINT format, std::span<const std::uint8_t> bytes) {
  if (format == CF_ENHMETAFILE)
    return ::SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), bytes.data());
  unique_hglobal memory(::GlobalAlloc(GMEM_MOVEABLE, bytes.empty() ? 1 : bytes.size()));
  if (!memory)
    return nullptr;
  {
    const TGlobalLock lock(memory.get());
    if (!lock)
      return nullptr;
    if (!bytes.empty())
      std::memcpy(lock.get(), bytes.data(), bytes.size());
  }
  return memory.release();
}

void FreeData(UINT format, HANDLE data) {
  if (format == CF_ENHMETAFILE)
    ::DeleteEnhMetaFile(static_cast<HENHMETAFILE>(data));
  else
    ::GlobalFree(data);
}

bool PutBytes(UINT format, std::span<const std::uint8_t> bytes, DWORD& error) {
  const HANDLE data = MakeData(format, bytes);
  if (data == nullptr) {
    error = ::GetLastError();
    return false;
  }
  if (::SetClipboardData(format, data) == nullptr) {
    error = ::GetLastError();
    FreeData(format, data);  // still ours: the clipboard took nothing
    return false;
  }
  return true;
}

}  // namespace

std::optional<platform::TClipboardSnapshot> CopyOpenClipboard(DWORD& error) {
  platform::TClipboardSnapshot snapshot;
  std::size_t total = 0;
  ::SetLastError(ERROR_SUCCESS);
  for (UINT format = ::EnumClipboardFormats(0); format != 0; format = ::EnumClipboardFormats(format)) {
    if (IsHandleFormat(format)) {
      ++snapshot.Skipped;
      continue;
    }
    const HANDLE data = ::GetClipboardData(format);
    std::optional<std::vector<std::uint8_t>> bytes;
    if (data != nullptr)
      bytes = format == CF_ENHMETAFILE ? MetafileBytes(data) : GlobalBytes(data);
    if (!bytes) {
      // A program that offered a format and then failed to render it: that format is lost either way.
      ++snapshot.Skipped;
      continue;
    }
    total += bytes->size();
    if (total > SnapshotLimitBytes) {
      error = ERROR_NOT_ENOUGH_MEMORY;
      return std::nullopt;
    }
    snapshot.Formats.push_back({format, std::move(*bytes)});
  }
  if (::GetLastError() != ERROR_SUCCESS) {
    error = ::GetLastError();
    return std::nullopt;
  }
  return snapshot;
}

bool PutSnapshot(const platform::TClipboardSnapshot& snapshot, DWORD& error) {
  for (const platform::TClipboardFormatData& data : snapshot.Formats) {
    if (!PutBytes(data.Format, data.Bytes, error))
      return false;
  }
  return true;
}

bool PutPasteMarks(DWORD& error) {
  // The history and the cloud clipboard read a DWORD 0 as "no"; monitors skip content that has the first
  // format at all.
  constexpr std::uint8_t No[sizeof(DWORD)] = {0, 0, 0, 0};
  for (const wchar_t* name : {L"ExcludeClipboardContentFromMonitorProcessing",
                              L"CanIncludeInClipboardHistory", L"CanUploadToCloudClipboard"}) {
    const UINT format = ::RegisterClipboardFormatW(name);
    if (format == 0) {
      error = ::GetLastError();
      return false;
    }
    if (!PutBytes(format, No, error))
      return false;
  }
  return true;
}

}  // namespace tolvane::win32
