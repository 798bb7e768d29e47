// Menu file load (bytes on disk -> item tree) and save (item tree -> bytes on disk) on a generated menu of
// about 50,000 items, against pugixml (the baseline) loading and saving the same file. Each run reports MB/s;
// the program's own runs also report "x_pugixml", their throughput as a share of the baseline's, and the save
// "x_pugixml_synced", its share of pugixml's when that saves as durably as the program does.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <pugixml.hpp>
#include <random>
#include <stdexcept>
#include <string>

#include "common/Unicode.h"
#include "platform/native/Nativeservices.h"
#include "storage/Itemfile.h"

namespace {

using tolvane::storage::TItem;
using tolvane::storage::TMenuFile;
using tolvane::storage::TMenuFileServices;

constexpr int Folders = 250;
constexpr int ItemsPerFolder = 200;

// Text shaped like real menus: captions, multi-line clips with some markup characters, a few non-ASCII
// letters, URLs and macros.
class TMenuMaker {
 public:
  void Fill(TItem& root) {
    root.Name = u"Benchmark menu";
    for (int f = 0; f < Folders; ++f) {
      TItem* folder = root.NewChild();
      folder->Name = u"Folder " + Number(f);
      folder->ImageIndex = f % 30;
      TItem* parent = folder;
      for (int i = 0; i < ItemsPerFolder; ++i) {
        if (i % 40 == 20) {
          parent = folder->NewChild();
          parent->ItemType = tolvane::storage::ItemTypeFolder;
          parent->Name = u"Sub folder " + Number(i);
        }
        FillItem(*parent->NewChild(), i);
      }
    }
  }

 private:
  std::u16string Number(int n) { return tolvane::U16(std::to_string(n)); }
  int Pick(int high) { return std::uniform_int_distribution<int>(0, high - 1)(Engine); }

  std::u16string Sentence(int words) {
    static const char16_t* vocabulary[] = {
        u"Dear", u"customer", u"thank",   u"you",      u"for",    u"the", u"order", u"K\u00F8ge", u"&",
        u"<b>",  u"svar",     u"p\u00E5", u"delivery", u"within", u"3-5", u"days",  u"\"OK\"",    u"regards"};
    std::u16string text;
    for (int w = 0; w < words; ++w) {
      if (w > 0)
        text += w % 9 == 0 ? u"\r\n" : u" ";
      text += vocabulary[Pick(static_cast<int>(std::size(vocabulary)))];
    }
    return text;
  }

  void FillItem(TItem& item, int index) {
    item.Name = u"Item " + Number(index) + u" " + Sentence(2);
    switch (index % 8) {
      case 3:
        item.ItemType = 4;
        item.Url = u"https://example.com/pages/" + Number(Pick(100000)) + u"?q=a&b=c";
        break;
      case 5:
        item.ItemType = 6;
        item.KeyMacro = u"\\11A\\1s" + Sentence(3) + u"\\0D\\0v";
        item.RepeatCount = 2;
        break;
      default:
        item.Code = (index % 4 == 0 ? u" " : u"") + Sentence(14 + Pick(8));
        break;
    }
    if (index % 10 == 0)
      item.Tip = Sentence(6);
    item.ImageIndex = index % 7 == 0 ? -1 : Pick(40);
  }

