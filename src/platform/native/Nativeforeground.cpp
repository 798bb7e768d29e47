#include "platform/native/Nativeforeground.h"

namespace tolvane::native {

platform::TWindowHandle TNativeForeground::Get() {
  return 0;
}

bool TNativeForeground::Set(platform::TWindowHandle) {
  return false;
}

std::u16string TNativeForeground::ClassName(platform::TWindowHandle) {
  return {};
}

bool TNativeForeground::IsOwnWindow(platform::TWindowHandle) {
  return false;
}

bool TNativeForeground::IsWindow(platform::TWindowHandle) {
  return false;
}

std::u16string TNativeForeground::Title(platform::TWindowHandle) {
  return {};
}

platform::TInputAccess TNativeForeground::InputAccess(platform::TWindowHandle) {
  return platform::TInputAccess::Gone;
}

}  // namespace tolvane::native
