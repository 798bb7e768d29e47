#include "platform/win32/Locale.h"

#include <limits>

#include "platform/win32/Timepicture.h"
#include "platform/win32/Win.h"

namespace tolvane::win32 {

namespace {

bool FitsInt(std::u16string_view text) {
  return text.size() <= std::numeric_limits<int>::max();
}

const wchar_t* WideData(std::u16string_view text) {
  return reinterpret_cast<const wchar_t*>(text.data());
}

wchar_t* WideData(std::u16string& text) {
  return reinterpret_cast<wchar_t*>(text.data());
}

std::u16string MapCase(std::u16string_view text, LCID locale, DWORD flags) {
  // LCMapStringW rejects an empty source.
  if (text.empty() || !FitsInt(text))
    return std::u16string(text);
  const int length = static_cast<int>(text.size());
  // Case mappings keep the length, so one call usually does; the size is asked for only when it did not.
  std::u16string result(text.size(), u'\0');
  int written = ::LCMapStringW(locale, flags, WideData(text), length, WideData(result), length);
  if (written <= 0 && ::GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
    const int needed = ::LCMapStringW(locale, flags, WideData(text), length, nullptr, 0);
    if (needed <= 0)
      return std::u16string(text);
    result.resize(static_cast<std::size_t>(needed));
    written = ::LCMapStringW(locale, flags, WideData(text), length, WideData(result), needed);
  }
  if (written <= 0)
    return std::u16string(text);
  result.resize(static_cast<std::size_t>(written));
  return result;
}

}  // namespace

std::optional<std::uint32_t> LocaleIdOfName(std::u16string_view name) {
  const std::wstring terminated = Wide(name);
  const LCID locale = ::LocaleNameToLCID(terminated.c_str(), 0);
  // Names without an identifier of their own map to the custom placeholder, which the LCID functions reject.
  if (locale == 0 || locale == LOCALE_CUSTOM_UNSPECIFIED)
    return std::nullopt;
  return locale;
}

std::uint32_t TLocale::LocaleOf(platform::TLocaleScope scope) const {
  if (FixedLocale)
    return *FixedLocale;
  return scope == platform::TLocaleScope::System ? LOCALE_SYSTEM_DEFAULT : LOCALE_USER_DEFAULT;
}

std::u16string TLocale::LocaleText(std::uint32_t type) const {
  const LCID locale = LocaleOf(platform::TLocaleScope::User);
  const int needed = ::GetLocaleInfoW(locale, type, nullptr, 0);
  if (needed <= 0)
    return {};
  std::wstring text(static_cast<std::size_t>(needed), L'\0');
  const int written = ::GetLocaleInfoW(locale, type, text.data(), needed);
  // The count includes the terminating zero.
  text.resize(written > 0 ? static_cast<std::size_t>(written - 1) : 0);
  return Narrow16(text);
}

int TLocale::Compare(std::u16string_view a, std::u16string_view b, bool ignoreCase,
                     platform::TLocaleScope scope) {
  if (FitsInt(a) && FitsInt(b)) {
    const int result = ::CompareStringW(LocaleOf(scope), ignoreCase ? NORM_IGNORECASE : 0, WideData(a),
                                        static_cast<int>(a.size()), WideData(b), static_cast<int>(b.size()));
    if (result != 0)
      return result - CSTR_EQUAL;
  }
  // Only absurd lengths or invalid flags fail; an ordinal order is still an order.
  return a.compare(b);
}

std::optional<std::string> TLocale::SortKey(std::u16string_view text, bool ignoreCase,
                                            platform::TLocaleScope scope) {
  // LCMapStringW rejects an empty source; a lone null, which collation ignores, has the empty text's key.
  static constexpr char16_t Null[] = {u'\0'};
  const std::u16string_view source = text.empty() ? std::u16string_view(Null, 1) : text;
  if (source.size() > (std::numeric_limits<int>::max() - 32) / 8)
    return std::nullopt;
  const LCID locale = LocaleOf(scope);
  const DWORD flags = LCMAP_SORTKEY | (ignoreCase ? NORM_IGNORECASE : 0);
  const int length = static_cast<int>(source.size());
  // Enough for most texts, so that usually one call makes the key.
  std::string key(static_cast<std::size_t>(length) * 8 + 32, '\0');
  int written = ::LCMapStringW(locale, flags, WideData(source), length, reinterpret_cast<LPWSTR>(key.data()),
                               static_cast<int>(key.size()));
  if (written <= 0 && ::GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
    const int needed = ::LCMapStringW(locale, flags, WideData(source), length, nullptr, 0);
    if (needed <= 0)
      return std::nullopt;
    key.resize(static_cast<std::size_t>(needed));
    written =
        ::LCMapStringW(locale, flags, WideData(source), length, reinterpret_cast<LPWSTR>(key.data()), needed);
  }
  if (written <= 0)
    return std::nullopt;
  // The count is in bytes for sort keys.
  key.resize(static_cast<std::size_t>(written));
  return key;
}

std::u16string TLocale::LowerCase(std::u16string_view text, platform::TLocaleScope scope) {
  return MapCase(text, LocaleOf(scope), LCMAP_LOWERCASE);
}

std::u16string TLocale::UpperCase(std::u16string_view text, platform::TLocaleScope scope) {
  return MapCase(text, LocaleOf(scope), LCMAP_UPPERCASE);
}

char16_t TLocale::UpperChar(char16_t c) {
  // With a zero high word CharUpperW converts the character itself instead of a string.
  const auto result = ::CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(c)));
  return static_cast<char16_t>(reinterpret_cast<ULONG_PTR>(result) & 0xFFFF);
}

