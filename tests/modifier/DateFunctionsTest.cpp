#include <gtest/gtest.h>

#include <array>

#include "Functionfixture.h"
#include "modifier/Datepicture.h"
#include "modifier/Formatnow.h"

namespace tolvane::modifier {
namespace {

// Locale data unlike any real locale's, so every name, picture and separator shows where it came from.
class TFixedDateLocale final : public platform::ILocale {
 public:
  int Compare(std::u16string_view a, std::u16string_view b, bool, platform::TLocaleScope) override {
    return a.compare(b);
  }
  // Turkish casing: a capital I lowers to a dotless i.
  std::u16string LowerCase(std::u16string_view text, platform::TLocaleScope) override {
    std::u16string lower(text);
    for (char16_t& c : lower)
      c = c == u'I' ? u'\u0131' : (c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c);
    return lower;
  }
  std::u16string UpperCase(std::u16string_view text, platform::TLocaleScope) override {
    return std::u16string(text);
  }
  char16_t UpperChar(char16_t c) override { return c; }

  std::u16string DayName(int day, bool abbreviated) override {
    static const std::array<const char16_t*, 7> names = {u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                                                         u"Thursday", u"Friday", u"Saturday"};
    const std::u16string name = names.at(static_cast<std::size_t>(day));
    return abbreviated ? name.substr(0, 2) + u"." : name;
  }
  std::u16string MonthName(int month, bool abbreviated) override {
    static const std::array<const char16_t*, 12> names = {
        u"January", u"February", u"March",     u"April",   u"May",      u"June",
        u"July",    u"August",   u"September", u"October", u"November", u"December"};
    const std::u16string name = names.at(static_cast<std::size_t>(month - 1));
    return abbreviated ? name.substr(0, 3) + u"." : name;
  }
  std::u16string Format(platform::TDateTimeFormat format) override {
    switch (format) {
      case platform::TDateTimeFormat::ShortDate:
        return u"dd.MM.yyyy";
      case platform::TDateTimeFormat::LongDate:
        return u"dddd, d. MMMM yyyy";
      case platform::TDateTimeFormat::ShortTime:
        return u"HH:mm";
      case platform::TDateTimeFormat::LongTime:
        return u"h:mm:ss tt";
    }
    return {};
  }
  std::u16string DateSeparator() override { return u"-"; }
  std::u16string TimeSeparator() override { return u"."; }
  std::u16string AmDesignator() override { return u"vorm"; }
  std::u16string PmDesignator() override { return u"nachm"; }
  int CountryCode() override { return 1; }
};

// Tuesday, 5 March 2024, 14:07:09.045.
const platform::TDateTime Afternoon{2024, 3, 5, 14, 7, 9, 45, 2};
const platform::TDateTime Midnight{2005, 11, 20, 0, 30, 0, 7, 0};

struct TPatternRow {
  std::u16string Pattern;
  std::string Text;
};

void CheckPatterns(std::span<const TPatternRow> rows, const platform::TDateTime& time) {
  TFixedDateLocale locale;
  for (const TPatternRow& row : rows)
    EXPECT_EQ(Utf16ToUtf8(FormatNow(row.Pattern, time, locale)), row.Text) << Utf16ToUtf8(row.Pattern);
}

TEST(FormatNowTest, PatternLettersTakeNamesFormatsAndSeparatorsFromTheLocale) {
  const TPatternRow rows[] = {
      {u"d/m/yy", "5-3-24"},
      {u"dd/mm/yyyy", "05-03-2024"},
      {u"DD/MM/YYYY", "05-03-2024"},
      {u"ddd dddd", "Tu. Tuesday"},
      {u"mmm mmmm", "Mar. March"},
      {u"ddddd", "05.03.2024"},
      {u"dddddd", "Tuesday, 5. March 2024"},
      {u"h:n:s", "14.7.9"},
      {u"hh:nn:ss.zzz", "14.07.09.045"},
      {u"z", "45"},
      {u"t|tt", "14:07|2:07:09 nachm"},
      // Right after an hour, "m" means minutes.
      {u"hh:mm mm", "14.07 03"},
      {u"h AMPM", "2 nachm"},
      {u"hh a/p", "02 p"},
      {u"hh A/P", "02 P"},
      {u"h Am/Pm", "2 Pm"},
      {u"'dd/mm' \"hh:nn\" d", "dd/mm hh:nn 5"},
      {u"d 'open", "5 open"},
      {u"x, c = e!", "x, c = e!"},
  };
  CheckPatterns(rows, Afternoon);
}

TEST(FormatNowTest, TwelveHourClockAroundMidnight) {
  const TPatternRow rows[] = {
      {u"h:nn ampm", "12.30 vorm"},
      {u"hh:nn", "00.30"},
      {u"yy yyyy z zzz", "05 2005 7 007"},
      {u"tt", "12:30:00 vorm"},
  };
  CheckPatterns(rows, Midnight);
}

TEST(FormatNowTest, KeywordsInAnyCaseAndTheDateError) {
  const TPatternRow rows[] = {
      {u"SHORTDATE", "05.03.2024"},
      {u"LongDate", "Tuesday, 5. March 2024"},
      {u"SHORTDATETIME", "05.03.2024 14:07"},
      {u"", "Tuesday, 5. March 2024"},
      {u"shortdatetime", "05.03.2024 14:07"},
      {u"LONGDATETIME", "Tuesday, 5. March 2024 2:07:09 nachm"},
      {u"''", "Date Error !!"},
      {u"\"", "Date Error !!"},
  };
  CheckPatterns(rows, Afternoon);
}

TEST(FormatNowTest, LocalePictures) {
  TFixedDateLocale locale;
  struct TPictureRow {
    std::u16string Picture;
    std::string Text;
  };
  const TPictureRow rows[] = {
      {u"d dd ddd dddd", "5 05 Tu. Tuesday"}, {u"M MM MMM MMMM", "3 03 Mar. March"},
      {u"y yy yyyy gg", "24 24 2024 "},       {u"h hh H HH m mm s ss t tt", "2 02 14 14 7 07 9 09 n nachm"},
      {u"'o''clock' '' h", "o'clock ' 2"},    {u"H 'h", "14 h"},
  };
  for (const TPictureRow& row : rows)
    EXPECT_EQ(Utf16ToUtf8(FormatPicture(row.Picture, Afternoon, locale)), row.Text)
        << Utf16ToUtf8(row.Picture);
}

class DateFunctionsTest : public FunctionTest {};

TEST_F(DateFunctionsTest, DateLinesGoAtTheTopOrOnALineOfTheirOwnAtTheBottom) {
  // The recording clock stands at Monday, 1 January 2024, 12:00.
  const TRow rows[] = {
      {u"CurrentDateTimeInsertTop( 'yyyy' )", u"a", {"2024\r\n", "a"}},
      {u"CurrentDateTimeInsertTop( 'SHORTDATE' )", std::nullopt, {"1/1/24\r\n"}},
      {u"CurrentDateTimeInsertTop( 'longdate' )", std::nullopt, {"Monday, January 1, 2024\r\n"}},
      {u"CurrentDateTimeInsertBottom( 'dd/mm' )", u"a", {"a\r\n", "01/01\r\n"}},
      {u"CurrentDateTimeInsertBottom( 'dd/mm' )", u"a\r\n", {"a\r\n", "01/01\r\n"}},
      {u"CurrentDateTimeInsertBottom( '' )", std::nullopt, {"Monday, January 1, 2024\r\n"}},
  };
  Check(rows);
}

TEST_F(DateFunctionsTest, PasteReplacesTheLinesAndTypeEscapesBackslashes) {
  auto clip = Make(u"v w\r\nx");
  Doubles.Recorder.Clear();
  EXPECT_TRUE(Run(*clip, u"FirstLineAreVars()\r\nCurrentDateTimePaste( 'yyyy' )"));
  EXPECT_EQ(Trace(), "sleep 50\nclipboard \"2024\\r\\n\"\nkeys +11 +56 -56 -11\n");
  EXPECT_EQ(LineTexts(clip->Lines), TTexts{"2024\r\n"});
  EXPECT_TRUE(clip->Vars.empty());

  Doubles.Recorder.Clear();
  EXPECT_TRUE(Run(*clip, u"CurrentDateTimeType( 'dd\\mm' )"));
  EXPECT_EQ(
      Trace(),
      "keys +U+0030 -U+0030 +U+0031 -U+0031 +U+005C -U+005C +U+0030 -U+0030 +U+0031 -U+0031\nsleep 10\n");
  EXPECT_EQ(LineTexts(clip->Lines), TTexts{"2024\r\n"});
}

}  // namespace
}  // namespace tolvane::modifier
