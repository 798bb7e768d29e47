#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Codepages.h"

namespace tolvane::native {

// UTF-8, UTF-16LE/BE, US-ASCII, ISO-8859-n and Windows-125x. The single-byte pages go through iconv and are
// supported where iconv has them; the rest is converted here.
class TNativeCodePages final : public platform::ICodePages {
 public:
  // The page codepage::Ansi stands for; 0 means 1252.
  explicit TNativeCodePages(std::uint32_t ansiCodePage = 1252)
      : Ansi(ansiCodePage == 0 ? 1252 : ansiCodePage) {}

  std::uint32_t AnsiCodePage() override { return Ansi; }
  bool IsSupported(std::uint32_t codePage) override;
  std::optional<std::u16string> ToUtf16(std::uint32_t codePage, std::string_view bytes, bool strict) override;
  std::optional<std::string> FromUtf16(std::uint32_t codePage, std::u16string_view text) override;

 private:
  std::uint32_t Resolved(std::uint32_t codePage) const {
    return codePage == platform::codepage::Ansi ? Ansi : codePage;
  }

  std::uint32_t Ansi;
};

// The iconv name of a single-byte code page ("CP1252", "ISO-8859-15"); nullopt for the other pages.
std::optional<std::string> IconvCharsetName(std::uint32_t codePage);

}  // namespace tolvane::native
