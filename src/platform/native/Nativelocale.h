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
// syntax. The collators and the date data are made on first use: together they are megabytes of ICU data
// that a run which neither sorts nor writes dates never touches.
class TNativeLocale final : public platform::ILocale {
 public:
  // An ICU locale id such as "da_DK".
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
  std::u16string DateSeparator() override { return Formats().DateSep; }
  std::u16string TimeSeparator() override { return Formats().TimeSep; }
  std::u16string AmDesignator() override { return Formats().Am; }
  std::u16string PmDesignator() override { return Formats().Pm; }
  int CountryCode() override { return Country; }

 private:
  struct TFormats {
    std::array<std::u16string, 4> Pictures;  // by TDateTimeFormat
    std::u16string DateSep;
    std::u16string TimeSep;
    std::u16string Am;
    std::u16string Pm;
  };

  // Null when ICU cannot make one; comparisons then fall back to code units.
  const icu::Collator* Collator(bool ignoreCase);
  // Null when ICU cannot provide the symbols; names are then empty.
  const icu::DateFormatSymbols* Symbols();
  const TFormats& Formats();

  icu::Locale IcuLocale;
  std::unique_ptr<icu::Collator> CaseSensitive;
  std::unique_ptr<icu::Collator> CaseInsensitive;
  bool CollatorsTried[2] = {false, false};
  std::unique_ptr<icu::DateFormatSymbols> SymbolTable;
  bool SymbolsTried = false;
  std::optional<TFormats> LoadedFormats;
  int Country = 1;
};

}  // namespace tolvane::native
