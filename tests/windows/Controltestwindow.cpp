#include "Controltestwindow.h"

#include "ui/Geometrywin.h"

namespace tolvane::ui::testing {

using uimodel::AnchorNode;
using uimodel::DockNode;
using uimodel::TAlign;
using uimodel::TAnchors;

TTestControls::TTestControls(TWindow& form)
    : Name(form, IdName),
      Digits(form, IdDigits, editstyle::DigitsOnly),
      Bold(form, IdBold, u"Bold Font"),
      Type(form, IdType, TComboKind::DropDownList),
      Font(form, IdFont, TComboKind::Editable),
      Notes(form, IdNotes, editstyle::Multiline),
      Tree(form, IdTree),
      List(form, IdList),
      Hue(form, IdHue),
      Code(form, IdCode, richstyle::NoWordWrap | richstyle::PlainText) {
  Digits.SetMaxLength(2);
}

TControl* TTestControls::ById(int id) {
  TControl* controls[] = {&Name, &Digits, &Bold, &Type, &Font, &Notes, &Tree, &List, &Hue, &Code};
  for (TControl* control : controls) {
    if (control->Id() == id)
      return control;
  }
  return nullptr;
}

TControlTestWindow::TControlTestWindow(const TRect& bounds) {
  TWindowClass windowClass;
  windowClass.Name = kClassName;
  TWindowParams creation;
  creation.Style = WS_POPUP | WS_CLIPCHILDREN;
  creation.Caption = L"Tolvane control test";
  creation.Bounds = bounds;
  Create(windowClass, creation);
  Hosted = std::make_unique<TTestControls>(*this);
  Arrange();
  ::ShowWindow(Hwnd, SW_SHOW);
}

TControlTestWindow::~TControlTestWindow() {
  Hosted.reset();
}

uimodel::TLayout TControlTestWindow::Layout() {
  const TAnchors leftRightTop{true, true, true, false};
  return {{1200, 780},
          {},
          {DockNode(IdToolbar, TAlign::Top, {0, 0, 1200, 126})
               .WithChildren({AnchorNode(IdName, {12, 12, 300, 52}), AnchorNode(IdDigits, {312, 12, 400, 52}),
                              AnchorNode(IdBold, {412, 12, 600, 52}), AnchorNode(IdType, {612, 12, 900, 52}),
                              AnchorNode(IdFont, {912, 12, 1188, 52}, leftRightTop),
                              AnchorNode(IdNotes, {12, 62, 1188, 120}, leftRightTop)}),
           DockNode(IdTree, TAlign::Left, {0, 0, 360, 0}).WithMargins({6, 0, 6, 6}),
           DockNode(IdHue, TAlign::Bottom, {0, 0, 0, 60}),
           DockNode(IdList, TAlign::Right, {0, 0, 480, 0}).WithMargins({6, 0, 6, 6}),
           DockNode(IdCode, TAlign::Client, {}).WithMinSize({120, 90})}};
}

void TControlTestWindow::Arrange() {
  if (!Hosted)
    return;
  const auto placements = uimodel::ArrangeLayout(Layout(), ClientBounds(Hwnd).Size(), Scale());
  for (const uimodel::TPlacement& placement : placements) {
    if (TControl* control = Hosted->ById(placement.Id); control != nullptr) {
      control->SetBounds(placement.InRoot);
      control->SetVisible(placement.Visible);
    }
  }
}

LRESULT TControlTestWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE) {
    Arrange();
    return 0;
  }
  if (message == WM_ERASEBKGND) {
    RECT client{};
    ::GetClientRect(Hwnd, &client);
    ::FillRect(reinterpret_cast<HDC>(wParam), &client, ::GetSysColorBrush(COLOR_BTNFACE));
    return 1;
  }
  return Default(message, wParam, lParam);
}

}  // namespace tolvane::ui::testing
