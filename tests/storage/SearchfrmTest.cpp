#include "storage/Searchfrm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <random>
#include <string>
#include <vector>

#include "common/Unicode.h"
#include "platform/native/Nativelocale.h"
#include "platform/recording/Recordingtime.h"
#include "storage/Itemfields.h"

namespace tolvane::storage {
namespace {

// A clock that moves on by the next step each time it is read. The engine reads it once before and once
// after each measured build, so steps {7, 100} make a build take 7 ms with 100 ms passing before the next.
class TSteppingTime final : public platform::ITime {
 public:
  explicit TSteppingTime(std::uint32_t start) : Tick(start) {}

  platform::TDateTime Now() override { return {}; }
  std::uint32_t TickCount() override {
    const std::uint32_t tick = Tick;
    if (!Steps.empty()) {
      Tick += Steps.front();
      Steps.pop_front();
    }
    return tick;
  }
  void Sleep(std::uint32_t) override {}
  void WaitProcessingMessages(std::uint32_t) override {}

  // The builds to come take these milliseconds, in this order.
  void Builds(std::initializer_list<std::uint32_t> durations) {
    for (const std::uint32_t duration : durations) {
      Steps.push_back(duration);
      Steps.push_back(100);
    }
  }

 private:
  std::uint32_t Tick;
  std::deque<std::uint32_t> Steps;
};

TItem* Add(TItem& parent, int type, std::u16string_view name, int image = -1) {
  TItem* item = parent.NewChild();
  item->ItemType = type;
  item->Name = name;
  item->ImageIndex = image;
  return item;
}

std::vector<std::u16string> Titles(const TSearchEngine& engine) {
  std::vector<std::u16string> titles;
  for (const TSearchRow& row : engine.Rows())
    titles.emplace_back(row.Title);
  return titles;
}

std::vector<TItem*> Items(const TSearchEngine& engine) {
  std::vector<TItem*> items;
  for (const TSearchRow& row : engine.Rows())
    items.push_back(row.Item);
  return items;
}

// A text field of an item, whichever form it has.
struct TField {
  void (*Append)(TItem& item, std::u16string_view text);
  std::u16string_view (*Get)(const TItem& item);
  bool Searched;
};

template <auto Member>
constexpr TField Field(bool searched) {
  return {[](TItem& item, std::u16string_view text) { item.*Member += text; }, &itemfields::FieldText<Member>,
          searched};
}

class SearchEngineTest : public ::testing::Test {
 protected:
  SearchEngineTest() { Root.Name = u"Work"; }

