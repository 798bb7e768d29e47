#include "Demomenu.h"

#include <sstream>

#include "cli/Cliservices.h"
#include "common/Unicode.h"
#include "storage/Itemfile.h"

namespace tolvane::helpgen {
namespace {

void Collect(const storage::TItem& item, std::vector<TDemoScript>& scripts) {
  for (int i = 0; i < item.Children.Count(); ++i) {
    const storage::TItem& child = *item.Children[i];
    if (child.ItemType == storage::ItemTypeClipModifier)
      scripts.push_back({child.Name.Str(), child.Tip.Str(), child.XClip.Str()});
    Collect(child, scripts);
  }
}

}  // namespace

// Inputs and results are clipboard texts: lines end in CR LF. The date stamp sees the examples' moment.
const std::vector<TDemoSample>& DemoSamples() {
  static const std::vector<TDemoSample> samples = {
      {u"Numbered Upper Case", u"tea\r\ncoffee\r\n", u"1 TEA\r\n2 COFFEE\r\n"},
      {u"Sort Lines", u"pear\r\nApple\r\nbanana\r\n", u"Apple\r\nbanana\r\npear\r\n"},
      {u"Trim Lines", u"  first  \r\n\r\n\tsecond\r\n", u"first\r\nsecond\r\n"},
      {u"Number Lines", u"milk\r\nbread\r\neggs\r\n", u"1 milk\r\n2 bread\r\n3 eggs\r\n"},
      {u"Wrap at 40",
       u"Tolvane keeps your texts, programs and web sites one click away at the top of the screen.\r\n",
       u"Tolvane keeps your texts, programs and\r\nweb sites one click away at the top of\r\nthe "
       u"screen.\r\n"},
      {u"Date Stamp", u"anything\r\n", u"2026-03-05 14:07\r\n"},
  };
  return samples;
}

std::optional<std::vector<TDemoScript>> DemoScripts(const std::string& menuPath, std::string& problem) {
  std::ostringstream messages;
  cli::TCliServices services({.LocaleName = {}, .MessageStream = &messages});
  storage::TMenuFile menu(storage::TMenuFileServices::From(services.Services()));
  const std::u16string path = Utf8ToUtf16(menuPath);
  if (!services.Services().Files.FileExists(path)) {
    problem = "no menu file " + menuPath;
    return std::nullopt;
  }
  if (const std::u16string error = menu.LoadMenuFile(path, false); !error.empty()) {
    problem = Utf16ToUtf8(error);
    return std::nullopt;
  }
  std::vector<TDemoScript> scripts;
  Collect(*menu.RootItem, scripts);
  return scripts;
}

}  // namespace tolvane::helpgen
