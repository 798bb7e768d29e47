#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "Testsupport.h"
#include "platform/win32/Locale.h"
#include "platform/win32/Systemcolors.h"
#include "ui/Geometrywin.h"
#include "ui/Qxbutton.h"
#include "ui/Qxmsgbx.h"
#include "ui/Qxmsgbxservice.h"
#include "ui/Uihandles.h"

namespace tolvane::ui {
namespace {

namespace button = platform::msgbutton;
using platform::TMsgKind;
using platform::TMsgResult;
using win32::testing::ClickAt;
using win32::testing::PressKeys;

platform::ISystemColors& Colors() {
  static win32::TSystemColors colors;
  return colors;
}

// The system's locale with a country code of the test's choosing.
class TCountryLocale final : public platform::ILocale {
 public:
  explicit TCountryLocale(int country) : Country(country) {}
  int Compare(std::u16string_view a, std::u16string_view b, bool ignoreCase,
              platform::TLocaleScope scope) override {
    return System.Compare(a, b, ignoreCase, scope);
  }
  std::u16string LowerCase(std::u16string_view text, platform::TLocaleScope scope) override {
    return System.LowerCase(text, scope);
  }
  std::u16string UpperCase(std::u16string_view text, platform::TLocaleScope scope) override {
    return System.UpperCase(text, scope);
  }
  char16_t UpperChar(char16_t c) override { return System.UpperChar(c); }
  std::u16string DayName(int day, bool abbreviated) override { return System.DayName(day, abbreviated); }
  std::u16string MonthName(int month, bool abbreviated) override {
    return System.MonthName(month, abbreviated);
  }
  std::u16string Format(platform::TDateTimeFormat format) override { return System.Format(format); }
  std::u16string DateSeparator() override { return System.DateSeparator(); }
  std::u16string TimeSeparator() override { return System.TimeSeparator(); }
  std::u16string AmDesignator() override { return System.AmDesignator(); }
  std::u16string PmDesignator() override { return System.PmDesignator(); }
  int CountryCode() override { return Country; }

 private:
  win32::TLocale System;
  int Country;
};

std::u16string WindowText(HWND window) {
  wchar_t text[256] = {};
  ::GetWindowTextW(window, text, 256);
  return win32::Narrow16(text);
}

std::vector<HWND> Children(HWND parent, bool visibleOnly) {
  std::vector<HWND> children;
  for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (!visibleOnly || ::IsWindowVisible(child) != FALSE)
      children.push_back(child);
  }
  return children;
}

HWND ChildWithText(HWND parent, std::u16string_view text) {
  for (const HWND child : Children(parent, false)) {
    if (WindowText(child) == text)
      return child;
  }
  return nullptr;
}

RECT ScreenRect(HWND window) {
  RECT bounds{};
  ::GetWindowRect(window, &bounds);
  return bounds;
}

SIZE ClientSize(HWND window) {
  RECT client{};
  ::GetClientRect(window, &client);
  return SIZE{client.right, client.bottom};
}

// Runs steps against the thread's message box from inside its modal loop, one step per timer tick, once the
// box has been up long enough for the pointer to move and Timer1 to tick. A box still open long after the
// last step is closed, so that a broken test fails instead of hanging.
class TBoxDriver {
 public:
  using TStep = std::function<bool(HWND box)>;  // true: done, go on with the next step

  explicit TBoxDriver(std::vector<TStep> steps) : Steps(std::move(steps)) {
    Current = this;
    Timer = ::SetTimer(nullptr, 0, 20, &TBoxDriver::Tick);
  }
  TBoxDriver(const TBoxDriver&) = delete;
  TBoxDriver& operator=(const TBoxDriver&) = delete;
  ~TBoxDriver() {
    ::KillTimer(nullptr, Timer);
    Current = nullptr;
    EXPECT_EQ(Next, Steps.size()) << "the box closed before all steps ran";
  }

 private:
  static constexpr ULONGLONG kSettleMs = 250;
  static constexpr ULONGLONG kGiveUpMs = 5000;

  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (Current != nullptr)
      Current->Run();
  }

  static HWND FindBox() {
    HWND found = nullptr;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM result) -> BOOL {
          wchar_t name[64] = {};
          ::GetClassNameW(window, name, 64);
          if (std::wstring_view(name) != TQxMsgBox::kClassName || ::IsWindowVisible(window) == FALSE)
            return TRUE;
          *reinterpret_cast<HWND*>(result) = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
  }

