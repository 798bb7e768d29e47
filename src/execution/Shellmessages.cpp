#include "execution/Shellhlpr.h"

namespace tolvane::execution {

void ShowErrorMessage(platform::IMessageBox& box, std::u16string_view caption, std::u16string_view text,
                      platform::TWindowHandle owner) {
  (void)platform::ShowMessageBox(box, caption, text, platform::TMsgKind::Error, platform::msgbutton::Ok,
                                 owner);
}

void ShowInformationMessage(platform::IMessageBox& box, std::u16string_view caption, std::u16string_view text,
                            platform::TWindowHandle owner) {
  (void)platform::ShowMessageBox(box, caption, text, platform::TMsgKind::Information, platform::msgbutton::Ok,
                                 owner);
}

bool AskYesNo(platform::IMessageBox& box, std::u16string_view caption, std::u16string_view text,
              platform::TWindowHandle owner) {
  const std::uint32_t buttons = platform::msgbutton::Yes | platform::msgbutton::No;
  return platform::ShowMessageBox(box, caption, text, platform::TMsgKind::Question, buttons, owner) ==
         platform::TMsgResult::Yes;
}

std::u16string ReportSystemError(platform::IMessageBox& box, const platform::TSystemError& error,
                                 std::u16string_view caption, std::u16string_view before,
                                 std::u16string_view after, platform::TWindowHandle owner) {
  // The system's own texts are short; the cut only guards against a runaway message.
  constexpr std::size_t MaxSystemText = 999;
  std::u16string text(before);
  text.append(u"\r\n").append(std::u16string_view(error.Message).substr(0, MaxSystemText));
  text.append(u"\r\n").append(after);
  ShowErrorMessage(box, caption, text, owner);
  return text;
}

}  // namespace tolvane::execution
