#include "storage/Itemfile.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/Unicode.h"
#include "platform/native/Nativecodepages.h"
#include "platform/native/Nativelocale.h"
#include "platform/recording/Recordingservices.h"
#include "storage/Xmlfile.h"

namespace tolvane::storage {
namespace {

using namespace std::string_literals;
using platform::TMsgKind;
using recording::TFileOperation;

const std::string WorkFile =
    "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<TolvaneDataFile ver=\"1.0.0.0\">\r\n"
    "  <Name>Work</Name>\r\n"
    "  <Item Type=\"2\" Img=\"3\">\r\n"
    "    <Name>Texts</Name>\r\n"
    "    <Item Type=\"0\" Img=\"-1\">\r\n"
    "      <Name>Greeting</Name>\r\n"
    "      <Code>Hello &amp; welcome</Code>\r\n"
    "    </Item>\r\n"
    "  </Item>\r\n"
    "</TolvaneDataFile>";

std::string Repeated(std::string_view text, int count) {
  std::string repeated;
  for (int i = 0; i < count; ++i)
    repeated += text;
  return repeated;
}

struct TShown {
  std::u16string Caption;
  std::u16string Text;
  TMsgKind Kind;
  bool operator==(const TShown&) const = default;
};

void PrintTo(const TShown& shown, std::ostream* out) {
  *out << Utf16ToUtf8(shown.Caption) << " / " << Utf16ToUtf8(shown.Text);
}

class MenuFileTest : public ::testing::Test {
 protected:
  MenuFileTest() {
    auto program = std::make_unique<TItem>();
    program->ItemType = ItemTypeProgramOwn;
    program->Name = u"Tolvane";
    Menu.SetProgramItem(std::move(program));
  }

  std::vector<TShown> Shown() const {
    std::vector<TShown> shown;
    for (const platform::TMsgRequest& request : Doubles.MessageBox.Requests())
      shown.push_back({request.Caption, request.Text, request.Kind});
    return shown;
  }

  // The root's names: the program item first, then what the file gave.
  std::vector<std::u16string> TopNames() const {
    std::vector<std::u16string> names;
    for (const TItem& item : Menu.RootItem->Children)
      names.push_back(item.Name.Str());
    return names;
  }

  void BuildWorkMenu() {
    Menu.RootItem->Name = u"Work";
    TItem* texts = Menu.RootItem->NewChild();
    texts->Name = u"Texts";
    texts->ImageIndex = 3;
    TItem* greeting = texts->NewChild();
    greeting->Name = u"Greeting";
    greeting->Code = u"Hello & welcome";
    Menu.MenuFileVersion = u"1.0.0.0";
  }

