#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::modifier {

// The End line of the block opened at `begin`: the first later line containing "ApplyToThisTemplateEnd".
// Nullopt when the script has fewer than two lines after `begin` or no End line.
std::optional<std::size_t> FindTemplateEnd(const std::vector<std::u16string>& scriptLines, std::size_t begin);

// The lines strictly between `begin` and `end`, verbatim, joined with CR LF.
std::u16string TemplateText(const std::vector<std::u16string>& scriptLines, std::size_t begin,
                            std::size_t end);

// "[VAR1]" … "[VAR9]", then "[VAR:]", "[VAR;]" …: the character after the stem counts on from "0".
std::u16string Placeholder(std::u16string_view stem, std::size_t number);

// The template with [VARk], then [WORDk], then [LINE] replaced, each by one pass over the text as it stands.
// Placeholders without a value stay.
std::u16string FillTemplate(std::u16string_view templateText, const std::vector<std::u16string>& vars,
                            const std::vector<std::u16string>& words, std::u16string_view lineText);

}  // namespace tolvane::modifier
