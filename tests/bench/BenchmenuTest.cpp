#include "Benchmenu.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "platform/native/Nativecodepages.h"
#include "platform/native/Nativelocale.h"
#include "platform/recording/Recordingservices.h"
#include "storage/Itemcompare.h"
#include "storage/Itemfile.h"

namespace tolvane::bench {
namespace {

using storage::TItem;
using storage::TMenuFile;
using storage::TMenuFileServices;
using storage::TMenuSaveResult;

constexpr std::uint32_t Seed = 7;

std::unique_ptr<TItem> BenchMenu(int items, std::uint32_t seed = Seed) {
  auto root = std::make_unique<TItem>();
  FillBenchMenu(*root, items, seed);
  return root;
}

struct TShape {
  int DeepestFolder = 0;
  int DeepestItem = 0;
  int BarFolders = 0;
  std::map<int, int> Types;  // item type -> count, folders left out
  std::size_t ClipCharacters = 0;
  bool LevelsConsistent = true;
};

void Measure(const TItem& item, TShape& shape) {
  for (const TItem& child : item.Children) {
    shape.LevelsConsistent = shape.LevelsConsistent && child.Level == item.Level + 1 && child.Parent == &item;
    shape.DeepestItem = std::max(shape.DeepestItem, child.Level);
    if (child.ItemType == storage::ItemTypeFolder) {
      shape.DeepestFolder = std::max(shape.DeepestFolder, child.Level);
      shape.BarFolders += child.Level == 1 ? 1 : 0;
      Measure(child, shape);
      continue;
    }
    ++shape.Types[child.ItemType];
    if (child.ItemType == storage::ItemTypeClip)
      shape.ClipCharacters += child.Code.size();
  }
}

class BenchMenuFileTest : public ::testing::Test {
 protected:
  std::string Saved(std::unique_ptr<TItem> root, const std::u16string& path) {
    TMenuFile menu(TMenuFileServices::From(Doubles.Services()));
    menu.RootItem = std::move(root);
    EXPECT_EQ(menu.SaveMenuFile(path), TMenuSaveResult::Saved);
    return Doubles.Files.Content(path).value_or("");
  }

  native::TNativeLocale Locale{"en_US"};
  native::TNativeCodePages CodePages;
  recording::TRecordingServices Doubles{Locale, CodePages};
};

TEST(BenchMenuTest, HoldsExactlyTheItemsAskedFor) {
  for (const int items : {0, 1, 2, 37, 501, 10000}) {
    SCOPED_TRACE(items);
    EXPECT_EQ(CountItemsBelow(*BenchMenu(items)), items);
  }
}

TEST(BenchMenuTest, TenThousandItemsLookLikeAHeavyUsersMenu) {
  TShape shape;
  Measure(*BenchMenu(10000), shape);
  EXPECT_TRUE(shape.LevelsConsistent);
  EXPECT_EQ(shape.DeepestFolder, DeepestFolderLevel);
  EXPECT_EQ(shape.DeepestItem, DeepestFolderLevel + 1);
  // Enough folders to fill a bar, not so many that most of them fall off its end.
  EXPECT_GE(shape.BarFolders, 6);
  EXPECT_LE(shape.BarFolders, 25);
  const int leaves = shape.Types[storage::ItemTypeClip] + shape.Types[storage::ItemTypeKeyMacro] +
                     shape.Types[storage::ItemTypeWebSite] + shape.Types[storage::ItemTypeMail] +
                     shape.Types[storage::ItemTypeProgram];
  EXPECT_GT(shape.Types[storage::ItemTypeClip], leaves / 2);
  for (const int type : {storage::ItemTypeKeyMacro, storage::ItemTypeWebSite, storage::ItemTypeMail})
    EXPECT_GT(shape.Types[type], leaves / 20) << "type " << type;
  const std::size_t meanClip =
      shape.ClipCharacters / static_cast<std::size_t>(shape.Types[storage::ItemTypeClip]);
  EXPECT_GE(meanClip, 200u);
  EXPECT_LE(meanClip, 700u);
}

TEST_F(BenchMenuFileTest, TheSameSeedWritesTheSameFileAndAnotherSeedAnotherOne) {
  const std::string first = Saved(BenchMenu(2000), u"C:\\a.TvXml");
  EXPECT_EQ(Saved(BenchMenu(2000), u"C:\\b.TvXml"), first);
  EXPECT_NE(Saved(BenchMenu(2000, Seed + 1), u"C:\\c.TvXml"), first);
}

TEST_F(BenchMenuFileTest, LoadsBackFieldForField) {
  // A field the writer cannot keep (a blank at the end of a plain field, a bare CR) would make the program
  // under test load another menu than the one generated.
  Saved(BenchMenu(3000), u"C:\\menu.TvXml");
  TMenuFile loaded(TMenuFileServices::From(Doubles.Services()));
  ASSERT_EQ(loaded.LoadMenuFile(u"C:\\menu.TvXml", false), u"");
  storage::testing::ExpectSameTree(*BenchMenu(3000), *loaded.RootItem);
}

}  // namespace
}  // namespace tolvane::bench
