#include "modifier/Messages.h"

namespace tolvane::modifier {
namespace {

constexpr std::u16string_view FunctionError = u"Function Error !";
constexpr std::u16string_view ParameterErrorCaption = u"Parameter Error !";

std::u16string Joined(std::u16string_view lead, std::u16string_view rest) {
  std::u16string text(lead);
  text += rest;
  return text;
}

}  // namespace

void TRunMessages::UnknownFunction(std::u16string_view scriptLine) {
  Error(FunctionError, Joined(u"Call to Unknown Function:\r\n", scriptLine));
}

void TRunMessages::MissingTemplate() {
  Error(FunctionError, u"Missing function line or template:\r\nApplyToThisTemplateEnd");
}

void TRunMessages::UnavailableFunction(std::u16string_view name) {
  Error(FunctionError, Joined(u"Function not available in this version:\r\n", name));
}

void TRunMessages::OutOfMemory(std::u16string_view scriptLine) {
  Error(FunctionError, Joined(u"Not enough memory to run this line:\r\n", scriptLine));
}

void TRunMessages::WrongParameter(std::u16string_view functionName) {
  ParameterError(Joined(u"Wrong parameter in function call !\r\n", functionName) +
                 u"   is missing ', \" or | ");
}

void TRunMessages::EmptyParameter(std::u16string_view functionName) {
  ParameterError(Joined(u"Empty parameter in function call:  \r\n", functionName));
}

void TRunMessages::ParameterError(std::u16string_view text) {
  if (ShowMainWindow)
    ShowMainWindow();
  Error(ParameterErrorCaption, text);
}

void TRunMessages::Error(std::u16string_view caption, std::u16string_view text) {
  (void)platform::ShowMessageBox(MessageBox, caption, text,
                                 platform::TMsgKind::Error);  // OK is the only answer
}

}  // namespace tolvane::modifier
