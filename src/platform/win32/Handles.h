#pragma once
// Owners for Windows handles: non-copyable, movable, closed exactly once. Handing a handle to the system is
// an explicit release().

#include <cstdint>
#include <type_traits>
#include <utility>

#include "platform/win32/Win.h"

// After Win.h, so the COM headers see the same Windows configuration.
#include <objbase.h>

namespace tolvane::win32 {

// InvalidBits is the invalid handle's bit pattern: a pointer constant such as INVALID_HANDLE_VALUE cannot be
// a template argument.
template <typename THandle, auto CloseFn, std::intptr_t InvalidBits = 0>
class TUniqueHandle {
  static_assert(std::is_pointer_v<THandle>, "Windows handles are pointer types");

 public:
  TUniqueHandle() = default;
  explicit TUniqueHandle(THandle handle) : Handle(handle) {}
  TUniqueHandle(const TUniqueHandle&) = delete;
  TUniqueHandle& operator=(const TUniqueHandle&) = delete;
  TUniqueHandle(TUniqueHandle&& other) noexcept : Handle(other.release()) {}
  TUniqueHandle& operator=(TUniqueHandle&& other) noexcept {
    if (this != &other)
      reset(other.release());
    return *this;
  }
  ~TUniqueHandle() { reset(); }

  THandle get() const { return Handle; }
  explicit operator bool() const { return Handle != Invalid(); }
  THandle release() { return std::exchange(Handle, Invalid()); }
  void reset(THandle handle = Invalid()) {
    const THandle old = std::exchange(Handle, handle);
    if (old != Invalid())
      CloseFn(old);
  }

 private:
  static THandle Invalid() { return reinterpret_cast<THandle>(InvalidBits); }

  THandle Handle = Invalid();
};

namespace detail {
inline void CloseKernelHandle(HANDLE h) {
  ::CloseHandle(h);
}
inline void DestroyWindowHandle(HWND h) {
  ::DestroyWindow(h);
}
inline void DeleteDcHandle(HDC h) {
  ::DeleteDC(h);
}
inline void DeleteGdiObject(HGDIOBJ h) {
  ::DeleteObject(h);
}
inline void FreeGlobal(HGLOBAL h) {
  ::GlobalFree(h);
}
inline void CloseRegKey(HKEY h) {
  ::RegCloseKey(h);
}
// Not FreeModule: winbase.h defines that name as a macro.
inline void FreeModuleHandle(HMODULE h) {
  ::FreeLibrary(h);
}
inline void DestroyIconHandle(HICON h) {
  ::DestroyIcon(h);
}
inline void DestroyMenuHandle(HMENU h) {
  ::DestroyMenu(h);
}
inline void CloseFind(HANDLE h) {
  ::FindClose(h);
}
inline void FreeLocal(HLOCAL h) {
  ::LocalFree(h);
}
inline void FreeCoTaskMem(void* p) {
  ::CoTaskMemFree(p);
}
}  // namespace detail

using unique_handle = TUniqueHandle<HANDLE, detail::CloseKernelHandle>;
// CreateFileW fails with INVALID_HANDLE_VALUE, not null.
using unique_file = TUniqueHandle<HANDLE, detail::CloseKernelHandle, -1>;
using unique_hwnd = TUniqueHandle<HWND, detail::DestroyWindowHandle>;
using unique_hdc = TUniqueHandle<HDC, detail::DeleteDcHandle>;
using unique_hgdiobj = TUniqueHandle<HGDIOBJ, detail::DeleteGdiObject>;
using unique_hbitmap = TUniqueHandle<HBITMAP, detail::DeleteGdiObject>;
using unique_hfont = TUniqueHandle<HFONT, detail::DeleteGdiObject>;
using unique_hbrush = TUniqueHandle<HBRUSH, detail::DeleteGdiObject>;
using unique_hpen = TUniqueHandle<HPEN, detail::DeleteGdiObject>;
using unique_hglobal = TUniqueHandle<HGLOBAL, detail::FreeGlobal>;
using unique_hkey = TUniqueHandle<HKEY, detail::CloseRegKey>;
using unique_hmodule = TUniqueHandle<HMODULE, detail::FreeModuleHandle>;
using unique_hicon = TUniqueHandle<HICON, detail::DestroyIconHandle>;
using unique_hmenu = TUniqueHandle<HMENU, detail::DestroyMenuHandle>;
// FindFirstFileW also fails with INVALID_HANDLE_VALUE.
using unique_find = TUniqueHandle<HANDLE, detail::CloseFind, -1>;
using unique_hlocal = TUniqueHandle<HLOCAL, detail::FreeLocal>;
// Memory the shell hands out with the COM allocator (known-folder paths, item lists).
template <typename T>
using unique_cotaskmem = TUniqueHandle<T*, detail::FreeCoTaskMem>;

// Restores the previously selected object of a device context when it goes out of scope.
class TSelectGuard {
 public:
  TSelectGuard(HDC dc, HGDIOBJ object) : Dc(dc), Previous(::SelectObject(dc, object)) {}
  TSelectGuard(const TSelectGuard&) = delete;
  TSelectGuard& operator=(const TSelectGuard&) = delete;
  ~TSelectGuard() {
    if (Previous != nullptr)
      ::SelectObject(Dc, Previous);
  }

 private:
  HDC Dc;
  HGDIOBJ Previous;
};

// Locks movable global memory for the scope; the pointer is null when locking failed.
class TGlobalLock {
 public:
  explicit TGlobalLock(HGLOBAL memory) : Memory(memory), Pointer(::GlobalLock(memory)) {}
  TGlobalLock(const TGlobalLock&) = delete;
  TGlobalLock& operator=(const TGlobalLock&) = delete;
  ~TGlobalLock() {
    if (Pointer != nullptr)
      ::GlobalUnlock(Memory);
  }

  void* get() const { return Pointer; }
  explicit operator bool() const { return Pointer != nullptr; }

 private:
  HGLOBAL Memory;
  void* Pointer;
};

// Calls a function when the scope ends, for one-off clean-ups such as CloseClipboard.
template <typename TFn>
class TScopeExit {
 public:
  explicit TScopeExit(TFn fn) : Fn(std::move(fn)) {}
  TScopeExit(const TScopeExit&) = delete;
  TScopeExit& operator=(const TScopeExit&) = delete;
  ~TScopeExit() { Fn(); }

 private:
  TFn Fn;
};

}  // namespace tolvane::win32
