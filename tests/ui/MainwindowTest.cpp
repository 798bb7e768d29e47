#include "uimodel/Mainwindow.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/Unicode.h"
#include "platform/native/Nativefiles.h"

#include "uimodel/Programmenu.h"

namespace tolvane::uimodel {
namespace {

TEST(MainWindowModelTest, CaptionCountsTheTreeNodesWithoutTheProgramCommands) {
  storage::TItem root;
  root.AppendChild(NewProgramItem());
  BuildProgramCommands(*root.Children[0]);
  storage::TItem* folder = root.NewChild();
  folder->NewChild();
  folder->NewChild()->NewChild();
  root.NewChild();
  EXPECT_EQ(TreeNodeCount(root), 6);  // the root, two top-level items, three below
  EXPECT_EQ(HoldingCaption(TreeNodeCount(root)), u"Tolvane - holding 6 Items");
  // The program menu's command list is the largest here; a deeper folder must count as well.
  const int commands = root.Children[0]->Children.Count();
  EXPECT_EQ(LargestChildCount(root), commands);
  for (int i = 0; i <= commands; ++i)
    folder->Children[1]->NewChild();
  EXPECT_EQ(LargestChildCount(root), commands + 2);
}

TEST(MainWindowModelTest, BarStaysInsideTheWorkArea) {
  const TRect work{0, 30, 1280, 1000};
  EXPECT_EQ(PlacedBar(work, 240, 800, -2, 24), (TRect{240, -2, 1040, 22}));
  // Stored on a monitor that is gone: pulled back, keeping its width.
  EXPECT_EQ(PlacedBar(work, 3000, 800, -2, 24), (TRect{480, -2, 1280, 22}));
  EXPECT_EQ(PlacedBar(work, -900, 800, -2, 24), (TRect{0, -2, 800, 22}));
  // Wider than the screen, or sized down to nothing.
  EXPECT_EQ(PlacedBar(work, 0, 5000, -2, 24).Width(), 1280);
  EXPECT_EQ(PlacedBar(work, 10, 3, -2, 24).Width(), MinBarWidth);
}

TEST(MainWindowModelTest, EditorKeepsItsCaptionOnTheScreen) {
  const TRect work{0, 0, 1280, 1000};
  const TRect bar{100, -2, 900, 22};
  EXPECT_EQ(PlacedEditor(work, bar, 750), (TRect{100, 0, 900, 750}));
  EXPECT_EQ(PlacedEditor(work, bar, 4000), (TRect{100, 0, 900, 1000}));
  const TRect lowBar{100, 900, 900, 924};  // docked at the bottom: the editor grows upwards as far as needed
  EXPECT_EQ(PlacedEditor(work, lowBar, 750), (TRect{100, 250, 900, 1000}));
}

TEST(MainWindowModelTest, RepeatWaitsForCtrlAtMostTenSeconds) {
  int sleeps = 0;
  int sleptMs = 0;
  auto sleep = [&](int ms) {
    ++sleeps;
    sleptMs += ms;
  };
  int held = 3;
  EXPECT_TRUE(WaitForCtrlRelease([&] { return held-- > 0; }, sleep));
  EXPECT_EQ(sleeps, 3);

  sleeps = sleptMs = 0;
  EXPECT_FALSE(WaitForCtrlRelease([] { return true; }, sleep));
  EXPECT_EQ(sleptMs, 10000);

  sleeps = 0;
  EXPECT_TRUE(WaitForCtrlRelease([] { return false; }, sleep));
  EXPECT_EQ(sleeps, 0);
}

TEST(MainWindowModelTest, HelpPageAddressesAreValidFileUrls) {
  EXPECT_EQ(HelpPagePath(u"C:\\Program Files\\Tolvane\\"), u"C:\\Program Files\\Tolvane\\help\\Tolvane.html");
  EXPECT_EQ(FileUrl(u"C:\\Program Files\\Tolvane\\help\\Tolvane.html", u"#QuickTour"),
            u"file:///C:/Program%20Files/Tolvane/help/Tolvane.html#QuickTour");
  // '#' and '%' in a folder name must not end the path or start an escape; non-ASCII goes as UTF-8.
  EXPECT_EQ(FileUrl(u"D:\\C#\\100%\\\u00E6\U0001F600.html", u""),
            u"file:///D:/C%23/100%25/%C3%A6%F0%9F%98%80.html");
  EXPECT_EQ(FileUrl(u"a\xD800z", u""), u"file:///a%EF%BF%BDz");
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(MainWindowModelTest, AFirstStartBeginsWithTheDemoMenuButNeverReplacesAMenu) {
  const std::filesystem::path root =
      std::filesystem::temp_directory_path() /
      ("tolvane-demo-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  std::filesystem::create_directories(root / "program");
  std::filesystem::create_directories(root / "settings");
  native::TNativeFiles files;
  const std::u16string program = Utf8ToUtf16((root / "program").string() + "/");
  const std::filesystem::path menu = root / "settings" / "Tolvane.TvXml";

  // Without a demo beside the program nothing is made: the load creates the usual empty menu.
  EXPECT_FALSE(StartWithDemoMenu(files, program, Utf8ToUtf16(menu.string())));
  EXPECT_FALSE(std::filesystem::exists(menu));

  std::ofstream(root / "program" / "Demo.TvXml", std::ios::binary) << "\xEF\xBB\xBF<demo/>\r\n";
  EXPECT_TRUE(StartWithDemoMenu(files, program, Utf8ToUtf16(menu.string())));
  EXPECT_EQ(ReadBytes(menu), "\xEF\xBB\xBF<demo/>\r\n");

  std::ofstream(menu, std::ios::binary) << "mine";
  EXPECT_FALSE(StartWithDemoMenu(files, program, Utf8ToUtf16(menu.string())));
  EXPECT_EQ(ReadBytes(menu), "mine");
  std::filesystem::remove_all(root);
}

TEST(MainWindowModelTest, AboutNamesTheBuildAndTheLibrariesWithTheirLicences) {
  const std::u16string text = AboutText({.Version = u"1.2.3.4",
                                         .Architecture = u"x86",
                                         .BuildDate = u"2026-03-05",
                                         .LibpngVersion = u"1.6.39",
                                         .ZlibVersion = u"1.2.13",
                                         .MenuFile = u"C:\\m.TvXml",
                                         .SettingsFile = u"C:\\s.ini"});
  EXPECT_EQ(text.rfind(u"Tolvane 1.2.3.4 (x86), built 2026-03-05\r\n", 0), 0u) << Utf16ToUtf8(text);
  for (const std::u16string_view part :
       {u"Menu file: C:\\m.TvXml", u"Settings file: C:\\s.ini", u"libpng 1.6.39\r\n",
        u"PNG Reference Library License version 2", u"zlib 1.2.13\r\n", u"zlib License",
        u"may not be removed or altered"}) {
    EXPECT_NE(text.find(part), std::u16string::npos) << Utf16ToUtf8(part);
  }
  // The licences come in lines short enough for a box narrower than the screen.
  std::size_t longest = 0;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find(u"\r\n", start), text.size());
    longest = std::max(longest, end - start);
    start = end + 2;
  }
  EXPECT_LE(longest, 101u);
  EXPECT_EQ(text.find(u"\r\n "), std::u16string::npos) << "a line starts with the blank it was broken at";
  // Without a readable version resource the name stands alone.
  TAboutFacts bare;
  bare.Architecture = u"x64";
  bare.BuildDate = u"d";
  EXPECT_EQ(AboutText(bare).rfind(u"Tolvane (x64), built d", 0), 0u);
}

TEST(MainWindowModelTest, BuildDateReadsTheCompilersForm) {
  EXPECT_EQ(IsoBuildDate("Mar  5 2026"), u"2026-03-05");
  EXPECT_EQ(IsoBuildDate("Dec 24 2025"), u"2025-12-24");
  EXPECT_EQ(IsoBuildDate("??? ?? ????"), u"??? ?? ????");
  EXPECT_EQ(IsoBuildDate("yesterday"), u"yesterday");
  EXPECT_EQ(IsoBuildDate(__DATE__).size(), 10u);
}

}  // namespace
}  // namespace tolvane::uimodel
