#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "platform/Files.h"
#include "platform/win32/Win.h"

namespace tolvane::win32 {

// The first `size` bytes of an open file, mapped read-only; the mapping keeps the file's content reachable
// after the handle is closed. Null when it cannot be mapped (an empty file, a system refusal), with
// GetLastError telling why.
std::unique_ptr<platform::IFileContent> MapFileContent(HANDLE file, std::size_t size);

// True when the path lies on a fixed local disk. A mapped file elsewhere can go away while it is read (a
// share that disconnects, a stick pulled out), and then reading it faults instead of failing a call.
bool OnFixedDisk(const std::wstring& path);

}  // namespace tolvane::win32
