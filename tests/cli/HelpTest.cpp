// The help page against the program: every example of the function reference gives the result it shows when
// run by tolvane-cli modify, and every topic the program can open is on the page.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>

#include "Clirun.h"
#include "Functionexamples.h"
#include "Helppage.h"
#include "common/Unicode.h"
#include "platform/native/Nativelocale.h"
#include "storage/Item.h"
#include "uimodel/Editpanel.h"
#include "uimodel/Helpanchors.h"

namespace tolvane::cli {
namespace {

TRun RunModify(const TTempFolder& folder, std::u16string_view script, std::u16string_view input) {
  const std::string path = folder.Write("script.txt", Utf16ToUtf8(script));
  return RunArgs({"modify", path, "--virtual-time", "--now", std::string(helpgen::ExampleNow), "--locale",
                  std::string(helpgen::ExampleLocale)},
                 Utf16ToUtf8(input));
}

TEST(HelpPage, EveryFunctionExampleGivesTheResultItShows) {
  const TTempFolder folder;
  for (const helpgen::TFunctionExample& example : helpgen::FunctionExamples()) {
    const TRun run = RunModify(folder, example.Script, example.Input);
    EXPECT_EQ(run.Status, 0) << Utf16ToUtf8(example.Name) << ": " << run.Err;
    EXPECT_EQ(run.Out, Utf16ToUtf8(example.Result)) << Utf16ToUtf8(example.Name);
  }
}

std::string Page() {
  std::ifstream in(TOLVANE_HELP_TEMPLATE, std::ios::binary);
  const std::string templateText((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  native::TNativeLocale locale{std::string(helpgen::ExampleLocale)};
  std::string problem;
  const auto reference = helpgen::FunctionReference(modifier::BuildFunctionTable(locale), problem);
  EXPECT_TRUE(reference) << problem;
  const auto page = helpgen::HelpPage(templateText, reference.value_or(""));
  EXPECT_TRUE(page) << "the template has no place for the function reference";
  return page.value_or("");
}

std::set<std::string> Matches(const std::string& page, const std::regex& pattern) {
  std::set<std::string> found;
  for (auto it = std::sregex_iterator(page.begin(), page.end(), pattern); it != std::sregex_iterator(); ++it)
    found.insert((*it)[1].str());
  return found;
}

TEST(HelpPage, HoldsEveryTopicTheProgramOpensAndEveryLinkLeadsSomewhere) {
  const std::string page = Page();
  const std::set<std::string> ids = Matches(page, std::regex("id=\"([^\"]+)\""));
  for (const std::u16string_view anchor : uimodel::help::All)
    EXPECT_TRUE(ids.contains(Utf16ToUtf8(anchor.substr(1)))) << Utf16ToUtf8(anchor);
  // The edit panel's help mark opens the topic of the item's type.
  for (int type = storage::ItemTypeClip; type <= storage::ItemTypeClipModifier; ++type) {
    const std::u16string_view anchor = uimodel::HelpAnchorFor(type);
    EXPECT_NE(std::find(uimodel::help::All.begin(), uimodel::help::All.end(), anchor),
              uimodel::help::All.end())
        << Utf16ToUtf8(anchor);
  }
  // The modifier editor opens the function's own topic.
  native::TNativeLocale locale{std::string(helpgen::ExampleLocale)};
  for (const modifier::TFunc& func : modifier::BuildFunctionTable(locale)) {
    if (!func.Name.empty()) {
      EXPECT_TRUE(ids.contains(Utf16ToUtf8(func.Name))) << Utf16ToUtf8(func.Name);
    }
  }
  for (const std::string& link : Matches(page, std::regex("href=\"#([^\"]+)\"")))
    EXPECT_TRUE(ids.contains(link)) << "a link to #" << link << " on the page leads nowhere";
}

TEST(HelpPage, RefusesAReferenceWithoutItsPlace) {
  EXPECT_FALSE(helpgen::HelpPage("<html></html>", "reference"));
  EXPECT_EQ(helpgen::HelpPage("a<!-- FUNCTION REFERENCE -->b", "R"), "aRb");
}

}  // namespace
}  // namespace tolvane::cli
