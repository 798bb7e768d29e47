#pragma once

#include <unicode/coll.h>
#include <unicode/dtfmtsym.h>
#include <unicode/locid.h>

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "platform/Locale.h"

namespace tolvane::native {

// ILocale on ICU. There is one locale for the whole process, so the user and system scopes are alike.
// Formats are ICU's default short and full date patterns and short and medium time patterns, in picture
// syntax.
class TNativeLocale final : public platform::ILocale {
 public:
  // An ICU locale id such as "da_DK"; throws std::runtime_error when ICU cannot provide its data.
  explicit TNativeLocale(const std::string& localeId);

  int Compare(std::u16string_view a, std::u16string_view b, bool ignoreCase,
              platform::TLocaleScope scope = platform::TLocaleScope::User) override;
  // The collator's sort key, which orders as its compare does.
  std::optional<std::string> SortKey(std::u16string_view text, bool ignoreCase,
                                     platform::TLocaleScope scope = platform::TLocaleScope::User) override;
  std::u16string LowerCase(std::u16string_view text,
                           platform::TLocaleScope scope = platform::TLocaleScope::User) override;
  std::u16string UpperCase(std::u16string_view text,
                           platform::TLocaleScope scope = platform::TLocaleScope::User) override;
  char16_t UpperChar(char16_t c) override;

  std::u16string DayName(int dayOfWeek, bool abbreviated) override;
  std::u16string MonthName(int month, bool abbreviated) override;
  std::u16string Format(platform::TDateTimeFormat format) override;
  std::u16string DateSeparator() override { return DateSep; }
  std::u16string TimeSeparator() override { return TimeSep; }
  std::u16string AmDesignator() override { return Am; }
  std::u16string PmDesignator() override { return Pm; }
  int CountryCode() override { return Country; }

 private:
  void LoadFormats();

  icu::Locale IcuLocale;
  std::unique_ptr<icu::Collator> CaseSensitive;
  std::unique_ptr<icu::Collator> CaseInsensitive;
  std::unique_ptr<icu::DateFormatSymbols> Symbols;
  std::array<std::u16string, 4> Pictures;  // by TDateTimeFormat
  std::u16string DateSep;
  std::u16string TimeSep;
  std::u16string Am;
  std::u16string Pm;
  int Country = 1;
};

}  // namespace tolvane::native
