#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Locale.h"

namespace tolvane::win32 {

// The locale identifier of a locale name such as "da-DK"; nullopt when the system knows no such locale.
std::optional<std::uint32_t> LocaleIdOfName(std::u16string_view name);

// Collation, casing and date/time conventions of the user or system locale (the NLS functions).
class TLocale final : public platform::ILocale {
 public:
  // The user's locale, and the system's for the system scope.
  TLocale() = default;
  // One locale for both scopes.
  explicit TLocale(std::uint32_t localeId) : FixedLocale(localeId) {}

  int Compare(std::u16string_view a, std::u16string_view b, bool ignoreCase,
              platform::TLocaleScope scope = platform::TLocaleScope::User) override;
  // LCMapStringW's sort key, which orders as CompareStringW with the same flags does.
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
  std::u16string DateSeparator() override;
  std::u16string TimeSeparator() override;
  std::u16string AmDesignator() override;
  std::u16string PmDesignator() override;
  int CountryCode() override;

 private:
  std::uint32_t LocaleOf(platform::TLocaleScope scope) const;
  std::u16string LocaleText(std::uint32_t type) const;

  std::optional<std::uint32_t> FixedLocale;
};

}  // namespace tolvane::win32
