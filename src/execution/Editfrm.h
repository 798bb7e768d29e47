#pragma once
// The macro composer's rules without its window: the key buttons and their codes, writing a code at the
// caret, turning a stored macro into editable lines and back, and keyboard mode, in which pressed keys become
// codes.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/Clipboard.h"
#include "platform/Time.h"

namespace tolvane::execution {

inline constexpr int SleepCode = 0xFF;

// The composer window's control ids: the key buttons from FirstKeyButton on in KeyButtons() order, Sleep
// last.
namespace composercontrol {
enum : int { Ok = 1, Cancel = 2, Editor = 10, KeyboardMode, NewLineHome, FirstKeyButton = 100 };
}

// "\" + two digits; a key up moves the low digit up by 50 character positions.
std::u16string KeyCodeText(int virtualKey, bool release);
// What a key button writes: down then up; the Sleep button only "\FF".
std::u16string KeyButtonText(int virtualKey);
// " Down = \XX  Up = \Xx  " for a key button's code.
std::u16string KeyButtonHint(int virtualKey);

struct TKeyButton {
  std::u16string_view Caption;
  int Code = 0;
  bool Toggle = false;  // Ctrl, Shift and Alt stay down until clicked again
};
// The composer's buttons in the order they are shown.
std::span<const TKeyButton> KeyButtons();

// The stored macro as editable lines: every "\0D\0v\24\2f", then every "\0D\0v", becomes CR LF.
std::u16string MacroForEditing(std::u16string_view stored);
// The editor's text stored: its lines joined with the line-break codes ("\0D\0v", with Home "\0D\0v\24\2f"),
// one more when the text ends with a line feed.
std::u16string MacroFromEditor(std::u16string_view text, bool newLineHome);

// Keyboard mode: which pressed and released keys write codes and which reach the editor.
class TKeyboardMode {
 public:
  struct TResult {
    std::u16string Insert;  // written at the caret
    bool Swallow = false;   // the key does not reach the editor
    bool operator==(const TResult&) const = default;
  };
  // Turning the mode on forgets the held modifiers.
  void Reset();
  // A key down (repeat: auto-repeated, the key was down already) or up.
  TResult KeyDown(int virtualKey);
  TResult KeyUp(int virtualKey);
  // A typed character never reaches the editor.
  static bool SwallowsCharacters() { return true; }

  bool Ctrl() const { return CtrlHeld; }
  bool Shift() const { return ShiftHeld; }
  bool Alt() const { return AltHeld; }

 private:
  bool* HeldFlag(int virtualKey);
  bool AnyHeld() const { return CtrlHeld || ShiftHeld || AltHeld; }
  bool CtrlHeld = false;
  bool ShiftHeld = false;
  bool AltHeld = false;
};

// Turning keyboard mode on empties the clipboard, so that a copy made meanwhile is not pasted by mistake.
// Another program may hold the clipboard open for a moment, so it gets a few tries with the messages handled
// in between; false when it could not be emptied.
inline constexpr int ClearClipboardAttempts = 5;
inline constexpr std::uint32_t ClearClipboardRetryMs = 50;
bool ClearClipboardForKeyboardMode(platform::IClipboard& clipboard, platform::ITime& time);

}  // namespace tolvane::execution
