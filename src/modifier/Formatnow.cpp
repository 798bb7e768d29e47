#include "modifier/Formatnow.h"

#include <algorithm>

#include "common/Asciicase.h"
#include "modifier/Datepicture.h"

namespace tolvane::modifier {
namespace {

bool IsAsciiLetter(char16_t c) {
  const char16_t lower = AsciiLower(c);
  return lower >= u'a' && lower <= u'z';
}

bool StartsWithIgnoringCase(std::u16string_view text, std::size_t at, std::u16string_view lowerWord) {
  if (text.size() - at < lowerWord.size())
    return false;
  return std::equal(lowerWord.begin(), lowerWord.end(), text.begin() + static_cast<std::ptrdiff_t>(at),
                    [](char16_t word, char16_t c) { return word == AsciiLower(c); });
}

// How many characters a morning/afternoon marker takes at `at`, 0 when there is none.
std::size_t DesignatorLength(std::u16string_view pattern, std::size_t at) {
  for (const std::u16string_view marker : {u"ampm", u"am/pm", u"a/p"}) {
    if (StartsWithIgnoringCase(pattern, at, marker))
      return marker.size();
  }
  return 0;
}

bool IsQuote(char16_t c) {
  return c == u'\'' || c == u'"';
}

struct TQuoted {
  std::u16string_view Text;
  std::size_t Next = 0;  // the index after the closing quote
};

// An unclosed quote runs to the end of the pattern.
TQuoted Quoted(std::u16string_view pattern, std::size_t start) {
  const std::size_t close = pattern.find(pattern[start], start + 1);
  if (close == std::u16string_view::npos)
    return {pattern.substr(start + 1), pattern.size()};
  return {pattern.substr(start + 1, close - start - 1), close + 1};
}

bool HasDesignator(std::u16string_view pattern) {
  for (std::size_t i = 0; i < pattern.size();) {
    if (IsQuote(pattern[i]))
      i = Quoted(pattern, i).Next;
    else if (DesignatorLength(pattern, i) > 0)
      return true;
    else
      ++i;
  }
  return false;
}

class TPatternWriter {
 public:
  TPatternWriter(std::u16string_view pattern, const platform::TDateTime& time, platform::ILocale& locale)
      : Pattern(pattern), Time(time), Locale(locale), TwelveHours(HasDesignator(pattern)) {}

  std::u16string Write();

 private:
  std::size_t RunLength(std::size_t start) const;
  void WriteDesignator(std::size_t at, std::size_t length);
  void WriteField(char16_t letter, std::size_t count);
  void WriteDay(std::size_t count);
  void WriteMonth(std::size_t count);
  void WriteNumber(int value, std::size_t count, std::size_t longest = 2);
  void WriteCharacter(char16_t c);

