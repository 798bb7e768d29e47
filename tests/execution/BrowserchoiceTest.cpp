#include "execution/Browserchoice.h"

#include <gtest/gtest.h>

#include "common/Unicode.h"
#include "platform/recording/Memoryfiles.h"

namespace tolvane::execution {
namespace {

using TKind = TBrowserChoice::TKind;

constexpr std::u16string_view Surf = u"C:\\Program Files\\Surf\\surf.exe";
constexpr std::u16string_view Glide = u"C:\\Glide\\glide.exe";

class BrowserChoiceTest : public ::testing::Test {
 protected:
  BrowserChoiceTest() {
    Files.AddFile(Surf, "");
    Files.AddFile(Glide, "");
  }

  // The list the edit panel shows: "Default Browser" first, then as the registry gives them.
  TBrowserList PanelList() const {
    return {{u"Default Browser", u""},
            {u"Surf", u"C:\\Program Files\\Surf\\surf.exe"},
            {u"Glide", u"C:\\Glide\\glide.exe\" --single-argument %1"},
            {u"Broken", std::nullopt}};
  }

  recording::TMemoryFiles Files;
};

TEST_F(BrowserChoiceTest, AChosenEntryIsStoredByNameAndOpensItsProgram) {
  TBrowserList list = PanelList();
  const TBrowserList installed(list.begin() + 1, list.end());
  struct TRow {
    std::size_t Entry;
    const char16_t* Stored;
    TBrowserChoice Opened;
  };
  const TRow rows[] = {
      {0, u"", {TKind::DefaultBrowser, u"", false}},
      {1, u"Surf", {TKind::Program, std::u16string(Surf), false}},
      {2, u"Glide", {TKind::Program, std::u16string(Glide), false}},
      {3, u"Broken", {TKind::Unavailable, u"", false}},
  };
  for (const TRow& row : rows) {
    const std::u16string stored = StoredBrowserValue(list[row.Entry]);
    EXPECT_EQ(stored, row.Stored);
    EXPECT_EQ(ResolveBrowser(stored, installed, Files), row.Opened) << Utf16ToUtf8(stored);
    // Showing the item again selects the same entry.
    EXPECT_EQ(BrowserListIndex(list, stored), static_cast<int>(row.Entry)) << Utf16ToUtf8(stored);
  }
  EXPECT_EQ(list.size(), 4u);
  EXPECT_EQ(BrowserProgramOf(u"C:\\Glide\\glide.exe --new-window"), Glide);  // unquoted arguments
}

TEST_F(BrowserChoiceTest, OlderValuesStillOpenAndSelect) {
  TBrowserList list = PanelList();
  const TBrowserList installed(list.begin() + 1, list.end());
  // A program path as older files hold it.
  EXPECT_EQ(ResolveBrowser(Surf, installed, Files),
            (TBrowserChoice{TKind::Program, std::u16string(Surf), false}));
  EXPECT_EQ(BrowserListIndex(list, u"c:\\glide\\GLIDE.exe"), 2);
  // The default entry's own name, and names in another case, as registry names compare.
  EXPECT_EQ(ResolveBrowser(u"Default Browser", installed, Files).Kind, TKind::DefaultBrowser);
  EXPECT_EQ(ResolveBrowser(u"SURF", installed, Files).Program, Surf);
  EXPECT_EQ(BrowserListIndex(list, u"SURF"), 1);
  // A browser that is gone: its path is forgotten, its name kept for where it is installed.
  EXPECT_EQ(ResolveBrowser(u"C:\\Gone\\old.exe", installed, Files),
            (TBrowserChoice{TKind::Unavailable, u"", true}));
  EXPECT_EQ(ResolveBrowser(u"Elsewhere", installed, Files), (TBrowserChoice{TKind::Unavailable, u"", false}));
  EXPECT_EQ(BrowserListIndex(list, u"Elsewhere"), 4);
  EXPECT_EQ(list.back().Name, u"Elsewhere");
  // Registered, but its program was removed.
  (void)Files.Delete(Surf);
  EXPECT_EQ(ResolveBrowser(u"Surf", installed, Files).Kind, TKind::Unavailable);
}

}  // namespace
}  // namespace tolvane::execution
