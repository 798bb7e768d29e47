#include "Benchmenu.h"

#include <array>
#include <random>
#include <string>

#include "common/Unicode.h"

namespace tolvane::bench {
namespace {

using storage::TItem;

constexpr std::array<const char16_t*, 28> Words{
    u"thank",   u"you",      u"for",     u"your",      u"order",       u"the",       u"delivery",
    u"invoice", u"within",   u"days",    u"K\u00F8ge", u"Z\u00FCrich", u"regards",   u"please",
    u"find",    u"attached", u"meeting", u"agenda",    u"&",           u"<b>",       u"\"OK\"",
    u"3-5",     u"customer", u"support", u"account",   u"renewal",     u"caf\u00E9", u"\u00E5rsrapport"};

constexpr std::array<const char16_t*, 10> FolderNames{u"Customers", u"Projects", u"Replies",  u"Snippets",
                                                      u"Archive",   u"Tools",    u"Contacts", u"Templates",
                                                      u"Links",     u"Drafts"};

class TMenuBuilder {
 public:
  TMenuBuilder(int itemCount, std::uint32_t seed) : Remaining(itemCount), Engine(seed) {}

  void Fill(TItem& root) {
    root.Name = u"Benchmark menu";
    for (int folder = 0; Remaining > 0; ++folder) {
      // Now and then a clip right on the bar, as people keep their most used ones.
      if (folder % 4 == 3)
        AddLeaf(root);
      if (Remaining > 0)
        FillFolder(*AddFolder(root), 1);
    }
  }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(Engine); }
  std::u16string Number(int n) { return U16(std::to_string(n)); }

  std::u16string Sentence(int words) {
    std::u16string text;
    for (int w = 0; w < words; ++w) {
      if (w > 0)
        text += w % 11 == 0 ? u"\r\n" : u" ";
      text += Words[static_cast<size_t>(Pick(0, static_cast<int>(Words.size()) - 1))];
    }
    return text;
  }

  // About 25 children per folder, a quarter of them folders while the level allows, gives around a dozen
  // folders on the bar for 10,000 items.
  void FillFolder(TItem& folder, int level) {
    const int children = Pick(8, 20);
    for (int child = 0; child < children && Remaining > 0; ++child) {
      if (level < DeepestFolderLevel && Pick(0, 3) == 0)
        FillFolder(*AddFolder(folder), level + 1);
      else
        AddLeaf(folder);
    }
  }

  TItem* AddFolder(TItem& parent) {
    --Remaining;
    TItem* folder = parent.NewChild();
    folder->ItemType = storage::ItemTypeFolder;
    folder->Name = FolderNames[static_cast<size_t>(Pick(0, static_cast<int>(FolderNames.size()) - 1))] +
                   std::u16string(u" ") + Number(++FolderCount);
    folder->ImageIndex = parent.Level == 0 ? Pick(0, 29) : -1;
    if (Pick(0, 4) == 0)
      folder->Tip = Sentence(5);
    return folder;
  }

  void AddLeaf(TItem& parent) {
    --Remaining;
    TItem& item = *parent.NewChild();
    const int kind = Pick(0, 99);
    item.Name = Sentence(Pick(1, 3)) + u" " + Number(++LeafCount);
    item.ImageIndex = Pick(0, 5) == 0 ? Pick(0, 39) : -1;
    if (kind < 62) {
      item.Code = Sentence(Pick(30, 80));  // a few hundred characters
      item.MonoSpace = Pick(0, 3) != 0;
    } else if (kind < 76) {
      item.ItemType = storage::ItemTypeKeyMacro;
      item.KeyMacro = Sentence(Pick(2, 6)) + u"\\0D\\0v\\24\\2f" + Sentence(2);
      item.RepeatCount = Pick(1, 3);
    } else if (kind < 88) {
      item.ItemType = storage::ItemTypeWebSite;
      item.Url = u"https://intranet.example.com/pages/" + Number(Pick(1, 99999)) + u"?view=full&lang=da";
    } else if (kind < 97) {
      item.ItemType = storage::ItemTypeMail;
      item.Email = u"contact" + Number(Pick(1, 500)) + u"@example.com";
      if (Pick(0, 2) == 0)
        item.Cc = u"team@example.com";
      item.Subject = Sentence(Pick(3, 7));
      item.Code = Sentence(Pick(20, 60));
    } else {
      item.ItemType = storage::ItemTypeProgram;
      item.Program = u"C:\\Program Files\\Example\\tool" + Number(Pick(1, 9)) + u".exe";
    }
    if (Pick(0, 9) == 0)
      item.Tip = Sentence(Pick(4, 9));
  }

  int Remaining;
  int FolderCount = 0;
  int LeafCount = 0;
  std::mt19937 Engine;
};

}  // namespace

void FillBenchMenu(TItem& root, int itemCount, std::uint32_t seed) {
  TMenuBuilder(itemCount, seed).Fill(root);
}

int CountItemsBelow(const TItem& item) {
  int count = 0;
  for (const auto& child : item.Children)
    count += 1 + CountItemsBelow(child);
  return count;
}

}  // namespace tolvane::bench
