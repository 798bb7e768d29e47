#include "platform/win32/Messagebox.h"

#include <string>

namespace tolvane::win32 {

namespace {

namespace button = platform::msgbutton;

bool HasAny(std::uint32_t buttons, std::uint32_t wanted) {
  return (buttons & wanted) != 0;
}

UINT ButtonSet(std::uint32_t buttons) {
  // "Yes to all" and "No to all" have no place in the system's box; plain Yes and No stand in for them.
  if (HasAny(buttons, button::Yes | button::No | button::All | button::None))
    return HasAny(buttons, button::Cancel) ? MB_YESNOCANCEL : MB_YESNO;
  if (HasAny(buttons, button::Ok))
    return HasAny(buttons, button::Cancel) ? MB_OKCANCEL : MB_OK;
  if (HasAny(buttons, button::Abort | button::Ignore))
    return MB_ABORTRETRYIGNORE;
  if (HasAny(buttons, button::Retry))
    return MB_RETRYCANCEL;
  return HasAny(buttons, button::Cancel) ? MB_OKCANCEL : MB_OK;
}

UINT Icon(platform::TMsgKind kind) {
  switch (kind) {
    case platform::TMsgKind::Question:
      return MB_ICONQUESTION;
    case platform::TMsgKind::Exclamation:
      return MB_ICONWARNING;
    case platform::TMsgKind::Error:
      return MB_ICONERROR;
    case platform::TMsgKind::Information:
      break;
  }
  return MB_ICONINFORMATION;
}

}  // namespace

UINT MessageBoxStyle(platform::TMsgKind kind, std::uint32_t buttons) {
  return ButtonSet(buttons) | Icon(kind);
}

platform::TMsgResult MessageBoxResult(int answer) {
  switch (answer) {
    case IDOK:
      return platform::TMsgResult::Ok;
    case IDCANCEL:
      return platform::TMsgResult::Cancel;
    case IDYES:
      return platform::TMsgResult::Yes;
    case IDNO:
      return platform::TMsgResult::No;
    case IDABORT:
      return platform::TMsgResult::Abort;
    case IDRETRY:
      return platform::TMsgResult::Retry;
    case IDIGNORE:
      return platform::TMsgResult::Ignore;
    default:
      return platform::TMsgResult::None;
  }
}

platform::TMsgResult TMessageBox::Show(const platform::TMsgRequest& request) {
  const auto owner = reinterpret_cast<HWND>(request.Owner);
  // Without an owner the box still disables the thread's other windows, as a modal box should.
  const UINT modality = owner == nullptr ? MB_TASKMODAL : MB_APPLMODAL;
  const std::wstring text = Wide(request.Text);
  const std::wstring caption = Wide(request.Caption);
  const int answer = ::MessageBoxW(owner, text.c_str(), caption.c_str(),
                                   MessageBoxStyle(request.Kind, request.Buttons) | modality);
  return MessageBoxResult(answer);
}

}  // namespace tolvane::win32
