#include <algorithm>

#include "execution/Macroplayer.h"
#include "execution/Qxinputlist.h"
#include "modifier/Functionsupport.h"
#include "modifier/Keytyper.h"
#include "modifier/Modifierfunctions.h"

namespace tolvane::modifier::functions {
namespace {

// A surrogate pair is one caret position in the target editor.
std::size_t CaretSteps(std::u16string_view text) {
  return text.size() - static_cast<std::size_t>(std::count_if(text.begin(), text.end(), IsLowSurrogate));
}

// Each line typed where `key` put the caret, then Down and `key` again for the next line.
void TypeAtLineEnds(TQxClipTxt& clip, std::uint16_t key) {
  if (clip.Lines.Empty() || !clip.ForegroundTakesKeys())
    return;
  TKeyTyper typer(clip.Services.Keyboard);
  typer.Press(key);
  for (const TClipLine& line : clip.Lines) {
    typer.Type(line.Text, false);
    typer.Press(vk::Down);
    typer.Press(key);
  }
}

}  // namespace

void PasteAfterLines(TQxClipTxt& clip, const TArgs&) {
  TypeAtLineEnds(clip, vk::End);
}

void PasteBeforeLines(TQxClipTxt& clip, const TArgs&) {
  TypeAtLineEnds(clip, vk::Home);
}

void PasteAsLines(TQxClipTxt& clip, const TArgs& args) {
  const bool doHome = args[0].YesNo;
  if (!clip.ForegroundTakesKeys())
    return;
  TKeyTyper typer(clip.Services.Keyboard);
  for (const TClipLine& line : clip.Lines) {
    typer.Type(line.Text, doHome);
    typer.Press(vk::Enter);
    if (doHome)
      typer.Press(vk::Home);
  }
}

void PasteAsBlock(TQxClipTxt& clip, const TArgs&) {
  if (!clip.ForegroundTakesKeys())
    return;
  TKeyTyper typer(clip.Services.Keyboard);
  for (const TClipLine& line : clip.Lines) {
    typer.Type(line.Text, false);
    typer.Press(vk::Left, CaretSteps(line.Text));
    typer.Press(vk::Down);
  }
}

void SendKeyboardCombinaton(TQxClipTxt& clip, const TArgs& args) {
  if (!clip.ForegroundTakesKeys())
    return;
  execution::TQxInputList macro(args[0].TextValue);
  // A cut-off playback has released its keys; the script goes on, as after any other function.
  (void)execution::PlayInputList(macro, 1, clip.Services.Keyboard, clip.Services.Time);
}

void Sleep(TQxClipTxt& clip, const TArgs& args) {
  if (args[0].Number <= 0)
    return;
  // Tenths of a second can exceed what one wait takes; the system also reads the largest value as forever.
  constexpr std::uint64_t LongestWait = 0x7FFFFFFF;
  for (std::uint64_t remaining = std::uint64_t{100} * static_cast<std::uint32_t>(args[0].Number);
       remaining > 0;) {
    const std::uint64_t wait = std::min(remaining, LongestWait);
    clip.Services.Time.Sleep(static_cast<std::uint32_t>(wait));
    remaining -= wait;
  }
}

}  // namespace tolvane::modifier::functions
