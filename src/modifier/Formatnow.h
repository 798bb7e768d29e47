#pragma once

#include <string>
#include <string_view>

#include "platform/Locale.h"
#include "platform/Platformtypes.h"

namespace tolvane::modifier {

inline constexpr std::u16string_view DateErrorText = u"Date Error !!";

// The time as the format asks: the keywords "shortdate", "longdate" (also an empty format), "shortdatetime"
// and "longdatetime" in any case, or else a date pattern. DateErrorText when that gives nothing.
std::u16string FormatNow(std::u16string_view format, const platform::TDateTime& time,
                         platform::ILocale& locale);

// Pattern letters, in either case: d dd (day), ddd dddd (day names), ddddd dddddd (the locale's short and
// long date), m mm mmm mmmm (month, or minutes right after an hour), yy yyyy, h hh, n nn, s ss, z zzz,
// t tt (the locale's short and long time), ampm, am/pm and a/p (which also make the hours count to twelve),
// "/" and ":" (the locale's separators), text in apostrophes or double quotes. Other characters are copied.
std::u16string FormatDatePattern(std::u16string_view pattern, const platform::TDateTime& time,
                                 platform::ILocale& locale);

}  // namespace tolvane::modifier
