#pragma once

#include "platform/Codepages.h"

namespace tolvane::win32 {

// Conversions through MultiByteToWideChar / WideCharToMultiByte; the UTF-16 code pages, which those functions
// do not handle, by copying the bytes.
class TCodePages final : public platform::ICodePages {
 public:
  std::uint32_t AnsiCodePage() override;
  bool IsSupported(std::uint32_t codePage) override;
  std::optional<std::u16string> ToUtf16(std::uint32_t codePage, std::string_view bytes, bool strict) override;
  std::optional<std::string> FromUtf16(std::uint32_t codePage, std::u16string_view text) override;
};

}  // namespace tolvane::win32
