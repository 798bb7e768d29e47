#include "platform/portable/Defaultanswer.h"

#include <array>
#include <utility>

namespace tolvane::portable {

platform::TMsgResult DefaultAnswer(std::uint32_t buttons) {
  namespace mb = platform::msgbutton;
  using platform::TMsgResult;
  static constexpr std::array<std::pair<std::uint32_t, TMsgResult>, 9> Order{{
      {mb::Ok, TMsgResult::Ok},
      {mb::Yes, TMsgResult::Yes},
      {mb::All, TMsgResult::YesToAll},
      {mb::No, TMsgResult::No},
      {mb::None, TMsgResult::NoToAll},
      {mb::Abort, TMsgResult::Abort},
      {mb::Retry, TMsgResult::Retry},
      {mb::Ignore, TMsgResult::Ignore},
      {mb::Cancel, TMsgResult::Cancel},
  }};
  for (const auto& [button, result] : Order) {
    if ((buttons & button) != 0)
      return result;
  }
  return TMsgResult::Ok;  // a box without buttons still has its Ok button on screen
}

}  // namespace tolvane::portable
