#include "platform/win32/Clipboard.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

#include "platform/win32/Clipboardsnapshot.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Procaddress.h"
#include "platform/win32/Systemerror.h"

namespace tolvane::win32 {

namespace {

// Vista and later; looked up so the program still starts where they are missing.
using TListenerFunction = BOOL(WINAPI*)(HWND);

void CloseOpenClipboard() {
  ::CloseClipboard();
}

}  // namespace

TClipboard::TClipboard() : Window([this](UINT message, WPARAM, LPARAM) { return OnMessage(message); }) {}

TClipboard::~TClipboard() {
  StopListening();
}

bool TClipboard::HasText() {
  return ::IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
}

std::optional<std::u16string> TClipboard::GetText() {
  if (!HasText())
    return std::u16string();
  if (!Open())
    return std::nullopt;
  const TScopeExit close(&CloseOpenClipboard);
  return ReadOpenClipboard();
}

std::optional<std::u16string> TClipboard::ReadOpenClipboard() {
  const HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
  if (data == nullptr) {
    // Another program may have emptied the clipboard between the format test and the opening.
    if (!::IsClipboardFormatAvailable(CF_UNICODETEXT))
      return std::u16string();
    Fail(::GetLastError());
    return std::nullopt;
  }
  const TGlobalLock lock(data);
  if (!lock) {
    Fail(::GetLastError());
    return std::nullopt;
  }
  // Other programs do not always store the terminating zero; never read past the block.
  const auto* text = static_cast<const char16_t*>(lock.get());
  const std::size_t capacity = ::GlobalSize(data) / sizeof(char16_t);
  return std::u16string(text, std::find(text, text + capacity, u'\0'));
}

namespace {

unique_hglobal TextMemory(std::u16string_view text, DWORD& error) {
  if (text.size() >= std::numeric_limits<std::size_t>::max() / sizeof(char16_t)) {
    error = ERROR_NOT_ENOUGH_MEMORY;
    return {};
  }
  const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
  unique_hglobal memory(::GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (!memory) {
    error = ::GetLastError();
    return {};
  }
  const TGlobalLock lock(memory.get());
  if (!lock) {
    error = ::GetLastError();
    return {};
  }
  std::memcpy(lock.get(), text.data(), text.size() * sizeof(char16_t));
  static_cast<char16_t*>(lock.get())[text.size()] = u'\0';
  return memory;
}

}  // namespace

bool TClipboard::SetText(std::u16string_view text) {
  DWORD error = ERROR_SUCCESS;
  unique_hglobal memory = TextMemory(text, error);
  if (!memory)
    return Fail(error);
  if (!Open())
    return false;
  const TScopeExit close(&CloseOpenClipboard);
  if (!::EmptyClipboard())
    return Fail(::GetLastError());
  PendingPaste.reset();
  if (::SetClipboardData(CF_UNICODETEXT, memory.get()) == nullptr)
    return Fail(::GetLastError());
  memory.release();  // the clipboard owns it now
  return true;
}

bool TClipboard::SetPasteText(std::u16string_view text) {
  if (!Open())
    return false;
  const TScopeExit close(&CloseOpenClipboard);
  if (!::EmptyClipboard())
    return Fail(::GetLastError());
  PendingPaste.reset();
  // A null handle promises the data; WM_RENDERFORMAT asks for it when a program reads the text.
  ::SetLastError(ERROR_SUCCESS);
  if (::SetClipboardData(CF_UNICODETEXT, nullptr) == nullptr && ::GetLastError() != ERROR_SUCCESS)
    return Fail(::GetLastError());
  PendingPaste = std::u16string(text);
  PasteHeld = true;
  DWORD error = ERROR_SUCCESS;
  if (!PutPasteMarks(error))
    return Fail(error);
  return true;
}

std::optional<platform::TClipboardSnapshot> TClipboard::Snapshot() {
  if (!Open())
    return std::nullopt;
  const TScopeExit close(&CloseOpenClipboard);
  DWORD error = ERROR_SUCCESS;
  std::optional<platform::TClipboardSnapshot> snapshot = CopyOpenClipboard(error);
  if (!snapshot)
    Fail(error);
  return snapshot;
}

bool TClipboard::Restore(const platform::TClipboardSnapshot& snapshot) {
  if (!Open())
    return false;
  const TScopeExit close(&CloseOpenClipboard);
  if (!::EmptyClipboard())
    return Fail(::GetLastError());
  PendingPaste.reset();
  DWORD error = ERROR_SUCCESS;
  if (!PutSnapshot(snapshot, error) || !PutPasteMarks(error))
    return Fail(error);
  return true;
}

// Called inside the reader's GetClipboardData, with the clipboard open for it: set the data, do not open.
void TClipboard::RenderPasteText() {
  if (!PendingPaste)
    return;
  DWORD error = ERROR_SUCCESS;
  unique_hglobal memory = TextMemory(*PendingPaste, error);
  PendingPaste.reset();
  if (memory && ::SetClipboardData(CF_UNICODETEXT, memory.get()) != nullptr)
    memory.release();
}

bool TClipboard::Clear() {
  if (!Open())
    return false;
  const TScopeExit close(&CloseOpenClipboard);
  if (!::EmptyClipboard())
    return Fail(::GetLastError());
  return true;
}

bool TClipboard::SetChangeHandler(std::function<void()> onChange) {
  if (!onChange) {
    StopListening();
    OnChange = nullptr;
    return true;
  }
  if (!StartListening())
    return false;
  OnChange = std::move(onChange);
  return true;
}

bool TClipboard::Open() {
  // Owned by our window rather than by no window: EmptyClipboard then makes it the owner, which
  // SetClipboardData requires on some systems.
  if (::OpenClipboard(Window.Handle()))
    return true;
  return Fail(::GetLastError());
}

bool TClipboard::Fail(DWORD code) {
  Error = SystemError(code);
  return false;
}

bool TClipboard::StartListening() {
  if (Listening)
    return true;
  const auto add = ProcAddress<TListenerFunction>(L"user32.dll", "AddClipboardFormatListener");
  if (add == nullptr || Window.Handle() == nullptr)
    return Fail(ERROR_CALL_NOT_IMPLEMENTED);
  if (!add(Window.Handle()))
    return Fail(::GetLastError());
  Listening = true;
  return true;
}

void TClipboard::StopListening() {
  if (!Listening)
    return;
  if (const auto remove = ProcAddress<TListenerFunction>(L"user32.dll", "RemoveClipboardFormatListener"))
    remove(Window.Handle());
  Listening = false;
}

bool TClipboard::OnMessage(UINT message) {
  switch (message) {
    case WM_RENDERFORMAT:
      RenderPasteText();
      return true;
    case WM_RENDERALLFORMATS:
      // The window goes away while the clipboard still holds only the promise.
      if (::OpenClipboard(Window.Handle())) {
        if (::GetClipboardOwner() == Window.Handle())
          RenderPasteText();
        ::CloseClipboard();
      }
      return true;
    case WM_DESTROYCLIPBOARD:
      PendingPaste.reset();
      PasteHeld = false;
      return true;
    default:
      break;
  }
  if (message != WM_CLIPBOARDUPDATE)
    return false;
  // A copy, because the handler may replace itself.
  if (const auto handler = OnChange)
    handler();
  return true;
}

}  // namespace tolvane::win32
