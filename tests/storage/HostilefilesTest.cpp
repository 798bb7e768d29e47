// Malformed and oversized menu and settings files from the hostile folder: each gives the words committed
// beside it, a failed menu load keeps the menu that was loaded before, and nothing crashes.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Hugefiles.h"
#include "Itemcompare.h"
#include "common/Unicode.h"
#include "platform/native/Nativecodepages.h"
#include "platform/native/Nativefiles.h"
#include "platform/native/Nativelocale.h"
#include "platform/recording/Recordingservices.h"
#include "storage/Conversionerror.h"
#include "storage/Globals.h"
#include "storage/Itemfile.h"
#include "storage/Qxmemini.h"
#include "storage/Settingsread.h"

namespace tolvane::storage {
namespace {

namespace fs = std::filesystem;

const fs::path HostileDir = TOLVANE_HOSTILE_DIR;

const std::string GoodMenu =
    "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<TolvaneDataFile ver=\"2.3.4.5\">\r\n"
    "  <Name>Good</Name>\r\n"
    "  <Item Type=\"2\" Img=\"3\">\r\n"
    "    <Name>Texts</Name>\r\n"
    "    <Item Type=\"0\" Img=\"-1\">\r\n"
    "      <Name>Greeting</Name>\r\n"
    "      <Code>Hello &amp; welcome</Code>\r\n"
    "    </Item>\r\n"
    "  </Item>\r\n"
    "</TolvaneDataFile>";

std::string ReadBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

std::vector<fs::path> HostileFiles(std::string_view extension) {
  std::vector<fs::path> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(HostileDir)) {
    if (entry.path().extension() == extension)
      files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::u16string NativePath(const fs::path& path) {
  return Utf8ToUtf16(path.string());
}

std::size_t CountItems(const TItem& item) {
  auto count = static_cast<std::size_t>(item.Children.Count());
  for (const TItem& child : item.Children)
    count += CountItems(child);
  return count;
}

bool HoldsProgramOwnType(const TItem& item) {
  for (const TItem& child : item.Children) {
    if (child.ItemType >= ItemTypeProgramOwn || HoldsProgramOwnType(child))
      return true;
  }
  return false;
}

// A folder of its own under the system's temporary folder, removed with everything in it.
class TTemporaryFolder {
 public:
  TTemporaryFolder() : Path(fs::temp_directory_path() / ("tolvane-hostile-" + std::to_string(::getpid()))) {
    fs::create_directories(Path);
  }
  ~TTemporaryFolder() {
    std::error_code ignored;
    fs::remove_all(Path, ignored);
  }
  TTemporaryFolder(const TTemporaryFolder&) = delete;
  TTemporaryFolder& operator=(const TTemporaryFolder&) = delete;

  const fs::path Path;
};

class HostileFilesTest : public ::testing::Test {
 protected:
  HostileFilesTest() {
    std::ofstream(Temporary.Path / "good.TvXml", std::ios::binary) << GoodMenu;
    EXPECT_EQ(Reference.LoadMenuFile(NativePath(Temporary.Path / "good.TvXml"), false), u"");
  }

  // Loads the good menu, then the hostile one over it; the hostile load's words, or "ok N items" as the
  // command line tool prints them. A failed load must leave the good menu as it was.
  std::string CheckMenu(const fs::path& path) {
    TMenuFile menu(MenuServices);
    EXPECT_EQ(menu.LoadMenuFile(NativePath(Temporary.Path / "good.TvXml"), false), u"");
    const std::u16string error = menu.LoadMenuFile(NativePath(path), false);
    if (error.empty()) {
      EXPECT_FALSE(HoldsProgramOwnType(*menu.RootItem)) << "a file gave an item of the program's own type";
      return "ok " + std::to_string(CountItems(*menu.RootItem)) + " items\n";
    }
    testing::ExpectSameTree(*Reference.RootItem, *menu.RootItem);
    EXPECT_EQ(menu.MenuFileVersion, u"2.3.4.5");
    return Utf16ToUtf8(error) + "\n";
  }

  native::TNativeLocale Locale{"en_US"};
  native::TNativeCodePages CodePages;
  native::TNativeFiles Files;
  recording::TRecordingServices Doubles{Locale, CodePages};
  TMenuFileServices MenuServices{Files, CodePages, Doubles.MessageBox, Doubles.Program};
  TTemporaryFolder Temporary;
  TMenuFile Reference{MenuServices};
};

TEST_F(HostileFilesTest, EveryHostileMenuGivesItsWordsAndKeepsThePreviousMenu) {
  const std::vector<fs::path> menus = HostileFiles(".TvXml");
  ASSERT_GE(menus.size(), 40u);
  for (const fs::path& path : menus) {
    SCOPED_TRACE(path.filename().string());
    const fs::path expected = path.string() + ".expected";
    ASSERT_TRUE(fs::exists(expected));
    EXPECT_EQ(CheckMenu(path), ReadBytes(expected));
  }
  EXPECT_TRUE(Doubles.MessageBox.Requests().empty());
}

class HugeMenuTest : public HostileFilesTest, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(HugeMenuTest, IsRefusedWithShortWords) {
  const hostile::THugeMenu& huge = hostile::HugeMenus()[GetParam()];
  SCOPED_TRACE(std::string(huge.Name));
  const fs::path path = Temporary.Path / (std::string(huge.Name) + ".TvXml");
  {
    std::ofstream file(path, std::ios::binary);
    huge.Write(file);
  }
  ASSERT_EQ(fs::file_size(path), huge.Size);
  EXPECT_EQ(CheckMenu(path), huge.Expected);
}

INSTANTIATE_TEST_SUITE_P(Generated, HugeMenuTest,
                         ::testing::Range<std::size_t>(0, hostile::HugeMenus().size()));

// What reading a settings file gives: the store's load result, ReadSettings' answer and the messages it
// shows (line breaks as "|").
std::string ReadSettingsReport(const fs::path& path, native::TNativeFiles& files,
                               platform::ICodePages& codePages) {
  native::TNativeLocale locale{"en_US"};
  recording::TRecordingServices doubles{locale, codePages};
  const TSettingsServices services{files, codePages, doubles.MessageBox, doubles.KnownFolders,
                                   doubles.SystemColors};
  TQxMemIni ini({files, codePages, doubles.MessageBox});
  std::string report = "LoadIniFile " + std::to_string(ini.LoadIniFile(NativePath(path))) + "\n";
  const TSettingsEnvironment environment{1920, 1080, 96, {u"Courier New", 10, false}, {u"Arial", 9, true},
                                         16};
  TSettings settings = StartSettings(environment);
  settings.IniFileName = NativePath(path);
  const std::size_t shownBefore = doubles.MessageBox.Requests().size();
  TSettingsFileState state;
  report +=
      ReadSettings(settings, services, environment, state) ? "ReadSettings true\n" : "ReadSettings false\n";
  const std::vector<platform::TMsgRequest>& shown = doubles.MessageBox.Requests();
  for (std::size_t i = shownBefore; i < shown.size(); ++i) {
    std::string text = Utf16ToUtf8(shown[i].Caption + u": " + shown[i].Text);
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n"))
      text.replace(at, 2, "|");
    report += text + "\n";
  }
  return report;
}

TEST_F(HostileFilesTest, EveryHostileSettingsFileGivesItsDocumentedResult) {
  const std::vector<fs::path> inis = HostileFiles(".ini");
  ASSERT_GE(inis.size(), 15u);
  for (const fs::path& path : inis) {
    SCOPED_TRACE(path.filename().string());
    const fs::path expected = path.string() + ".expected";
    ASSERT_TRUE(fs::exists(expected));
    const std::string report = ReadSettingsReport(path, Files, CodePages);
    // A developer who changed what reading reports refreshes the files with TOLVANE_UPDATE_EXPECTED=1.
    if (std::getenv("TOLVANE_UPDATE_EXPECTED") != nullptr)
      std::ofstream(expected, std::ios::binary) << report;
    EXPECT_EQ(report, ReadBytes(expected));
  }
}

TEST(ConversionErrorTest, QuotesValuesShortAndVisibly) {
  EXPECT_EQ(NotAnIntegerMessage(u"4x"), u"'4x' is not a valid integer value");
  EXPECT_EQ(NotAnIntegerMessage(std::u16string(u"0\0\t", 3)),
            u"'0\uFFFD\uFFFD' is not a valid integer value");
  const std::u16string forty(40, u'9');
  EXPECT_EQ(NotAnIntegerMessage(forty), u"'" + forty + u"' is not a valid integer value");
  EXPECT_EQ(NotAnIntegerMessage(forty + u"1"), u"'" + forty + u"...' is not a valid integer value");
  // A pair of surrogates is never cut in half.
  const std::u16string pairAtTheCut = std::u16string(39, u'9') + u"\U0001F600";
  EXPECT_EQ(NotAnIntegerMessage(pairAtTheCut),
            u"'" + std::u16string(39, u'9') + u"...' is not a valid integer value");
}

}  // namespace
}  // namespace tolvane::storage
