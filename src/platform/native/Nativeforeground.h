#pragma once

#include "platform/Foreground.h"

namespace tolvane::native {

// Natively there are no desktop windows to track or bring forward.
class TNativeForeground final : public platform::IForegroundWindow {
 public:
  platform::TWindowHandle Get() override;
  [[nodiscard]] bool Set(platform::TWindowHandle window) override;
  std::u16string ClassName(platform::TWindowHandle window) override;
  bool IsOwnWindow(platform::TWindowHandle window) override;
  bool IsWindow(platform::TWindowHandle window) override;
  std::u16string Title(platform::TWindowHandle window) override;
  platform::TInputAccess InputAccess(platform::TWindowHandle window) override;
};

}  // namespace tolvane::native
