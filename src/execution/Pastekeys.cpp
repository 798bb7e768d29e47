#include "execution/Pastekeys.h"

#include <array>

#include "execution/Keyinjection.h"
#include "platform/Virtualkeys.h"

namespace tolvane::execution {
namespace {

constexpr std::array<platform::TKeyRecord, 4> PasteKeys = {{
    {platform::vk::Control, 0, 0},
    {platform::vk::V, 0, 0},
    {platform::vk::V, 0, platform::KeyFlagUp},
    {platform::vk::Control, 0, platform::KeyFlagUp},
}};

}  // namespace

bool SendPasteKeys(bool autoPaste, platform::IKeyboard& keyboard) {
  if (!autoPaste)
    return true;
  TKeyState pressed;
  if (SendTracked(keyboard, PasteKeys, pressed))
    return true;
  (void)ReleaseKeys(keyboard, pressed);  // best effort; the paste has failed already
  return false;
}

}  // namespace tolvane::execution
