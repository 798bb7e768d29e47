#pragma once
// Dates and times in the locale's own picture syntax (platform/Locale.h), which the date patterns of
// scripts use for the user's date and time formats.

#include <string>
#include <string_view>

#include "platform/Locale.h"
#include "platform/Platformtypes.h"

namespace tolvane::modifier {

// d dd ddd dddd, M MM MMM MMMM, y yy yyyy, h hh (12-hour), H HH, m mm, s ss, t tt, text in apostrophes
// ('' for an apostrophe). Eras (g) are left out; every other character is copied.
std::u16string FormatPicture(std::u16string_view picture, const platform::TDateTime& time,
                             platform::ILocale& locale);

// The decimal number with leading zeros up to the width.
std::u16string PaddedNumber(int value, int width);

// 0 → 12, 13 → 1.
int TwelveHour(int hour);

}  // namespace tolvane::modifier
