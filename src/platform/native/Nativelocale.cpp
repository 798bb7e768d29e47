#include "platform/native/Nativelocale.h"

#include <unicode/datefmt.h>
#include <unicode/smpdtfmt.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <cstdint>
#include <limits>
#include <utility>

#include "platform/native/Countrycodes.h"
#include "platform/native/Icupattern.h"

namespace tolvane::native {
namespace {

icu::UnicodeString ToIcu(std::u16string_view text) {
  return icu::UnicodeString(text.data(), static_cast<int32_t>(text.size()));
}

std::u16string FromIcu(const icu::UnicodeString& text) {
  return std::u16string(text.getBuffer(), text.length());
}

std::unique_ptr<icu::Collator> MakeCollator(const icu::Locale& locale,
                                            icu::Collator::ECollationStrength strength) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Collator> collator(icu::Collator::createInstance(locale, status));
  if (U_FAILURE(status) || !collator)
    return nullptr;
  collator->setStrength(strength);
  return collator;
}

std::u16string DefaultPattern(std::unique_ptr<icu::DateFormat> format) {
  const auto* simple = dynamic_cast<const icu::SimpleDateFormat*>(format.get());
  if (simple == nullptr)
    return std::u16string();
  icu::UnicodeString pattern;
  simple->toPattern(pattern);
  return FromIcu(pattern);
}

std::u16string DatePattern(icu::DateFormat::EStyle style, const icu::Locale& locale) {
  return DefaultPattern(std::unique_ptr<icu::DateFormat>(icu::DateFormat::createDateInstance(style, locale)));
}

std::u16string TimePattern(icu::DateFormat::EStyle style, const icu::Locale& locale) {
  return DefaultPattern(std::unique_ptr<icu::DateFormat>(icu::DateFormat::createTimeInstance(style, locale)));
}

}  // namespace

TNativeLocale::TNativeLocale(const std::string& localeId)
    : IcuLocale(localeId.c_str()), Country(CountryCallingCode(IcuLocale.getCountry())) {}

const icu::Collator* TNativeLocale::Collator(bool ignoreCase) {
  std::unique_ptr<icu::Collator>& collator = ignoreCase ? CaseInsensitive : CaseSensitive;
  if (!std::exchange(CollatorsTried[ignoreCase ? 1 : 0], true))
    collator = MakeCollator(IcuLocale, ignoreCase ? icu::Collator::SECONDARY : icu::Collator::TERTIARY);
  return collator.get();
}

const icu::DateFormatSymbols* TNativeLocale::Symbols() {
  if (!std::exchange(SymbolsTried, true)) {
    UErrorCode status = U_ZERO_ERROR;
    auto symbols = std::make_unique<icu::DateFormatSymbols>(IcuLocale, status);
    if (U_SUCCESS(status))
      SymbolTable = std::move(symbols);
  }
  return SymbolTable.get();
}

const TNativeLocale::TFormats& TNativeLocale::Formats() {
  if (LoadedFormats)
    return *LoadedFormats;
  using platform::TDateTimeFormat;
  TFormats formats;
  const std::u16string shortDate = DatePattern(icu::DateFormat::kShort, IcuLocale);
  const std::u16string shortTime = TimePattern(icu::DateFormat::kShort, IcuLocale);
  formats.Pictures[static_cast<int>(TDateTimeFormat::ShortDate)] = IcuPatternToPicture(shortDate);
  formats.Pictures[static_cast<int>(TDateTimeFormat::LongDate)] =
      IcuPatternToPicture(DatePattern(icu::DateFormat::kFull, IcuLocale));
  formats.Pictures[static_cast<int>(TDateTimeFormat::ShortTime)] = IcuPatternToPicture(shortTime);
  // The medium style: the long one adds a time zone, which pictures cannot show.
  formats.Pictures[static_cast<int>(TDateTimeFormat::LongTime)] =
      IcuPatternToPicture(TimePattern(icu::DateFormat::kMedium, IcuLocale));
  formats.DateSep = SeparatorAfterFirstField(shortDate, u"yMLdu", u"/");
  formats.TimeSep = SeparatorAfterFirstField(shortTime, u"hHkKm", u":");
  int32_t count = 0;
  const icu::DateFormatSymbols* symbols = Symbols();
  const icu::UnicodeString* amPm = symbols != nullptr ? symbols->getAmPmStrings(count) : nullptr;
  formats.Am = count > 0 ? FromIcu(amPm[0]) : u"AM";
  formats.Pm = count > 1 ? FromIcu(amPm[1]) : u"PM";
  return LoadedFormats.emplace(std::move(formats));
}

