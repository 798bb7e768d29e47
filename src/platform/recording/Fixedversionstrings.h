#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/Versionstrings.h"

namespace tolvane::recording {

// Version strings as the test sets them; paths compare ignoring case, keys exactly.
class TFixedVersionStrings final : public platform::IVersionStrings {
 public:
  std::optional<std::u16string> Value(std::u16string_view path, std::u16string_view key) override;

  void Set(std::u16string_view path, std::u16string_view key, std::u16string value);

 private:
  std::map<std::pair<std::u16string, std::u16string>, std::u16string> Values;  // by case-folded path, key
};

}  // namespace tolvane::recording
