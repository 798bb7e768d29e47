// tolvane_menugen OUT [--items N] [--seed S]: writes the benchmark menu with the program's own writer and
// loads it back, so a benchmark never runs on a file the program would refuse.

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "Benchmenu.h"
#include "common/Unicode.h"
#include "platform/native/Nativeservices.h"
#include "storage/Itemfile.h"

namespace {

using tolvane::storage::TMenuFile;
using tolvane::storage::TMenuFileServices;

constexpr int DefaultItems = 10000;
constexpr std::uint32_t DefaultSeed = 20261209;

struct TOptions {
  std::string Output;
  int Items = DefaultItems;
  std::uint32_t Seed = DefaultSeed;
};

template <class TNumber>
bool ParseNumber(std::string_view text, TNumber& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

bool ParseOptions(int argc, char** argv, TOptions& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    const bool hasValue = i + 1 < argc;
    if (argument == "--items" && hasValue) {
      if (!ParseNumber(argv[++i], options.Items) || options.Items < 0)
        return false;
    } else if (argument == "--seed" && hasValue) {
      if (!ParseNumber(argv[++i], options.Seed))
        return false;
    } else if (options.Output.empty() && !argument.starts_with("--")) {
      options.Output = argument;
    } else {
      return false;
    }
  }
  return !options.Output.empty();
}

}  // namespace

int main(int argc, char** argv) {
  TOptions options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: tolvane_menugen OUT [--items N] [--seed S]   (default %d items, seed %u)\n",
                 DefaultItems, DefaultSeed);
    return 2;
  }
  tolvane::native::TNativeServices services;
  const std::u16string path = tolvane::U16(options.Output);
  {
    TMenuFile menu(TMenuFileServices::From(services.Services()));
    menu.RootItem = std::make_unique<tolvane::storage::TItem>();
    tolvane::bench::FillBenchMenu(*menu.RootItem, options.Items, options.Seed);
    if (menu.SaveMenuFile(path) != tolvane::storage::TMenuSaveResult::Saved)
      return 1;
  }
  TMenuFile check(TMenuFileServices::From(services.Services()));
  if (const std::u16string error = check.LoadMenuFile(path, false); !error.empty()) {
    std::fprintf(stderr, "the written menu does not load: %s\n", tolvane::Utf16ToUtf8(error).c_str());
    return 1;
  }
  const int loaded = tolvane::bench::CountItemsBelow(*check.RootItem);
  if (loaded != options.Items) {
    std::fprintf(stderr, "the written menu loads with %d items instead of %d\n", loaded, options.Items);
    return 1;
  }
  std::printf("%s: %d items, %ju bytes, seed %u\n", options.Output.c_str(), loaded,
              static_cast<std::uintmax_t>(std::filesystem::file_size(options.Output)), options.Seed);
  return 0;
}
