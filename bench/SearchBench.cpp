// Per-keystroke time of the Search dialog's engine over 100,000 generated items, each against grep
// counting the same term's lines in a file holding the same searched values, one item a line.

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "Benchmenu.h"
#include "common/Unicode.h"
#include "platform/native/Nativeservices.h"
#include "storage/Searchfrm.h"

namespace {

using tolvane::storage::TItem;
using tolvane::storage::TSearchEngine;

constexpr int ItemCount = 100000;
constexpr std::string_view GrowingTerm = "invoic";
// The second term grows while the first stays at this.
constexpr std::string_view FirstTerm = "order";
constexpr std::string_view GrowingSecondTerm = "attach";

// The menu, the engine loaded with it and the grep file, made once for all benchmarks.
struct TFixture {
  tolvane::native::TNativeServices Services;
  TItem Root;
  std::unique_ptr<TSearchEngine> Engine;
  std::filesystem::path File;

  TFixture() {
    tolvane::bench::FillBenchMenu(Root, ItemCount, 20261209);
    Engine = std::make_unique<TSearchEngine>(Services.Services().Locale, Services.Services().Time);
    Engine->Load(Root);
    File = std::filesystem::temp_directory_path() /
           ("tolvane-search-bench-" + std::to_string(getpid()) + ".txt");
    std::ofstream out(File, std::ios::binary);
    WriteItems(out, Root);
    if (!out)
      throw std::runtime_error("cannot write " + File.string());
  }
  ~TFixture() {
    std::error_code ignored;
    std::filesystem::remove(File, ignored);
  }

  // Every searched value, tab-separated and with line breaks made tabs, so a term never spans two values
  // and grep's line count is the engine's item count.
  static void WriteItems(std::ofstream& out, const TItem& parent) {
    for (const TItem& item : parent.Children) {
      for (const std::u16string_view value : std::initializer_list<std::u16string_view>{
               item.Name, item.Tip, item.Code, item.KeyMacro, item.XClip, item.Subject, item.Email, item.Bcc,
               item.Cc, item.File, item.Program, item.Url}) {
        std::string text = tolvane::Utf16ToUtf8(value);
        for (char& c : text) {
          if (c == '\r' || c == '\n')
            c = '\t';
        }
        out << text << '\t';
      }
      out << '\n';
      WriteItems(out, item);
    }
  }
};

TFixture& Fixture() {
  static TFixture fixture;
  return fixture;
}

long RunGrep(const std::string& command) {
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr)
    throw std::runtime_error("cannot run " + command);
  long count = -1;
  if (std::fscanf(pipe, "%ld", &count) != 1)
    count = -1;
  pclose(pipe);
  return count;
}

// grep -c over the file for the term, or for the second term among the lines grep finds for the first.
void Grep(benchmark::State& state, std::string term, std::string secondTerm) {
  const std::string file = "'" + Fixture().File.string() + "'";
  const std::string command =
      secondTerm.empty() ? "grep -F -i -c '" + term + "' " + file
                         : "grep -F -i '" + term + "' " + file + " | grep -F -i -c '" + secondTerm + "'";
  long count = 0;
  for (auto _ : state)
    count = RunGrep(command);
  state.counters["items"] = static_cast<double>(count);
}

// Times the keystroke that makes term 1 `length` characters long; the one before it is set untimed.
void TypeTerm1(benchmark::State& state, std::size_t length, bool fromEmpty) {
  TSearchEngine& engine = *Fixture().Engine;
  engine.SetTerm2(u"");
  const std::u16string term = tolvane::Utf8ToUtf16(GrowingTerm.substr(0, length));
  for (auto _ : state) {
    state.PauseTiming();
    engine.SetTerm1(fromEmpty ? std::u16string() : term.substr(0, length - 1));
    state.ResumeTiming();
    engine.SetTerm1(term);
  }
  state.counters["items"] = static_cast<double>(engine.Rows().size());
  engine.SetTerm1(u"");
}

void TypeTerm2(benchmark::State& state, std::size_t length) {
  TSearchEngine& engine = *Fixture().Engine;
  engine.SetTerm2(u"");
  engine.SetTerm1(tolvane::Utf8ToUtf16(FirstTerm));
  const std::u16string term = tolvane::Utf8ToUtf16(GrowingSecondTerm.substr(0, length));
  for (auto _ : state) {
    state.PauseTiming();
    engine.SetTerm2(term.substr(0, length - 1));
    state.ResumeTiming();
    engine.SetTerm2(term);
  }
  state.counters["items"] = static_cast<double>(engine.Rows().size());
  engine.SetTerm2(u"");
  engine.SetTerm1(u"");
}

// Each engine benchmark follows grep's for the same term, which scripts/bench takes as its baseline. The
// rebuild variant types the whole term at once, as a filter over every item does on each keystroke.
const bool Registered = [] {
  for (std::size_t length = 1; length <= GrowingTerm.size(); ++length) {
    const std::string term(GrowingTerm.substr(0, length));
    benchmark::RegisterBenchmark(("Term1_" + term + "_GrepBaseline").c_str(), Grep, term, std::string())
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("Term1_" + term + "_Keystroke").c_str(), TypeTerm1, length, false)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("Term1_" + term + "_Rebuild").c_str(), TypeTerm1, length, true)
        ->Unit(benchmark::kMillisecond);
  }
  for (std::size_t length = 1; length <= GrowingSecondTerm.size(); ++length) {
    const std::string term(GrowingSecondTerm.substr(0, length));
    benchmark::RegisterBenchmark(("Term2_" + term + "_GrepBaseline").c_str(), Grep, std::string(FirstTerm),
                                 term)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("Term2_" + term + "_Keystroke").c_str(), TypeTerm2, length)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