  native::TNativeLocale Locale{"en_US"};
  native::TNativeCodePages CodePages;
  recording::TRecordingServices Doubles{Locale, CodePages};
  TMenuFile Menu{TMenuFileServices::From(Doubles.Services())};
  const std::u16string Path = u"C:\\Menus\\Work.TvXml";
};

TEST_F(MenuFileTest, TheWorkMenuIsWrittenByteForByteAndReadBack) {
  BuildWorkMenu();
  Menu.MenuModified = true;
  ASSERT_TRUE(Doubles.Files.CreateFolder(u"C:\\Menus"));
  EXPECT_EQ(Menu.SaveMenuFile(Path), TMenuSaveResult::Saved);
  EXPECT_EQ(Doubles.Files.Content(Path), WorkFile);
  EXPECT_FALSE(Menu.MenuModified);
  EXPECT_TRUE(Shown().empty());

  TItem* program = Menu.ProgramItem;
  Menu.MenuFileVersion.clear();
  Doubles.Files.AddFile(u"C:\\Other.TvXml", WorkFile);
  ASSERT_EQ(Menu.LoadMenuFile(u"C:\\Other.TvXml", false), u"");
  EXPECT_EQ(Menu.MenuFileVersion, u"1.0.0.0");
  EXPECT_EQ(TopNames(), (std::vector<std::u16string>{u"Tolvane", u"Texts"}));
  EXPECT_EQ(Menu.RootItem->Children[0], program);
  EXPECT_EQ(Menu.ProgramItem, program);
  EXPECT_EQ(program->Parent, Menu.RootItem.get());
  EXPECT_EQ(Menu.RootItem->ImageIndex, 15);
  EXPECT_EQ(Menu.RootItem->Name, u"Work");
  const TItem& texts = *Menu.RootItem->Children[1];
  EXPECT_EQ(texts.ItemType, ItemTypeFolder);
  EXPECT_EQ(texts.ImageIndex, 3);
  ASSERT_EQ(texts.Children.Count(), 1);
  EXPECT_EQ(texts.Children[0]->Code, u"Hello & welcome");
  EXPECT_EQ(texts.Children[0]->Level, 2);
}

TEST_F(MenuFileTest, AVersionWithAQuoteSurvivesSaving) {
  // A hand-edited version delimited by apostrophes once made the saved file unreadable.
  Doubles.Files.AddFile(u"C:\\In.TvXml", "<TolvaneDataFile ver='1\"2'><Name>M</Name></TolvaneDataFile>");
  ASSERT_EQ(Menu.LoadMenuFile(u"C:\\In.TvXml", false), u"");
  EXPECT_EQ(Menu.SaveMenuFile(u"C:\\Out.TvXml"), TMenuSaveResult::Saved);
  Menu.MenuFileVersion.clear();
  ASSERT_EQ(Menu.LoadMenuFile(u"C:\\Out.TvXml", false), u"");
  EXPECT_EQ(Menu.MenuFileVersion, u"1\"2");
}

TEST_F(MenuFileTest, AFailedLoadKeepsTheCurrentMenuAndSaysWhy) {
  struct TRow {
    std::string Bytes;
    std::u16string Message;
  };
  const TRow rows[] = {
      {"", u"Unknown Fileformat"},
      {"\xFF\xFE\x00\x00"s, u"Cant read file format: UTF-32"},
      {"<TolvaneDataFile><Name>x</Name>", u"Illigal XML"},
      {"<Menu><Name>x</Name></Menu>", u"The file is not a Tolvane Data File"},
      {"<tolvanedatafile/>", u"The file is not a Tolvane Data File"},
      {"<TolvaneDataFile ver='9'><Item Type='0' Img='1'/><Item Type='two' Img='1'/></TolvaneDataFile>",
       u"'two' is not a valid integer value"},
      {"<TolvaneDataFile><Item Type='2' Img='0'><Item Type='0' Img='-'/></Item></TolvaneDataFile>",
       u"'-' is not a valid integer value"},
      // An XML error anywhere outweighs an unreadable number before it.
      {"<TolvaneDataFile><Item Type='x'/><Item></TolvaneDataFile>", u"Illigal XML"},
      {"<TolvaneDataFile>" + Repeated("<Item>", 200'000), u"Illigal XML"},
  };
  BuildWorkMenu();
  for (const TRow& row : rows) {
    Doubles.Files.AddFile(u"C:\\bad.TvXml", row.Bytes);
    EXPECT_EQ(Menu.LoadMenuFile(u"C:\\bad.TvXml", false), row.Message);
    EXPECT_EQ(Menu.LoadMenuFile(u"C:\\bad.TvXml", true), row.Message);
    EXPECT_EQ(TopNames(), (std::vector<std::u16string>{u"Tolvane", u"Texts"}));
    EXPECT_EQ(Menu.RootItem->Name, u"Work");
    EXPECT_EQ(Menu.MenuFileVersion, u"1.0.0.0");
  }
}

TEST_F(MenuFileTest, TheDeepestMenuAllowedLoadsAndSavesAgain) {
  const auto nested = [](int depth) {
    return "<TolvaneDataFile>" + Repeated("<Item Type='2' Img='1'>", depth) + Repeated("</Item>", depth) +
           "</TolvaneDataFile>";
  };
  // Every item gets a "Name" element when saved, one level below it.
  const int deepest = XmlMaxDepth - 1;
  Doubles.Files.AddFile(u"C:\\deep.TvXml", nested(deepest));
  ASSERT_EQ(Menu.LoadMenuFile(u"C:\\deep.TvXml", false), u"");
  TItem* item = Menu.RootItem.get();
  for (int level = 0; level < deepest; ++level)
    item = item->Children.Last();
  EXPECT_EQ(item->Level, deepest);
  EXPECT_EQ(Menu.SaveMenuFile(u"C:\\deep.TvXml"), TMenuSaveResult::Saved);
  EXPECT_EQ(Menu.LoadMenuFile(u"C:\\deep.TvXml", false), u"");

  // One level more is refused by the save, which leaves the file and MenuModified alone.
  item = Menu.RootItem.get();
  for (int level = 0; level < deepest; ++level)
    item = item->Children.Last();
  TItem* deeper = item->NewChild();
  Menu.MenuModified = true;
  const std::optional<std::string> before = Doubles.Files.Content(u"C:\\deep.TvXml");
  EXPECT_EQ(Menu.SaveMenuFile(u"C:\\deep.TvXml"), TMenuSaveResult::Failed);
  EXPECT_FALSE(Menu.SaveBranch(*Menu.RootItem->Children.Last(), u"C:\\branch.TvXml"));
  EXPECT_TRUE(Menu.MenuModified);
  EXPECT_EQ(Doubles.Files.Content(u"C:\\deep.TvXml"), before);
  EXPECT_FALSE(Doubles.Files.FileExists(u"C:\\branch.TvXml"));
  ASSERT_EQ(Shown().size(), 2u);
  EXPECT_EQ(Shown()[0].Caption, u"Save File Error");
  EXPECT_TRUE(Shown()[0].Text.find(u"at most 999 levels") != std::u16string::npos);
  // The program's own items are never saved, so they do not count; a branch one level up fits again.
  deeper->ItemType = ItemTypeProgramOwn;
  EXPECT_EQ(Menu.SaveMenuFile(u"C:\\deep.TvXml"), TMenuSaveResult::Saved);
  deeper->ItemType = ItemTypeClip;
  EXPECT_TRUE(Menu.SaveBranch(*Menu.RootItem->Children.Last()->Children[0], u"C:\\branch.TvXml"));

  Doubles.Files.AddFile(u"C:\\deeper.TvXml", nested(deepest + 1));
  EXPECT_EQ(Menu.LoadMenuFile(u"C:\\deeper.TvXml", false), u"The menu is nested too deeply");
  TQxXmlFile document;
  ASSERT_EQ(document.LoadFromFile(Doubles.Files, CodePages, u"C:\\deeper.TvXml", 0), XmlLoaded);
  TItem root;
  std::u16string error;
  EXPECT_FALSE(root.ReadFromXml(*document.RootTag, error));
  EXPECT_EQ(error, u"The menu is nested too deeply");
}

TEST_F(MenuFileTest, OpeningReportsFailuresInAMessageBox) {
  BuildWorkMenu();
  Doubles.Files.AddFile(u"C:\\bad.TvXml", "<Menu/>");
  EXPECT_FALSE(Menu.OpenMenuFile(u"C:\\bad.TvXml", false));
  EXPECT_EQ(Shown(),
            (std::vector<TShown>{{u"Load file error!",
                                  u"Loading file failed with message:\r\nThe file is not a Tolvane Data File",
                                  TMsgKind::Error}}));
}

TEST_F(MenuFileTest, APreparedLoadIsTakenOverOnlyWhileTheFileIsAsItWasRead) {
  BuildWorkMenu();
  TItem* program = Menu.ProgramItem;
  Doubles.Files.AddFile(Path, WorkFile);
  Menu.PrepareLoad(Path);
  const std::size_t reads = Doubles.Files.Calls(TFileOperation::Read);
  ASSERT_TRUE(Menu.OpenMenuFile(u"c:/menus/work.tvxml", false));
  EXPECT_EQ(Doubles.Files.Calls(TFileOperation::Read), reads);
  EXPECT_EQ(TopNames(), (std::vector<std::u16string>{u"Tolvane", u"Texts"}));
  EXPECT_EQ(Menu.ProgramItem, program);
  EXPECT_EQ(Menu.MenuFileVersion, u"1.0.0.0");
  EXPECT_EQ(Menu.DiskChange(Path), TDiskChange::Unchanged);

  // Taken once: the next load reads the file again.
  ASSERT_EQ(Menu.LoadMenuFile(Path, false), u"");
  EXPECT_EQ(Doubles.Files.Calls(TFileOperation::Read), reads + 1);

  // Written after it was prepared: the load shows what the file holds now.
  Menu.PrepareLoad(Path);
  Doubles.Files.AddFile(Path,
                        "<TolvaneDataFile><Item Type='2' Img='0'><Name>New</Name></Item></TolvaneDataFile>");
  ASSERT_EQ(Menu.LoadMenuFile(Path, false), u"");
  EXPECT_EQ(TopNames(), (std::vector<std::u16string>{u"Tolvane", u"New"}));
  EXPECT_EQ(Menu.MenuFileVersion, u"");

  // Another file, or an append, does not take it; nor does a later load once another load came between.
  Doubles.Files.AddFile(u"C:\\Other.TvXml", WorkFile);
  Menu.PrepareLoad(u"C:\\Other.TvXml");
  ASSERT_EQ(Menu.LoadMenuFile(Path, true), u"");
  EXPECT_EQ(TopNames(), (std::vector<std::u16string>{u"Tolvane", u"New", u"New"}));
  ASSERT_EQ(Menu.LoadMenuFile(u"C:\\Other.TvXml", false), u"");
  EXPECT_EQ(TopNames(), (std::vector<std::u16string>{u"Tolvane", u"Texts"}));
  EXPECT_EQ(Doubles.Files.Calls(TFileOperation::Read), reads + 6);
}

TEST_F(MenuFileTest, AFileThatCannotBePreparedIsReportedByTheLoad) {
  BuildWorkMenu();
  Doubles.Files.AddFile(u"C:\\bad.TvXml", "<Menu/>");
  Menu.PrepareLoad(u"C:\\bad.TvXml");
  Menu.PrepareLoad(u"C:\\Missing.TvXml");
  EXPECT_TRUE(Shown().empty());
  EXPECT_EQ(TopNames(), (std::vector<std::u16string>{u"Tolvane", u"Texts"}));
  EXPECT_FALSE(Menu.OpenMenuFile(u"C:\\bad.TvXml", false));
  EXPECT_EQ(Shown().size(), 1u);
  EXPECT_EQ(TopNames(), (std::vector<std::u16string>{u"Tolvane", u"Texts"}));
}

TEST_F(MenuFileTest, AMissingFileLoadsEmptyAndIsCreated) {
  BuildWorkMenu();
  Doubles.Program.SetFileVersion(Doubles.Program.ExecutablePath(), u"2.3.4.5");
  ASSERT_TRUE(Doubles.Files.CreateFolder(u"C:\\Menus"));
  ASSERT_TRUE(Menu.OpenMenuFile(u"C:\\Menus\\New menu.v2.TvXml", false));
  EXPECT_EQ(TopNames(), std::vector<std::u16string>{u"Tolvane"});
  EXPECT_EQ(Menu.MenuFileVersion, u"");
  EXPECT_FALSE(Menu.MenuFileReadOnly);
  EXPECT_EQ(Doubles.Files.Content(u"C:\\Menus\\New menu.v2.TvXml"),
            "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TolvaneDataFile ver=\"2.3.4.5\">\r\n"
            "  <Name>New menu.v2</Name>\r\n</TolvaneDataFile>");

  Doubles.Program.SetFileVersion(Doubles.Program.ExecutablePath(), std::nullopt);
  ASSERT_TRUE(Menu.CreateMenuFile(u"C:\\Plain", u"Mine"));
  EXPECT_EQ(
      Doubles.Files.Content(u"C:\\Plain"),
      "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TolvaneDataFile>\r\n  <Name>Mine</Name>\r\n"
      "</TolvaneDataFile>");
  EXPECT_TRUE(Shown().empty());
}

TEST_F(MenuFileTest, AppendingAddsTheItemsAndKeepsTheRootsFields) {
  BuildWorkMenu();
  Doubles.Files.AddFile(
      u"C:\\more.TvXml",
      "<TolvaneDataFile ver='7.0.0.0'><Name>Other</Name><Tip>t</Tip>"
      "<Item Type='6' Img='1'><Name>Macro</Name></Item><Item Type='4' Img='2'><Name>Site</Name>"
      "</Item></TolvaneDataFile>");
  ASSERT_TRUE(Menu.OpenMenuFile(u"C:\\more.TvXml", true));
  EXPECT_EQ(TopNames(), (std::vector<std::u16string>{u"Tolvane", u"Texts", u"Macro", u"Site"}));
  EXPECT_EQ(Menu.RootItem->Name, u"Work");
  EXPECT_EQ(Menu.RootItem->Tip, u"");
  EXPECT_EQ(Menu.RootItem->Children[2]->Parent, Menu.RootItem.get());
  EXPECT_EQ(Menu.RootItem->Children[3]->Level, 1);
  EXPECT_EQ(Menu.MenuFileVersion, u"7.0.0.0");
  EXPECT_TRUE(Menu.MenuModified);
}

// Items read from a file lie side by side in blocks, their texts too; each must stay valid on its own once
// taken out of its tree, after that tree is gone, and be freed whenever it goes (run under the sanitizers).
TEST_F(MenuFileTest, ItemsTakenFromALoadedMenuOutliveIt) {
  std::string items;
  for (int i = 0; i < 300; ++i)
    items += "<Item Type='0' Img='1'><Name>Item " + std::to_string(i) + "</Name><Code>" + Repeated("x", i) +
             "</Code></Item>";
  Doubles.Files.AddFile(u"C:\\many.TvXml", "<TolvaneDataFile>" + items + "</TolvaneDataFile>");
  ASSERT_EQ(Menu.LoadMenuFile(u"C:\\many.TvXml", false), u"");
  ASSERT_EQ(Menu.RootItem->Children.Count(), 301);
  std::vector<std::unique_ptr<TItem>> kept;
  for (int i = 290; i > 0; i -= 70)
    kept.push_back(Menu.RootItem->RemoveChild(Menu.RootItem->Children[i + 1]));
  // A text moved out of a read item, and one stored over a read text.
  TItemText taken = std::move(Menu.RootItem->Children[41]->Code);
  kept.front()->Code += u"!";

  Doubles.Files.AddFile(Path, WorkFile);
  ASSERT_EQ(Menu.LoadMenuFile(Path, false), u"");
  for (std::size_t k = 0; k < kept.size(); ++k) {
    const int i = 290 - 70 * static_cast<int>(k);
    EXPECT_EQ(kept[k]->Name, u"Item " + Utf8ToUtf16(std::to_string(i)));
    EXPECT_EQ(kept[k]->Code.size(), static_cast<std::size_t>(i + (k == 0 ? 1 : 0)));
    EXPECT_EQ(kept[k]->Parent, nullptr);
  }
  EXPECT_EQ(taken.Str(), Utf8ToUtf16(Repeated("x", 41)));
  EXPECT_EQ(kept.front()->Code.View().back(), u'!');
  kept.erase(kept.begin() + 1);
  kept.front()->NewChild()->Name = u"new";
  EXPECT_EQ(kept.front()->Children[0]->Name, u"new");
  kept.clear();
}

TEST_F(MenuFileTest, ABranchFileHoldsTheItemAndCanBeGraftedElsewhere) {
  BuildWorkMenu();
  TItem* texts = Menu.RootItem->Children[1];
  ASSERT_TRUE(Menu.SaveBranch(*texts, u"C:\\branch.TvXml"));
  EXPECT_EQ(Doubles.Files.Content(u"C:\\branch.TvXml"),
            "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TolvaneDataFile>\r\n"
            "  <Name>SavedBranch</Name>\r\n  <Item Type=\"2\" Img=\"3\">\r\n    <Name>Texts</Name>\r\n"
            "    <Item Type=\"0\" Img=\"-1\">\r\n      <Name>Greeting</Name>\r\n"
            "      <Code>Hello &amp; welcome</Code>\r\n    </Item>\r\n  </Item>\r\n</TolvaneDataFile>");
  EXPECT_EQ(texts->Parent, Menu.RootItem.get());
  EXPECT_EQ(texts->Level, 1);

  TItem* greeting = texts->Children[0];
  ASSERT_TRUE(Menu.SaveBranch(*greeting, u"C:\\deep.TvXml"));
  EXPECT_EQ(greeting->Level, 2);
  ASSERT_EQ(Menu.LoadMenuFile(u"C:\\deep.TvXml", true), u"");
  EXPECT_EQ(TopNames(), (std::vector<std::u16string>{u"Tolvane", u"Texts", u"Greeting"}));
  EXPECT_EQ(Menu.RootItem->Name, u"Work");
  const TItem& grafted = *Menu.RootItem->Children[2];
  EXPECT_EQ(grafted.Code, greeting->Code);
  EXPECT_EQ(grafted.ItemType, ItemTypeClip);
  EXPECT_EQ(grafted.Level, 1);
}

TEST_F(MenuFileTest, AReadOnlyMenuIsNotSaved) {
  Doubles.Files.AddFile(Path, WorkFile);
  Doubles.Files.SetLockedByOtherProgram(Path, true);
  ASSERT_TRUE(Menu.OpenMenuFile(Path, false));
  EXPECT_TRUE(Menu.MenuFileReadOnly);
  Menu.MenuModified = true;
  EXPECT_EQ(Menu.SaveMenuFile(Path), TMenuSaveResult::ReadOnly);
  EXPECT_TRUE(Menu.MenuModified);
  EXPECT_EQ(Doubles.Files.Calls(TFileOperation::Create), 0u);
  EXPECT_EQ(Shown(), (std::vector<TShown>{{u"File Information",
                                           u"You do not have write access to the file\r\n"
                                           u"that is currently loaded in Tolvane!",
                                           TMsgKind::Information}}));
}

TEST_F(MenuFileTest, AFailedSaveIsReportedKeepsTheOldFileAndLeavesTheMenuModified) {
  Doubles.Files.AddFile(Path, WorkFile);
  ASSERT_TRUE(Menu.OpenMenuFile(Path, false));
  Menu.RootItem->Children[1]->Name = u"Changed";
  Menu.MenuModified = true;
  Doubles.Files.FailCall(TFileOperation::Write, 1, {112, u"There is not enough space on the disk."});
  EXPECT_EQ(Menu.SaveMenuFile(Path), TMenuSaveResult::Failed);
  EXPECT_TRUE(Menu.MenuModified);
  EXPECT_EQ(Doubles.Files.Content(Path), WorkFile);
  EXPECT_EQ(Shown(), (std::vector<TShown>{{u"Save File Error",
                                           u"The error message is\r\n\r\n:Could not Write File\r\n"
                                           u"There is not enough space on the disk.",
                                           TMsgKind::Error}}));

  Doubles.Files.FailCall(TFileOperation::Create, 1, {5, u"Access is denied."});
  EXPECT_FALSE(Menu.SaveBranch(*Menu.RootItem->Children[1], u"C:\\Nowhere\\b.TvXml"));
  EXPECT_EQ(Shown().back().Text, u"The error message is\r\n\r\n:Could not Create File\r\nAccess is denied.");

  EXPECT_EQ(Menu.SaveMenuFile(Path), TMenuSaveResult::Saved);
  EXPECT_FALSE(Menu.MenuModified);
}

TEST(MenuFileNameTest, TheExtensionIsAddedUnlessPresentInAnyCase) {
  EXPECT_EQ(WithMenuFileExtension(u"C:\\a\\menu"), u"C:\\a\\menu.TvXml");
  EXPECT_EQ(WithMenuFileExtension(u"menu.tvxml"), u"menu.tvxml");
  EXPECT_EQ(WithMenuFileExtension(u"menu.TVXML"), u"menu.TVXML");
  EXPECT_EQ(WithMenuFileExtension(u"menu.xml"), u"menu.xml.TvXml");
  EXPECT_EQ(WithMenuFileExtension(u""), u".TvXml");
}

}  // namespace
}  // namespace tolvane::storage
