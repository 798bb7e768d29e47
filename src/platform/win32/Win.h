#pragma once
// The one way Windows code includes <windows.h>: lean, without the min/max macros, Unicode API names.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif

#include <windows.h>

#include <string>
#include <string_view>

namespace tolvane::win32 {

// wchar_t and char16_t are both UTF-16 code units on Windows; these views convert without copying rules.
inline std::wstring Wide(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}
inline std::u16string Narrow16(std::wstring_view text) {
  return std::u16string(text.begin(), text.end());
}

}  // namespace tolvane::win32