  void Run() {
    const HWND box = FindBox();
    if (box == nullptr)
      return;
    const ULONGLONG now = ::GetTickCount64();
    if (FirstSeen == 0)
      FirstSeen = now;
    if (now - FirstSeen < kSettleMs)
      return;
    if (Next < Steps.size()) {
      if (Steps[Next](box))
        ++Next;
    } else if (now - FirstSeen > kGiveUpMs) {
      ::PostMessageW(box, WM_CLOSE, 0, 0);
    }
  }

  static inline TBoxDriver* Current = nullptr;
  std::vector<TStep> Steps;
  std::size_t Next = 0;
  ULONGLONG FirstSeen = 0;
  UINT_PTR Timer = 0;
};

TBoxDriver::TStep Keys(std::vector<WORD> keys, bool alt = false) {
  return [keys = std::move(keys), alt](HWND) {
    PressKeys(keys, alt);
    return true;
  };
}

TEST(QxButton, AcceleratorIsTheLetterAfterTheAmpersand) {
  const win32::testing::TTestWindow window(win32::testing::TTestWindow::TVisibility::Hidden);
  win32::TSystemColors colors;
  TQxButton button(window.Handle(), 1, u"", colors);
  const struct {
    std::u16string_view Caption;
    char16_t Accelerator;
  } cases[] = {{u"&Ok", u'O'}, {u"Af&bryd", u'B'}, {u"A&&B", 0},      {u"A&&B&c", u'C'},
               {u"None", 0},   {u"End&", 0},       {u"&ønske", u'Ø'}, {u"An&uller", u'U'}};
  for (const auto& c : cases) {
    button.setCaption(c.Caption);
    EXPECT_EQ(button.Accelerator(), c.Accelerator) << std::string(c.Caption.begin(), c.Caption.end());
  }
}

