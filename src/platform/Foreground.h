#pragma once

#include <string>

#include "platform/Platformtypes.h"

namespace tolvane::platform {

// Whether synthetic input sent while a window is in front reaches it.
enum class TInputAccess {
  Allowed,
  Refused,  // the window's program runs at a higher integrity level; the system drops the input
  Gone,     // the window no longer exists
};

// The foreground window of the desktop: which window has it, bringing one forward, and telling whose it is.
class IForegroundWindow {
 public:
  virtual ~IForegroundWindow() = default;

  virtual TWindowHandle Get() = 0;
  [[nodiscard]] virtual bool Set(TWindowHandle window) = 0;
  // The window's class name; empty for an invalid window.
  virtual std::u16string ClassName(TWindowHandle window) = 0;
  // True when the window belongs to this process.
  virtual bool IsOwnWindow(TWindowHandle window) = 0;
  virtual bool IsWindow(TWindowHandle window) = 0;
  // The window's title; empty for an invalid window.
  virtual std::u16string Title(TWindowHandle window) = 0;
  virtual TInputAccess InputAccess(TWindowHandle window) = 0;
};

}  // namespace tolvane::platform