  native::TNativeLocale Locale{"en_US"};
  recording::TRecorder Recorder;
  recording::TRecordingTime Time{Recorder};
  TItem Root;
  TSearchEngine Engine{Locale, Time};
};

TEST_F(SearchEngineTest, LoadingListsEveryUserItemAndItsDescendantsByNameIgnoringCase) {
  TItem* program = Add(Root, ItemTypeProgramOwn, u"Tolvane", 15);
  Add(*program, ItemTypeClip, u"Program's own entry");
  TItem* texts = Add(Root, ItemTypeFolder, u"texts", 3);
  TItem* deep = Add(*texts, ItemTypeFolder, u"Deep", 4);
  TItem* upper = Add(*deep, ItemTypeClip, u"ALPHA", 1);
  TItem* lower = Add(*texts, ItemTypeClip, u"alpha", 2);
  TItem* mail = Add(Root, ItemTypeMail, u"Boss", 7);
  TItem* modifier = Add(Root, ItemTypeClipModifier, u"Zap", 9);
  // Below a user item every descendant counts, whatever its type.
  TItem* odd = Add(*modifier, ItemTypeProgramOwn, u"beta", 8);
  Root.ImageIndex = 15;

  Engine.Load(Root);
  // Equal names ignoring case keep their order in the tree (depth first).
  EXPECT_EQ(Engine.Rows(), (std::vector<TSearchRow>{
                               {1, u"ALPHA", 4, u"texts\\Deep", u"Clip", upper},
                               {2, u"alpha", 3, u"texts", u"Clip", lower},
                               {8, u"beta", 9, u"Zap", u"", odd},
                               {7, u"Boss", 15, u"Work", u"Mail", mail},
                               {4, u"Deep", 3, u"texts", u"Folder", deep},
                               {3, u"texts", 15, u"Work", u"Folder", texts},
                               {9, u"Zap", 15, u"Work", u"", modifier},
                           }));
  EXPECT_EQ(Engine.Caption(), u"Tolvane Search - Found 7 Items in 0 milliseconds");

  TSearchEngine empty(Locale, Time);
  TItem bare;
  empty.Load(bare);
  EXPECT_TRUE(empty.Rows().empty());
  EXPECT_EQ(empty.Caption(), u"Tolvane Search - Found 0 Items in 0 milliseconds");
}

TEST_F(SearchEngineTest, ManyEqualNamesKeepTheirTreeOrder) {
  // Enough names, equal in groups ignoring case, that an unstable sort would mix up a group.
  const std::u16string_view names[] = {u"b", u"A", u"C", u"a", u"B", u"c", u"A", u"b"};
  std::vector<TItem*> groups[3];
  for (int i = 0; i < 120; ++i) {
    const std::u16string_view name = names[(i * 5 + i / 8) % std::size(names)];
    groups[(name[0] | 0x20) - u'a'].push_back(Add(Root, ItemTypeClip, name));
  }
  Engine.Load(Root);
  std::vector<TItem*> expected;
  for (const std::vector<TItem*>& group : groups)
    expected.insert(expected.end(), group.begin(), group.end());
  std::vector<TItem*> shown;
  for (const TSearchRow& row : Engine.Rows())
    shown.push_back(row.Item);
  EXPECT_EQ(shown, expected);
}

TEST(SearchTypeNameTest, NamesTheUserTypesOnly) {
  const std::u16string_view names[] = {u"",        u"Clip", u"Folder Clip", u"Folder", u"Action",
                                       u"Website", u"Mail", u"Macro",       u"",       u""};
  const int types[] = {-1, 0, 1, 2, 3, 4, 5, 6, 7, ItemTypeProgramOwn};
  for (std::size_t i = 0; i < std::size(types); ++i)
    EXPECT_EQ(SearchTypeName(types[i]), names[i]) << types[i];
}

TEST_F(SearchEngineTest, ATermIsLookedForInEverySearchedValueAndNowhereElse) {
  const TField fields[] = {
      Field<&TItem::Name>(true),     Field<&TItem::Tip>(true),         Field<&TItem::Code>(true),
      Field<&TItem::KeyMacro>(true), Field<&TItem::XClip>(true),       Field<&TItem::Subject>(true),
      Field<&TItem::Email>(true),    Field<&TItem::Bcc>(true),         Field<&TItem::Cc>(true),
      Field<&TItem::File>(true),     Field<&TItem::Program>(true),     Field<&TItem::Url>(true),
      Field<&TItem::QParams>(false), Field<&TItem::WebBrowser>(false), Field<&TItem::ShortCutText>(false),
  };
  for (const TField& field : fields) {
    TItem root;
    Add(root, ItemTypeClip, u"Other")->Code = u"nothing here";
    TItem* holder = Add(root, ItemTypeWebSite, u"Holder");
    field.Append(*holder, u"see https://Example.ORG/needle");
    Engine.Load(root);
    Engine.SetTerm1(u"example.org/NEEDLE");
    const bool found = Engine.Rows().size() == 1 && Engine.Rows()[0].Item == holder;
    EXPECT_EQ(found, field.Searched) << Utf16ToUtf8(field.Get(*holder));
  }
}

TEST_F(SearchEngineTest, TwoTermsShowTheItemsThatContainBoth) {
  TItem* folder = Add(Root, ItemTypeFolder, u"Mail texts");
  Add(*folder, ItemTypeClip, u"Invoice reminder")->Code = u"Dear customer";
  Add(*folder, ItemTypeClip, u"Invoice copy")->Tip = u"for the accountant";
  TItem* mail = Add(Root, ItemTypeMail, u"Customer invoice");
  mail->Email = u"billing@example.org";
  Add(Root, ItemTypeWebSite, u"Shop")->Url = u"https://example.org/customer";

  Engine.Load(Root);
  Engine.SetTerm1(u"invoice");
  EXPECT_EQ(Titles(Engine),
            (std::vector<std::u16string>{u"Customer invoice", u"Invoice copy", u"Invoice reminder"}));
  Engine.SetTerm2(u"CUSTOMER");
  EXPECT_EQ(Titles(Engine), (std::vector<std::u16string>{u"Customer invoice", u"Invoice reminder"}));
  // Term 2 alone narrows the whole list.
  Engine.SetTerm1(u"");
  EXPECT_EQ(Titles(Engine), (std::vector<std::u16string>{u"Customer invoice", u"Invoice reminder", u"Shop"}));
  EXPECT_EQ(Engine.Caption(), u"Tolvane Search - Found 3 Items in 0 milliseconds");
  Engine.SetTerm2(u"no such text");
  EXPECT_TRUE(Engine.Rows().empty());
  EXPECT_TRUE(Engine.DetailLines(0).empty());
}

TEST_F(SearchEngineTest, ATermNeverSpansTwoValues) {
  using namespace std::literals;
  TItem* split = Add(Root, ItemTypeClip, u"ab");
  split->Tip = u"cd";
  TItem* whole = Add(Root, ItemTypeClip, u"Whole");
  whole->Code = u"ab\0cd"s;
  TItem* wide = Add(Root, ItemTypeClip, u"Σ ab");
  wide->Tip = u"cd";
  Engine.Load(Root);
  Engine.SetTerm1(u"abcd");
  EXPECT_TRUE(Engine.Rows().empty());
  // A null typed into the term still matches only inside one value, in one-byte and in wide text.
  Engine.SetTerm1(u"b\0c"sv);
  EXPECT_EQ(Items(Engine), std::vector<TItem*>{whole});
  wide->Code = u"σ b\0c"s;
  Engine.Load(Root);
  Engine.SetTerm1(u"B\0C"sv);
  EXPECT_EQ(Items(Engine), (std::vector<TItem*>{whole, wide}));
}

TEST_F(SearchEngineTest, CaseIsIgnoredBeyondAsciiInMatchingAndSorting) {
  TItem* upper = Add(Root, ItemTypeClip, u"Ærø ferry");
  TItem* lower = Add(Root, ItemTypeClip, u"ærø ferry");
  Add(Root, ItemTypeClip, u"Aero")->Tip = u"no letters of the island";
  TItem* greek = Add(Root, ItemTypeClip, u"Greek");
  greek->Code = u"ΣΟΦΙΑ";
  Add(Root, ItemTypeClip, u"Zulu");

  Engine.Load(Root);
  // In code-unit order "Æ" would come after "Z".
  EXPECT_EQ(Titles(Engine),
            (std::vector<std::u16string>{u"Aero", u"Ærø ferry", u"ærø ferry", u"Greek", u"Zulu"}));
  Engine.SetTerm1(u"ÆRØ");
  EXPECT_EQ(Engine.Rows().size(), 2u);
  EXPECT_EQ(Engine.Rows()[0].Item, upper);
  EXPECT_EQ(Engine.Rows()[1].Item, lower);
  Engine.SetTerm1(u"σοφια");
  EXPECT_EQ(Titles(Engine), std::vector<std::u16string>{u"Greek"});
}

// The locale with its comparisons but without sort keys, as a locale that has none.
class TKeylessLocale final : public platform::ILocale {
 public:
  explicit TKeylessLocale(platform::ILocale& locale) : Locale(locale) {}

