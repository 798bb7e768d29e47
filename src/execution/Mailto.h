#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace tolvane::execution {

inline constexpr std::u16string_view MailToEmptyToFieldMessage =
    u"The TO field is empty!\r\nYou must provide a recipient";

// A mail without a recipient. what() holds the message in UTF-8.
class EQxMailToEmptyToField : public std::runtime_error {
 public:
  EQxMailToEmptyToField();
};

// "mailto:" + the addresses, then the non-empty parts in the order body, cc, bcc, subject. Every value is
// percent-encoded as UTF-8, except ASCII letters, digits and , - . ; < > @ _ so address lists stay readable.
// Throws EQxMailToEmptyToField when to is empty.
std::u16string BuildMailtoUrl(std::u16string_view to, std::u16string_view cc, std::u16string_view bcc,
                              std::u16string_view subject, std::u16string_view body);
std::u16string MailtoEncode(std::u16string_view value);

}  // namespace tolvane::execution
