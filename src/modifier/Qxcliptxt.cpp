#include "modifier/Qxcliptxt.h"

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
  Vars.clear();
  // The old lines go first, so the text is never held twice over.
  Lines.Clear();
  Lines = LinesFromText(text);
}

void TQxClipTxt::SetLinesFromClipText() {
  SetLinesFromText(LastRead);
}

void TQxClipTxt::SetLinesFromText(platform::TSharedText text) {
  Vars.clear();
  Lines.Clear();
  Lines = LinesFromText(std::move(text));
}

std::u16string TQxClipTxt::JoinedText() const {
  return modifier::JoinedText(Lines);
}

void TQxClipTxt::FirstLineAreVars() {
  Vars.clear();
  if (Lines.Empty())
    return;
  Vars = SplitWords(Lines[0]->Text, Separators);
  Lines.Delete(0);
}

}  // namespace tolvane::modifier