  int Compare(std::u16string_view a, std::u16string_view b, bool ignoreCase,
              platform::TLocaleScope scope) override {
    return Locale.Compare(a, b, ignoreCase, scope);
  }
  std::u16string LowerCase(std::u16string_view text, platform::TLocaleScope scope) override {
    return Locale.LowerCase(text, scope);
  }
  std::u16string UpperCase(std::u16string_view text, platform::TLocaleScope scope) override {
    return Locale.UpperCase(text, scope);
  }
  char16_t UpperChar(char16_t c) override { return Locale.UpperChar(c); }
  std::u16string DayName(int dayOfWeek, bool abbreviated) override {
    return Locale.DayName(dayOfWeek, abbreviated);
  }
  std::u16string MonthName(int month, bool abbreviated) override {
    return Locale.MonthName(month, abbreviated);
  }
  std::u16string Format(platform::TDateTimeFormat format) override { return Locale.Format(format); }
  std::u16string DateSeparator() override { return Locale.DateSeparator(); }
  std::u16string TimeSeparator() override { return Locale.TimeSeparator(); }
  std::u16string AmDesignator() override { return Locale.AmDesignator(); }
  std::u16string PmDesignator() override { return Locale.PmDesignator(); }
  int CountryCode() override { return Locale.CountryCode(); }

