#pragma once

#include <functional>

#include "platform/win32/Handles.h"
#include "platform/win32/Win.h"

namespace tolvane::win32 {

// A hidden message-only window of the calling thread that hands its messages to a function. The function
// returns true when it handled the message (the window procedure then answers 0).
class TMessageWindow {
 public:
  using THandler = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam)>;

  explicit TMessageWindow(THandler handler);
  // The window keeps a pointer to its owner, so the owner stays put.
  TMessageWindow(const TMessageWindow&) = delete;
  TMessageWindow& operator=(const TMessageWindow&) = delete;

  // Null when the window could not be created.
  HWND Handle() const { return Window.get(); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  THandler Handler;
  unique_hwnd Window;  // declared last: destroyed first, while the handler still exists
};

}  // namespace tolvane::win32
