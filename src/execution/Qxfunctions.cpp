#include "execution/Qxfunctions.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include "common/Asciicase.h"
#include "common/Decimaltext.h"

namespace tolvane::execution {
namespace {

bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

bool EqualIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char16_t x, char16_t y) { return AsciiLower(x) == AsciiLower(y); });
}

// Adds a digit to a magnitude that stops growing past the int range, so no digit count overflows.
std::int64_t AddDigit(std::int64_t magnitude, char16_t digit) {
  constexpr std::int64_t Limit = std::int64_t{std::numeric_limits<int>::max()} + 1;
  return std::min(magnitude * 10 + (digit - u'0'), Limit);
}

int Clamped(std::int64_t value) {
  return static_cast<int>(
      std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

bool IsFileNameChar(char16_t c) {
  return c >= 32 && std::u16string_view(u"\"*/:<>?\\|").find(c) == std::u16string_view::npos;
}

std::u16string WithTrailingBackslash(std::u16string_view text) {
  std::u16string result(text);
  if (!result.empty() && result.back() != u'\\')
    result += u'\\';
  return result;
}

int ParseDecimal(std::u16string_view text, char16_t stop) {
  const bool negative = !text.empty() && text.front() == u'-';
  std::int64_t magnitude = 0;
  for (const char16_t c : text.substr(negative ? 1 : 0)) {
    if (c == stop)
      break;
    if (IsDigit(c))
      magnitude = AddDigit(magnitude, c);
  }
  return Clamped(negative ? -magnitude : magnitude);
}

std::uint32_t ParseHex(std::u16string_view text) {
  std::uint32_t value = 0;
  for (const char16_t c : text) {
    const char16_t lower = AsciiLower(c);
    if (IsDigit(c))
      value = (value << 4) | static_cast<std::uint32_t>(c - u'0');
    else if (lower >= u'a' && lower <= u'f')
      value = (value << 4) | static_cast<std::uint32_t>(lower - u'a' + 10);
  }
  return value;
}

std::u16string FileExtension(std::u16string_view fileName) {
  const std::size_t dot = fileName.find_last_of(u".\\/:");
  if (dot == std::u16string_view::npos || fileName[dot] != u'.')
    return {};
  return std::u16string(fileName.substr(dot));
}

std::u16string EnsureExtension(std::u16string_view fileName, std::u16string_view extension) {
  std::u16string result(fileName);
  if (fileName.empty() || extension.empty())
    return result;
  const std::u16string dotted =
      extension.front() == u'.' ? std::u16string(extension) : u'.' + std::u16string(extension);
  if (!EqualIgnoringAsciiCase(FileExtension(fileName), dotted))
    result += dotted;
  return result;
}

std::u16string ReplaceAll(std::u16string_view text, std::u16string_view find,
                          std::u16string_view replacement) {
  if (find.empty())
    return std::u16string(text);
  std::u16string result;
  std::size_t start = 0;
  for (std::size_t found = text.find(find); found != std::u16string_view::npos;
       found = text.find(find, start)) {
    result.append(text.substr(start, found - start)).append(replacement);
    start = found + find.size();
  }
  return result.append(text.substr(start));
}

std::u16string RectToText(int left, int top, int right, int bottom, char16_t separator) {
  return DecimalText(left) + separator + DecimalText(top) + separator + DecimalText(right) + separator +
         DecimalText(bottom);
}

TRect TextToRect(std::u16string_view text) {
  std::array<std::int64_t, 4> numbers{};
  std::size_t count = 0;
  bool inRun = false;
  for (const char16_t c : text) {
    if (!IsDigit(c)) {
      count += inRun ? 1 : 0;
      inRun = false;
    } else if (count < numbers.size()) {
      numbers[count] = AddDigit(numbers[count], c);
      inRun = true;
    }
  }
  return {Clamped(numbers[0]), Clamped(numbers[1]), Clamped(numbers[2]), Clamped(numbers[3])};
}

}  // namespace tolvane::execution
