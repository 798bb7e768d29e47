#include "execution/Macroplayer.h"
#include "execution/Qxinputlist.h"
#include "modifier/Formatnow.h"
#include "modifier/Functionsupport.h"
#include "modifier/Modifierfunctions.h"
#include "modifier/Textreplace.h"

namespace tolvane::modifier::functions {
namespace {

std::u16string Now(TQxClipTxt& clip, const TArgs& args) {
  return FormatNow(args[0].TextValue, clip.Services.Time.Now(), clip.Services.Locale);
}

TClipLine DateLine(TQxClipTxt& clip, const TArgs& args) {
  return TClipLine(Now(clip, args), true);
}

}  // namespace

void CurrentDateTimeInsertTop(TQxClipTxt& clip, const TArgs& args) {
  clip.Lines.Insert(0, DateLine(clip, args));
}

void CurrentDateTimeInsertBottom(TQxClipTxt& clip, const TArgs& args) {
  // The date goes on a line of its own, not onto the end of a last line that had no break.
  if (TClipLine* last = clip.Lines.Last())
    last->HasLineBreak = true;
  clip.Lines.Add(DateLine(clip, args));
}

void CurrentDateTimePaste(TQxClipTxt& clip, const TArgs& args) {
  clip.Lines.Clear();
  clip.Vars.clear();
  clip.Lines.Add(DateLine(clip, args));
  Paste(clip, {});
}

void CurrentDateTimeType(TQxClipTxt& clip, const TArgs& args) {
  // The macro language escapes with a backslash, so each one the date holds is doubled to be typed as is.
  if (!clip.ForegroundTakesKeys())
    return;
  std::u16string macro = Now(clip, args);
  ReplaceAll(macro, u"\\", u"\\\\");
  execution::TQxInputList list(std::move(macro));
  (void)execution::PlayInputList(list, 1, clip.Services.Keyboard, clip.Services.Time);
}

}  // namespace tolvane::modifier::functions
