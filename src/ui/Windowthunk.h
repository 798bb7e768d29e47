#pragma once
// The window procedure of our window classes. The object travels as the creation parameter, is kept with the
// window from WM_NCCREATE on, and every message goes to its WindowProc; an exception is shown (on the window,
// or on its parent for child controls) instead of unwinding through system code.
// A class grants access with `friend struct TWindowThunk<TClass, …>;` and needs `HWND Hwnd` and
// `LRESULT WindowProc(UINT, WPARAM, LPARAM)`.

#include "platform/win32/Win.h"
#include "ui/Errordisplay.h"

namespace tolvane::ui {

template <typename TWindow, bool ErrorsOnParent = false>
struct TWindowThunk {
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* created = static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      created->Hwnd = window;
      ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<TWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr)
      return ::DefWindowProcW(window, message, wParam, lParam);
    const HWND errorOwner = ErrorsOnParent ? ::GetParent(window) : window;
    LRESULT result = 0;
    if (!GuardedCall(errorOwner, [&] { result = self->WindowProc(message, wParam, lParam); }))
      return 0;
    return result;
  }
};

}  // namespace tolvane::ui
