#include <gtest/gtest.h>

#include <thread>

#include "platform/win32/Messagebox.h"

namespace tolvane::win32 {
namespace {

namespace button = platform::msgbutton;
using platform::TMsgKind;
using platform::TMsgResult;

TEST(MessageBoxStyle, ChoosesTheNearestButtonSet) {
  const struct {
    std::uint32_t Buttons;
    UINT Set;
  } cases[] = {{button::Ok, MB_OK},
               {0, MB_OK},
               {button::Ok | button::Cancel, MB_OKCANCEL},
               {button::Cancel, MB_OKCANCEL},
               {button::Yes | button::No, MB_YESNO},
               {button::Yes | button::No | button::Cancel, MB_YESNOCANCEL},
               {button::Yes | button::No | button::All | button::None, MB_YESNO},
               {button::Yes | button::All | button::No | button::Cancel, MB_YESNOCANCEL},
               {button::Yes | button::Ok, MB_YESNO},
               {button::Retry | button::Cancel, MB_RETRYCANCEL},
               {button::Abort | button::Retry | button::Ignore, MB_ABORTRETRYIGNORE},
               {button::Ok | button::Retry, MB_OK}};
  for (const auto& c : cases)
    EXPECT_EQ(MessageBoxStyle(TMsgKind::Information, c.Buttons) & MB_TYPEMASK, c.Set) << c.Buttons;
}

// Presses the box's No button from another thread, as a user would.
TEST(SystemMessageBox, ReturnsTheButtonThatWasPressed) {
  std::thread presser([] {
    for (int attempt = 0; attempt < 500; ++attempt) {
      if (const HWND box = ::FindWindowW(L"#32770", L"Tolvane question")) {
        ::PostMessageW(box, WM_COMMAND, IDNO, 0);
        return;
      }
      ::Sleep(20);
    }
  });
  platform::TMsgRequest request;
  request.Caption = u"Tolvane question";
  request.Text = u"Continue?";
  request.Kind = TMsgKind::Question;
  request.Buttons = button::Yes | button::No;
  const TMsgResult result = TMessageBox().Show(request);
  presser.join();
  EXPECT_EQ(result, TMsgResult::No);
}

}  // namespace
}  // namespace tolvane::win32
