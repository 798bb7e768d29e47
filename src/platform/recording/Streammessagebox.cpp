#include "platform/recording/Streammessagebox.h"

#include <string>

#include "common/Unicode.h"
#include "platform/recording/Defaultanswer.h"

namespace tolvane::recording {
namespace {

std::string OneLine(std::u16string_view text) {
  std::string line;
  for (const char c : Utf16ToUtf8(text)) {
    if (c == '\r') {
      line += "\\r";
    } else if (c == '\n') {
      line += "\\n";
    } else {
      line += c;
    }
  }
  return line;
}

}  // namespace

platform::TMsgResult TStreamMessageBox::Show(const platform::TMsgRequest& request) {
  Output << Utf16ToUtf8(request.Caption) << ": " << OneLine(request.Text) << '\n';
  Output.flush();
  return DefaultAnswer(request.Buttons);
}

}  // namespace tolvane::recording
