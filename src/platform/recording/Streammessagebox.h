#pragma once

#include <ostream>

#include "platform/Messagebox.h"

namespace tolvane::recording {

// Writes each box as one line "CAPTION: TEXT" (line breaks in the text shown as \r and \n) and answers it as
// nobody clicking would: see DefaultAnswer.
class TStreamMessageBox final : public platform::IMessageBox {
 public:
  explicit TStreamMessageBox(std::ostream& output) : Output(output) {}

  platform::TMsgResult Show(const platform::TMsgRequest& request) override;

 private:
  std::ostream& Output;
};

}  // namespace tolvane::recording
