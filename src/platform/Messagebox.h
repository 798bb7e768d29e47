#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platformtypes.h"

namespace tolvane::platform {

enum class TMsgKind : int { Information = 0, Question = 1, Exclamation = 2, Error = 3 };

// Buttons, or-ed; shown in the box's own order.
namespace msgbutton {
inline constexpr std::uint32_t Ok = 1;
inline constexpr std::uint32_t Cancel = 2;
inline constexpr std::uint32_t No = 4;
inline constexpr std::uint32_t Yes = 8;
inline constexpr std::uint32_t All = 16;  // "All Yes"
inline constexpr std::uint32_t Abort = 32;
inline constexpr std::uint32_t None = 64;  // "All No"
inline constexpr std::uint32_t Retry = 128;
inline constexpr std::uint32_t Ignore = 256;
}  // namespace msgbutton

enum class TMsgResult { None, Ok, Cancel, No, Yes, YesToAll, Abort, NoToAll, Retry, Ignore };

// A button that says what it does in this box instead of its usual word; '&' marks its access key.
struct TMsgButtonCaption {
  std::uint32_t Button = 0;  // one msgbutton value
  std::u16string Caption;

  bool operator==(const TMsgButtonCaption&) const = default;
};

struct TMsgRequest {
  std::u16string Caption;
  std::u16string Text;
  TMsgKind Kind = TMsgKind::Information;
  std::uint32_t Buttons = msgbutton::Ok;
  TWindowHandle Owner = 0;
  std::vector<TMsgButtonCaption> ButtonCaptions = {};
};

class IMessageBox {
 public:
  virtual ~IMessageBox() = default;

  // Shows the box modally and returns the button the user chose (Cancel or None when closed otherwise).
  virtual TMsgResult Show(const TMsgRequest& request) = 0;
};

// Builds the request and shows it.
inline TMsgResult ShowMessageBox(IMessageBox& box, std::u16string_view caption, std::u16string_view text,
                                 TMsgKind kind, std::uint32_t buttons = msgbutton::Ok,
                                 TWindowHandle owner = 0) {
  return box.Show({std::u16string(caption), std::u16string(text), kind, buttons, owner});
}

}  // namespace tolvane::platform
