#include "storage/Xmltext.h"

#include <algorithm>

#include "storage/Xmlchars.h"

namespace tolvane::storage {
namespace {

bool IsNameUnit(char16_t unit, bool start) {
  return start ? IsNameStartChar(unit) : IsNameChar(unit);
}

}  // namespace

std::size_t WideNameCharLength(std::string_view text, std::size_t pos, bool start) {
  // A character beyond the BMP is a surrogate pair in UTF-16, and surrogates are never name characters.
  const TUtf8Sequence sequence = DecodeUtf8Sequence(text, pos);
  return sequence.CodePoint <= 0xFFFF && IsNameUnit(static_cast<char16_t>(sequence.CodePoint), start)
             ? sequence.Length
             : 0;
}

std::size_t MatchName(std::u16string_view text, std::size_t pos, std::u16string_view name) {
  return text.substr(std::min(pos, text.size())).starts_with(name) ? name.size() : std::u16string_view::npos;
}

std::size_t MatchName(std::string_view text, std::size_t pos, std::string_view name) {
  // Equal bytes are the common case; different bytes may still decode alike (invalid sequences).
  if (text.substr(std::min(pos, text.size())).starts_with(name))
    return name.size();
  std::size_t at = pos;
  for (std::size_t i = 0; i < name.size();) {
    if (at >= text.size())
      return std::string_view::npos;
    const TUtf8Sequence expected = DecodeUtf8Sequence(name, i);
    const TUtf8Sequence found = DecodeUtf8Sequence(text, at);
    if (expected.CodePoint != found.CodePoint)
      return std::string_view::npos;
    i += expected.Length;
    at += found.Length;
  }
  return at - pos;
}

std::size_t SkipUnits(std::u16string_view text, std::size_t pos, std::size_t count) {
  return pos + count <= text.size() ? pos + count : std::u16string_view::npos;
}

std::size_t SkipUnits(std::string_view text, std::size_t pos, std::size_t count) {
  for (std::size_t units = 0; units < count;) {
    if (pos >= text.size())
      return std::string_view::npos;
    const TUtf8Sequence sequence = DecodeUtf8Sequence(text, pos);
    units += sequence.CodePoint > 0xFFFF ? 2 : 1;
    pos += sequence.Length;
  }
  return pos;
}

void AppendUtf16(std::u16string& out, std::u16string_view text) {
  out.append(text);
}

namespace {

void AppendText(std::u16string& out, std::string_view bytes) {
  const std::size_t old = out.size();
  out.resize(old + bytes.size());
  out.resize(old + DecodeUtf8Into(out.data() + old, bytes));
}

// An "&" starts an entity only when its ";" follows within five characters, all ASCII in an entity.
template <class TChar>
std::size_t MatchEntity(std::basic_string_view<TChar> text, std::size_t at, char16_t& character) {
  static constexpr struct {
    std::string_view Name;
    char16_t Character;
  } Entities[] = {{"amp;", u'&'}, {"lt;", u'<'}, {"gt;", u'>'}, {"quot;", u'"'}, {"apos;", u'\''}};
  for (const auto& entity : Entities) {
    if (HasAsciiAt(text, at + 1, entity.Name)) {
      character = entity.Character;
      return entity.Name.size() + 1;
    }
  }
  return 0;
}

// Copies or decodes a text into to and returns the end of what it wrote: never more units than the text has.
char16_t* CopyText(char16_t* to, std::u16string_view text) {
  return std::copy(text.begin(), text.end(), to);
}

char16_t* CopyText(char16_t* to, std::string_view bytes) {
  return to + DecodeUtf8Into(to, bytes);
}

// Entities and UTF-8 sequences only ever shrink the text, so its length is room enough: the output is sized
// once and written through a pointer, however many entities the text holds.
template <class TChar>
void AppendDecoded(std::u16string& out, std::basic_string_view<TChar> text) {
  const std::size_t start = out.size();
  out.resize(start + text.size());
  char16_t* to = out.data() + start;
  std::size_t done = 0;
  for (std::size_t amp = text.find(TChar('&')); amp != text.npos; amp = text.find(TChar('&'), amp + 1)) {
    char16_t character = 0;
    const std::size_t length = MatchEntity(text, amp, character);
    if (length == 0)
      continue;
    to = CopyText(to, text.substr(done, amp - done));
    *to++ = character;
    done = amp + length;
    amp = done - 1;
  }
  to = CopyText(to, text.substr(done));
  out.resize(static_cast<std::size_t>(to - out.data()));
}

}  // namespace

void AppendUtf16(std::u16string& out, std::string_view bytes) {
  AppendText(out, bytes);
}

void AppendDecodedUtf16(std::u16string& out, std::u16string_view text) {
  AppendDecoded(out, text);
}

void AppendDecodedUtf16(std::u16string& out, std::string_view bytes) {
  AppendDecoded(out, bytes);
}

std::u16string TextAround(std::u16string_view text, std::size_t pos, std::size_t unitsBefore,
                          std::size_t count) {
  const std::size_t start = std::min(pos >= unitsBefore ? pos - unitsBefore : 0, text.size());
  return std::u16string(text.substr(start, count));
}

std::u16string TextAround(std::string_view text, std::size_t pos, std::size_t unitsBefore,
                          std::size_t count) {
  // Only on failures, so the simple way: everything up to pos, then enough bytes for count units.
  pos = std::min(pos, text.size());
  std::u16string around = ToUtf16(text.substr(0, pos));
  around.erase(0, around.size() >= unitsBefore ? around.size() - unitsBefore : 0);
  AppendUtf16(around, text.substr(pos, 4 * count));
  around.resize(std::min(around.size(), count));
  return around;
}

}  // namespace tolvane::storage
