#include "platform/native/Localename.h"

#include <cstdlib>

namespace tolvane::native {

std::string IcuLocaleId(std::string_view posixName) {
  const std::string_view language = posixName.substr(0, posixName.find_first_of(".@"));
  if (language.empty() || language == "C" || language == "POSIX")
    return "en_US";
  return std::string(language);
}

std::string EnvironmentLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_COLLATE", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0')
      return value;
  }
  return {};
}

}  // namespace tolvane::native
