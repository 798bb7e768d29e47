#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "platform/Messagebox.h"

namespace tolvane::portable {

// The text as UTF-8 on one line: CR and LF (and TAB when asked) written as \r, \n and \t.
std::string EscapedLine(std::u16string_view text, bool escapeTabs = false);

// Writes each box as one line "CAPTION: TEXT" (line breaks in the text shown as \r and \n) and answers it as
// nobody clicking would: see DefaultAnswer.
class TStreamMessageBox final : public platform::IMessageBox {
 public:
  explicit TStreamMessageBox(std::ostream& output) : Output(output) {}

  platform::TMsgResult Show(const platform::TMsgRequest& request) override;

 private:
  std::ostream& Output;
};

}  // namespace tolvane::portable
