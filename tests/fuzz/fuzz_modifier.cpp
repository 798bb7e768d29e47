// A modifier script and a clipboard text (the input split at its first NUL byte) run by the interpreter on
// the recording services and the virtual clock. The script runs one statement at a time, a line or a whole
// template block, and stops once the working text has grown past a limit: scripts that double the text on
// every line are legitimate, but would only measure the machine's memory.

#include <string>

#include "Fuzzsupport.h"
#include "modifier/Functionids.h"
#include "modifier/Qxcliptxt.h"
#include "modifier/Template.h"
#include "platform/recording/Recordingservices.h"

namespace {

using namespace tolvane;
using modifier::TQxClipTxt;

constexpr std::size_t LongestInput = 4096;
constexpr std::size_t LargestText = 64 * 1024;  // code units in the lines and VARs together

std::size_t WorkingSize(const TQxClipTxt& clip) {
  std::size_t size = 0;
  for (const modifier::TClipLine& line : clip.Lines)
    size += line.Text.size() + 1;
  for (const std::u16string& var : clip.Vars)
    size += var.size() + 1;
  return size;
}

// Widths, lengths and counts ask for that many characters per line, so a number of more than four digits
// measures only the machine's memory. Counts the digits of every stretch between quote characters.
bool HasHugeNumber(std::u16string_view script) {
  int digits = 0;
  bool hex = false;
  bool stretchStart = true;
  for (const char16_t c : script) {
    if (c == u'\'' || c == u'"' || c == u'|' || c == u'\r' || c == u'\n') {
      digits = 0;
      hex = false;
      stretchStart = true;
      continue;
    }
    if (stretchStart)
      hex = c == u'#';
    stretchStart = false;
    const bool decimal = c >= u'0' && c <= u'9';
    if (decimal || (hex && ((c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'))))
      ++digits;
    if (digits > 4)
      return true;
  }
  return false;
}

// The lines of the statement that starts at `first`: one line, or a template block with an empty line
// behind it so that a block at the end of the chunk still has the two lines that the block rule asks for.
// A block without its End line takes the rest of the script, which stops the run as it would whole.
std::vector<std::u16string> Statement(const TQxClipTxt& clip, const std::vector<std::u16string>& lines,
                                      std::size_t first, std::size_t& next) {
  if (clip.LookUpFunction(lines[first]).Id != modifier::funcid::ApplyToThisTemplateBegin) {
    next = first + 1;
    return {lines[first]};
  }
  const std::optional<std::size_t> end = modifier::FindTemplateEnd(lines, first);
  if (!end) {
    next = lines.size();
    return {lines.begin() + static_cast<std::ptrdiff_t>(first), lines.end()};
  }
  next = *end + 1;
  std::vector<std::u16string> block(lines.begin() + static_cast<std::ptrdiff_t>(first),
                                    lines.begin() + static_cast<std::ptrdiff_t>(next));
  block.emplace_back();
  return block;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > LongestInput)
    return 0;
  const std::string_view bytes = fuzz::Bytes(data, size);
  const std::size_t split = bytes.find('\0');
  const std::u16string script = Utf8ToUtf16(bytes.substr(0, split));
  if (HasHugeNumber(script))
    return 0;
  std::optional<std::u16string> clipboard;
  if (split != std::string_view::npos)
    clipboard = Utf8ToUtf16(bytes.substr(split + 1));

  recording::TRecordingServices doubles(fuzz::Locale(), fuzz::CodePages());
  doubles.Clipboard.ChangeExternally(clipboard);
  TQxClipTxt clip(doubles.Services());
  const std::vector<std::u16string> lines = modifier::SplitScriptLines(script);
  std::size_t next = 0;
  while (next < lines.size() && WorkingSize(clip) <= LargestText) {
    const std::size_t first = next;
    if (!clip.RunScript(Statement(clip, lines, first, next)))
      break;
  }
  // The text a save hands over, shared or joined, is always the lines joined.
  fuzz::Check(*clip.SharedJoinedText() == clip.JoinedText(), "the saved text differs from the joined lines");
  return 0;
}
