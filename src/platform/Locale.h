#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvane::platform {

// Which locale a locale-dependent operation follows (LOCALE_USER_DEFAULT or LOCALE_SYSTEM_DEFAULT on
// Windows).
enum class TLocaleScope { User, System };

// Date and time pictures in the system's picture syntax: d dd ddd dddd, M MM MMM MMMM, y yy yyyy, h hh H HH,
// m mm, s ss, t tt, text in apostrophes. Consumers translate them to their own pattern letters.
enum class TDateTimeFormat { ShortDate, LongDate, ShortTime, LongTime };

class ILocale {
 public:
  virtual ~ILocale() = default;

  // Collation order: negative, zero or positive, like CompareStringW minus 2.
  virtual int Compare(std::u16string_view a, std::u16string_view b, bool ignoreCase,
                      TLocaleScope scope = TLocaleScope::User) = 0;
  // Bytes whose order (as std::string orders them, byte by unsigned byte) is Compare's order with the same
  // arguments, equal exactly when Compare finds the texts equal: one key per text turns a sort's many
  // comparisons into byte compares. Nothing when the locale has no such keys; callers then use Compare.
  virtual std::optional<std::string> SortKey(std::u16string_view /*text*/, bool /*ignoreCase*/,
                                             TLocaleScope /*scope*/ = TLocaleScope::User) {
    return std::nullopt;
  }
  virtual std::u16string LowerCase(std::u16string_view text, TLocaleScope scope = TLocaleScope::User) = 0;
  virtual std::u16string UpperCase(std::u16string_view text, TLocaleScope scope = TLocaleScope::User) = 0;
  // Upper case of one code unit (the code unit itself when it has no single-unit upper case).
  virtual char16_t UpperChar(char16_t c) = 0;

  // dayOfWeek: 0 = Sunday … 6 = Saturday; month: 1 … 12.
  virtual std::u16string DayName(int dayOfWeek, bool abbreviated) = 0;
  virtual std::u16string MonthName(int month, bool abbreviated) = 0;
  virtual std::u16string Format(TDateTimeFormat format) = 0;
  virtual std::u16string DateSeparator() = 0;
  virtual std::u16string TimeSeparator() = 0;
  virtual std::u16string AmDesignator() = 0;
  virtual std::u16string PmDesignator() = 0;
  // The user locale's country code as the system reports it (1 = USA, 45 = Denmark).
  virtual int CountryCode() = 0;
};

}  // namespace tolvane::platform
