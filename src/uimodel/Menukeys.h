#pragma once
// The key tables of the bar and the popups: what a key forwarded to a menu window (UM_MENU_KEY) does.

#include <cstdint>

namespace tolvane::uimodel {

enum class TMenuKeyAction {
  Nothing,
  RepeatPrevious,  // Ctrl+Enter, Ctrl+Q on the bar
  CloseAll,        // Esc
  Previous,        // Left on the bar, Up in a popup: wraps; with none hot Index
  Next,            // Right on the bar, Down in a popup: wraps; with none hot Index
  OpenDown,        // bar docked at the top: Down opens the hot entry's popup at its first item
  OpenUp,          // bar in the lower half: Up opens the hot entry's popup at its last item
  FocusBar,        // bar: the arrow towards the screen edge
  First,           // PgUp
  Last,            // PgDn
  Back,            // Left in a popup
  OpenSubMenu,     // Right in a popup
  Perform,         // Enter in a popup
  Command,         // Code: 105, 102, 104, 103 (F8 … F11) or 107 (Del)
  IconPicker,      // Alt+S
  ContextWindow,   // Shift+F10, the Applications key
  Select,          // Index: an entry or item by digit or letter (clamped to the last by the caller)
};

struct TMenuKey {
  TMenuKeyAction Action = TMenuKeyAction::Nothing;
  // Select: the entry or item; Previous, Next: the one taken when none is hot. Either is clamped to the last
  // by the caller (SteppedIndex does it for Previous and Next).
  int Index = 0;
  int Code = 0;  // Command

  bool operator==(const TMenuKey&) const = default;
};

struct TKeyModifiers {
  bool Ctrl = false;
  bool Shift = false;
  bool Alt = false;
};

TMenuKey BarKey(std::uint32_t virtualKey, TKeyModifiers modifiers, bool dockedAtTop);
TMenuKey PopupKey(std::uint32_t virtualKey, TKeyModifiers modifiers, bool openedDownwards);

// The index after moving by step (±1) among count, wrapping; from −1 (none) Next gives 0 and Previous the
// last. −1 when count is 0.
int WrapIndex(int index, int step, int count);
// Where a Previous or Next key moves from hot (−1: none) among count: wrapping, or the key's Index clamped
// to the last when none is hot. −1 when count is 0.
int SteppedIndex(const TMenuKey& key, int hot, int count);

// The virtual-key codes the tables read (the VK_ values).
namespace menukey {
inline constexpr std::uint32_t Enter = 0x0D;
inline constexpr std::uint32_t Shift = 0x10;
inline constexpr std::uint32_t Control = 0x11;
inline constexpr std::uint32_t Alt = 0x12;
inline constexpr std::uint32_t Escape = 0x1B;
inline constexpr std::uint32_t PageUp = 0x21;
inline constexpr std::uint32_t PageDown = 0x22;
inline constexpr std::uint32_t Left = 0x25;
inline constexpr std::uint32_t Up = 0x26;
inline constexpr std::uint32_t Right = 0x27;
inline constexpr std::uint32_t Down = 0x28;
inline constexpr std::uint32_t Delete = 0x2E;
inline constexpr std::uint32_t Apps = 0x5D;
inline constexpr std::uint32_t Numpad0 = 0x60;
inline constexpr std::uint32_t Numpad9 = 0x69;
inline constexpr std::uint32_t F8 = 0x77;
inline constexpr std::uint32_t F9 = 0x78;
inline constexpr std::uint32_t F10 = 0x79;
inline constexpr std::uint32_t F11 = 0x7A;
inline constexpr std::uint32_t LeftShift = 0xA0;
inline constexpr std::uint32_t RightAlt = 0xA5;
}  // namespace menukey

}  // namespace tolvane::uimodel
