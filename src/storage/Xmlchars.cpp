#include "storage/Xmlchars.h"

#include <cstdint>

#include "storage/Xmltext.h"

namespace tolvane::storage {
namespace xmlchars_detail {

bool IsWideNameStartChar(char16_t c) {
  return (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) ||
         (c >= 0x370 && c <= 0x37D) || (c >= 0x37F && c <= 0x1FFF) || (c >= 0x200C && c <= 0x200D) ||
         (c >= 0x2070 && c <= 0x218F) || (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) ||
         (c >= 0xF900 && c <= 0xFDCF) || (c >= 0xFDF0 && c <= 0xFFFD);
}

bool IsWideNameChar(char16_t c) {
  return IsWideNameStartChar(c) || c == 0xB7 || (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}

}  // namespace xmlchars_detail

std::u16string_view TrimXmlRight(std::u16string_view text) {
  std::size_t size = text.size();
  while (size > 0 && IsXmlTrimmable(text[size - 1]))
    --size;
  return text.substr(0, size);
}

namespace {

// " & ' < > as bits of one mask: all five are below 64.
constexpr std::uint64_t EscapedMask =
    1ULL << u'"' | 1ULL << u'&' | 1ULL << u'\'' | 1ULL << u'<' | 1ULL << u'>';

bool IsEscaped(char16_t c) {
  return c < 64 && ((EscapedMask >> c) & 1) != 0;
}

std::u16string_view EntityOf(char16_t c) {
  switch (c) {
    case u'"':
      return u"&quot;";
    case u'&':
      return u"&amp;";
    case u'\'':
      return u"&apos;";
    case u'<':
      return u"&lt;";
    default:
      return u"&gt;";
  }
}

}  // namespace

void AppendEscapedXml(std::u16string& out, std::u16string_view text) {
  std::size_t done = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (!IsEscaped(text[at]))
      continue;
    out.append(text.substr(done, at - done));
    out += EntityOf(text[at]);
    done = at + 1;
  }
  out.append(text.substr(done));
}

std::u16string EscapeXmlText(std::u16string_view text) {
  text = TrimXmlRight(text);
  std::u16string out;
  out.reserve(text.size() + text.size() / 8);
  AppendEscapedXml(out, text);
  return out;
}

std::u16string DecodeXmlText(std::u16string_view text) {
  std::u16string out;
  if (text.find(u'&') == std::u16string_view::npos) {
    out.assign(TrimXmlRight(text));
    return out;
  }
  out.reserve(text.size());
  AppendDecodedUtf16(out, text);
  out.resize(TrimXmlRight(out).size());
  return out;
}

}  // namespace tolvane::storage
