#include "execution/Pastekeys.h"

#include <array>

#include "execution/Keyinjection.h"

namespace tolvane::execution {
namespace {

constexpr std::uint16_t ControlKey = 0x11;
constexpr std::uint16_t VKey = 0x56;

constexpr std::array<platform::TKeyRecord, 4> PasteKeys = {{
    {ControlKey, 0, 0},
    {VKey, 0, 0},
    {VKey, 0, platform::KeyFlagUp},
    {ControlKey, 0, platform::KeyFlagUp},
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
