#pragma once
// Small helpers the function handlers share.

#include <cstdint>
#include <string>

#include "modifier/Qxcliptxt.h"
#include "platform/Virtualkeys.h"

namespace tolvane::modifier::functions {

namespace vk = platform::vk;

template <class TChange>
void ForEachLine(TQxClipTxt& clip, TChange change) {
  for (TClipLine& line : clip.Lines)
    change(line);
}

// A character parameter left empty arrives as U+0000. Inserting it would cut the text short for every
// program that reads the clipboard, so functions that insert such a character insert nothing instead.
inline bool IsMissingCharacter(char16_t c) {
  return c == 0;
}

inline bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}

inline bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace tolvane::modifier::functions
