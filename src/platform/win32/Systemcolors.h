#pragma once

#include "platform/Systemcolors.h"

namespace tolvane::win32 {

class TSystemColors final : public platform::ISystemColors {
 public:
  std::uint32_t Color(int index) override;
};

}  // namespace tolvane::win32
