// The help page against the program: every example of the function reference and every script of the demo
// menu gives the result the page shows when run by tolvane-cli modify, and every topic the program can open
// is on the page.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>

#include "Clirun.h"
#include "Demomenu.h"
#include "Functionexamples.h"
#include "Helppage.h"
#include "common/Unicode.h"
#include "modifier/Clipeditfrm.h"
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

std::vector<helpgen::TDemoScript> LoadDemoScripts() {
  std::string problem;
  const auto scripts = helpgen::DemoScripts(TOLVANE_DEMO_MENU, problem);
  EXPECT_TRUE(scripts) << problem;
  return scripts.value_or(std::vector<helpgen::TDemoScript>());
}

TEST(DemoMenu, EveryScriptGivesTheResultTheHelpShows) {
  const std::vector<helpgen::TDemoScript> scripts = LoadDemoScripts();
  EXPECT_EQ(scripts.size(), helpgen::DemoSamples().size());
  const TTempFolder folder;
  for (const helpgen::TDemoScript& script : scripts) {
    const auto sample = std::find_if(helpgen::DemoSamples().begin(), helpgen::DemoSamples().end(),
                                     [&](const helpgen::TDemoSample& s) { return s.Name == script.Name; });
    ASSERT_NE(sample, helpgen::DemoSamples().end()) << Utf16ToUtf8(script.Name) << " has no sample";
    const TRun run = RunModify(folder, script.Script, sample->Input);
    EXPECT_EQ(run.Status, 0) << Utf16ToUtf8(script.Name) << ": " << run.Err;
    EXPECT_EQ(run.Out, Utf16ToUtf8(sample->Result)) << Utf16ToUtf8(script.Name);
  }
}

TEST(DemoMenu, ShowsEveryItemTypeTheEditorMakes) {
  const TRun run = RunArgs({"menu", "list", TOLVANE_DEMO_MENU});
  ASSERT_EQ(run.Status, 0) << run.Err;
  // "menu list" writes one line per item: two blanks per level below the bar, the type, the name.
  std::set<int> types;
  bool nestedFolder = false;
  std::istringstream lines(run.Out);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t indent = line.find_first_not_of(' ');
    const int type = std::stoi(line.substr(indent));
    types.insert(type);
    nestedFolder = nestedFolder || (type == storage::ItemTypeFolder && indent > 0);
  }
  EXPECT_EQ(types, (std::set<int>{storage::ItemTypeClip, storage::ItemTypeFolder, storage::ItemTypeProgram,
                                  storage::ItemTypeWebSite, storage::ItemTypeMail, storage::ItemTypeKeyMacro,
                                  storage::ItemTypeClipModifier}));
  EXPECT_TRUE(nestedFolder) << "no folder inside a folder";
}

std::string Page() {
  std::ifstream in(TOLVANE_HELP_TEMPLATE, std::ios::binary);
  const std::string templateText((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  native::TNativeLocale locale{std::string(helpgen::ExampleLocale)};
  std::string problem;
  const auto reference = helpgen::FunctionReference(modifier::BuildFunctionTable(locale), problem);
  EXPECT_TRUE(reference) << problem;
  const auto demo = helpgen::DemoSection(LoadDemoScripts(), problem);
  EXPECT_TRUE(demo) << problem;
  const auto page = helpgen::HelpPage(templateText, reference.value_or(""), demo.value_or(""));
  EXPECT_TRUE(page) << "the template has no place for the function reference or the demo scripts";
  return page.value_or("");
}

// Every value of the attribute start on the page: the text after start up to the next quote.
std::set<std::string> Values(const std::string& page, const std::string& start) {
  std::set<std::string> found;
  for (std::size_t at = page.find(start); at != std::string::npos; at = page.find(start, at)) {
    at += start.size();
    found.insert(page.substr(at, page.find('"', at) - at));
  }
  return found;
}

TEST(HelpPage, HoldsEveryTopicTheProgramOpensAndEveryLinkLeadsSomewhere) {
  const std::string page = Page();
  const std::set<std::string> ids = Values(page, " id=\"");
  for (const std::u16string_view anchor : uimodel::help::All)
    EXPECT_TRUE(ids.contains(Utf16ToUtf8(anchor.substr(1)))) << Utf16ToUtf8(anchor);
  // The edit panel's help mark opens the topic of the item's type.
  for (int type = storage::ItemTypeClip; type <= storage::ItemTypeClipModifier; ++type) {
    const std::u16string_view anchor = uimodel::HelpAnchorFor(type);
    EXPECT_NE(std::find(uimodel::help::All.begin(), uimodel::help::All.end(), anchor),
              uimodel::help::All.end())
        << Utf16ToUtf8(anchor);
  }
  // The modifier editor opens the function's own topic, or its general ones.
  const auto onPage = [&](const std::u16string& anchor) {
    return ids.contains(Utf16ToUtf8(anchor.substr(1)));
  };
  EXPECT_TRUE(onPage(modifier::FunctionHelpAnchor(false, nullptr)));
  EXPECT_TRUE(onPage(modifier::FunctionHelpAnchor(true, nullptr)));
  native::TNativeLocale locale{std::string(helpgen::ExampleLocale)};
  for (const modifier::TFunc& func : modifier::BuildFunctionTable(locale)) {
    if (!func.Name.empty()) {
      EXPECT_TRUE(onPage(modifier::FunctionHelpAnchor(true, &func))) << Utf16ToUtf8(func.Name);
    }
  }
  for (const std::string& link : Values(page, "href=\"#"))
    EXPECT_TRUE(ids.contains(link)) << "a link to #" << link << " on the page leads nowhere";
}

TEST(HelpPage, RefusesATemplateWithoutThePlaces) {
  EXPECT_FALSE(helpgen::HelpPage("<html><!-- DEMO SCRIPTS --></html>", "reference", "demo"));
  EXPECT_FALSE(helpgen::HelpPage("<html><!-- FUNCTION REFERENCE --></html>", "reference", "demo"));
  EXPECT_EQ(helpgen::HelpPage("a<!-- FUNCTION REFERENCE -->b<!-- DEMO SCRIPTS -->c", "R", "D"), "aRbDc");
}

TEST(DemoMenu, ASampleWithoutItsScriptIsRefused) {
  std::string problem;
  EXPECT_FALSE(helpgen::DemoSection({}, problem));
  EXPECT_NE(problem.find("no script of the demo menu"), std::string::npos) << problem;
  EXPECT_FALSE(helpgen::DemoSection({{u"Unknown", u"", u"Trim()"}}, problem));
  EXPECT_NE(problem.find("no sample"), std::string::npos) << problem;
}

}  // namespace
}  // namespace tolvane::cli
