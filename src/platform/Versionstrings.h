#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvane::platform {

// The string table of a file's version resource.
class IVersionStrings {
 public:
  virtual ~IVersionStrings() = default;

  // The key's value in the table of the first language and code page the resource lists; nullopt when the
  // file, its resource, that table or the key is missing.
  virtual std::optional<std::u16string> Value(std::u16string_view path, std::u16string_view key) = 0;
};

}  // namespace tolvane::platform
