#include "modifier/Qxcliptxt.h"

#include <memory>
#include <utility>

namespace tolvane::modifier {

TQxClipTxt::TQxClipTxt(const platform::TServices& services, std::function<void()> showMainWindow)
    : Services(services), Messages(services.MessageBox, std::move(showMainWindow)) {
  LoadFromClipboard();
  Functions = BuildFunctionTable(Services.Locale);
  Separators.Reset();
  Listening = Services.Clipboard.SetChangeHandler([this] { ClipboardChanged = true; });
}

TQxClipTxt::~TQxClipTxt() {
  // The handler points at this object; it must not outlive it.
  if (Listening)
    Services.Clipboard.SetChangeHandler({});
}

TLookUp TQxClipTxt::LookUpFunction(std::u16string_view line) const {
  return modifier::LookUpFunction(Functions, Services.Locale, line);
}

void TQxClipTxt::SetLinesFromText(std::u16string_view text) {
  SetLinesFromText(std::make_shared<const std::u16string>(text));
}

void TQxClipTxt::SetLinesFromClipText() {
  SetLinesFromText(LastRead);
}

void TQxClipTxt::SetLinesFromText(platform::TSharedText text) {
  Vars.clear();
  // The old lines go before the new ones are made, so two lists are never held at once.
  Lines.Clear();
  Lines = LinesFromText(std::move(text));
}

std::u16string TQxClipTxt::JoinedText() const {
  return modifier::JoinedText(Lines);
}

platform::TSharedText TQxClipTxt::SharedJoinedText() const {
  if (platform::TSharedText source = Lines.SpelledSource())
    return source;
  return std::make_shared<const std::u16string>(JoinedText());
}

void TQxClipTxt::FirstLineAreVars() {
  Vars.clear();
  if (Lines.Empty())
    return;
  Vars = SplitWords(Lines[0]->Text, Separators);
  Lines.Delete(0);
}

}  // namespace tolvane::modifier
