#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "Steps.h"
#include "platform/win32/Comptr.h"
#include "uimodel/Programmenu.h"
#include "uimodel/Uimessages.h"

// After Win.h (through Steps.h), so the COM headers see the same Windows configuration.
#include <oleacc.h>

namespace tolvane::e2e {
namespace {

using uimodel::TProbe;

// mingw-w64's liboleacc.a exports IID_IAccessible as an import thunk rather than the GUID itself.
constexpr IID kIIDAccessible = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

// The bar shows the program entry, "Texts" and "Solo"; "Texts" holds a clip, a folder and a clip.
constexpr const char* kMenu =
    "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TolvaneDataFile>\r\n<Name>Menus</Name>\r\n"
    "<Item Type=\"2\" Img=\"-1\"><Name>Texts</Name>\r\n"
    "  <Item Type=\"0\" Img=\"-1\"><Name>Greeting</Name><Code>Hello from the menu</Code></Item>\r\n"
    "  <Item Type=\"2\" Img=\"-1\"><Name>More</Name>\r\n"
    "    <Item Type=\"0\" Img=\"-1\"><Name>Deep</Name><Code>Deep text</Code></Item>\r\n"
    "  </Item>\r\n"
    "  <Item Type=\"0\" Img=\"-1\"><Name>Farewell</Name><Code>Goodbye</Code></Item>\r\n"
    "</Item>\r\n"
    "<Item Type=\"2\" Img=\"-1\"><Name>Solo</Name>\r\n"
    "  <Item Type=\"0\" Img=\"-1\"><Name>Only</Name><Code>only</Code></Item>\r\n"
    "</Item>\r\n"
    "</TolvaneDataFile>\r\n";

using TAccessible = win32::TComPtr<IAccessible>;

VARIANT ChildId(long id) {
  VARIANT child;
  ::VariantInit(&child);
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

std::wstring TakeText(HRESULT result, BSTR text) {
  std::wstring taken =
      SUCCEEDED(result) && text != nullptr ? std::wstring(text, ::SysStringLen(text)) : L"<none>";
  ::SysFreeString(text);
  return taken;
}

std::wstring Name(const TAccessible& object, long id) {
  BSTR text = nullptr;
  const HRESULT result = object->get_accName(ChildId(id), &text);
  return TakeText(result, text);
}

std::wstring DefaultAction(const TAccessible& object, long id) {
  BSTR text = nullptr;
  const HRESULT result = object->get_accDefaultAction(ChildId(id), &text);
  return TakeText(result, text);
}

// The role or state as a number; −1 when the call fails.
long NumberOf(HRESULT result, const VARIANT& value) {
  return SUCCEEDED(result) && value.vt == VT_I4 ? value.lVal : -1;
}

long Role(const TAccessible& object, long id) {
  VARIANT role;
  ::VariantInit(&role);
  return NumberOf(object->get_accRole(ChildId(id), &role), role);
}

long State(const TAccessible& object, long id) {
  VARIANT state;
  ::VariantInit(&state);
  return NumberOf(object->get_accState(ChildId(id), &state), state);
}

long FocusedChild(const TAccessible& object) {
  VARIANT focus;
  ::VariantInit(&focus);
  return NumberOf(object->get_accFocus(&focus), focus);
}

std::vector<std::wstring> ChildNames(const TAccessible& object) {
  long count = 0;
  std::vector<std::wstring> names;
  if (FAILED(object->get_accChildCount(&count)))
    return {L"<no count>"};
  for (long id = 1; id <= count; ++id)
    names.push_back(Name(object, id));
  return names;
}

RECT Location(const TAccessible& object, long id) {
  long left = 0;
  long top = 0;
  long width = 0;
  long height = 0;
  if (FAILED(object->accLocation(&left, &top, &width, &height, ChildId(id))))
    return RECT{};
  return RECT{left, top, left + width, top + height};
}

TAccessible AccessibleOf(HWND window) {
  TAccessible object;
  if (FAILED(::AccessibleObjectFromWindow(window, OBJID_CLIENT, kIIDAccessible, object.put())))
    object.reset();
  return object;
}

// The WinEvents of one process, as a screen reader receives them: out of context, through this thread's
// message queue (WaitUntil pumps it).
struct TWinEvent {
  DWORD Event = 0;
  HWND Window = nullptr;
  LONG Child = 0;
  bool operator==(const TWinEvent&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TWinEvent& event) {
  return out << "{" << event.Event << " " << event.Window << " " << event.Child << "}";
}

std::vector<TWinEvent> ReceivedEvents;

void CALLBACK RecordEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
  if (object == OBJID_CLIENT)
    ReceivedEvents.push_back(TWinEvent{event, window, child});
}

class TEventHooks {
 public:
  explicit TEventHooks(DWORD processId)
      : Menus(::SetWinEventHook(EVENT_SYSTEM_MENUSTART, EVENT_SYSTEM_MENUPOPUPEND, nullptr, &RecordEvent,
                                processId, 0, WINEVENT_OUTOFCONTEXT)),
        Focus(::SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, &RecordEvent, processId, 0,
                                WINEVENT_OUTOFCONTEXT)) {
    ReceivedEvents.clear();
  }
  TEventHooks(const TEventHooks&) = delete;
  TEventHooks& operator=(const TEventHooks&) = delete;
  ~TEventHooks() {
    ::UnhookWinEvent(Menus);
    ::UnhookWinEvent(Focus);
  }
  bool Installed() const { return Menus != nullptr && Focus != nullptr; }

 private:
  HWINEVENTHOOK Menus;
  HWINEVENTHOOK Focus;
};

// Waits until the events have arrived in this order since the last call (others may come between them), and
// forgets what came before the last of them.
::testing::AssertionResult EventsArrive(const std::vector<TWinEvent>& expected) {
  std::size_t matched = 0;
  std::size_t end = 0;
  const bool arrived = WaitUntil([&] {
    matched = 0;
    for (std::size_t i = 0; i < ReceivedEvents.size() && matched < expected.size(); ++i)
      if (ReceivedEvents[i] == expected[matched]) {
        ++matched;
        end = i + 1;
      }
    return matched == expected.size();
  });
  if (arrived) {
    ReceivedEvents.erase(ReceivedEvents.begin(), ReceivedEvents.begin() + static_cast<std::ptrdiff_t>(end));
    return ::testing::AssertionSuccess();
  }
  auto failure = ::testing::AssertionFailure();
  failure << "only " << matched << " of " << expected.size() << " events arrived in order; received:";
  for (const TWinEvent& event : ReceivedEvents)
    failure << " " << event;
  return failure;
}

std::vector<HWND> ShownPopups(DWORD processId) {
  std::vector<HWND> popups;
  for (HWND popup : ProcessWindows(processId, L"TFormMenu"))
    if (::IsWindowVisible(popup) != FALSE)
      popups.push_back(popup);
  std::sort(popups.begin(), popups.end(),
            [](HWND a, HWND b) { return WindowBounds(a).left < WindowBounds(b).left; });
  return popups;
}

class TAccessibilityTest : public TTolvaneTest {
 protected:
  void Open() {
    ASSERT_TRUE(Apartment.Usable());
    const auto menuFile = Folder.File(L"Menus.TvXml");
    WriteFile(menuFile, kMenu);
    Tolvane.emplace(Start(menuFile));
    Window = ReadyWindow(*Tolvane);
    ASSERT_NE(Window, nullptr) << "MenuReady never came";
    Panel = ::FindWindowExW(Window, nullptr, L"TPanelMainMenu", nullptr);
    ASSERT_NE(Panel, nullptr);
    ASSERT_TRUE(MoveMouse(POINT{4, ::GetSystemMetrics(SM_CYSCREEN) - 14}));
    ASSERT_TRUE(BarToFront());
  }

