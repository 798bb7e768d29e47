#include "uimodel/Menukeys.h"

#include <algorithm>
#include <climits>
#include <optional>

namespace tolvane::uimodel {

namespace {

inline constexpr int CommandInsertBefore = 102;
inline constexpr int CommandInsertAfter = 103;
inline constexpr int CommandInsertSubMenu = 104;
inline constexpr int CommandEdit = 105;
inline constexpr int CommandDelete = 107;
// Taken as "the last" once the caller clamps it to the count.
inline constexpr int LastIndex = INT_MAX;

bool IsModifierKey(std::uint32_t key) {
  // The left and right forms never come with a key-down message, but they are modifiers all the same.
  return key == menukey::Shift || key == menukey::Control || key == menukey::Alt ||
         (key >= menukey::LeftShift && key <= menukey::RightAlt);
}

bool IsNumpadDigit(std::uint32_t key) {
  return key >= menukey::Numpad0 && key <= menukey::Numpad9;
}

TMenuKey Action(TMenuKeyAction action) {
  return TMenuKey{action, 0, 0};
}

TMenuKey Select(int index) {
  return TMenuKey{TMenuKeyAction::Select, index, 0};
}

TMenuKey Command(int code) {
  return TMenuKey{TMenuKeyAction::Command, 0, code};
}

TMenuKey Step(TMenuKeyAction action, int whenNoneHot) {
  return TMenuKey{action, whenNoneHot, 0};
}

// The keys the bar and the popups share: delete, the edit commands, the icon picker and the context window.
std::optional<TMenuKey> ItemKey(std::uint32_t key, TKeyModifiers modifiers) {
  if (key == menukey::Delete)
    return Command(CommandDelete);
  if (key == 'S' && modifiers.Alt)
    return Action(TMenuKeyAction::IconPicker);
  if (key == menukey::Apps || (key == menukey::F10 && modifiers.Shift))
    return Action(TMenuKeyAction::ContextWindow);
  switch (key) {
    case menukey::F8:
      return Command(CommandEdit);
    case menukey::F9:
      return Command(CommandInsertBefore);
    case menukey::F10:
      return Command(CommandInsertSubMenu);
    case menukey::F11:
      return Command(CommandInsertAfter);
    default:
      return std::nullopt;
  }
}

// '1' … ':' and 'A' … 'Z' by the index they stand for; nothing for other keys.
std::optional<int> CharacterIndex(std::uint32_t key) {
  if (key >= '1' && key <= ':')
    return static_cast<int>(key - '1');
  if (key >= 'A' && key <= 'Z')
    return static_cast<int>(key - 'A') + 9;
  return std::nullopt;
}

}  // namespace

TMenuKey BarKey(std::uint32_t virtualKey, TKeyModifiers modifiers, bool dockedAtTop) {
  // Keypad digits count from one: keypad 0 is the first entry, keypad 9 the tenth.
  const std::uint32_t key = IsNumpadDigit(virtualKey) ? '1' + (virtualKey - menukey::Numpad0) : virtualKey;
  if (modifiers.Ctrl && (key == menukey::Enter || key == 'Q'))
    return Action(TMenuKeyAction::RepeatPrevious);
  if (IsModifierKey(key))
    return Action(TMenuKeyAction::Nothing);
  switch (key) {
    case menukey::Escape:
      return Action(TMenuKeyAction::CloseAll);
    case menukey::Left:
      return Step(TMenuKeyAction::Previous, LastIndex);
    case menukey::Right:
      return Step(TMenuKeyAction::Next, 0);
    case menukey::Down:
      return Action(dockedAtTop ? TMenuKeyAction::OpenDown : TMenuKeyAction::FocusBar);
    case menukey::Up:
      return Action(dockedAtTop ? TMenuKeyAction::FocusBar : TMenuKeyAction::OpenUp);
    default:
      break;
  }
  if (const std::optional<TMenuKey> itemKey = ItemKey(key, modifiers))
    return *itemKey;
  if (key <= '0')
    return Action(TMenuKeyAction::Nothing);
  return Select(CharacterIndex(key).value_or(0));
}

TMenuKey PopupKey(std::uint32_t virtualKey, TKeyModifiers modifiers, bool openedDownwards) {
  const std::uint32_t key = IsNumpadDigit(virtualKey) ? '0' + (virtualKey - menukey::Numpad0) : virtualKey;
  if (IsModifierKey(key))
    return Action(TMenuKeyAction::Nothing);
  switch (key) {
    case menukey::Enter:
      return Action(TMenuKeyAction::Perform);
    case menukey::Escape:
      return Action(TMenuKeyAction::CloseAll);
    case menukey::PageUp:
      return Action(TMenuKeyAction::First);
    case menukey::PageDown:
      return Action(TMenuKeyAction::Last);
    // With none hot, the first key press takes the item next to where the popup opened.
    case menukey::Up:
      return Step(TMenuKeyAction::Previous, openedDownwards ? 0 : LastIndex);
    case menukey::Down:
      return Step(TMenuKeyAction::Next, openedDownwards ? 0 : LastIndex);
    case menukey::Left:
      return Action(TMenuKeyAction::Back);
    case menukey::Right:
      return Action(TMenuKeyAction::OpenSubMenu);
    default:
      break;
  }
  if (const std::optional<TMenuKey> itemKey = ItemKey(key, modifiers))
    return *itemKey;
  // Popups have no tenth item by digit: ':' is not reached, '0' is the first.
  if (key == ':')
    return Select(0);
  return Select(CharacterIndex(key).value_or(0));
}

int WrapIndex(int index, int step, int count) {
  if (count <= 0)
    return -1;
  if (index < 0)
    return step > 0 ? 0 : count - 1;
  return ((index + step) % count + count) % count;
}

int SteppedIndex(const TMenuKey& key, int hot, int count) {
  if (count <= 0)
    return -1;
  if (hot < 0)
    return std::clamp(key.Index, 0, count - 1);
  return WrapIndex(hot, key.Action == TMenuKeyAction::Previous ? -1 : 1, count);
}

}  // namespace tolvane::uimodel
