#include "platform/native/Nativelocale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "common/Unicode.h"
#include "platform/native/Countrycodes.h"
#include "platform/native/Localename.h"

namespace tolvane::native {
namespace {

using platform::TDateTimeFormat;

class DanishLocaleTest : public ::testing::Test {
 protected:
  TNativeLocale Locale{"da_DK"};
};

class UsLocaleTest : public ::testing::Test {
 protected:
  TNativeLocale Locale{"en_US"};
};

TEST_F(DanishLocaleTest, NamesDaysAndMonths) {
  EXPECT_EQ(Locale.DayName(1, false), u"mandag");
  EXPECT_EQ(Locale.DayName(0, false), U16("s\xC3\xB8ndag"));
  EXPECT_EQ(Locale.MonthName(1, false), u"januar");
  EXPECT_EQ(Locale.MonthName(12, false), u"december");
  EXPECT_FALSE(Locale.MonthName(5, true).empty());
  EXPECT_EQ(Locale.DayName(7, false), u"");
  EXPECT_EQ(Locale.MonthName(0, false), u"");
}

TEST_F(DanishLocaleTest, FormatsInPictureSyntax) {
  const std::u16string longDate = Locale.Format(TDateTimeFormat::LongDate);
  EXPECT_NE(longDate.find(u"dddd"), std::u16string::npos) << Utf16ToUtf8(longDate);
  EXPECT_NE(longDate.find(u"MMMM"), std::u16string::npos);
  EXPECT_EQ(Locale.Format(TDateTimeFormat::ShortDate), u"dd.MM.yyyy");
  EXPECT_EQ(Locale.DateSeparator(), u".");
  EXPECT_EQ(Locale.Format(TDateTimeFormat::LongTime).substr(0, 2), u"HH");
  EXPECT_EQ(Locale.CountryCode(), 45);
}

TEST_F(DanishLocaleTest, SortsDoubleAAfterZ) {
  // Danish collation treats "aa" as the letter å, the last of the alphabet.
  EXPECT_GT(Locale.Compare(u"Aarhus", u"Zealand", false), 0);
  EXPECT_LT(Locale.Compare(U16("\xC3\xA6"), U16("\xC3\xB8"), false), 0);  // æ before ø
}

TEST_F(UsLocaleTest, FormatsInPictureSyntax) {
  EXPECT_EQ(Locale.Format(TDateTimeFormat::ShortDate), u"M/d/yy");
  EXPECT_EQ(Locale.Format(TDateTimeFormat::LongDate), u"dddd, MMMM d, yyyy");
  EXPECT_EQ(Locale.Format(TDateTimeFormat::ShortTime), u"h:mm tt");
  EXPECT_EQ(Locale.Format(TDateTimeFormat::LongTime), u"h:mm:ss tt");
  EXPECT_EQ(Locale.DateSeparator(), u"/");
  EXPECT_EQ(Locale.TimeSeparator(), u":");
  EXPECT_EQ(Locale.AmDesignator(), u"AM");
  EXPECT_EQ(Locale.PmDesignator(), u"PM");
  EXPECT_EQ(Locale.CountryCode(), 1);
  EXPECT_EQ(Locale.DayName(6, true), u"Sat");
  EXPECT_EQ(Locale.MonthName(2, true), u"Feb");
}

TEST_F(UsLocaleTest, ComparesWithOrWithoutCase) {
  EXPECT_EQ(Locale.Compare(u"Menu", u"mENU", true), 0);
  EXPECT_NE(Locale.Compare(u"Menu", u"mENU", false), 0);
  EXPECT_EQ(Locale.Compare(u"apple", u"Banana", false), -1);
  EXPECT_EQ(Locale.Compare(u"banana", u"Apple", true), 1);
  EXPECT_LT(Locale.Compare(u"Aarhus", u"Zealand", false), 0);
  EXPECT_NE(Locale.Compare(u"resume", U16("r\xC3\xA9sum\xC3\xA9"), true), 0);  // accents still count
}

TEST_F(UsLocaleTest, ChangesCaseByUnicodeRules) {
  EXPECT_EQ(Locale.UpperCase(U16("stra\xC3\x9F"
                                 "e")),
            u"STRASSE");
  EXPECT_EQ(Locale.LowerCase(U16("\xC3\x86"
                                 "BLE")),
            U16("\xC3\xA6"
                "ble"));
  EXPECT_EQ(Locale.UpperChar(u'\u00E6'), u'\u00C6');
  EXPECT_EQ(Locale.UpperChar(u'\u00DF'), u'\u00DF');  // "SS" is two units
  EXPECT_EQ(Locale.UpperChar(u'7'), u'7');
}

TEST(NativeLocale, CasingFollowsTheLocale) {
  TNativeLocale turkish("tr_TR");
  EXPECT_EQ(turkish.UpperCase(u"i"), u"\u0130");
  EXPECT_EQ(TNativeLocale("en_US").UpperCase(u"i"), u"I");
}

TEST(NativeLocale, SortKeysOrderAsComparisons) {
  // Punctuation, spaces, digits, accents, ligature letters and case, where collation is not code-unit order.
  const std::u16string texts[] = {
      u"",       u"-",      u"a",      u"A",    u"a-b",     u"ab",     u"a b",        u"co-op",   u"coop",
      u"Co op",  u"o'neil", u"oneil",  u"10",   u"9",       u"_x",     u"x_",         u"a.b",     u"a,b",
      u"ä",      u"Ä",      u"ae",     u"æble", u"ÆBLE",    u"Aarhus", u"Zealand",    u"straße",  u"STRASSE",
      u"résumé", u"resume", u"Résumé", u"z",    u"Z",       u"!",      u"~",          u"a\u0301", u"\u00e1",
      u"ǅ",      u"ǆ",      u"ﬁ",      u"fi",   u"Item 10", u"item 2", u"\U0001F600", u"\u00ad",
  };
  for (const char* id : {"en_US", "da_DK"}) {
    TNativeLocale locale(id);
    for (const bool ignoreCase : {true, false}) {
      for (const std::u16string& a : texts) {
        for (const std::u16string& b : texts) {
          const std::optional<std::string> keyA = locale.SortKey(a, ignoreCase);
          const std::optional<std::string> keyB = locale.SortKey(b, ignoreCase);
          ASSERT_TRUE(keyA && keyB);
          const int keyOrder = *keyA < *keyB ? -1 : (*keyA == *keyB ? 0 : 1);
          EXPECT_EQ(keyOrder, locale.Compare(a, b, ignoreCase))
              << id << " " << ignoreCase << " " << Utf16ToUtf8(a) << " / " << Utf16ToUtf8(b);
        }
      }
    }
  }
}

TEST(CountryCallingCode, KnowsTheMainRegions) {
  EXPECT_EQ(CountryCallingCode("DK"), 45);
  EXPECT_EQ(CountryCallingCode("US"), 1);
  EXPECT_EQ(CountryCallingCode("GB"), 44);
  EXPECT_EQ(CountryCallingCode("DE"), 49);
  EXPECT_EQ(CountryCallingCode("JP"), 81);
  EXPECT_EQ(CountryCallingCode("IN"), 91);
  EXPECT_EQ(CountryCallingCode("ZZ"), 1);
  EXPECT_EQ(CountryCallingCode(""), 1);
}

TEST(IcuLocaleId, StripsPosixDecorations) {
  EXPECT_EQ(IcuLocaleId("da_DK.UTF-8"), "da_DK");
  EXPECT_EQ(IcuLocaleId("de_DE@euro"), "de_DE");
  EXPECT_EQ(IcuLocaleId("sr_RS.UTF-8@latin"), "sr_RS");
  EXPECT_EQ(IcuLocaleId("C.UTF-8"), "en_US");
  EXPECT_EQ(IcuLocaleId("POSIX"), "en_US");
  EXPECT_EQ(IcuLocaleId(""), "en_US");
}

// Sets an environment variable for the scope of a test and restores the old value after it.
class TScopedVariable {
 public:
  TScopedVariable(const char* name, const char* value) : Name(name) {
    if (const char* old = std::getenv(name))
      Old = old;
    Set(value);
  }
  TScopedVariable(const TScopedVariable&) = delete;
  TScopedVariable& operator=(const TScopedVariable&) = delete;
  ~TScopedVariable() { Set(Old ? Old->c_str() : nullptr); }

  void Set(const char* value) {
    if (value != nullptr) {
      ::setenv(Name, value, 1);
    } else {
      ::unsetenv(Name);
    }
  }

 private:
  const char* Name;
  std::optional<std::string> Old;
};

TEST(EnvironmentLocaleName, PrefersLcAllThenLcCollateThenLang) {
  TScopedVariable all("LC_ALL", "");
  TScopedVariable collate("LC_COLLATE", "da_DK.UTF-8");
  TScopedVariable lang("LANG", "en_GB.UTF-8");
  EXPECT_EQ(EnvironmentLocaleName(), "da_DK.UTF-8");
  all.Set("fi_FI");
  EXPECT_EQ(EnvironmentLocaleName(), "fi_FI");
  all.Set(nullptr);
  collate.Set(nullptr);
  EXPECT_EQ(EnvironmentLocaleName(), "en_GB.UTF-8");
  lang.Set(nullptr);
  EXPECT_EQ(EnvironmentLocaleName(), "");
}

}  // namespace
}  // namespace tolvane::native