  bool BarToFront() const {
    ::SetForegroundWindow(Window);
    return WaitUntil([&] { return ::GetForegroundWindow() == Window; });
  }

  ::testing::AssertionResult Probed(TProbe query, LPARAM argument, LRESULT expected) const {
    LRESULT now = -1;
    if (WaitUntil([&] { return (now = Probe(Window, query, argument)) == expected; }))
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "probe " << static_cast<int>(query) << "(" << argument << ") is "
                                         << now << ", expected " << expected;
  }

  win32::TComApartment Apartment;
  std::optional<TChildProcess> Tolvane;
  HWND Window = nullptr;
  HWND Panel = nullptr;
};

constexpr long kSelf = CHILDID_SELF;
constexpr long kHot = STATE_SYSTEM_FOCUSED | STATE_SYSTEM_HOTTRACKED;

TEST_F(TAccessibilityTest, BarAndPopupsNameTheirItemsAndAnnounceTheHotOne) {
  ASSERT_NO_FATAL_FAILURE(Open());
  const TEventHooks hooks(Tolvane->Id());
  ASSERT_TRUE(hooks.Installed());

  const TAccessible bar = AccessibleOf(Panel);
  ASSERT_TRUE(bar) << "no accessible object for the bar";
  EXPECT_EQ(Role(bar, kSelf), ROLE_SYSTEM_MENUBAR);
  const std::u16string programCaption = uimodel::NewProgramItem()->Name.Str();
  const std::wstring program(programCaption.begin(), programCaption.end());
  EXPECT_EQ(ChildNames(bar), (std::vector<std::wstring>{program, L"Texts", L"Solo"}));
  for (long id = 1; id <= 3; ++id) {
    EXPECT_EQ(Role(bar, id), ROLE_SYSTEM_MENUITEM) << id;
    EXPECT_EQ(DefaultAction(bar, id), L"Open") << id;
    EXPECT_EQ(State(bar, id), STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_HASPOPUP) << id;
  }
  const LRESULT entry = Probe(Window, TProbe::EntryBounds, 1);
  const RECT texts = Location(bar, 2);
  EXPECT_EQ(texts.left, LOWORD(entry));
  EXPECT_EQ(texts.right, HIWORD(entry));
  const RECT panel = WindowBounds(Panel);
  EXPECT_EQ(texts.top, panel.top);
  EXPECT_EQ(texts.bottom, panel.bottom);

  // "Texts" by its key: menu mode starts on the bar, the entry takes the focus, its popup shows.
  PressKey(Panel, '2');
  ASSERT_TRUE(Probed(TProbe::PopupLevels, 0, 1));
  std::vector<HWND> popups = ShownPopups(Tolvane->Id());
  ASSERT_EQ(popups.size(), 1u);
  EXPECT_TRUE(EventsArrive({{EVENT_SYSTEM_MENUSTART, Panel, kSelf},
                            {EVENT_OBJECT_FOCUS, Panel, 2},
                            {EVENT_SYSTEM_MENUPOPUPSTART, popups[0], kSelf}}));
  EXPECT_EQ(State(bar, 2), STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_HASPOPUP | kHot);
  EXPECT_EQ(FocusedChild(bar), 2);

  const TAccessible popup = AccessibleOf(popups[0]);
  ASSERT_TRUE(popup) << "no accessible object for the popup";
  EXPECT_EQ(Role(popup, kSelf), ROLE_SYSTEM_MENUPOPUP);
  EXPECT_EQ(Name(popup, kSelf), L"Texts");
  EXPECT_EQ(ChildNames(popup), (std::vector<std::wstring>{L"Greeting", L"More", L"Farewell"}));
  EXPECT_EQ(Role(popup, 1), ROLE_SYSTEM_MENUITEM);
  EXPECT_EQ(DefaultAction(popup, 1), L"Execute");
  EXPECT_EQ(DefaultAction(popup, 2), L"Open");
  EXPECT_EQ(State(popup, 1), STATE_SYSTEM_FOCUSABLE);
  EXPECT_EQ(FocusedChild(popup), -1) << "no row is hot yet";

  // Down twice: the hot row moves to "More", announced before its sub-menu shows.
  PressKey(Panel, VK_DOWN);
  ASSERT_TRUE(Probed(TProbe::HotRow, 1, 0));
  EXPECT_TRUE(EventsArrive({{EVENT_OBJECT_FOCUS, popups[0], 1}}));
  PressKey(Panel, VK_DOWN);
  ASSERT_TRUE(Probed(TProbe::PopupLevels, 0, 2));
  popups = ShownPopups(Tolvane->Id());
  ASSERT_EQ(popups.size(), 2u);
  EXPECT_TRUE(
      EventsArrive({{EVENT_OBJECT_FOCUS, popups[0], 2}, {EVENT_SYSTEM_MENUPOPUPSTART, popups[1], kSelf}}));
  EXPECT_EQ(State(popup, 2), STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_HASPOPUP | kHot);
  EXPECT_EQ(State(popup, 1), STATE_SYSTEM_FOCUSABLE);
  EXPECT_EQ(FocusedChild(popup), 2);
  EXPECT_EQ(ChildNames(AccessibleOf(popups[1])), (std::vector<std::wstring>{L"Deep"}));

  // Hit testing and locations agree in screen pixels; navigation runs down the rows.
  const RECT farewell = Location(popup, 3);
  VARIANT hit;
  ::VariantInit(&hit);
  EXPECT_EQ(NumberOf(popup->accHitTest((farewell.left + farewell.right) / 2,
                                       (farewell.top + farewell.bottom) / 2, &hit),
                     hit),
            3);
  EXPECT_EQ(farewell.top, Location(popup, 2).bottom);
  VARIANT next;
  ::VariantInit(&next);
  EXPECT_EQ(NumberOf(popup->accNavigate(NAVDIR_DOWN, ChildId(2), &next), next), 3);

  // Esc: the popups end, then menu mode.
  PressKey(Panel, VK_ESCAPE);
  ASSERT_TRUE(Probed(TProbe::PopupLevels, 0, 0));
  EXPECT_TRUE(EventsArrive({{EVENT_SYSTEM_MENUPOPUPEND, popups[1], kSelf},
                            {EVENT_SYSTEM_MENUPOPUPEND, popups[0], kSelf},
                            {EVENT_SYSTEM_MENUEND, Panel, kSelf}}));
  long count = -1;
  EXPECT_TRUE(SUCCEEDED(popup->get_accChildCount(&count)));
  EXPECT_EQ(count, 0) << "a hidden popup shows no rows";
  EXPECT_EQ(State(popup, kSelf) & STATE_SYSTEM_INVISIBLE, STATE_SYSTEM_INVISIBLE);
  EXPECT_EQ(FocusedChild(bar), -1);

  // The default actions: an entry opens its popup, a row is picked and pastes into the window in front.
  const TTargetWindow target;
  ASSERT_TRUE(target.BringToFront());
  ASSERT_TRUE(WaitUntil([&] {
    return Probe(Window, TProbe::HistoryEntry, 0) == reinterpret_cast<LRESULT>(target.Handle());
  })) << "the target is not in the history";
  ASSERT_TRUE(BarToFront());
  EXPECT_EQ(bar->accDoDefaultAction(ChildId(2)), S_OK);
  ASSERT_TRUE(Probed(TProbe::PopupLevels, 0, 1));
  EXPECT_EQ(popup->accDoDefaultAction(ChildId(3)), S_OK);
  EXPECT_TRUE(WaitUntil([&] { return target.Text() == L"Goodbye"; })) << Narrow(target.Text());
  EXPECT_TRUE(Probed(TProbe::PopupLevels, 0, 0));
  EXPECT_TRUE(NoModifierDown());

  // Objects a client still holds when the program has gone fail instead of answering.
  CloseAndExpectCleanExit(*Tolvane, Window);
  EXPECT_TRUE(FAILED(popup->get_accChildCount(&count)));
  EXPECT_TRUE(FAILED(bar->get_accChildCount(&count)));
}

}  // namespace
}  // namespace tolvane::e2e
