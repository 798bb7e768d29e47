#pragma once
// UTF-8 <-> UTF-16 conversion for the program's own text edges (standard streams, Linux file names, tests)
// and for menu files stored as UTF-8. Code pages of stored files go through the platform's ICodePages
// instead.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

// Invalid sequences become U+FFFD, one per maximal invalid subpart, as the Unicode standard recommends.
std::u16string Utf8ToUtf16(std::string_view bytes);
// Nullopt on any invalid sequence (overlong forms, surrogates, values above U+10FFFF, truncation).
std::optional<std::u16string> Utf8ToUtf16Strict(std::string_view bytes);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
void AppendUtf8(std::string& bytes, std::u16string_view text);

struct TUtf8Sequence {
  char32_t CodePoint;  // U+FFFD for an invalid sequence
  std::size_t Length;  // bytes taken; for an invalid sequence its maximal invalid subpart
  bool Valid;
};
// The sequence starting at bytes[pos] (pos < bytes.size()).
TUtf8Sequence DecodeUtf8Sequence(std::string_view bytes, std::size_t pos);

// Converts UTF-8 as Utf8ToUtf16 does into target, which has room for bytes.size() units (no sequence gives
// more units than it has bytes); returns the number of units written.
std::size_t DecodeUtf8Into(char16_t* target, std::string_view bytes);

// Decodes UTF-8 that arrives in pieces exactly as Utf8ToUtf16 decodes it whole: a sequence cut by the end of
// a piece waits for the next one. A large input is then never held as bytes beside its text.
class TUtf8Decoder {
 public:
  // Room for a text of that many bytes, taken once instead of by growing.
  void Reserve(std::size_t bytes) { Text.reserve(bytes); }
  void Feed(std::string_view bytes);
  // The text so far; a sequence the input left unfinished becomes U+FFFD.
  std::u16string Finish();

 private:
  std::string Pending;  // a sequence begun at the end of the last piece
  std::u16string Text;
};

// Shorthand for literals in code and tests: u8 text to UTF-16.
inline std::u16string U16(std::string_view utf8) {
  return Utf8ToUtf16(utf8);
}

}  // namespace tolvane
