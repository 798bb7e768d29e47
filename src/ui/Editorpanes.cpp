#include "ui/Editorpanes.h"

#include <algorithm>

#include "platform/win32/Handles.h"
#include "ui/Geometrywin.h"
#include "ui/Uihandles.h"

namespace tolvane::ui {

TPane::~TPane() {
  Destroy();
}

void TPane::CreateIn(HWND parent, const wchar_t* name) {
  TWindowClass windowClass;
  windowClass.Name = kClassName;
  TWindowParams params;
  params.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  params.Caption = name;
  params.Parent = parent;
  Create(windowClass, params);
}

void TPane::setColor(graphics::TColor color) {
  Color = color;
  if (Hwnd != nullptr)
    ::InvalidateRect(Hwnd, nullptr, FALSE);
}

LRESULT TPane::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_SIZE:
      if (OnSize)
        OnSize();
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

void TPane::Paint() {
  const TPaintDc paint(Hwnd);
  RECT client{};
  ::GetClientRect(Hwnd, &client);
  const win32::unique_hbrush brush(::CreateSolidBrush(Color));
  ::FillRect(paint.get(), &client, brush.get());
}

void TEditorPanes::CreateIn(HWND parent) {
  Tools.CreateIn(parent, L"PnlToolButtons");
  Tree.CreateIn(parent, L"PnlLeft");
  Splitter.CreateIn(parent);
  Edit.CreateIn(parent, L"PnlRight");
  Splitter.OnDrag = [this](int distance) {
    if (OnTreeWidth)
      OnTreeWidth(DragStartWidth + distance);
  };
}

namespace {

struct TToolButton {
  uimodel::TMainAction Action;  // None: a gap
  int Glyph;
};

using A = uimodel::TMainAction;
constexpr TToolButton kToolButtons[] = {
    {A::NewFile, 0},  {A::OpenFile, 3},     {A::AppendFile, 16},       {A::ReloadFile, 1},
    {A::SaveMenu, 2}, {A::SaveMenuAs, 6},   {A::SaveBranchToFile, 17}, {A::Search, 18},
    {A::None, -1},    {A::InsertBefore, 8}, {A::InsertAsSubMenu, 11},  {A::InsertAfter, 9},
    {A::None, -1},    {A::DeleteItem, 14},
};

}  // namespace

void TEditorPanes::CreateToolButtons(platform::ISystemColors& systemColors,
                                     const graphics::TGlyphList* glyphs,
                                     const std::function<void(uimodel::TMainAction)>& run) {
  int gaps = 0;
  int id = 1;
  for (const TToolButton& entry : kToolButtons) {
    if (entry.Action == A::None) {
      ++gaps;
      continue;
    }
    auto button = std::make_unique<TGlyBut>(Tools.Handle(), id++, TGlyph::Image, systemColors);
    button->SetImage(glyphs, entry.Glyph);
    button->SetGradient(::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNFACE));
    const uimodel::TMainActionInfo& info = uimodel::ActionInfo(entry.Action);
    const std::wstring caption(info.Caption.begin(), info.Caption.end());
    ::SetWindowTextW(button->Handle(), caption.c_str());
    button->OnClick = [run, action = entry.Action] { run(action); };
    button->SetVisible(true);
    ToolButtons.push_back(std::move(button));
    ToolButtonGaps.push_back(gaps);
    ToolButtonActions.push_back(entry.Action);
  }
}

void TEditorPanes::SetActionEnabled(uimodel::TMainAction action, bool enabled) {
  for (std::size_t i = 0; i < ToolButtons.size(); ++i) {
    if (ToolButtonActions[i] == action)
      ToolButtons[i]->SetEnabled(enabled);
  }
}

void TEditorPanes::setColors(graphics::TColor window, graphics::TColor toolColumn,
                             graphics::TColor splitter) {
  Tools.setColor(toolColumn);
  Tree.setColor(window);
  Edit.setColor(window);
  Splitter.setColor(splitter);
}

void TEditorPanes::Arrange(const TRect& client, int treeWidth, const uimodel::TScale& scale) {
  const int tools = scale(ToolColumnWidth);
  const int splitter = scale(SplitterWidth);
  const int minSide = scale(MinSideWidth);
  const int room = client.Width() - tools - splitter;
  TreeWidth = std::clamp(treeWidth, std::min(minSide, room / 2), std::max(room - minSide, room / 2));
  if (::GetCapture() != Splitter.Handle())
    DragStartWidth = TreeWidth;
  const int treeRight = client.Left + tools + TreeWidth;
  SetBounds(Tools.Handle(), TRect{client.Left, client.Top, client.Left + tools, client.Bottom});
  SetBounds(Tree.Handle(), TRect{client.Left + tools, client.Top, treeRight, client.Bottom});
  SetBounds(Splitter.Handle(), TRect{treeRight, client.Top, treeRight + splitter, client.Bottom});
  SetBounds(Edit.Handle(), TRect{treeRight + splitter, client.Top, client.Right, client.Bottom});
  const int size = scale(ToolButtonSize);
  const int left = (tools - size) / 2;
  for (std::size_t i = 0; i < ToolButtons.size(); ++i) {
    const int top = left + static_cast<int>(i) * (size + left) + ToolButtonGaps[i] * scale(ToolButtonGap);
    ToolButtons[i]->SetBounds(TRect::Sized(left, top, size, size));
  }
}

void TEditorPanes::Show(bool visible) {
  const int command = visible ? SW_SHOWNA : SW_HIDE;
  for (HWND pane : {Tools.Handle(), Tree.Handle(), Splitter.Handle(), Edit.Handle()})
    ::ShowWindow(pane, command);
}

}  // namespace tolvane::ui
