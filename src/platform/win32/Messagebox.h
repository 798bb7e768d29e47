#pragma once

#include "platform/Messagebox.h"
#include "platform/win32/Win.h"

namespace tolvane::win32 {

// The system's MessageBoxW. It offers fixed button sets only, so requested buttons are matched to the nearest
// set that still holds the requested Yes, No and OK.
class TMessageBox final : public platform::IMessageBox {
 public:
  platform::TMsgResult Show(const platform::TMsgRequest& request) override;
};

// MB_ style bits (buttons and icon) for the request.
UINT MessageBoxStyle(platform::TMsgKind kind, std::uint32_t buttons);
// The button a MessageBoxW answer stands for; None for a failed call.
platform::TMsgResult MessageBoxResult(int answer);

}  // namespace tolvane::win32
