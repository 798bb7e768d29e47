#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/Messagebox.h"

namespace tolvane::modifier {

// The error boxes of a run. Parameter messages first bring the main window forward, so the box has a
// visible owner; the program supplies that step, and without it the box is shown alone.
class TRunMessages {
 public:
  TRunMessages(platform::IMessageBox& messageBox, std::function<void()> showMainWindow)
      : MessageBox(messageBox), ShowMainWindow(std::move(showMainWindow)) {}

  // Caption "Function Error !".
  void UnknownFunction(std::u16string_view scriptLine);
  void MissingTemplate();
  void UnavailableFunction(std::u16string_view name);
  void OutOfMemory(std::u16string_view scriptLine);
  // Caption "Parameter Error !".
  void WrongParameter(std::u16string_view functionName);
  void EmptyParameter(std::u16string_view functionName);

  // Any modal error box with an OK button; the messages of single functions use it.
  void Error(std::u16string_view caption, std::u16string_view text);

 private:
  void ParameterError(std::u16string_view text);

  platform::IMessageBox& MessageBox;
  std::function<void()> ShowMainWindow;
};

}  // namespace tolvane::modifier
