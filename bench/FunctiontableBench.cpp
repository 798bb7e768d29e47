// Every function of the modifier's function table on two texts: one line of 1,000,000 characters and 100,000
// lines of about 50 characters. Each text has its own baseline, a copy of the text, so scripts/bench prints
// every function as a multiple of copying its input once. A function that scales worse than n log n shows
// up here as a ratio in the thousands; every one should stay well under a second.
#include <benchmark/benchmark.h>

#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "modifier/Functionids.h"
#include "modifier/Functiontable.h"
#include "modifier/Qxcliptxt.h"
#include "platform/native/Nativecodepages.h"
#include "platform/native/Nativelocale.h"
#include "platform/recording/Recordingservices.h"

namespace {

using namespace tolvane;

constexpr std::size_t SingleLineLength = 1000000;
constexpr int LineCount = 100000;

// Words, numbers, signs the functions look for (',' ':' '=' '/' '\\'), TABs and doubled blanks.
std::u16string RandomWords(std::mt19937& random, std::size_t length) {
  static const char16_t* const words[] = {
      u"alpha", u"Beta", u"gamma,", u"DELTA", u"ep=silon", u"Zeta:", u"\u00e4rger", u"\u00e9t\u00e9",
      u"omega", u"an",   u"42",     u"x/ray", u"a\\b",     u"tab\t", u"  two",      u">quote"};
  std::u16string text;
  while (text.size() < length) {
    text += words[random() % std::size(words)];
    text += u' ';
  }
  text.resize(length);
  return text;
}

struct TInputs {
  std::u16string SingleLine;
  std::u16string ManyLines;
};

const TInputs& Inputs() {
  static const TInputs inputs = [] {
    std::mt19937 random(4242);
    TInputs made;
    made.SingleLine = RandomWords(random, SingleLineLength);
    for (int line = 0; line < LineCount; ++line) {
      made.ManyLines += RandomWords(random, 30 + random() % 40);
      made.ManyLines += u"\r\n";
    }
    return made;
  }();
  return inputs;
}

// Representative parameters; a function missing here takes none.
const std::map<std::u16string, std::u16string>& Parameters() {
  static const std::map<std::u16string, std::u16string> parameters = {
      {u"AddFront", u"( '> ' )"},
      {u"AddEnd", u"( ' <' )"},
      {u"AlignOnSign", u"( '=', ' ', '2' )"},
      {u"AlignOnWord", u"( '3', ' ', '2' )"},
      {u"ApplyToThisTemplateBegin", u"( 'n' )"},
      {u"Break_NG_ReplyLines", u"( '76' )"},
      {u"BreakLines", u"( '76', 'n', '' )"},
      {u"BreakLinesAfter", u"( ',', '1', 'n', '' )"},
      {u"BreakLinesBefore", u"( ',', '1', 'n', '' )"},
      {u"ConvertTabsTo", u"( '    ' )"},
      {u"CurrentDateTimeInsertTop", u"( 'yyyy-mm-dd' )"},
      {u"CurrentDateTimeInsertBottom", u"( 'yyyy-mm-dd' )"},
      {u"CurrentDateTimePaste", u"( 'yyyy-mm-dd' )"},
      {u"CurrentDateTimeType", u"( 'yyyy-mm-dd' )"},
      {u"EscapeCharacter", u"( '#', ',' )"},
      {u"InsertAfterWord", u"( '2', '<>' )"},
      {u"InsertBeforeWord", u"( '2', '<>' )"},
      {u"InsertVAR_AfterWord", u"( '2', '-', '1' )"},
      {u"InsertVAR_BeforeWord", u"( '2', '-', '1' )"},
      {u"LinesEqualToLongestPadLeft", u"( '.', '1' )"},
      {u"LinesEqualToLongestPadRight", u"( '.', '1' )"},
      {u"MultilineComment", u"( '/*', '*/' )"},
      {u"NumbersLeft", u"( '1', 'y', '0' )"},
      {u"NumbersRight", u"( '1', 'y', ' ' )"},
      {u"RemoveFromToEnd", u"( 'x', 'y' )"},
      {u"RemoveTheseCharacters", u"( 'aeiou' )"},
      {u"RemoveThisFromFront", u"( 'al' )"},
      {u"RemoveUpTo", u"( 'a', 'n' )"},
      {u"Replace", u"( 'an', 'AN' )"},
      {u"SendKeyboardCombinaton", u"( 'ok' )"},
      {u"Sleep", u"( '0' )"},
      {u"Sort", u"( 'n', 'n' )"},
      {u"SortOnWordNr", u"( '2', 'n', 'y' )"},
      {u"SortOnWordAfterSign", u"( '=', 'y', 'n' )"},
      {u"SortOnWordBeforeSign", u"( ':', 'n', 'n' )"},
      {u"SwapWords", u"( '1', '3' )"},
      {u"Trim_NG_ReplySigns", u"( '>|' )"},
      {u"TrimSpecial", u"( 'ax' )"},
      {u"TrimSpecialLeft", u"( 'ax' )"},
      {u"TrimSpecialRight", u"( 'ax' )"},
      {u"WordSeparators", u"( ' ,:' )"},
      {u"WordsToLines", u"( 'y' )"},
      {u"PasteAsLines", u"( 'y' )"},
  };
  return parameters;
}

// The script lines of one call; the template opens a block with VARs, words and the line in it.
std::vector<std::u16string> Script(const modifier::TFunc& func) {
  const auto found = Parameters().find(func.Name);
  std::u16string call = func.Name + (found == Parameters().end() ? std::u16string(u"()") : found->second);
  if (func.Id != modifier::funcid::ApplyToThisTemplateBegin)
    return {call};
  return {call, u"<[VAR1]> [WORD2] [WORD1] : [LINE] [VAR2]", u"ApplyToThisTemplateEnd()"};
}

// What a pick does: the clipboard's text into lines, the call, the lines back into text.
void RunCall(benchmark::State& state, const std::u16string* text, std::vector<std::u16string> script) {
  native::TNativeLocale locale("en_US");
  native::TNativeCodePages codePages;
  recording::TRecordingServices doubles(locale, codePages);
  doubles.Clipboard.ChangeExternally(*text);
  // A pick leaves no log behind: a recorder keeping every pasted text and key would time the log's growth
  // (and its page faults) instead of the function.
  doubles.Recorder.SetKeeping(false);
  modifier::TQxClipTxt clip(doubles.Services());
  // Enough VARs that a template passing over its text once per VAR shows.
  std::vector<std::u16string> vars(1000, u"var");
  for (auto _ : state) {
    clip.SetLinesFromText(*text);
    clip.Vars = vars;
    if (!clip.RunScript(script))
      state.SkipWithError("the script stopped");
    benchmark::DoNotOptimize(clip.JoinedText());
    state.PauseTiming();
    clip.Separators.Reset();
    state.ResumeTiming();
  }
}

void CopyBaseline(benchmark::State& state, const std::u16string* text) {
  std::u16string copy(text->size(), u'\0');
  for (auto _ : state) {
    std::memcpy(copy.data(), text->data(), text->size() * sizeof(char16_t));
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
}

void RegisterFor(const std::string& inputName, const std::u16string* text) {
  benchmark::RegisterBenchmark(("CopyBaseline/" + inputName).c_str(), CopyBaseline, text)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  native::TNativeLocale locale("en_US");
  for (const modifier::TFunc& func : modifier::BuildFunctionTable(locale)) {
    if (func.Id == modifier::funcid::Skip)
      continue;
    std::string name;
    for (const char16_t c : func.Name)
      name += static_cast<char>(c);
    benchmark::RegisterBenchmark((name + "/" + inputName).c_str(), RunCall, text, Script(func))
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  }
}

}  // namespace

int main(int argc, char** argv) {
  RegisterFor("OneLine1M", &Inputs().SingleLine);
  RegisterFor("Lines100k", &Inputs().ManyLines);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
