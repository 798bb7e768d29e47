#include "platform/native/Nativeservices.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "common/Unicode.h"
#include "common/Version.h"
#include "platform/native/Xdguserdirs.h"

namespace tolvane::native {
namespace {

using platform::TKnownFolder;

TEST(NativeServices, WiresTheConfiguredLocaleAndCodePage) {
  std::ostringstream messages;
  TNativeServices native({"da_DK.UTF-8", 1250, &messages});
  platform::TServices services = native.Services();
  EXPECT_EQ(services.Locale.CountryCode(), 45);
  EXPECT_EQ(services.CodePages.AnsiCodePage(), 1250u);
  services.MessageBox.Show({u"Caption", u"Text"});
  EXPECT_EQ(messages.str(), "Caption: Text\n");
  EXPECT_EQ(&services.Keyboard, &native.Keyboard);
  // Nobody is there to pick a file: answered as a cancel, never as a made-up choice.
  EXPECT_EQ(services.FileDialogs.SaveFile({}), platform::TFileDialogResult::Cancelled());
}

TEST(NativeShell, StartsTheOpenerOrReportsWhyNot) {
  TNativeShell working("true");
  EXPECT_TRUE(working.Open({u"https://example.org/", u"", u""}));
  TNativeShell missing("tolvane-no-such-opener");
  EXPECT_FALSE(missing.Open({u"file.txt", u"", u""}));
  EXPECT_EQ(missing.LastError().Code, static_cast<std::uint32_t>(ENOENT));
  EXPECT_NE(Utf16ToUtf8(missing.LastError().Message).find("tolvane-no-such-opener"), std::string::npos);
}

class KnownFoldersTest : public ::testing::Test {
 protected:
  TNativeKnownFolders Folders() {
    return TNativeKnownFolders([this](const std::string& name) -> std::optional<std::string> {
      const auto found = Environment.find(name);
      if (found == Environment.end())
        return std::nullopt;
      return found->second;
    });
  }