  std::mt19937 Engine{42};
};

struct TBenchFiles {
  TBenchFiles() {
    Folder =
        std::filesystem::temp_directory_path() / ("tolvane_menufile_bench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(Folder);
    Source = (Folder / "menu.TvXml").string();
    TMenuFile menu(TMenuFileServices::From(Services.Services()));
    menu.RootItem = std::make_unique<TItem>();
    TMenuMaker().Fill(*menu.RootItem);
    if (menu.SaveMenuFile(Path(Source)) != tolvane::storage::TMenuSaveResult::Saved)
      throw std::runtime_error("cannot write the benchmark menu");
    Size = static_cast<std::int64_t>(std::filesystem::file_size(Source));
  }
  ~TBenchFiles() {
    std::error_code ignored;
    std::filesystem::remove_all(Folder, ignored);
  }
  static std::u16string Path(const std::string& path) { return tolvane::Utf8ToUtf16(path); }
  std::string Target(const char* name) const { return (Folder / name).string(); }

  tolvane::native::TNativeServices Services;
  std::filesystem::path Folder;
  std::string Source;
  std::int64_t Size = 0;
};

TBenchFiles& Files() {
  static TBenchFiles files;
  return files;
}

std::map<std::string, double>& BaselineSeconds() {
  static std::map<std::string, double> seconds;
  return seconds;
}

// Runs body once per iteration and reports throughput; baselines remember their time for the comparison.
// Callers do one untimed run first, so the timed ones see a warm heap and a cached file.
template <class TBody>
void Measure(benchmark::State& state, const std::string& operation, bool baseline, TBody body) {
  Files();
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state)
    body();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
                         static_cast<double>(state.iterations());
  state.SetBytesProcessed(state.iterations() * Files().Size);
  state.counters["MB/s"] = static_cast<double>(Files().Size) / seconds / 1e6;
  if (baseline)
    BaselineSeconds()[operation] = seconds;
  else if (const auto found = BaselineSeconds().find(operation); found != BaselineSeconds().end())
    state.counters["x_pugixml"] = found->second / seconds;
  if (const auto synced = BaselineSeconds().find(operation + " synced");
      !baseline && synced != BaselineSeconds().end())
    state.counters["x_pugixml_synced"] = synced->second / seconds;
}

void BM_Load_Baseline_Pugixml(benchmark::State& state) {
  pugi::xml_document document;
  document.load_file(Files().Source.c_str());
  Measure(state, "load", true, [&] {
    if (!document.load_file(Files().Source.c_str()))
      state.SkipWithError("pugixml could not load the menu");
    benchmark::DoNotOptimize(document.first_child());
  });
}
BENCHMARK(BM_Load_Baseline_Pugixml)->Unit(benchmark::kMillisecond);

void BM_Load_Tolvane(benchmark::State& state) {
  TMenuFile menu(TMenuFileServices::From(Files().Services.Services()));
  const std::u16string path = TBenchFiles::Path(Files().Source);
  // Warm: every timed load replaces a loaded menu, as reopening does in the program.
  (void)menu.LoadMenuFile(path, false);
  Measure(state, "load", false, [&] {
    if (!menu.LoadMenuFile(path, false).empty())
      state.SkipWithError("the menu could not be loaded");
    benchmark::DoNotOptimize(menu.RootItem.get());
  });
}
BENCHMARK(BM_Load_Tolvane)->Unit(benchmark::kMillisecond);

void BM_Save_Baseline_Pugixml(benchmark::State& state) {
  pugi::xml_document document;
  document.load_file(Files().Source.c_str());
  const std::string target = Files().Target("pugixml.TvXml");
  document.save_file(target.c_str(), "  ", pugi::format_default, pugi::encoding_utf8);
  Measure(state, "save", true, [&] {
    if (!document.save_file(target.c_str(), "  ", pugi::format_default, pugi::encoding_utf8))
      state.SkipWithError("pugixml could not save the menu");
  });
}
BENCHMARK(BM_Save_Baseline_Pugixml)->Unit(benchmark::kMillisecond);

// pugixml's save_file only writes: no flush to the disk, no temporary file. The program saves atomically
// (a temporary file beside the target, fsync, rename over the target), so this is pugixml doing the same.
void BM_Save_Pugixml_Synced(benchmark::State& state) {
  pugi::xml_document document;
  document.load_file(Files().Source.c_str());
  const std::string target = Files().Target("pugixml-synced.TvXml");
  const std::string temporary = target + ".tmp";
  const auto save = [&] {
    if (!document.save_file(temporary.c_str(), "  ", pugi::format_default, pugi::encoding_utf8))
      return false;
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
      ::close(fd);
    return synced && std::rename(temporary.c_str(), target.c_str()) == 0;
  };
  save();
  Measure(state, "save synced", true, [&] {
    if (!save())
      state.SkipWithError("pugixml could not save the menu");
  });
}
BENCHMARK(BM_Save_Pugixml_Synced)->Unit(benchmark::kMillisecond);

void BM_Save_Tolvane(benchmark::State& state) {
  TMenuFile menu(TMenuFileServices::From(Files().Services.Services()));
  if (!menu.LoadMenuFile(TBenchFiles::Path(Files().Source), false).empty())
    state.SkipWithError("the menu could not be loaded");
  const std::u16string target = TBenchFiles::Path(Files().Target("tolvane.TvXml"));
  (void)menu.SaveMenuFile(target);
  Measure(state, "save", false, [&] {
    if (menu.SaveMenuFile(target) != tolvane::storage::TMenuSaveResult::Saved)
      state.SkipWithError("the menu could not be saved");
  });
}
BENCHMARK(BM_Save_Tolvane)->Unit(benchmark::kMillisecond);

}  // namespace
