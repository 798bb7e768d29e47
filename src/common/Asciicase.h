#pragma once

namespace tolvane {

// Case of the ASCII letters alone, for keywords, command-line switches, file extensions and encoding names:
// those must not follow the user's locale. Every other character stays as it is.
template <class TChar>
constexpr TChar AsciiLower(TChar c) {
  return c >= TChar('A') && c <= TChar('Z') ? static_cast<TChar>(c - TChar('A') + TChar('a')) : c;
}

template <class TChar>
constexpr TChar AsciiUpper(TChar c) {
  return c >= TChar('a') && c <= TChar('z') ? static_cast<TChar>(c - TChar('a') + TChar('A')) : c;
}

}  // namespace tolvane
