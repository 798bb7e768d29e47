#include "platform/recording/Fixedversionstrings.h"

#include "platform/recording/Casefold.h"

namespace tolvane::recording {

std::optional<std::u16string> TFixedVersionStrings::Value(std::u16string_view path, std::u16string_view key) {
  const auto found = Values.find({FoldCase(path), std::u16string(key)});
  if (found == Values.end())
    return std::nullopt;
  return found->second;
}

void TFixedVersionStrings::Set(std::u16string_view path, std::u16string_view key, std::u16string value) {
  Values[{FoldCase(path), std::u16string(key)}] = std::move(value);
}

}  // namespace tolvane::recording
