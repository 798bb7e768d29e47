#include "modifier/Qxclipline.h"

namespace tolvane::modifier {

bool TextLess(std::u16string_view a, std::u16string_view b, bool ignoreCase, platform::ILocale& locale) {
  return locale.Compare(a, b, ignoreCase, platform::TLocaleScope::User) < 0;
}

bool KeyLess(const TClipLine& a, const TClipLine& b, bool ignoreCase, platform::ILocale& locale) {
  // Keyless lines are equal among themselves and after every keyed line, which keeps the order strict and
  // weak: a stable sort then leaves them in their original order at the end.
  if (!a.HasKey())
    return false;
  if (!b.HasKey())
    return true;
  return TextLess(a.Key(), b.Key(), ignoreCase, locale);
}

}  // namespace tolvane::modifier
