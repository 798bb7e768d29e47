// A menu window's accessible object, in process: what it answers about its children, where they are on the
// screen, how a default action comes back to the window, and what a client holding it gets once the window
// has gone.

#include <gtest/gtest.h>

#include <vector>

#include "Testsupport.h"
#include "platform/win32/Comptr.h"
#include "ui/Menuaccessible.h"
#include "ui/Window.h"
#include "uimodel/Uimessages.h"

// After Win.h, so the COM headers see the same Windows configuration.
#include <oleacc.h>

namespace tolvane::ui {
namespace {

using win32::testing::PumpUntil;

constexpr IID kIIDAccessible = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

// A popup with two rows 20 pixels high under a frame of 2, the second one hot.
class TAccessibleWindow final : public TWindow, private IMenuAccessSource {
 public:
  TAccessibleWindow() {
    TWindowClass windowClass;
    windowClass.Name = L"TolvaneAccessibleProbe";
    TWindowParams params;
    params.Style = WS_POPUP | WS_VISIBLE;
    params.Bounds = TRect::Sized(60, 80, 200, 44);
    Create(windowClass, params);
  }
  ~TAccessibleWindow() override { Destroy(); }
  void Close() { Destroy(); }

  std::vector<WPARAM> Actions;

 private:
  uimodel::TMenuAccessView AccessView() const override {
    uimodel::TMenuAccessView view;
    view.Role = uimodel::TAccessRole::MenuPopup;
    view.Name = u"Texts";
    view.Children.push_back(
        {u"Greeting", u"", uimodel::AccessActionExecute, uimodel::AccessFocusable, TRect{2, 2, 198, 22}});
    view.Children.push_back({u"More", u"", uimodel::AccessActionOpen,
                             uimodel::AccessFocusable | uimodel::AccessHasPopup | uimodel::AccessFocused,
                             TRect{2, 22, 198, 42}});
    return view;
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    LRESULT answer = 0;
    if (message == WM_GETOBJECT && Access.GetObject(Hwnd, wParam, lParam, answer))
      return answer;
    if (message == WM_DESTROY)
      Access.Disconnect();
    if (message == uimodel::UM_ACCESS_ACTION)
      Actions.push_back(wParam);
    return Default(message, wParam, lParam);
  }

  TMenuAccessHost Access{*this, uimodel::TAccessRole::MenuPopup};
};

VARIANT Id(long id) {
  VARIANT child;
  ::VariantInit(&child);
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

TEST(MenuAccessibleTest, AnswersInScreenPixelsPostsDefaultActionsAndFailsOnceTheWindowHasGone) {
  const win32::TComApartment apartment;
  ASSERT_TRUE(apartment.Usable());
  TAccessibleWindow window;
  win32::TComPtr<IAccessible> object;
  ASSERT_EQ(::AccessibleObjectFromWindow(window.Handle(), OBJID_CLIENT, kIIDAccessible, object.put()), S_OK);

  long count = 0;
  EXPECT_EQ(object->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 2);
  IDispatch* child = reinterpret_cast<IDispatch*>(1);
  EXPECT_EQ(object->get_accChild(Id(1), &child), S_FALSE) << "rows are simple children";
  EXPECT_EQ(child, nullptr);
  VARIANT wrong;
  ::VariantInit(&wrong);
  wrong.vt = VT_BSTR;
  wrong.bstrVal = nullptr;
  BSTR name = nullptr;
  EXPECT_EQ(object->get_accName(Id(3), &name), E_INVALIDARG);
  EXPECT_EQ(object->get_accName(wrong, &name), E_INVALIDARG);
  EXPECT_EQ(name, nullptr);
  win32::TComPtr<IDispatch> parent;
  EXPECT_EQ(object->get_accParent(reinterpret_cast<IDispatch**>(parent.put())), S_OK);
  EXPECT_TRUE(parent) << "the window object is the parent";

  // The window's client area starts at (60, 80): its rows are on the screen there.
  long left = 0;
  long top = 0;
  long width = 0;
  long height = 0;
  EXPECT_EQ(object->accLocation(&left, &top, &width, &height, Id(2)), S_OK);
  EXPECT_EQ((std::vector<long>{left, top, width, height}), (std::vector<long>{62, 102, 196, 20}));
  VARIANT hit;
  ::VariantInit(&hit);
  EXPECT_EQ(object->accHitTest(100, 110, &hit), S_OK);
  EXPECT_EQ(hit.vt, VT_I4);
  EXPECT_EQ(hit.lVal, 2);
  EXPECT_EQ(object->accHitTest(100, 81, &hit), S_OK);
  EXPECT_EQ(hit.lVal, CHILDID_SELF) << "the frame belongs to the window";
  EXPECT_EQ(object->accHitTest(10, 10, &hit), S_FALSE);
  EXPECT_EQ(hit.vt, VT_EMPTY);
  VARIANT state;
  ::VariantInit(&state);
  EXPECT_EQ(object->get_accState(Id(2), &state), S_OK);
  EXPECT_EQ(state.lVal, STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_HASPOPUP | STATE_SYSTEM_FOCUSED);

  // The action comes back as a message once the call has returned, with the row's index.
  EXPECT_EQ(object->accDoDefaultAction(Id(2)), S_OK);
  EXPECT_TRUE(window.Actions.empty()) << "the action ran inside the client's call";
  EXPECT_TRUE(PumpUntil([&] { return !window.Actions.empty(); }));
  EXPECT_EQ(window.Actions, (std::vector<WPARAM>{1}));
  EXPECT_EQ(object->accDoDefaultAction(Id(CHILDID_SELF)), DISP_E_MEMBERNOTFOUND);

  window.Close();
  EXPECT_EQ(object->get_accChildCount(&count), RPC_E_DISCONNECTED);
  EXPECT_EQ(object->get_accName(Id(1), &name), RPC_E_DISCONNECTED);
  EXPECT_EQ(object->accDoDefaultAction(Id(1)), RPC_E_DISCONNECTED);
}

}  // namespace
}  // namespace tolvane::ui
