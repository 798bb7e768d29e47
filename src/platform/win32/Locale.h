#pragma once

#include "platform/Locale.h"

namespace tolvane::win32 {

// Collation, casing and date/time conventions of the user or system locale (the NLS functions).
class TLocale final : public platform::ILocale {
 public:
  int Compare(std::u16string_view a, std::u16string_view b, bool ignoreCase,
              platform::TLocaleScope scope = platform::TLocaleScope::User) override;
  std::u16string LowerCase(std::u16string_view text,
                           platform::TLocaleScope scope = platform::TLocaleScope::User) override;
  std::u16string UpperCase(std::u16string_view text,
                           platform::TLocaleScope scope = platform::TLocaleScope::User) override;
  char16_t UpperChar(char16_t c) override;

  std::u16string DayName(int dayOfWeek, bool abbreviated) override;
  std::u16string MonthName(int month, bool abbreviated) override;
  std::u16string Format(platform::TDateTimeFormat format) override;
  std::u16string DateSeparator() override;
  std::u16string TimeSeparator() override;
  std::u16string AmDesignator() override;
  std::u16string PmDesignator() override;
  int CountryCode() override;
};

}  // namespace tolvane::win32