  std::map<std::string, std::string> Environment{{"HOME", "/home/test/"}};
};

TEST_F(KnownFoldersTest, DefaultsBelowTheHomeFolder) {
  TNativeKnownFolders folders = Folders();
  EXPECT_EQ(folders.Path(TKnownFolder::RoamingAppData), u"/home/test/.config");
  EXPECT_EQ(folders.Path(TKnownFolder::Startup), u"/home/test/.config/autostart");
  EXPECT_EQ(folders.Path(TKnownFolder::StartMenu), u"/home/test/.local/share/applications");
  EXPECT_EQ(folders.Path(TKnownFolder::Desktop), u"/home/test/Desktop");
}

TEST_F(KnownFoldersTest, FollowsXdgVariablesWhenAbsolute) {
  Environment["XDG_CONFIG_HOME"] = "/cfg/";
  Environment["XDG_DATA_HOME"] = "relative/ignored";
  TNativeKnownFolders folders = Folders();
  EXPECT_EQ(folders.Path(TKnownFolder::RoamingAppData), u"/cfg");
  EXPECT_EQ(folders.Path(TKnownFolder::Startup), u"/cfg/autostart");
  EXPECT_EQ(folders.Path(TKnownFolder::StartMenu), u"/home/test/.local/share/applications");
}

TEST_F(KnownFoldersTest, NothingWithoutAHome) {
  Environment.clear();
  TNativeKnownFolders folders = Folders();
  EXPECT_EQ(folders.Path(TKnownFolder::Desktop), std::nullopt);
  EXPECT_EQ(folders.Path(TKnownFolder::RoamingAppData), std::nullopt);
}

TEST(XdgUserDir, ReadsTheLastSettingAndExpandsHome) {
  std::istringstream dirs(
      "# comment\n"
      "XDG_DESKTOP_DIR=\"$HOME/Old\"\n"
      "  XDG_DESKTOP_DIR=\"$HOME/Skrivebord\"\n"
      "XDG_DOCUMENTS_DIR=\"/data/docs\"\n");
  EXPECT_EQ(XdgUserDir(dirs, "XDG_DESKTOP_DIR", "/home/u"), "/home/u/Skrivebord");
  std::istringstream absolute("XDG_DESKTOP_DIR=\"/srv/desk\"\n");
  EXPECT_EQ(XdgUserDir(absolute, "XDG_DESKTOP_DIR", "/home/u"), "/srv/desk");
  std::istringstream invalid("XDG_DESKTOP_DIR=\"$HOMEBOY\"\nXDG_DESKTOP_DIRS=\"/x\"\n");
  EXPECT_EQ(XdgUserDir(invalid, "XDG_DESKTOP_DIR", "/home/u"), std::nullopt);
}

TEST(NativeProgramInfo, KnowsItsOwnVersionOnly) {
  TNativeProgramInfo program;
  const std::u16string exe = program.ExecutablePath();
  EXPECT_NE(Utf16ToUtf8(exe).find("platform_native_test"), std::string::npos);
  EXPECT_EQ(program.FileVersion(exe), U16(TOLVANE_VERSION_TEXT));
  EXPECT_EQ(program.FileVersion(u"/bin/sh"), std::nullopt);
  EXPECT_FALSE(program.IsWow64());
}

TEST(NativeRegistry, FindsNothingAndSaysWhy) {
  TNativeRegistry registry;
  EXPECT_EQ(registry.SubKeyNames(platform::TRegistryRoot::LocalMachine, u"Software"), std::nullopt);
  EXPECT_EQ(registry.ReadString(platform::TRegistryRoot::CurrentUser, u"Software", u""), std::nullopt);
  EXPECT_FALSE(registry.LastError().Message.empty());
}

TEST(NativeClipboard, KeepsTextAndNotifiesAtOnce) {
  TNativeClipboard clipboard;
  int changes = 0;
  ASSERT_TRUE(clipboard.SetChangeHandler([&] { ++changes; }));
  EXPECT_FALSE(clipboard.HasText());
  ASSERT_TRUE(clipboard.SetText(u"a\r\nb"));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(clipboard.GetText(), u"a\r\nb");
  ASSERT_TRUE(clipboard.Clear());
  EXPECT_EQ(changes, 2);
  EXPECT_FALSE(clipboard.HasText());
  EXPECT_EQ(clipboard.GetText(), u"");
}

TEST(NativeKeyboard, KeepsBatchesAndSetKeyStates) {
  TNativeKeyboard keyboard;
  const platform::TKeyRecord batch[] = {{0x11, 0, 0}, {0x11, 0, platform::KeyFlagUp}};
  EXPECT_EQ(keyboard.SendBatch(batch), 2u);
  ASSERT_EQ(keyboard.Batches().size(), 1u);
  EXPECT_EQ(keyboard.Batches()[0][1], batch[1]);
  EXPECT_FALSE(keyboard.IsKeyDown(0x10));
  keyboard.SetKeyDown(0x10, true);
  EXPECT_TRUE(keyboard.IsKeyDown(0x10));
}

TEST(NativeTime, SleepsAndTellsTheTime) {
  TNativeTime time;
  const std::uint32_t before = time.TickCount();
  time.WaitProcessingMessages(20);
  EXPECT_GE(time.TickCount() - before, 20u);
  const platform::TDateTime now = time.Now();
  EXPECT_GE(now.Year, 2024);
  EXPECT_TRUE(now.Month >= 1 && now.Month <= 12 && now.Day >= 1 && now.Day <= 31);
  EXPECT_TRUE(now.Millisecond >= 0 && now.Millisecond < 1000);
  EXPECT_TRUE(now.DayOfWeek >= 0 && now.DayOfWeek <= 6);
}

TEST(NativeForeground, HasNoWindows) {
  TNativeForeground foreground;
  EXPECT_EQ(foreground.Get(), 0u);
  EXPECT_FALSE(foreground.Set(1));
  EXPECT_FALSE(foreground.IsWindow(1));
  EXPECT_EQ(foreground.ClassName(1), u"");
}

}  // namespace
}  // namespace tolvane::native
