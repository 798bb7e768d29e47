#include "execution/Mailto.h"

#include <array>
#include <utility>

#include "common/Unicode.h"

namespace tolvane::execution {
namespace {

bool IsKeptByte(unsigned char byte) {
  const bool letterOrDigit =
      (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9');
  return letterOrDigit ||
         std::string_view(",-.;<>@_").find(static_cast<char>(byte)) != std::string_view::npos;
}

}  // namespace

EQxMailToEmptyToField::EQxMailToEmptyToField() : std::runtime_error(Utf16ToUtf8(MailToEmptyToFieldMessage)) {}

std::u16string MailtoEncode(std::u16string_view value) {
  static constexpr char16_t Hex[] = u"0123456789ABCDEF";
  std::u16string encoded;
  for (const char c : Utf16ToUtf8(value)) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsKeptByte(byte)) {
      encoded += static_cast<char16_t>(byte);
    } else {
      encoded += u'%';
      encoded += Hex[byte >> 4];
      encoded += Hex[byte & 0xF];
    }
  }
  return encoded;
}

std::u16string BuildMailtoUrl(std::u16string_view to, std::u16string_view cc, std::u16string_view bcc,
                              std::u16string_view subject, std::u16string_view body) {
  if (to.empty())
    throw EQxMailToEmptyToField();
  const std::array<std::pair<std::u16string_view, std::u16string_view>, 4> parts = {
      {{u"body=", body}, {u"cc=", cc}, {u"bcc=", bcc}, {u"subject=", subject}}};
  std::u16string query;
  for (const auto& [name, value] : parts) {
    if (value.empty())
      continue;
    query.append(query.empty() ? u"?" : u"&").append(name).append(MailtoEncode(value));
  }
  return u"mailto:" + MailtoEncode(to) + query;
}

}  // namespace tolvane::execution
