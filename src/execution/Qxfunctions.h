#pragma once
// Small text and file-name helpers shared by the actions and the dialogs.

#include <cstdint>
#include <string>
#include <string_view>

#include "common/Geometry.h"

namespace tolvane::execution {

// False for control characters and for " * / : < > ? \ |.
bool IsFileNameChar(char16_t c);
// Appends a backslash to a non-empty text that does not end in one.
std::u16string WithTrailingBackslash(std::u16string_view text);
// An optional leading minus, then the decimal digits before the first stop character, all other characters
// skipped. Values beyond the int range are clamped to it.
int ParseDecimal(std::u16string_view text, char16_t stop);
// The hexadecimal digits of the text in order, all other characters skipped; 0 when there are none. More
// than eight digits keep the last eight.
std::uint32_t ParseHex(std::u16string_view text);
// The name's extension from the last dot of its final part (not of a folder) to the end, or empty.
std::u16string FileExtension(std::u16string_view fileName);
// The name with the extension ("ext" or ".ext") appended unless it already ends in it, ignoring ASCII case;
// the name unchanged when either is empty.
std::u16string EnsureExtension(std::u16string_view fileName, std::u16string_view extension);
// Every occurrence of find replaced, left to right without overlaps; an empty find changes nothing.
std::u16string ReplaceAll(std::u16string_view text, std::u16string_view find,
                          std::u16string_view replacement);
std::u16string RectToText(int left, int top, int right, int bottom, char16_t separator);
// The first four runs of decimal digits, in order; signs are not read, missing numbers are 0.
TRect TextToRect(std::u16string_view text);

}  // namespace tolvane::execution
