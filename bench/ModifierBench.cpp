// Modifier functions on a generated text of 100,000 lines (about 5 MB as UTF-8), each against the GNU tool
// that does the same job on the same input: sort with the en_US.UTF-8 collation, sed, and fold; and a whole
// tolvane-cli run against sed.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "common/Unicode.h"
#include "modifier/Functionids.h"
#include "modifier/Qxcliptxt.h"
#include "platform/native/Nativecodepages.h"
#include "platform/native/Nativelocale.h"
#include "platform/recording/Recordingservices.h"

namespace {

using namespace tolvane;

constexpr int LineCount = 100000;
constexpr const char* Collation = "en_US.UTF-8";

std::string GeneratedText() {
  static const char* const words[] = {
      "alpha",     "Beta",       "gamma", "DELTA", "epsilon", "Zeta", "\xC3\xA4rger", "\xC3\xA9t\xC3\xA9",
      "omega",     "Omega",      "and",   "an",    "banana",  "42",   "x-ray",        "(paren)",
      "tab\there", "\xC3\xB8st", "Quux",  "quux"};
  std::mt19937 random(12345);
  std::string text;
  for (int line = 0; line < LineCount; ++line) {
    std::string current;
    while (current.size() < 45)
      current += std::string(words[random() % std::size(words)]) + ' ';
    current += std::to_string(random() % 100000);
    text += current + "\r\n";
  }
  return text;
}

struct TInput {
  std::string Utf8;
  std::u16string Text;
  std::filesystem::path File;  // the same text with LF breaks, for the GNU tools
};

const TInput& Input() {
  static const TInput input = [] {
    TInput made;
    made.Utf8 = GeneratedText();
    made.Text = Utf8ToUtf16(made.Utf8);
    made.File = std::filesystem::temp_directory_path() / "tolvane-modifier-bench.txt";
    std::string unix = made.Utf8;
    std::erase(unix, '\r');
    std::ofstream(made.File, std::ios::binary) << unix;
    return made;
  }();
  return input;
}

// GNU sort collates only in an installed locale; without one it silently compares bytes. When the system has
// no en_US.UTF-8, one is compiled into the temporary folder.
bool CollationReady() {
  static const bool ready = [] {
    if (std::setlocale(LC_COLLATE, Collation) != nullptr)
      return true;
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tolvane-bench-locales";
    std::filesystem::create_directories(folder);
    const std::string make =
        "localedef -i en_US -f UTF-8 '" + (folder / Collation).string() + "' >/dev/null 2>&1";
    (void)std::system(make.c_str());
    ::setenv("LOCPATH", folder.c_str(), 1);
    return std::setlocale(LC_COLLATE, Collation) != nullptr;
  }();
  std::setlocale(LC_COLLATE, "C");
  return ready;
}

void RunTool(benchmark::State& state, const std::string& command) {
  if (!CollationReady()) {
    state.SkipWithError("no en_US.UTF-8 locale for the GNU tools");
    return;
  }
  const std::string line =
      "LC_ALL=" + std::string(Collation) + " " + command + " '" + Input().File.string() + "' >/dev/null";
  for (auto _ : state) {
    if (std::system(line.c_str()) != 0)
      state.SkipWithError(("failed: " + command).c_str());
  }
}

// The whole job the way a script does it: the text as read from the clipboard into lines, the function, the
// lines back into the text a save hands over.
void RunFunction(benchmark::State& state, std::int32_t id, std::u16string_view parameters) {
  native::TNativeLocale locale("en_US");
  native::TNativeCodePages codePages;
  recording::TRecordingServices doubles(locale, codePages);
  modifier::TQxClipTxt clip(doubles.Services());
  const platform::TSharedText read = std::make_shared<const std::u16string>(Input().Text);
  for (auto _ : state) {
    clip.SetLinesFromText(read);
    if (!clip.ExecuteFunction(id, parameters))
      state.SkipWithError("the function did not run");
    benchmark::DoNotOptimize(clip.SharedJoinedText());
  }
}

void BM_GnuSortBaseline(benchmark::State& state) {
  RunTool(state, "sort");
}

void BM_Sort(benchmark::State& state) {
  RunFunction(state, modifier::funcid::Sort, u"( 'n', 'n' )");
}

void BM_GnuSortIgnoringCaseBaseline(benchmark::State& state) {
  RunTool(state, "sort -f");
}

void BM_SortIgnoringCase(benchmark::State& state) {
  RunFunction(state, modifier::funcid::Sort, u"( 'n', 'y' )");
}

void BM_SedReplaceBaseline(benchmark::State& state) {
  RunTool(state, "sed 's/an/AN/g'");
}

void BM_Replace(benchmark::State& state) {
  RunFunction(state, modifier::funcid::Replace, u"( 'an', 'AN' )");
}

void BM_FoldBreakLinesBaseline(benchmark::State& state) {
  RunTool(state, "fold -s -w 20");
}

void BM_BreakLines(benchmark::State& state) {
  RunFunction(state, modifier::funcid::BreakLines, u"( '20', 'n', '' )");
}

void BM_SedWordsToLinesBaseline(benchmark::State& state) {
  RunTool(state, "sed -E 's/[^[:alnum:]]+/\\n/g'");
}

void BM_WordsToLines(benchmark::State& state) {
  RunFunction(state, modifier::funcid::WordsToLines, u"( 'n' )");
}

// The whole run as a user starts it: tolvane-cli modify over a 7.6 MB text of 200,000 lines against sed
// making the same edit, each a process of its own. MaxRssPerTextByte is the process's peak memory over the
// text's size.
const std::filesystem::path& WholeRunText() {
  static const std::filesystem::path file = [] {
    const std::filesystem::path made = std::filesystem::temp_directory_path() / "tolvane-whole-run.txt";
    static const char* const words[] = {"alpha",        "Beta",  "gamma", "DELTA", "epsilon", "Zeta",
                                        "\xC3\xA4rger", "omega", "an",    "42",    "x-ray",   "quux"};
    std::mt19937 random(777);
    std::string text;
    for (int line = 0; line < 200000; ++line) {
      std::string current;
      while (current.size() < 30)
        current += std::string(words[random() % std::size(words)]) + ' ';
      text += current + std::to_string(random() % 100000) + "\r\n";
    }
    std::ofstream(made, std::ios::binary) << text;
    return made;
  }();
  return file;
}

// Runs the command once per iteration with its output thrown away. Its peak memory comes from GNU time, whose
// own small process starts it: a child forked from this benchmark would count the benchmark's pages too.
void RunProcess(benchmark::State& state, std::vector<std::string> command) {
  const std::filesystem::path peakFile = std::filesystem::temp_directory_path() / "tolvane-whole-run.rss";
  std::vector<std::string> args = {"/usr/bin/time", "-f", "%M", "-o", peakFile.string()};
  args.insert(args.end(), command.begin(), command.end());
  std::vector<char*> argv;
  for (std::string& arg : args)
    argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  long peakKb = 0;
  for (auto _ : state) {
    pid_t child = 0;
    int status = 0;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0 ||
        waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError(("failed (is GNU time installed?): " + command[0]).c_str());
      break;
    }
    long kb = 0;
    std::ifstream(peakFile) >> kb;
    peakKb = std::max(peakKb, kb);
  }
  posix_spawn_file_actions_destroy(&actions);
  state.counters["MaxRssPerTextByte"] =
      static_cast<double>(peakKb) * 1024 / static_cast<double>(std::filesystem::file_size(WholeRunText()));
}

void BM_SedWholeRunBaseline(benchmark::State& state) {
  RunProcess(state, {"sed", "s/gamma/GAMMA!/g", WholeRunText().string()});
}

void BM_ModifyWholeRun(benchmark::State& state) {
  const std::filesystem::path script = std::filesystem::temp_directory_path() / "tolvane-whole-run.tvs";
  std::ofstream(script, std::ios::binary) << "Replace( 'gamma', 'GAMMA!' )\r\nSaveToClipboard()\r\n";
  RunProcess(state, {TOLVANE_CLI_EXE, "modify", script.string(), "--input", WholeRunText().string()});
}

}  // namespace

// The GNU sort baseline comes first: scripts/bench compares everything with the first baseline it finds;
// scripts/bench-modifier compares each function with its own tool.
BENCHMARK(BM_GnuSortBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Sort)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GnuSortIgnoringCaseBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SortIgnoringCase)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SedReplaceBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Replace)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FoldBreakLinesBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BreakLines)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SedWordsToLinesBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WordsToLines)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SedWholeRunBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ModifyWholeRun)->Unit(benchmark::kMillisecond)->UseRealTime();
