#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/win32/Locale.h"
#include "platform/win32/Timepicture.h"
#include "platform/win32/Win.h"

namespace tolvane::win32 {
namespace {

using platform::TLocaleScope;

int Sign(int value) {
  return (value > 0) - (value < 0);
}

// The locale's own rendering of a date, as an independent source of day and month names.
std::u16string FormatDate(int year, int month, int day, const wchar_t* picture) {
  SYSTEMTIME date{};
  date.wYear = static_cast<WORD>(year);
  date.wMonth = static_cast<WORD>(month);
  date.wDay = static_cast<WORD>(day);
  wchar_t text[100] = {};
  ::GetDateFormatW(LOCALE_USER_DEFAULT, 0, &date, picture, text, 100);
  return Narrow16(text);
}

TEST(Locale, ComparesInCollationOrder) {
  const struct {
    std::u16string A, B;
    bool IgnoreCase;
    TLocaleScope Scope;
    int Sign;
  } cases[] = {
      {u"abc", u"ABC", true, TLocaleScope::User, 0},   {u"abc", u"ABC", true, TLocaleScope::System, 0},
      {u"æble", u"ÆBLE", true, TLocaleScope::User, 0}, {u"a", u"b", false, TLocaleScope::User, -1},
      {u"B", u"a", true, TLocaleScope::User, 1},       {u"", u"a", false, TLocaleScope::User, -1}};
  TLocale locale;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.A.begin(), c.A.end()) + " / " + std::string(c.B.begin(), c.B.end()));
    EXPECT_EQ(Sign(locale.Compare(c.A, c.B, c.IgnoreCase, c.Scope)), c.Sign);
  }
  EXPECT_NE(locale.Compare(u"abc", u"ABC", false), 0);
}

TEST(Locale, ChangesTheCaseOfNonAsciiLetters) {
  TLocale locale;
  EXPECT_EQ(locale.LowerCase(u"ÆØÅ Ab"), u"æøå ab");
  EXPECT_EQ(locale.UpperCase(u"æøå aB", TLocaleScope::System), u"ÆØÅ AB");
  EXPECT_EQ(locale.UpperCase(u""), u"");
  EXPECT_EQ(locale.UpperChar(u'ø'), u'Ø');
  EXPECT_EQ(locale.UpperChar(u'a'), u'A');
  EXPECT_EQ(locale.UpperChar(u'1'), u'1');
}

TEST(Locale, SortKeysOrderAsComparisons) {
  // Punctuation, spaces, digits, accents, ligature letters, case, ignorable characters and the empty text,
  // where collation is not code-unit order.
  const std::u16string texts[] = {
      u"",       u"-",      u"a",      u"A",    u"a-b",     u"ab",     u"a b",        u"co-op",   u"coop",
      u"Co op",  u"o'neil", u"oneil",  u"10",   u"9",       u"_x",     u"x_",         u"a.b",     u"a,b",
      u"ä",      u"Ä",      u"ae",     u"æble", u"ÆBLE",    u"Aarhus", u"Zealand",    u"straße",  u"STRASSE",
      u"résumé", u"resume", u"Résumé", u"z",    u"Z",       u"!",      u"~",          u"a\u0301", u"\u00e1",
      u"ǅ",      u"ǆ",      u"ﬁ",      u"fi",   u"Item 10", u"item 2", u"\U0001F600", u"\u00ad",  u"\t",
  };
  TLocale locale;
  for (const TLocaleScope scope : {TLocaleScope::User, TLocaleScope::System}) {
    for (const bool ignoreCase : {true, false}) {
      for (const std::u16string& a : texts) {
        for (const std::u16string& b : texts) {
          const std::optional<std::string> keyA = locale.SortKey(a, ignoreCase, scope);
          const std::optional<std::string> keyB = locale.SortKey(b, ignoreCase, scope);
          ASSERT_TRUE(keyA && keyB);
          const int keyOrder = *keyA < *keyB ? -1 : (*keyA == *keyB ? 0 : 1);
          EXPECT_EQ(keyOrder, Sign(locale.Compare(a, b, ignoreCase, scope)))
              << ignoreCase << " " << std::string(a.begin(), a.end()) << " / "
              << std::string(b.begin(), b.end());
        }
      }
    }
  }
}

TEST(Locale, CaseMappingKeepsEmbeddedNullsAndLengths) {
  using namespace std::literals;
  TLocale locale;
  EXPECT_EQ(locale.LowerCase(u"ÆØ\0ABC\0\0Σ\0"sv), u"æø\0abc\0\0σ\0"s);
  EXPECT_EQ(locale.UpperCase(u"\0æ\0"sv), u"\0Æ\0"s);
  const std::u16string mixed = u"İstanbul ΟΔΟΣ Straße ǅ ﬁ";
  EXPECT_EQ(locale.LowerCase(mixed).size(), mixed.size());
}

TEST(Locale, NamesDaysFromSundayAndMonthsFromJanuary) {
  TLocale locale;
  // 7 January 2024 was a Sunday.
  for (int day = 0; day < 7; ++day) {
    SCOPED_TRACE(day);
    EXPECT_EQ(locale.DayName(day, false), FormatDate(2024, 1, 7 + day, L"dddd"));
    EXPECT_EQ(locale.DayName(day, true), FormatDate(2024, 1, 7 + day, L"ddd"));
  }
  EXPECT_FALSE(locale.DayName(0, false).empty());
  EXPECT_NE(locale.DayName(0, false), locale.DayName(1, false));
  for (int month = 1; month <= 12; ++month) {
    SCOPED_TRACE(month);
    EXPECT_EQ(locale.MonthName(month, false), FormatDate(2024, month, 1, L"MMMM"));
    EXPECT_EQ(locale.MonthName(month, true), FormatDate(2024, month, 1, L"MMM"));
  }
  EXPECT_EQ(locale.DayName(7, false), u"");
  EXPECT_EQ(locale.MonthName(0, false), u"");
}

TEST(Locale, ReportsDateAndTimeConventions) {
  TLocale locale;
  for (const auto format : {platform::TDateTimeFormat::ShortDate, platform::TDateTimeFormat::LongDate,
                            platform::TDateTimeFormat::ShortTime, platform::TDateTimeFormat::LongTime})
    EXPECT_FALSE(locale.Format(format).empty()) << static_cast<int>(format);
  EXPECT_EQ(locale.Format(platform::TDateTimeFormat::ShortTime).find(u's'), std::u16string::npos);
  EXPECT_FALSE(locale.DateSeparator().empty());
  EXPECT_FALSE(locale.TimeSeparator().empty());
  EXPECT_GT(locale.CountryCode(), 0);
}

TEST(TimePicture, DropsTheSecondsWithTheirSeparator) {
  const struct {
    std::u16string_view Picture, Expected;
  } cases[] = {{u"h:mm:ss tt", u"h:mm tt"},   {u"HH:mm:ss", u"HH:mm"}, {u"H.mm.ss", u"H.mm"},
               {u"tt hh:mm:ss", u"tt hh:mm"}, {u"HH:mm", u"HH:mm"},    {u"'s' H:mm:ss", u"'s' H:mm"}};
  for (const auto& c : cases)
    EXPECT_EQ(WithoutSeconds(c.Picture), c.Expected) << std::string(c.Picture.begin(), c.Picture.end());
}

}  // namespace
}  // namespace tolvane::win32