 private:
  platform::ILocale& Locale;
};

TEST_F(SearchEngineTest, TheSortIsTheStableSortByLocaleComparisonWithOrWithoutSortKeys) {
  // Punctuation, spaces, digits and accents, where collation is not code-unit order, with names equal
  // ignoring case in several places of the tree.
  const std::u16string_view names[] = {
      u"co-op", u"coop",  u"Co op", u"CO-OP", u"o'neil", u"ONeil", u"10",      u"9",      u"_x",     u"x_",
      u"a.b",   u"a,b",   u"ab",    u"a b",   u"",       u"-",     u"résumé",  u"Resume", u"RÉSUMÉ", u"æble",
      u"Æble",  u"aeble", u"Zz",    u"zZ",    u"!",      u"~",     u"Item 10", u"item 2", u"ITEM 1", u"ß",
  };
  for (int i = 0; i < 90; ++i)
    Add(Root, ItemTypeClip, names[(i * 7) % std::size(names)]);
  std::vector<TItem*> expected;
  for (TItem& item : Root.Children)
    expected.push_back(&item);
  std::stable_sort(expected.begin(), expected.end(), [this](const TItem* a, const TItem* b) {
    return Locale.Compare(a->Name, b->Name, true) < 0;
  });

  Engine.Load(Root);
  EXPECT_EQ(Items(Engine), expected);
  TKeylessLocale keyless(Locale);
  TSearchEngine compared(keyless, Time);
  compared.Load(Root);
  EXPECT_EQ(Items(compared), expected);
}

TEST_F(SearchEngineTest, EveryRowHasTheSearchPathOfItsItem) {
  TItem* top = Add(Root, ItemTypeFolder, u"Top");
  TItem* middle = Add(*top, ItemTypeFolder, u"Middle");
  Add(*Add(*middle, ItemTypeFolder, u"Low"), ItemTypeClip, u"Leaf");
  Add(*middle, ItemTypeClip, u"Beside");
  Add(*Add(Root, ItemTypeFolder, u"Other"), ItemTypeClip, u"Leaf");
  Engine.Load(Root);
  ASSERT_EQ(Engine.Rows().size(), 7u);
  for (const TSearchRow& row : Engine.Rows())
    EXPECT_EQ(row.Path, SearchPath(*row.Item)) << Utf16ToUtf8(row.Title);
  EXPECT_EQ(Engine.Rows()[1].Path, u"Top\\Middle\\Low");
}

TEST_F(SearchEngineTest, ValuesLowerCaseAsEachWouldAlone) {
  using namespace std::literals;
  // A sigma at the end of a value is final there, one at the start of the next is not.
  TItem* greek = Add(Root, ItemTypeClip, u"ΟΔΟΣ");
  greek->Tip = u"ΣΑ";
  greek->Url = u"X\0Y"s;
  // The dotted capital I lower-cases to two code units here, so this item's values change their lengths.
  TItem* dotted = Add(Root, ItemTypeClip, u"\u0130ZMIR");
  dotted->Code = u"ABC";
  dotted->Url = u"P\0Q"s;
  Engine.Load(Root);

  const struct {
    std::u16string_view Term;
    std::vector<TItem*> Found;
  } cases[] = {
      {u"οδος", {greek}},    {u"οδοσ", {}},  {u"σα", {greek}},           {u"ςα", {}},
      {u"x\0y"sv, {greek}},  {u"ς\0"sv, {}}, {u"i\u0307zmir", {dotted}}, {u"abc", {dotted}},
      {u"p\0q"sv, {dotted}}, {u"c\0"sv, {}},
  };
  for (const auto& c : cases) {
    Engine.SetTerm1(c.Term);
    EXPECT_EQ(Items(Engine), c.Found) << Utf16ToUtf8(c.Term);
  }
}

TEST_F(SearchEngineTest, EachShownListComesWithTheTimeItsBuildTook) {
  TSteppingTime clock(0xFFFFFFF0u);  // the tick count wraps during the builds
  TSearchEngine engine(Locale, clock);
  Add(Root, ItemTypeClip, u"red apple");
  Add(Root, ItemTypeClip, u"green apple");
  Add(Root, ItemTypeClip, u"red cherry");
  const auto caption = [&engine] { return Utf16ToUtf8(engine.Caption()); };

  clock.Builds({40});
  engine.Load(Root);
  EXPECT_EQ(caption(), "Tolvane Search - Found 3 Items in 40 milliseconds");
  clock.Builds({7});
  engine.SetTerm1(u"apple");
  EXPECT_EQ(caption(), "Tolvane Search - Found 2 Items in 7 milliseconds");
  clock.Builds({3});
  engine.SetTerm2(u"red");
  EXPECT_EQ(caption(), "Tolvane Search - Found 1 Items in 3 milliseconds");
  // Clearing term 2 brings back the term-1 list with the time shown for it before.
  engine.SetTerm2(u"");
  EXPECT_EQ(Titles(engine), (std::vector<std::u16string>{u"green apple", u"red apple"}));
  EXPECT_EQ(caption(), "Tolvane Search - Found 2 Items in 7 milliseconds");

  clock.Builds({2});
  engine.SetTerm2(u"red");
  // A new term 1 with term 2 present filters twice; the caption shows both filters' time.
  clock.Builds({11, 5});
  engine.SetTerm1(u"e");
  EXPECT_EQ(Titles(engine), (std::vector<std::u16string>{u"red apple", u"red cherry"}));
  EXPECT_EQ(caption(), "Tolvane Search - Found 2 Items in 16 milliseconds");
  engine.SetTerm2(u"");
  EXPECT_EQ(caption(), "Tolvane Search - Found 3 Items in 11 milliseconds");

  clock.Builds({6, 4});
  engine.SetTerm2(u"cherry");
  engine.SetTerm1(u"");
  EXPECT_EQ(Titles(engine), std::vector<std::u16string>{u"red cherry"});
  EXPECT_EQ(caption(), "Tolvane Search - Found 1 Items in 4 milliseconds");
  engine.SetTerm2(u"");
  EXPECT_EQ(caption(), "Tolvane Search - Found 3 Items in 40 milliseconds");
}

TEST_F(SearchEngineTest, DetailLinesShowTheValuesOfTheItemsType) {
  TItem* clip = Add(Root, ItemTypeFolderClip, u"Clip");
  clip->Tip = u"tip";
  clip->Code = u"text";
  clip->File = u"C:\\a.txt";
  TItem* mail = Add(Root, ItemTypeMail, u"Mail");
  mail->Email = u"a@b.c";
  mail->Bcc = u"d@e.f";
  mail->Cc = u"g@h.i";
  mail->Subject = u"Hello";
  mail->Code = u"Body text";
  TItem* program = Add(Root, ItemTypeProgram, u"Program");
  program->Program = u"notepad.exe";
  program->QParams = u"/a";
  program->Tip = u"edit";
  TItem* web = Add(Root, ItemTypeWebSite, u"Web");
  web->Url = u"https://example.org";
  web->Tip = u"site";
  web->WebBrowser = u"Browser";
  TItem* macro = Add(Root, ItemTypeKeyMacro, u"Macro");
  macro->Tip = u"keys";
  macro->KeyMacro = u"one\\0D\\0vtwo";
  TItem* folder = Add(Root, ItemTypeFolder, u"Folder");
  folder->Tip = u"not shown";

  EXPECT_EQ(SearchDetailLines(*clip), (std::vector<TDetailLine>{{u"Tip: tip", DetailBlue},
                                                                {u"Clip: text", DetailGreen},
                                                                {u"FileName: C:\\a.txt", DetailNavy}}));
  EXPECT_EQ(SearchDetailLines(*mail), (std::vector<TDetailLine>{{u"Email: a@b.c", DetailNavy},
                                                                {u"Bcc: d@e.f", DetailPurple},
                                                                {u"Cc: g@h.i", DetailMaroon},
                                                                {u"Subject: Hello", DetailGreen},
                                                                {u"Body: Body text", DetailBlue}}));
  EXPECT_EQ(SearchDetailLines(*program), (std::vector<TDetailLine>{{u"Program: notepad.exe", DetailNavy},
                                                                   {u"Parameters: /a", DetailPurple},
                                                                   {u"Tip: edit", DetailBlue}}));
  EXPECT_EQ(SearchDetailLines(*web), (std::vector<TDetailLine>{{u"Url: https://example.org", DetailNavy},
                                                               {u"Tip: site", DetailBlue},
                                                               {u"WebBrowser: Browser", DetailPurple}}));
  EXPECT_EQ(SearchDetailLines(*macro),
            (std::vector<TDetailLine>{{u"Tip: keys", DetailBlue}, {u"Macro: one\r\ntwo", DetailGreen}}));
  EXPECT_TRUE(SearchDetailLines(*folder).empty());

  // The engine's rows are sorted, so a row's details are those of the item shown in it.
  Engine.Load(Root);
  ASSERT_EQ(Engine.Rows()[2].Item, macro);
  EXPECT_EQ(Engine.DetailLines(2), SearchDetailLines(*macro));
  EXPECT_TRUE(Engine.DetailLines(Engine.Rows().size()).empty());
}

// A tree of a few hundred items whose values mix words in either case, non-ASCII letters and text split
// over lines, so typed terms hit different items in different fields.
void FillWords(TItem& root, std::uint32_t seed) {
  const std::u16string_view words[] = {u"Invoice", u"invoiced", u"ORDER", u"order", u"Køge", u"KØGE",
                                       u"café",    u"CAFÉ",     u"thank", u"you",   u"in",   u"on",
                                       u"\r\n",    u"attached", u"ΣΟΦΙΑ", u"σοφια", u"v",    u"e"};
  std::mt19937 random(seed);
  const auto text = [&](int count) {
    std::u16string value;
    for (int i = 0; i < count; ++i) {
      value += words[random() % std::size(words)];
      value += u' ';
    }
    return value;
  };
  std::vector<TItem*> folders{&root};
  for (int i = 0; i < 400; ++i) {
    TItem& parent = *folders[random() % folders.size()];
    const int type = static_cast<int>(random() % 8);
    TItem* item = Add(parent, type, text(1 + static_cast<int>(random() % 3)));
    const TField fields[] = {Field<&TItem::Code>(true), Field<&TItem::Tip>(true),
                             Field<&TItem::Url>(true),  Field<&TItem::Email>(true),
                             Field<&TItem::File>(true), Field<&TItem::KeyMacro>(true)};
    fields[random() % std::size(fields)].Append(*item, text(static_cast<int>(random() % 12)));
    if (type == ItemTypeFolder)
      folders.push_back(item);
  }
}

TEST_F(SearchEngineTest, NarrowingAsTermsGrowGivesWhatAFreshSearchGives) {
  FillWords(Root, 7);
  Engine.Load(Root);
  // Each step types into one box; the engine's list must equal a new engine's for both boxes as they are.
  struct TStep {
    int Box;
    std::u16string_view Text;
  };
  const TStep steps[] = {
      {1, u"i"},  {1, u"in"},   {1, u"inV"},   {1, u"INVO"},  {1, u"invoiced"}, {1, u"invoic"}, {1, u"nvoic"},
      {2, u"o"},  {2, u"or"},   {2, u"Ord"},   {2, u"ORDER"}, {1, u"invoiceD"}, {1, u"in"},     {2, u"ord"},
      {2, u"r"},  {2, u"rde"},  {1, u""},      {2, u"rder"},  {2, u"RDER "},    {1, u"e"},      {1, u"ée"},
      {1, u"é"},  {1, u"café"}, {1, u"CAFÉ "}, {2, u""},      {1, u"k"},        {1, u"kø"},     {1, u"KØG"},
      {2, u"σ"},  {2, u"ΣΟ"},   {2, u"σοφια"}, {1, u""},      {2, u"Σ"},        {1, u"v"},      {1, u"ve"},
      {2, u"\r"}, {2, u"\r\n"}, {1, u""},      {2, u""},      {1, u"o"},        {1, u"on"},     {2, u"n"},
  };
  const std::size_t all = Engine.Rows().size();
  std::u16string term1;
  std::u16string term2;
  int narrowed = 0;
  for (const TStep& step : steps) {
    (step.Box == 1 ? term1 : term2) = step.Text;
    if (step.Box == 1)
      Engine.SetTerm1(step.Text);
    else
      Engine.SetTerm2(step.Text);
    TSearchEngine fresh(Locale, Time);
    fresh.Load(Root);
    if (!term1.empty())
      fresh.SetTerm1(term1);
    if (!term2.empty())
      fresh.SetTerm2(term2);
    EXPECT_EQ(Items(Engine), Items(fresh)) << Utf16ToUtf8(term1) << " / " << Utf16ToUtf8(term2);
    EXPECT_EQ(Engine.Rows(), fresh.Rows());
    narrowed += !fresh.Rows().empty() && fresh.Rows().size() < all;
  }
  // Most steps must leave some items but not all, or the comparison proves little.
  EXPECT_GT(narrowed, static_cast<int>(std::size(steps)) * 2 / 3);
}

}  // namespace
}  // namespace tolvane::storage
