#include "execution/Editfrm.h"

#include <array>

namespace tolvane::execution {

namespace {

constexpr std::u16string_view LineBreak = u"\\0D\\0v";
constexpr std::u16string_view LineBreakHome = u"\\0D\\0v\\24\\2f";
constexpr int ReleaseShift = 50;

constexpr int VkShift = 0x10, VkControl = 0x11, VkMenu = 0x12, VkPrintScreen = 0x2C;
constexpr int VkLeftShift = 0xA0, VkRightMenu = 0xA5;

constexpr std::array<TKeyButton, 34> Buttons{{
    {u"Backspace", 0x08},
    {u"Tab", 0x09},
    {u"New Line", 0x0D},
    {u"Shift", 0x10, true},
    {u"Ctrl", 0x11, true},
    {u"Alt", 0x12, true},
    {u"Caps Lock", 0x14},
    {u"Esc", 0x1B},
    {u"Page Up", 0x21},
    {u"Page Down", 0x22},
    {u"End", 0x23},
    {u"Home", 0x24},
    {u"Left", 0x25},
    {u"Up", 0x26},
    {u"Right", 0x27},
    {u"Down", 0x28},
    {u"Print Screen", 0x2C},
    {u"Ins", 0x2D},
    {u"Del", 0x2E},
    {u"C", 0x43},
    {u"V", 0x56},
    {u"X", 0x58},
    {u"F1", 0x70},
    {u"F2", 0x71},
    {u"F3", 0x72},
    {u"F4", 0x73},
    {u"F5", 0x74},
    {u"F6", 0x75},
    {u"F7", 0x76},
    {u"F8", 0x77},
    {u"F9", 0x78},
    {u"F10", 0x79},
    {u"F11", 0x7A},
    {u"F12", 0x7B},
}};

char16_t Digit(int value) {
  return static_cast<char16_t>(value < 10 ? u'0' + value : u'A' + value - 10);
}

void ReplaceAll(std::u16string& text, std::u16string_view from, std::u16string_view to) {
  for (std::size_t at = text.find(from); at != std::u16string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

// Keys that write their own codes in keyboard mode whatever else is held.
bool NamedKey(int key) {
  return key == 0x08 || key == 0x0D || key == 0x14 || key == 0x1B || (key >= 0x21 && key <= 0x28) ||
         key == 0x2D || key == 0x2E || (key >= 0x70 && key <= 0x7B);
}

// The left and right variants of a modifier count as the modifier itself.
int Modifier(int key) {
  if (key >= VkLeftShift && key <= VkRightMenu)
    return VkShift + (key - VkLeftShift) / 2;
  return key;
}

}  // namespace

std::u16string KeyCodeText(int virtualKey, bool release) {
  const int code = virtualKey & 0xFF;
  std::u16string text = u"\\";
  text += Digit(code / 16);
  text += static_cast<char16_t>(Digit(code % 16) + (release ? ReleaseShift : 0));
  return text;
}

std::u16string KeyButtonText(int virtualKey) {
  if (virtualKey == SleepCode)
    return KeyCodeText(SleepCode, false);
  return KeyCodeText(virtualKey, false) + KeyCodeText(virtualKey, true);
}

std::u16string KeyButtonHint(int virtualKey) {
  return u" Down = " + KeyCodeText(virtualKey, false) + u"  Up = " + KeyCodeText(virtualKey, true) + u"  ";
}

std::span<const TKeyButton> KeyButtons() {
  return Buttons;
}

std::u16string MacroForEditing(std::u16string_view stored) {
  std::u16string text(stored);
  ReplaceAll(text, LineBreakHome, u"\r\n");
  ReplaceAll(text, LineBreak, u"\r\n");
  return text;
}

std::u16string MacroFromEditor(std::u16string_view text, bool newLineHome) {
  const std::u16string_view separator = newLineHome ? LineBreakHome : LineBreak;
  std::u16string macro;
  bool first = true;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t found = text.find_first_of(u"\r\n", start);
    const std::size_t end = found == std::u16string_view::npos ? text.size() : found;
    if (!first)
      macro += separator;
    first = false;
    macro.append(text.substr(start, end - start));
    const bool crLf = end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n';
    start = end + (crLf ? 2 : 1);
  }
  if (!text.empty() && (text.back() == u'\n' || text.back() == u'\r'))
    macro += separator;
  return macro;
}

bool ClearClipboardForKeyboardMode(platform::IClipboard& clipboard, platform::ITime& time) {
  for (int attempt = 1;; ++attempt) {
    if (clipboard.Clear())
      return true;
    if (attempt == ClearClipboardAttempts)
      return false;
    time.WaitProcessingMessages(ClearClipboardRetryMs);
  }
}

void TKeyboardMode::Reset() {
  CtrlHeld = ShiftHeld = AltHeld = false;
}

bool* TKeyboardMode::HeldFlag(int virtualKey) {
  switch (Modifier(virtualKey)) {
    case VkShift:
      return &ShiftHeld;
    case VkControl:
      return &CtrlHeld;
    case VkMenu:
      return &AltHeld;
    default:
      return nullptr;
  }
}

TKeyboardMode::TResult TKeyboardMode::KeyDown(int virtualKey) {
  if (bool* held = HeldFlag(virtualKey)) {
    // Auto-repeat of a held modifier writes nothing more.
    if (*held)
      return {u"", true};
    *held = true;
    return {KeyCodeText(Modifier(virtualKey), false), true};
  }
  if (NamedKey(virtualKey))
    return {KeyCodeText(virtualKey, false), true};
  if (virtualKey == 'C' || virtualKey == 'V' || virtualKey == 'X') {
    if (CtrlHeld)
      return {KeyButtonText(virtualKey), true};
    return {u"", ShiftHeld || AltHeld};
  }
  if (virtualKey == VkPrintScreen || virtualKey >= 0xFF)
    return {u"", false};
  if (AnyHeld())
    return {KeyCodeText(virtualKey, false), true};
  return {u"", false};
}

TKeyboardMode::TResult TKeyboardMode::KeyUp(int virtualKey) {
  if (bool* held = HeldFlag(virtualKey)) {
    *held = false;
    return {KeyCodeText(Modifier(virtualKey), true), true};
  }
  if (NamedKey(virtualKey))
    return {KeyCodeText(virtualKey, true), true};
  // Print Screen sends no key down: both codes come with its release.
  if (virtualKey == VkPrintScreen)
    return {KeyButtonText(virtualKey), true};
  if (virtualKey == 'C' || virtualKey == 'V' || virtualKey == 'X')
    return {u"", CtrlHeld || ShiftHeld || AltHeld};
  if (virtualKey < 0xFF && AnyHeld())
    return {KeyCodeText(virtualKey, true), true};
  return {u"", false};
}

}  // namespace tolvane::execution