std::u16string TLocale::DayName(int dayOfWeek, bool abbreviated) {
  if (dayOfWeek < 0 || dayOfWeek > 6)
    return {};
  // Windows counts the week from Monday (LOCALE_SDAYNAME1) to Sunday (LOCALE_SDAYNAME7).
  const LCTYPE first = abbreviated ? LOCALE_SABBREVDAYNAME1 : LOCALE_SDAYNAME1;
  return LocaleText(first + static_cast<LCTYPE>((dayOfWeek + 6) % 7));
}

std::u16string TLocale::MonthName(int month, bool abbreviated) {
  if (month < 1 || month > 12)
    return {};
  const LCTYPE first = abbreviated ? LOCALE_SABBREVMONTHNAME1 : LOCALE_SMONTHNAME1;
  return LocaleText(first + static_cast<LCTYPE>(month - 1));
}

std::u16string TLocale::Format(platform::TDateTimeFormat format) {
  switch (format) {
    case platform::TDateTimeFormat::ShortDate:
      return LocaleText(LOCALE_SSHORTDATE);
    case platform::TDateTimeFormat::LongDate:
      return LocaleText(LOCALE_SLONGDATE);
    case platform::TDateTimeFormat::ShortTime: {
      // Windows 7 and later.
      std::u16string picture = LocaleText(LOCALE_SSHORTTIME);
      return picture.empty() ? WithoutSeconds(LocaleText(LOCALE_STIMEFORMAT)) : picture;
    }
    case platform::TDateTimeFormat::LongTime:
      return LocaleText(LOCALE_STIMEFORMAT);
  }
  return {};
}

std::u16string TLocale::DateSeparator() {
  return LocaleText(LOCALE_SDATE);
}

std::u16string TLocale::TimeSeparator() {
  return LocaleText(LOCALE_STIME);
}

std::u16string TLocale::AmDesignator() {
  return LocaleText(LOCALE_S1159);
}

std::u16string TLocale::PmDesignator() {
  return LocaleText(LOCALE_S2359);
}

int TLocale::CountryCode() {
  int code = 0;
  for (const char16_t c : LocaleText(LOCALE_ICOUNTRY)) {
    if (c < u'0' || c > u'9')
      break;
    code = code * 10 + (c - u'0');
  }
  return code;
}

}  // namespace tolvane::win32