TEST(QxButton, ClicksOnlyWhenReleasedOverItAndEnabled) {
  win32::testing::TTestWindow window;
  win32::TSystemColors colors;
  TQxButton button(window.Handle(), 7, u"&Go", colors);
  button.SetBounds(10, 10, 100, 30);
  button.setVisible(true);
  int clicks = 0;
  button.OnClick = [&clicks] { ++clicks; };
  const HWND handle = button.Handle();
  const auto mouse = [handle](UINT message, int x, int y) {
    ::SendMessageW(handle, message, 0, MAKELPARAM(x, y));
  };
  // Settle activation and focus first, with the real pointer away from the window: a focus or capture change
  // arriving from outside in the middle of the sequence would cancel a press.
  ::SetCursorPos(0, 0);
  ASSERT_TRUE(window.BringToFront());
  ::SetFocus(handle);
  ASSERT_TRUE(win32::testing::PumpUntil([handle] { return ::GetFocus() == handle; }));
  win32::testing::PumpUntil([] { return false; }, 100);

  mouse(WM_MOUSEMOVE, 5, 5);
  EXPECT_TRUE(button.Hot()) << "pointer over the button";
  mouse(WM_LBUTTONDOWN, 5, 5);
  EXPECT_TRUE(button.Pressed()) << "mouse down";
  mouse(WM_LBUTTONUP, 5, 5);
  EXPECT_FALSE(button.Pressed()) << "mouse up";
  EXPECT_EQ(clicks, 1) << "released over it";

  mouse(WM_LBUTTONDOWN, 5, 5);
  mouse(WM_MOUSEMOVE, 150, 5);
  EXPECT_FALSE(button.Pressed()) << "pressed look while the pointer is off the button";
  mouse(WM_LBUTTONUP, 150, 5);
  EXPECT_EQ(clicks, 1) << "released outside";

  ::SendMessageW(handle, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(clicks, 1) << "Space clicks on release";
  ::SendMessageW(handle, WM_KEYUP, VK_SPACE, 0);
  ::SendMessageW(handle, WM_KEYDOWN, VK_RETURN, 0);
  ::SendMessageW(handle, BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 4) << "Space up, Enter down and BM_CLICK each click once";

  button.setEnabled(false);
  mouse(WM_LBUTTONDOWN, 5, 5);
  mouse(WM_LBUTTONUP, 5, 5);
  ::SendMessageW(handle, BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 4) << "disabled";
}

TEST(QxMsgBox, QuestionBoxMakesYesTheDefaultAndPutsThePointerOnIt) {
  TCountryLocale locale(1);
  win32::TSystemColors colors;
  TQxMsgBoxService service(locale, colors);
  RECT boundsAtStart{};
  const TBoxDriver driver({[&](HWND box) {
                             const HWND yes = ChildWithText(box, u"&Yes");
                             const HWND no = ChildWithText(box, u"&No");
                             EXPECT_NE(yes, nullptr);
                             EXPECT_EQ(Children(box, true).size(), 2u) << "only Yes and No are shown";
                             EXPECT_EQ(::GetFocus(), yes);
                             EXPECT_NE(::SendMessageW(yes, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON, 0);
                             EXPECT_EQ(::SendMessageW(no, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON, 0);
                             const RECT button = ScreenRect(yes);
                             POINT cursor{};
                             ::GetCursorPos(&cursor);
                             EXPECT_EQ(cursor.x, (button.left + button.right) / 2);
                             EXPECT_EQ(cursor.y, (button.top + button.bottom) / 2);
                             EXPECT_NE(::GetWindowLongPtrW(box, GWL_EXSTYLE) & WS_EX_TOPMOST, 0)
                                 << "Timer1 ticked";
                             boundsAtStart = ScreenRect(box);
                             return true;
                           },
                           [&](HWND box) {
                             const RECT now = ScreenRect(box);
                             EXPECT_TRUE(::EqualRect(&now, &boundsAtStart) != FALSE)
                                 << "Timer1 moved the box";
                             EXPECT_EQ(::GetForegroundWindow(), box);
                             PressKeys({VK_RETURN});
                             return true;
                           }});
  EXPECT_TRUE(QuestionBox(service, u"Tolvane question", u"Delete the item?"));
}

TEST(QxMsgBox, ChoosesButtonsByKeyboard) {
  const struct {
    const char* Name;
    std::uint32_t Buttons;
    std::vector<WORD> Keys;
    bool Alt;
    TMsgResult Expected;
  } cases[] = {
      {"Tab, Enter", button::Yes | button::No, {VK_TAB, VK_RETURN}, false, TMsgResult::No},
      {"Right, Space", button::Yes | button::No, {VK_RIGHT, VK_SPACE}, false, TMsgResult::No},
      {"Left wraps around", button::Ok | button::Cancel, {VK_LEFT, VK_RETURN}, false, TMsgResult::Cancel},
      {"letter", button::Yes | button::No, {'N'}, false, TMsgResult::No},
      {"Alt+letter", button::Abort | button::Retry | button::Ignore, {'I'}, true, TMsgResult::Ignore},
      {"Esc with Cancel", button::Ok | button::Cancel, {VK_ESCAPE}, false, TMsgResult::Cancel},
      {"Esc with Ok only", button::Ok, {VK_ESCAPE}, false, TMsgResult::Ok},
      {"Esc without either", button::Yes | button::No, {VK_ESCAPE}, false, TMsgResult::Cancel}};
  TCountryLocale locale(1);
  for (const auto& c : cases) {
    TQxMsgBox box(nullptr, locale, Colors());
    box.setCaption(u"Keyboard");
    box.setText(u"Which one?");
    for (const TMsgButtonInfo& info : kMsgButtons) {
      if ((c.Buttons & info.Button) != 0)
        box.AddButton(info.Button);
    }
    const TBoxDriver driver({Keys(c.Keys, c.Alt)});
    EXPECT_EQ(box.ShowModal(), c.Expected) << c.Name;
  }
}

TEST(QxMsgBox, ButtonsNamedForWhatTheyDoAnswerToTheirOwnAccessKeys) {
  const struct {
    const char* Name;
    std::vector<WORD> Keys;
    TMsgResult Expected;
  } cases[] = {{"O", {'O'}, TMsgResult::No},
               {"R", {'R'}, TMsgResult::Retry},
               {"A", {'A'}, TMsgResult::Yes},
               {"N, the usual word's key, then Esc", {'N', VK_ESCAPE}, TMsgResult::Cancel}};
  TCountryLocale locale(1);
  for (const auto& c : cases) {
    TQxMsgBox box(nullptr, locale, Colors());
    box.setCaption(u"Choice");
    box.setText(u"Which one?");
    for (const std::uint32_t added : {button::Yes, button::No, button::Retry, button::Cancel})
      box.AddButton(added);
    box.setButtonCaption(button::Yes, u"Save &As...");
    box.setButtonCaption(button::No, u"&Overwrite");
    box.setButtonCaption(button::Retry, u"&Reload");
    std::vector<std::u16string> captions;
    for (const HWND child : Children(box.Handle(), false))
      captions.push_back(WindowText(child));
    EXPECT_THAT(captions, ::testing::IsSupersetOf({u"Save &As...", u"&Overwrite", u"&Reload", u"&Cancel"}));
    const TBoxDriver driver({Keys(c.Keys)});
    EXPECT_EQ(box.ShowModal(), c.Expected) << c.Name;
  }
}

// The captions of all buttons and the check box, sorted.
std::vector<std::u16string> Captions(platform::ILocale& locale) {
  TQxMsgBox box(nullptr, locale, Colors());
  std::vector<std::u16string> captions;
  for (const HWND child : Children(box.Handle(), false))
    captions.push_back(WindowText(child));
  std::sort(captions.begin(), captions.end());
  return captions;
}

TEST(QxMsgBox, ShowsDanishCaptionsForCountryCode45) {
  const auto sorted = [](std::vector<std::u16string> texts) {
    std::sort(texts.begin(), texts.end());
    return texts;
  };
  TCountryLocale danish(45);
  EXPECT_EQ(Captions(danish), sorted({u"&Ja", u"&Alle Ja", u"&Nej", u"A&lle Nej", u"&Ok", u"Af&bryd",
                                      u"&Gentag", u"&Ignorer", u"An&uller", u"Vis ikke dette igen"}));
  const std::vector<std::u16string> english =
      sorted({u"&Yes", u"&All Yes", u"&No", u"A&ll No", u"&Ok", u"A&bort", u"&Retry", u"&Ignore", u"&Cancel",
              u"Don't show this again"});
  TCountryLocale american(1);
  EXPECT_EQ(Captions(american), english);
  TCountryLocale norwegian(47);
  EXPECT_EQ(Captions(norwegian), english);
}

// Meaningful when Wine runs with a Danish environment (LC_ALL=da_DK.UTF-8), which it reports as country 45.
TEST(QxMsgBox, UsesTheDanishCaptionsOfADanishUserLocale) {
  win32::TLocale system;
  if (system.CountryCode() != uimodel::kDanishCountryCode)
    GTEST_SKIP() << "the user locale's country code is " << system.CountryCode();
  win32::TSystemColors colors;
  TQxMsgBoxService service(system, colors);
  const TBoxDriver driver({[](HWND box) {
    EXPECT_NE(ChildWithText(box, u"&Ja"), nullptr);
    EXPECT_NE(ChildWithText(box, u"&Nej"), nullptr);
    PressKeys({'N'});
    return true;
  }});
  EXPECT_FALSE(QuestionBox(service, u"Spørgsmål", u"Slet punktet?"));
}

// Moved to a monitor of twice the pixels per inch, the box lays itself out again at the new scale.
TEST(QxMsgBox, RefitsAtTheScaleOfANewMonitor) {
  TCountryLocale locale(1);
  TQxMsgBox box(nullptr, locale, Colors());
  box.setText(u"Scaled.");
  box.AddButton(button::Ok);
  int widthBefore = 0;
  uimodel::TScale scaleBefore;
  const TBoxDriver driver({[&](HWND window) {
    widthBefore = box.Geometry().ClientWidth;
    scaleBefore = box.Scale();
    RECT suggested = ScreenRect(window);
    (void)::SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(box.Scale().Ppi(), 192);
    EXPECT_EQ(box.Geometry().ClientWidth, uimodel::TScale(192)(630));
    EXPECT_EQ(ClientSize(window).cx, box.Geometry().ClientWidth);
    PressKeys({VK_RETURN});
    return true;
  }});
  EXPECT_EQ(box.ShowModal(), TMsgResult::Ok);
  EXPECT_EQ(widthBefore, scaleBefore(630));
}

TEST(QxMsgBox, WidensForALongLineInsteadOfWrapping) {
  TCountryLocale locale(1);
  TQxMsgBox box(nullptr, locale, Colors());
  box.setText(u"Short.");
  box.AddButton(button::Ok);
  const std::u16string longLine(70, u'W');
  SIZE shortSize{};
  SIZE longSize{};
  const TBoxDriver driver({[&](HWND window) {
                             shortSize = ClientSize(window);
                             box.setText(longLine);
                             return true;
                           },
                           [&](HWND window) {
                             longSize = ClientSize(window);
                             const RECT bounds = ScreenRect(window);
                             EXPECT_GE(bounds.left, 0);
                             PressKeys({VK_RETURN});
                             return true;
                           }});
  EXPECT_EQ(box.ShowModal(), TMsgResult::Ok);
  EXPECT_GT(longSize.cx, shortSize.cx + 200);
  EXPECT_EQ(longSize.cy, shortSize.cy) << "a wrapped line would have made the box taller";
  EXPECT_EQ(box.Geometry().TextWrapWidth, 0);
}

TEST(QxMsgBox, StaysInsideTheWorkAreaNearTheScreenCorner) {
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const win32::testing::TTestWindow owner;
  ::SetWindowPos(owner.Handle(), nullptr, work.right - 150, work.bottom - 100, 400, 300,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  TCountryLocale locale(1);
  TQxMsgBox box(owner.Edit(), locale, Colors());  // a control's form is the owner
  box.setText(u"In the corner.");
  RECT bounds{};
  const TBoxDriver driver({[&](HWND window) {
    bounds = ScreenRect(window);
    EXPECT_FALSE(::IsWindowEnabled(owner.Handle())) << "the owner is disabled while the box is up";
    PressKeys({VK_RETURN});
    return true;
  }});
  EXPECT_EQ(box.ShowModal(), TMsgResult::Ok);
  EXPECT_EQ(bounds.right, work.right);
  EXPECT_EQ(bounds.bottom, work.bottom);
  EXPECT_GE(bounds.left, work.left);
  EXPECT_GE(bounds.top, work.top);
  EXPECT_TRUE(::IsWindowEnabled(owner.Handle()));
}

TEST(QxMsgBox, PositioningHandlerReplacesThePlacement) {
  TCountryLocale locale(1);
  TQxMsgBox box(nullptr, locale, Colors());
  int calls = 0;
  box.OnPosition = [&calls](HWND window) {
    ++calls;
    ::SetWindowPos(window, nullptr, -40, -30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  };
  RECT bounds{};
  const TBoxDriver driver({[&](HWND window) {
    bounds = ScreenRect(window);
    PressKeys({VK_RETURN});
    return true;
  }});
  EXPECT_EQ(box.ShowModal(), TMsgResult::Ok);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(bounds.left, -40) << "moved into the work area although a handler placed it";
  EXPECT_EQ(bounds.top, -30);
}

TEST(QxMsgBox, CheckBoxPanelIsHiddenUntilShownAndItsLabelTogglesIt) {
  TCountryLocale locale(1);
  TQxMsgBox box(nullptr, locale, Colors());
  box.setText(u"Copied.");
  const HWND checkBox = ChildWithText(box.Handle(), u"Don't show this again");
  ASSERT_NE(checkBox, nullptr);
  box.setCheckBoxVisible(true);
  const TBoxDriver driver(
      {[&](HWND) {
         EXPECT_TRUE(::IsWindowVisible(checkBox));
         const RECT label = ScreenRect(checkBox);
         ClickAt(POINT{label.left + (label.right - label.left) / 3, (label.top + label.bottom) / 2});
         return true;
       },
       [&](HWND) {
         if (!box.CheckBoxChecked())
           return false;
         PressKeys({VK_RETURN});  // the focus is on the check box: the default button
         return true;
       }});
  EXPECT_EQ(box.ShowModal(), TMsgResult::Ok);
  EXPECT_TRUE(box.CheckBoxChecked()) << "the state is kept after the window has gone";
  EXPECT_EQ(box.Handle(), nullptr);
}

// Every pixel that differs from the background lies in the image's square, centred in the image box.
TEST(QxMsgBox, DrawsTheImageOfEachKindCentred) {
  TCountryLocale locale(1);
  for (const TMsgKind kind :
       {TMsgKind::Question, TMsgKind::Exclamation, TMsgKind::Error, TMsgKind::Information}) {
    TQxMsgBox box(nullptr, locale, Colors());
    box.setKind(kind);
    box.setText(u"Kind");
    int inside = 0;
    int outside = 0;
    const TBoxDriver driver({[&](HWND window) {
      const RECT image = ToRECT(box.Geometry().ImageBox);
      const int side = box.Scale()(48);
      const int left = image.left + (image.right - image.left - side) / 2;
      const int top = image.top + (image.bottom - image.top - side) / 2;
      const TWindowDc dc(window);
      for (int y = image.top; y < image.bottom; ++y) {
        for (int x = image.left; x < image.right; ++x) {
          if (::GetPixel(dc.get(), x, y) == ::GetSysColor(COLOR_WINDOW))
            continue;
          const bool inSquare = x >= left && x < left + side && y >= top && y < top + side;
          ++(inSquare ? inside : outside);
        }
      }
      PressKeys({VK_RETURN});
      return true;
    }});
    EXPECT_EQ(box.ShowModal(), TMsgResult::Ok);
    EXPECT_GT(inside, 100) << static_cast<int>(kind);
    EXPECT_EQ(outside, 0) << static_cast<int>(kind);
  }
}

}  // namespace
}  // namespace tolvane::ui
