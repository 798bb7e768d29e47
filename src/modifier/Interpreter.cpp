#include "modifier/Qxcliptxt.h"

#include <new>
#include <stdexcept>
#include <string>

#include "common/Decimaltext.h"
#include "execution/Targetwindow.h"
#include "modifier/Functionids.h"
#include "modifier/Functionregistry.h"
#include "modifier/Parameters.h"
#include "modifier/Template.h"

namespace tolvane::modifier {

bool TQxClipTxt::RunScript(const std::vector<std::u16string>& scriptLines) {
  StoppedAt.reset();
  KeysRefused = false;
  for (std::size_t i = 0; i < scriptLines.size(); ++i) {
    // A script can ask for more text than memory holds (padding to column 2,000,000,000); that stops the
    // run with a message instead of ending the program. Nothing has been delivered from the half-made lines.
    try {
      const std::optional<std::size_t> last = RunLine(scriptLines, i);
      if (!last) {
        StoppedAt = i;
        return false;
      }
      i = *last;
    } catch (const std::bad_alloc&) {
      Messages.OutOfMemory(scriptLines[i]);
      StoppedAt = i;
      return false;
    } catch (const std::length_error&) {
      Messages.OutOfMemory(scriptLines[i]);
      StoppedAt = i;
      return false;
    }
  }
  return true;
}

std::optional<std::size_t> TQxClipTxt::RunLine(const std::vector<std::u16string>& scriptLines,
                                               std::size_t i) {
  const TLookUp call = LookUpFunction(scriptLines[i]);
  if (call.Id == funcid::Skip)
    return i;
  if (call.Id == funcid::Unknown) {
    Messages.UnknownFunction(scriptLines[i]);
    return std::nullopt;
  }
  if (call.Id == funcid::ApplyToThisTemplateBegin)
    return RunTemplateBlock(scriptLines, i, call.ParamText);
  if (!ExecuteFunction(call.Id, call.ParamText))
    return std::nullopt;
  return i;
}

std::optional<std::size_t> TQxClipTxt::RunTemplateBlock(const std::vector<std::u16string>& scriptLines,
                                                        std::size_t begin, std::u16string_view paramText) {
  const TFunc& func = *FindFunction(Functions, funcid::ApplyToThisTemplateBegin);
  TArgs args = func.Params;
  if (!ParseParameters(func.Name, args, paramText, Messages))
    return std::nullopt;
  const std::optional<std::size_t> end = FindTemplateEnd(scriptLines, begin);
  if (!end) {
    Messages.MissingTemplate();
    return std::nullopt;
  }
  if (*end > begin + 1)
    ApplyTemplate(TemplateText(scriptLines, begin, *end), args[0].YesNo);
  return end;
}

bool TQxClipTxt::ExecuteFunction(std::int32_t id, std::u16string_view paramText) {
  if (id == funcid::Skip)
    return true;
  // A Begin line on its own has no block to apply.
  if (id == funcid::ApplyToThisTemplateBegin) {
    Messages.MissingTemplate();
    return false;
  }
  const TFunc* func = FindFunction(Functions, id);
  if (func == nullptr) {
    Messages.UnknownFunction(DecimalText(id));
    return false;
  }
  TArgs args = func->Params;  // the table's slots hold the fresh values
  if (!args.empty() && !ParseParameters(ParameterMessageName(*func), args, paramText, Messages))
    return false;
  const TFunctionHandler handler = FindHandler(id);
  if (handler == nullptr) {
    Messages.UnavailableFunction(func->Name);
    return false;
  }
  handler(*this, args);
  return !KeysRefused;
}

bool TQxClipTxt::ForegroundTakesKeys() {
  if (KeysRefused)
    return false;
  platform::IForegroundWindow& foreground = Services.Foreground;
  const platform::TWindowHandle window = foreground.Get();
  // A window that is gone or unknown gets the keys as before: only a refusal is known to lose them.
  if (foreground.InputAccess(window) != platform::TInputAccess::Refused)
    return true;
  KeysRefused = true;
  Messages.Error(execution::RefusedInputCaption,
                 execution::RefusedInputReason(execution::WindowName(foreground.Title(window))) +
                     u"\r\nThe script was stopped.");
  return false;
}

}  // namespace tolvane::modifier
