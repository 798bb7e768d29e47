#pragma once

#include <string>

#include "platform/Platformtypes.h"

namespace tolvane::platform {

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
};

}  // namespace tolvane::platform
