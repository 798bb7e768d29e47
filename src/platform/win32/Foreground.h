#pragma once

#include "platform/Foreground.h"

namespace tolvane::win32 {

class TForegroundWindow final : public platform::IForegroundWindow {
 public:
  platform::TWindowHandle Get() override;
  [[nodiscard]] bool Set(platform::TWindowHandle window) override;
  std::u16string ClassName(platform::TWindowHandle window) override;
  bool IsOwnWindow(platform::TWindowHandle window) override;
  bool IsWindow(platform::TWindowHandle window) override;
  std::u16string Title(platform::TWindowHandle window) override;
  // Compares the integrity level of the window's process with ours: the system drops input sent to a
  // window of a higher level.
  platform::TInputAccess InputAccess(platform::TWindowHandle window) override;
};

}  // namespace tolvane::win32