int TNativeLocale::Compare(std::u16string_view a, std::u16string_view b, bool ignoreCase,
                           platform::TLocaleScope) {
  const icu::Collator* collator = Collator(ignoreCase);
  UErrorCode status = U_ZERO_ERROR;
  const UCollationResult result = collator != nullptr
                                      ? collator->compare(a.data(), static_cast<int32_t>(a.size()), b.data(),
                                                          static_cast<int32_t>(b.size()), status)
                                      : UCOL_EQUAL;
  if (collator == nullptr || U_FAILURE(status))
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
  return result == UCOL_LESS ? -1 : (result == UCOL_EQUAL ? 0 : 1);
}

std::optional<std::string> TNativeLocale::SortKey(std::u16string_view text, bool ignoreCase,
                                                  platform::TLocaleScope) {
  if (text.size() > static_cast<std::size_t>(std::numeric_limits<int32_t>::max() / 4 - 16))
    return std::nullopt;
  const icu::Collator* collator = Collator(ignoreCase);
  if (collator == nullptr)
    return std::nullopt;
  const auto length = static_cast<int32_t>(text.size());
  // Enough for most texts, so that usually one call makes the key.
  std::string key(text.size() * 4 + 16, '\0');
  auto* bytes = reinterpret_cast<uint8_t*>(key.data());
  int32_t needed = collator->getSortKey(text.data(), length, bytes, static_cast<int32_t>(key.size()));
  if (needed > static_cast<int32_t>(key.size())) {
    key.resize(static_cast<std::size_t>(needed));
    bytes = reinterpret_cast<uint8_t*>(key.data());
    needed = collator->getSortKey(text.data(), length, bytes, needed);
  }
  if (needed <= 0)
    return std::nullopt;
  // The count includes the terminating zero, which no other byte of a key is.
  key.resize(static_cast<std::size_t>(needed - 1));
  return key;
}

std::u16string TNativeLocale::LowerCase(std::u16string_view text, platform::TLocaleScope) {
  return FromIcu(ToIcu(text).toLower(IcuLocale));
}

std::u16string TNativeLocale::UpperCase(std::u16string_view text, platform::TLocaleScope) {
  return FromIcu(ToIcu(text).toUpper(IcuLocale));
}

char16_t TNativeLocale::UpperChar(char16_t c) {
  const UChar32 upper = u_toupper(c);
  return upper <= 0xFFFF ? static_cast<char16_t>(upper) : c;
}

std::u16string TNativeLocale::DayName(int dayOfWeek, bool abbreviated) {
  if (dayOfWeek < 0 || dayOfWeek > 6)
    return std::u16string();
  const icu::DateFormatSymbols* symbols = Symbols();
  if (symbols == nullptr)
    return std::u16string();
  int32_t count = 0;
  const icu::UnicodeString* names =
      symbols->getWeekdays(count, icu::DateFormatSymbols::FORMAT,
                           abbreviated ? icu::DateFormatSymbols::ABBREVIATED : icu::DateFormatSymbols::WIDE);
  const int index = dayOfWeek + UCAL_SUNDAY;  // ICU's table starts with an unused entry
  return index < count ? FromIcu(names[index]) : std::u16string();
}

std::u16string TNativeLocale::MonthName(int month, bool abbreviated) {
  if (month < 1 || month > 12)
    return std::u16string();
  const icu::DateFormatSymbols* symbols = Symbols();
  if (symbols == nullptr)
    return std::u16string();
  int32_t count = 0;
  const icu::UnicodeString* names =
      symbols->getMonths(count, icu::DateFormatSymbols::FORMAT,
                         abbreviated ? icu::DateFormatSymbols::ABBREVIATED : icu::DateFormatSymbols::WIDE);
  return month - 1 < count ? FromIcu(names[month - 1]) : std::u16string();
}

std::u16string TNativeLocale::Format(platform::TDateTimeFormat format) {
  const auto index = static_cast<std::size_t>(format);
  const TFormats& formats = Formats();
  return index < formats.Pictures.size() ? formats.Pictures[index] : std::u16string();
}

}  // namespace tolvane::native
