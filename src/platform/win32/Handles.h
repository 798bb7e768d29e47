#pragma once
// Owners for Windows handles: non-copyable, movable, closed exactly once. Handing a handle to the system is
// an explicit release().

#include <utility>

#include "platform/win32/Win.h"

namespace tolvane::win32 {

template <typename THandle, auto CloseFn, THandle InvalidValue = THandle{}>
class TUniqueHandle {
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
  explicit operator bool() const { return Handle != InvalidValue; }
  THandle release() { return std::exchange(Handle, InvalidValue); }
  void reset(THandle handle = InvalidValue) {
    const THandle old = std::exchange(Handle, handle);
    if (old != InvalidValue)
      CloseFn(old);
  }

 private:
  THandle Handle = InvalidValue;
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
inline void FreeModule(HMODULE h) {
  ::FreeLibrary(h);
}
inline void DestroyIconHandle(HICON h) {
  ::DestroyIcon(h);
}
}  // namespace detail

using unique_handle = TUniqueHandle<HANDLE, detail::CloseKernelHandle>;
// CreateFileW fails with INVALID_HANDLE_VALUE, not null.
using unique_file = TUniqueHandle<HANDLE, detail::CloseKernelHandle, INVALID_HANDLE_VALUE>;
using unique_hwnd = TUniqueHandle<HWND, detail::DestroyWindowHandle>;
using unique_hdc = TUniqueHandle<HDC, detail::DeleteDcHandle>;
using unique_hgdiobj = TUniqueHandle<HGDIOBJ, detail::DeleteGdiObject>;
using unique_hbitmap = TUniqueHandle<HBITMAP, detail::DeleteGdiObject>;
using unique_hfont = TUniqueHandle<HFONT, detail::DeleteGdiObject>;
using unique_hbrush = TUniqueHandle<HBRUSH, detail::DeleteGdiObject>;
using unique_hglobal = TUniqueHandle<HGLOBAL, detail::FreeGlobal>;
using unique_hkey = TUniqueHandle<HKEY, detail::CloseRegKey>;
using unique_hmodule = TUniqueHandle<HMODULE, detail::FreeModule>;
using unique_hicon = TUniqueHandle<HICON, detail::DestroyIconHandle>;

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
