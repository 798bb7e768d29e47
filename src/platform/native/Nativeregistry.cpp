#include "platform/native/Nativeregistry.h"

#include <cerrno>

#include "platform/native/Posixerror.h"

namespace tolvane::native {
namespace {

platform::TSystemError NoRegistry() {
  return ErrnoError(ENOSYS, "This system has no registry");
}

}  // namespace

std::optional<std::vector<std::u16string>> TNativeRegistry::SubKeyNames(platform::TRegistryRoot,
                                                                        std::u16string_view) {
  Error = NoRegistry();
  return std::nullopt;
}

std::optional<std::u16string> TNativeRegistry::ReadString(platform::TRegistryRoot, std::u16string_view,
                                                          std::u16string_view) {
  Error = NoRegistry();
  return std::nullopt;
}

}  // namespace tolvane::native
