// Random menus saved and loaded again must come back field by field.

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

#include "Itemcompare.h"
#include "common/Unicode.h"
#include "platform/native/Nativecodepages.h"
#include "platform/native/Nativelocale.h"
#include "platform/recording/Recordingservices.h"
#include "storage/Itemfields.h"
#include "storage/Itemfile.h"
#include "storage/Xmlchars.h"
#include "storage/Xmlfile.h"

namespace tolvane::storage {
namespace {

constexpr std::uint32_t BaseSeed = 20240611;
constexpr int Menus = 300;

class TRandomMenu {
 public:
  explicit TRandomMenu(std::uint32_t seed) : Engine(seed) {}

  void Fill(TItem& item, int depth) {
    for (const itemfields::TStoredField& field : itemfields::StoredFields)
      field.Set(item, Chance(3) ? Text() : std::u16string());
    item.Name = Text();
    item.MonoSpace = Chance(2);
    item.NewLineHome = Chance(3);
    item.RepeatCount = Chance(2) ? 1 : Number(1, 99);
    if (item.Level != 0) {
      item.ItemType = Number(0, 7);
      item.ImageIndex = Number(-1, 40);
    }
    const int children = depth >= 6 ? 0 : Number(0, 4 - depth / 2);
    for (int i = 0; i < children; ++i)
      Fill(*item.NewChild(), depth + 1);
  }

 private:
  int Number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(Engine); }
  bool Chance(int oneIn) { return Number(1, oneIn) == 1; }

  std::u16string Text() {
    static const std::u16string pieces[] = {
        u"a",      u"Zq",         u" ",         u"  ",
        u"\t",     u"\r\n",       u"\n",        u"\r",
        u"]]>",    u"]]",         u"]",         u"<",
        u"&",      u">",          u"\"",        u"'",
        u"&amp;",  u"&#65;",      u"<![CDATA[", u"-->",
        u"<!--",   u"\U0001F600", u"\u00E9",    u"\u20AC",
        u"\u4E2D", u"\x01",       u"\x1F",      u"\uFEFF",
        u"\u00A0", u"\\0D\\0v",   u"?>",        std::u16string(1, u'\0'),
    };
    std::u16string text;
    const int count = Number(0, Chance(8) ? 60 : 8);
    for (int i = 0; i < count; ++i)
      text += pieces[Number(0, static_cast<int>(std::size(pieces)) - 1)];
    return text;
  }

  std::mt19937 Engine;
};

// What a save keeps: every field but Code, Tip and KeyMacro loses its trailing codes of 32 or less.
void ExpectAfterSave(TItem& item) {
  for (const itemfields::TStoredField& field : itemfields::StoredFields) {
    if (field.Element != u"Code" && field.Element != u"Tip" && field.Element != u"KeyMacro")
      field.Set(item, TrimXmlRight(field.Get(item)));
  }
  for (TItem& child : item.Children)
    ExpectAfterSave(child);
}

// The menu file's writer gives what WriteToXml and SaveToUtf8File make of the tree.
void ExpectSavedAsElementTree(const TItem& saved, recording::TRecordingServices& doubles) {
  TQxXmlFile written(MenuFileRootName);
  saved.WriteToXml(*written.RootTag);
  ASSERT_EQ(written.SaveToUtf8File(doubles.Files, u"C:\\tree.TvXml"), XmlSaved);
  EXPECT_EQ(doubles.Files.Content(u"C:\\tree.TvXml"), doubles.Files.Content(u"C:\\menu.TvXml"));
}

// Reading the file as an element tree with ReadFromXml, or the same text as UTF-16, gives the tree that
// LoadMenuFile gave.
void ExpectReadAsElementTree(const TItem& loaded, recording::TRecordingServices& doubles,
                             platform::ICodePages& codePages) {
  const std::string bytes = *doubles.Files.Content(u"C:\\menu.TvXml");
  TQxXmlFile read;
  ASSERT_EQ(read.LoadFromStream(codePages, bytes, 0), XmlLoaded);
  TItem root;
  std::u16string error;
  ASSERT_TRUE(root.ReadFromXml(*read.RootTag, error));
  testing::ExpectSameTree(root, loaded, "element tree");

  std::string utf16 = "\xFF\xFE";
  for (const char16_t unit : Utf8ToUtf16(std::string_view(bytes).substr(3)))
    utf16 += std::string{static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
  doubles.Files.AddFile(u"C:\\utf16.TvXml", utf16);
  TMenuFile wide(TMenuFileServices::From(doubles.Services()));
  ASSERT_EQ(wide.LoadMenuFile(u"C:\\utf16.TvXml", false), u"");
  testing::ExpectSameTree(*wide.RootItem, loaded, "UTF-16");
}

TEST(RoundtripTest, RandomMenusSurviveSaveAndLoad) {
  native::TNativeLocale locale("en_US");
  native::TNativeCodePages codePages;
  recording::TRecordingServices doubles(locale, codePages);
  const TMenuFileServices services = TMenuFileServices::From(doubles.Services());
  for (int round = 0; round < Menus; ++round) {
    const std::uint32_t seed = BaseSeed + static_cast<std::uint32_t>(round);
    SCOPED_TRACE("seed " + std::to_string(seed));
    TMenuFile original(services);
    original.RootItem = std::make_unique<TItem>();
    TRandomMenu(seed).Fill(*original.RootItem, 0);
    ASSERT_EQ(original.SaveMenuFile(u"C:\\menu.TvXml"), TMenuSaveResult::Saved);
    ExpectSavedAsElementTree(*original.RootItem, doubles);

    TMenuFile loaded(services);
    ASSERT_EQ(loaded.LoadMenuFile(u"C:\\menu.TvXml", false), u"");
    ExpectAfterSave(*original.RootItem);
    testing::ExpectSameTree(*original.RootItem, *loaded.RootItem);

    ExpectReadAsElementTree(*loaded.RootItem, doubles, codePages);

    // Once its blank-only fields are gone, a menu is written the same way every time.
    ASSERT_EQ(loaded.SaveMenuFile(u"C:\\again.TvXml"), TMenuSaveResult::Saved);
    TMenuFile reloaded(services);
    ASSERT_EQ(reloaded.LoadMenuFile(u"C:\\again.TvXml", false), u"");
    ASSERT_EQ(reloaded.SaveMenuFile(u"C:\\third.TvXml"), TMenuSaveResult::Saved);
    EXPECT_EQ(doubles.Files.Content(u"C:\\third.TvXml"), doubles.Files.Content(u"C:\\again.TvXml"));
    if (HasFailure())
      break;
  }
  EXPECT_TRUE(doubles.MessageBox.Requests().empty());
}

}  // namespace
}  // namespace tolvane::storage