  std::u16string_view Pattern;
  const platform::TDateTime& Time;
  platform::ILocale& Locale;
  bool TwelveHours;
  char16_t LastLetter = 0;
  std::u16string Out;
};

std::u16string TPatternWriter::Write() {
  std::size_t i = 0;
  while (i < Pattern.size()) {
    const char16_t c = Pattern[i];
    if (IsQuote(c)) {
      const TQuoted quoted = Quoted(Pattern, i);
      Out.append(quoted.Text);
      i = quoted.Next;
    } else if (const std::size_t designator = DesignatorLength(Pattern, i); designator > 0) {
      WriteDesignator(i, designator);
      i += designator;
    } else if (const char16_t letter = AsciiLower(c);
               std::u16string_view(u"dmyhnszt").find(letter) != std::u16string_view::npos) {
      const std::size_t count = RunLength(i);
      WriteField(letter, count);
      i += count;
    } else {
      WriteCharacter(c);
      ++i;
    }
  }
  return Out;
}

std::size_t TPatternWriter::RunLength(std::size_t start) const {
  std::size_t end = start;
  while (end < Pattern.size() && AsciiLower(Pattern[end]) == AsciiLower(Pattern[start]))
    ++end;
  return end - start;
}

void TPatternWriter::WriteDesignator(std::size_t at, std::size_t length) {
  const bool morning = Time.Hour < 12;
  if (length == 4)
    Out += morning ? Locale.AmDesignator() : Locale.PmDesignator();
  else if (length == 5)
    Out.append(Pattern.substr(morning ? at : at + 3, 2));  // "am" or "pm" as written
  else
    Out += Pattern[morning ? at : at + 2];  // "a" or "p" as written
  LastLetter = u'a';
}

void TPatternWriter::WriteField(char16_t letter, std::size_t count) {
  // Minutes are written "m" as well where they follow the hour ("hh:mm").
  if (letter == u'm' && LastLetter == u'h')
    letter = u'n';
  LastLetter = letter;
  switch (letter) {
    case u'd':
      return WriteDay(count);
    case u'm':
      return WriteMonth(count);
    case u'y':
      Out += count <= 2 ? PaddedNumber(Time.Year % 100, 2) : PaddedNumber(Time.Year, 4);
      return;
    case u'h':
      return WriteNumber(TwelveHours ? TwelveHour(Time.Hour) : Time.Hour, count);
    case u'n':
      return WriteNumber(Time.Minute, count);
    case u's':
      return WriteNumber(Time.Second, count);
    case u'z':
      return WriteNumber(Time.Millisecond, count, 3);
    default:  // t
      Out += FormatPicture(Locale.Format(count == 1 ? platform::TDateTimeFormat::ShortTime
                                                    : platform::TDateTimeFormat::LongTime),
                           Time, Locale);
  }
}

void TPatternWriter::WriteDay(std::size_t count) {
  if (count <= 2)
    return WriteNumber(Time.Day, count);
  if (count <= 4) {
    Out += Locale.DayName(Time.DayOfWeek, count == 3);
    return;
  }
  const auto format = count == 5 ? platform::TDateTimeFormat::ShortDate : platform::TDateTimeFormat::LongDate;
  Out += FormatPicture(Locale.Format(format), Time, Locale);
}

void TPatternWriter::WriteMonth(std::size_t count) {
  if (count <= 2)
    WriteNumber(Time.Month, count);
  else
    Out += Locale.MonthName(Time.Month, count == 3);
}

// One letter gives the number as it is, more give leading zeros up to `longest` digits.
void TPatternWriter::WriteNumber(int value, std::size_t count, std::size_t longest) {
  Out += PaddedNumber(value, count == 1 ? 0 : static_cast<int>(std::min(count, longest)));
}

void TPatternWriter::WriteCharacter(char16_t c) {
  if (c == u'/')
    Out += Locale.DateSeparator();
  else if (c == u':')
    Out += Locale.TimeSeparator();
  else
    Out += c;
  if (IsAsciiLetter(c))
    LastLetter = AsciiLower(c);
}

}  // namespace

std::u16string FormatDatePattern(std::u16string_view pattern, const platform::TDateTime& time,
                                 platform::ILocale& locale) {
  return TPatternWriter(pattern, time, locale).Write();
}

std::u16string FormatNow(std::u16string_view format, const platform::TDateTime& time,
                         platform::ILocale& locale) {
  // The keywords are ASCII; a locale's own lower-casing (the Turkish dotless i) could miss them.
  std::u16string keyword(format);
  std::transform(keyword.begin(), keyword.end(), keyword.begin(), AsciiLower<char16_t>);
  std::u16string_view pattern = format;
  if (keyword == u"shortdate")
    pattern = u"ddddd";
  else if (keyword.empty() || keyword == u"longdate")
    pattern = u"dddddd";
  else if (keyword == u"shortdatetime")
    pattern = u"ddddd t";
  else if (keyword == u"longdatetime")
    pattern = u"dddddd tt";
  std::u16string text = FormatDatePattern(pattern, time, locale);
  return text.empty() ? std::u16string(DateErrorText) : text;
}

}  // namespace tolvane::modifier
