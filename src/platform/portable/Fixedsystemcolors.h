#pragma once

#include <map>

#include "platform/Systemcolors.h"

namespace tolvane::portable {

// The classic default scheme, with colours a test may change. Linux has no system colour scheme, so the
// native service set answers with this; the recording set does too.
class TFixedSystemColors final : public platform::ISystemColors {
 public:
  std::uint32_t Color(int index) override;
  void SetColor(int index, std::uint32_t color) { Overrides[index] = color; }

 private:
  std::map<int, std::uint32_t> Overrides;
};

}  // namespace tolvane::portable
