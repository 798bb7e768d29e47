#include "platform/portable/Streammessagebox.h"

#include <string>

#include "common/Unicode.h"
#include "platform/portable/Defaultanswer.h"

namespace tolvane::portable {
std::string EscapedLine(std::u16string_view text, bool escapeTabs) {
  std::string line;
  for (const char c : Utf16ToUtf8(text)) {
    if (c == '\r') {
      line += "\\r";
    } else if (c == '\n') {
      line += "\\n";
    } else if (c == '\t' && escapeTabs) {
      line += "\\t";
    } else {
      line += c;
    }
  }
  return line;
}

platform::TMsgResult TStreamMessageBox::Show(const platform::TMsgRequest& request) {
  Output << Utf16ToUtf8(request.Caption) << ": " << EscapedLine(request.Text) << '\n';
  Output.flush();
  return DefaultAnswer(request.Buttons);
}

}  // namespace tolvane::portable
