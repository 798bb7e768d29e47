#include <gtest/gtest.h>

#include "execution/Browser.h"
#include "platform/recording/Memoryregistry.h"
#include "platform/recording/Recordingmessagebox.h"

namespace tolvane::execution {
namespace {

using platform::TRegistryRoot;

class BrowserListTest : public ::testing::Test {
 protected:
  void AddBrowser(std::u16string_view name, std::optional<std::u16string_view> command) {
    const std::u16string key = std::u16string(BrowsersKey) + u'\\' + std::u16string(name);
    Registry.AddKey(TRegistryRoot::LocalMachine, key);
    if (command)
      Registry.SetString(TRegistryRoot::LocalMachine, key + u"\\shell\\open\\command", u"", *command);
  }
  void SetUserDefault(std::u16string_view name) {
    Registry.SetString(TRegistryRoot::CurrentUser, BrowsersKey, u"", name);
  }
  void AddThreeBrowsers() {
    AddBrowser(u"Firefox", u"\"C:\\Program Files\\Mozilla Firefox\\firefox.exe\"");
    AddBrowser(u"Chromium", u"\"C:\\Chromium\\chrome.exe\" --single-argument %1");
    AddBrowser(u"NoCommand", std::nullopt);
  }
  int List(bool addDefault) { return ListInstalledBrowsers(Browsers, addDefault, Registry, MessageBox); }

  recording::TMemoryRegistry Registry;
  recording::TRecorder Recorder;
  recording::TRecordingMessageBox MessageBox{Recorder};
  TBrowserList Browsers;
};

TEST_F(BrowserListTest, ListsRegisteredBrowsersWithTheirStrippedCommands) {
  AddThreeBrowsers();
  SetUserDefault(u"Chromium");
  EXPECT_EQ(List(true), 2);
  const TBrowserList expected = {
      {u"Default Browser", u""},
      {u"Firefox", u"C:\\Program Files\\Mozilla Firefox\\firefox.exe"},
      // Arguments after the quoted program stay: such a path names no file, and the website action then uses
      // the default browser.
      {u"Chromium", u"C:\\Chromium\\chrome.exe\" --single-argument %1"},
      {u"NoCommand", std::nullopt},
  };
  EXPECT_EQ(Browsers, expected);
  EXPECT_EQ(List(false), 1);
  EXPECT_EQ(Browsers.size(), 3u);
  EXPECT_TRUE(MessageBox.Requests().empty());
}

TEST_F(BrowserListTest, DefaultIndexFollowsTheUsersExactChoice) {
  struct TRow {
    std::optional<std::u16string_view> UserDefault;
    bool AddDefault;
    int Index;
  };
  const TRow rows[] = {
      {u"Firefox", false, 0}, {u"NoCommand", true, 3}, {u"firefox", true, 0},  // names compare with case
      {u"Opera", true, 0},    {u"Opera", false, 0},    {u"", true, -1},       {std::nullopt, true, -1},
  };
  for (const TRow& row : rows) {
    Registry = recording::TMemoryRegistry();
    AddThreeBrowsers();
    if (row.UserDefault)
      SetUserDefault(*row.UserDefault);
    EXPECT_EQ(List(row.AddDefault), row.Index) << (row.UserDefault ? "named" : "no default");
  }
}

TEST_F(BrowserListTest, WithoutTheBrowsersKeyTheListStaysAsItWas) {
  Browsers = {{u"Kept", u"C:\\kept.exe"}};
  SetUserDefault(u"Kept");
  Registry = recording::TMemoryRegistry();
  EXPECT_EQ(List(true), -1);
  EXPECT_EQ(Browsers, (TBrowserList{{u"Kept", u"C:\\kept.exe"}}));
}

TEST_F(BrowserListTest, AnEmptyKeyGivesOnlyTheDefaultEntry) {
  Registry.AddKey(TRegistryRoot::LocalMachine, BrowsersKey);
  SetUserDefault(u"Firefox");
  EXPECT_EQ(List(false), -1);
  EXPECT_TRUE(Browsers.empty());
  EXPECT_EQ(List(true), 0);
  EXPECT_EQ(Browsers, (TBrowserList{{u"Default Browser", u""}}));
}

TEST_F(BrowserListTest, ACommandThatIsNoStringIsARegistryError) {
  AddBrowser(u"Good", u"C:\\good.exe");
  AddBrowser(u"Bad", std::nullopt);
  Registry.SetNonString(TRegistryRoot::LocalMachine,
                        std::u16string(BrowsersKey) + u"\\Bad\\shell\\open\\command", u"");
  SetUserDefault(u"Good");
  EXPECT_EQ(List(true), -1);
  ASSERT_EQ(MessageBox.Requests().size(), 1u);
  EXPECT_EQ(MessageBox.Requests()[0].Caption, u"Registry Error !!");
  EXPECT_EQ(MessageBox.Requests()[0].Text, u"The message is:\r\nData of this type is not supported.");
}

TEST(BrowserCommand, StripsQuotesAndBlanksAtTheEndsOnly) {
  EXPECT_EQ(StripQuotesAndBlanks(u"  \" C:\\a b\\x.exe \"\" "), u"C:\\a b\\x.exe");
  EXPECT_EQ(StripQuotesAndBlanks(u"\"\" \""), u"");
  EXPECT_EQ(StripQuotesAndBlanks(u"C:\\\"odd\"\\x.exe"), u"C:\\\"odd\"\\x.exe");
}

TEST(BrowserList, FindOrAddMatchesPathsExactly) {
  TBrowserList list = {{u"Default Browser", u""}, {u"Firefox", u"C:\\ff.exe"}, {u"NoCommand", std::nullopt}};
  EXPECT_EQ(FindOrAddBrowser(list, u"C:\\ff.exe"), 1);
  EXPECT_EQ(FindOrAddBrowser(list, u""), 0);
  EXPECT_EQ(FindOrAddBrowser(list, u"C:\\FF.exe"), 3);
  EXPECT_EQ(list.back(), (TBrowserEntry{u"C:\\FF.exe", u"C:\\FF.exe"}));
  EXPECT_EQ(FindOrAddBrowser(list, u"C:\\FF.exe"), 3) << "found again, not added twice";
  EXPECT_EQ(list.size(), 4u);
  FreeBrowserList(list);
  EXPECT_TRUE(list.empty());
}

}  // namespace
}  // namespace tolvane::execution
