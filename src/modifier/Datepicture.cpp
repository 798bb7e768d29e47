#include "modifier/Datepicture.h"

#include <algorithm>
#include <string>

#include "common/Decimaltext.h"

namespace tolvane::modifier {
namespace {

std::size_t RunLength(std::u16string_view text, std::size_t start) {
  std::size_t end = start;
  while (end < text.size() && text[end] == text[start])
    ++end;
  return end - start;
}

// The quoted text starting at the apostrophe at `start`; returns the index after the closing one. Two
// apostrophes stand for one, inside quotes and out.
std::size_t CopyQuoted(std::u16string_view picture, std::size_t start, std::u16string& out) {
  if (start + 1 < picture.size() && picture[start + 1] == u'\'') {
    out += u'\'';
    return start + 2;
  }
  std::size_t i = start + 1;
  while (i < picture.size()) {
    if (picture[i] != u'\'') {
      out += picture[i++];
      continue;
    }
    if (i + 1 < picture.size() && picture[i + 1] == u'\'') {
      out += u'\'';
      i += 2;
      continue;
    }
    return i + 1;
  }
  return i;
}

std::u16string Designator(const platform::TDateTime& time, std::size_t count, platform::ILocale& locale) {
  std::u16string designator = time.Hour < 12 ? locale.AmDesignator() : locale.PmDesignator();
  if (count == 1 && designator.size() > 1)
    designator.resize(1);
  return designator;
}

std::u16string Year(int year, std::size_t count) {
  if (count <= 2)
    return PaddedNumber(year % 100, static_cast<int>(count));
  return PaddedNumber(year, 4);
}

std::u16string Field(char16_t letter, std::size_t count, const platform::TDateTime& time,
                     platform::ILocale& locale) {
  const int width = static_cast<int>(std::min<std::size_t>(count, 2));
  switch (letter) {
    case u'd':
      return count <= 2 ? PaddedNumber(time.Day, width) : locale.DayName(time.DayOfWeek, count == 3);
    case u'M':
      return count <= 2 ? PaddedNumber(time.Month, width) : locale.MonthName(time.Month, count == 3);
    case u'y':
      return Year(time.Year, count);
    case u'h':
      return PaddedNumber(TwelveHour(time.Hour), width);
    case u'H':
      return PaddedNumber(time.Hour, width);
    case u'm':
      return PaddedNumber(time.Minute, width);
    case u's':
      return PaddedNumber(time.Second, width);
    case u't':
      return Designator(time, count, locale);
    default:  // g: the era
      return {};
  }
}

}  // namespace

std::u16string PaddedNumber(int value, int width) {
  std::u16string digits = DecimalText(value);
  if (static_cast<int>(digits.size()) < width)
    digits.insert(0, static_cast<std::size_t>(width) - digits.size(), u'0');
  return digits;
}

int TwelveHour(int hour) {
  const int twelve = hour % 12;
  return twelve == 0 ? 12 : twelve;
}

std::u16string FormatPicture(std::u16string_view picture, const platform::TDateTime& time,
                             platform::ILocale& locale) {
  constexpr std::u16string_view Letters = u"dMyhHmstg";
  std::u16string out;
  std::size_t i = 0;
  while (i < picture.size()) {
    const char16_t c = picture[i];
    if (c == u'\'') {
      i = CopyQuoted(picture, i, out);
    } else if (Letters.find(c) != std::u16string_view::npos) {
      const std::size_t count = RunLength(picture, i);
      out += Field(c, count, time, locale);
      i += count;
    } else {
      out += c;
      ++i;
    }
  }
  return out;
}

}  // namespace tolvane::modifier
