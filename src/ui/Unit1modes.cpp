// TForm1: the switch between menu mode (the bar) and editor mode, the caption and the read-only rule.

#include "ui/Unit1.h"

#include <string>

#include "execution/Shellhlpr.h"
#include "ui/Geometrywin.h"
#include "uimodel/Barlayout.h"
#include "uimodel/Mainwindow.h"

namespace tolvane::ui {

namespace {

constexpr DWORD kBarStyle = WS_POPUP | WS_CLIPCHILDREN;
constexpr DWORD kEditorStyle =
    WS_POPUP | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

// Layout changes of a mode switch are drawn once, at the end.
class TRedrawSuspended {
 public:
  explicit TRedrawSuspended(HWND window) : Window(window) { ::SendMessageW(Window, WM_SETREDRAW, FALSE, 0); }
  TRedrawSuspended(const TRedrawSuspended&) = delete;
  TRedrawSuspended& operator=(const TRedrawSuspended&) = delete;
  ~TRedrawSuspended() {
    ::SendMessageW(Window, WM_SETREDRAW, TRUE, 0);
    ::RedrawWindow(Window, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
  }

 private:
  HWND Window;
};

}  // namespace

void TForm1::SwitchMode() {
  if (!MenuReady || SwitchingMode)
    return;
  if (!IsEditorMode() && RefusedAsReadOnly())
    return;
  SwitchingMode = true;
  const win32::TScopeExit done([this] { SwitchingMode = false; });
  EditedItem = nullptr;
  if (IsEditorMode())
    SwitchToMenu();
  else
    SwitchToEditor();
}

// Editing a file that cannot be written would only lose the work; the editor stays closed for it. Leaving
// the editor is always allowed.
bool TForm1::RefusedAsReadOnly() {
  if (!Context.Menu.MenuFileReadOnly)
    return false;
  execution::ShowInformationMessage(
      Context.Services.MessageBox, u"File Information",
      u"You do not have write access to the file\r\nthat is currently loaded in Tolvane!",
      reinterpret_cast<platform::TWindowHandle>(Hwnd));
  return true;
}

// The editor's windows, fonts and rich edit are made on the first switch to the editor rather than with the
// window: most runs never open it, and they cost a good part of the start-up. They take the settings as
// they are now.
void TForm1::CreateEditor() {
  if (TreeEditor)
    return;
  EditorPanes.CreateIn(Hwnd);
  EditorPanes.CreateToolButtons(Context.Services.SystemColors, &Glyphs.BuiltIn,
                                [this](uimodel::TMainAction action) { RunAction(action); });
  EditorPanes.OnTreeWidth = [this](int treeWidth) {
    Context.Settings.PnlLeft = treeWidth;
    ArrangeChildren();
  };
  ApplyEditorColors();
  CreateTreeEditor();
  CreateEditPanel();
}

void TForm1::SwitchToEditor() {
  CreateEditor();
  if (!Context.Settings.ShowOnTaskbar)
    ApplyTaskbarButton(true);
  CloseAllMenus();
  const TRect bar = WindowBounds(Hwnd);
  {
    const TRedrawSuspended suspended(Hwnd);
    for (HWND part : {PnlMainMenu.Handle(), LeftSizer.Handle(), RightSizer.Handle()})
      ::ShowWindow(part, SW_HIDE);
    if (CloseButton)
      CloseButton->SetVisible(false);
    SetEditorStyle(true);
    const TRect editor = uimodel::PlacedEditor(WorkArea, bar, SavedEditorHeight);
    ::SetWindowPos(Hwnd, nullptr, editor.Left, editor.Top, editor.Width(), editor.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    EditorPanes.Show(true);
    ArrangeChildren();
  }
  EnterTreeEditor();
}

void TForm1::SwitchToMenu() {
  if (!Context.Settings.ShowOnTaskbar)
    ApplyTaskbarButton(false);
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  ::GetWindowPlacement(Hwnd, &placement);
  const TRect normal = FromRECT(placement.rcNormalPosition);
  SavedEditorHeight = normal.Height();
  LeaveTreeEditor();
  {
    const TRedrawSuspended suspended(Hwnd);
    if (::IsZoomed(Hwnd) != FALSE || ::IsIconic(Hwnd) != FALSE)
      ::ShowWindow(Hwnd, SW_RESTORE);
    EditorPanes.Show(false);
    SetEditorStyle(false);
    const TRect bar =
        uimodel::PlacedBar(WorkArea, normal.Left, normal.Width(),
                           uimodel::ShownBarTop(WorkArea.Top, Context.Settings.EdgeSize), BarHeight());
    ::SetWindowPos(Hwnd, nullptr, bar.Left, bar.Top, bar.Width(), bar.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ReadWorkArea();
    for (HWND part : {PnlMainMenu.Handle(), LeftSizer.Handle(), RightSizer.Handle()})
      ::ShowWindow(part, SW_SHOWNA);
    if (CloseButton)
      CloseButton->SetVisible(true);
    ArrangeChildren();
  }
  RebuildMenuFiles();
  ::SetFocus(PnlMainMenu.Handle());
}

void TForm1::SetEditorStyle(bool editor) {
  ::SetWindowLongPtrW(Hwnd, GWL_STYLE,
                      static_cast<LONG_PTR>((editor ? kEditorStyle : kBarStyle) |
                                            (::IsWindowVisible(Hwnd) != FALSE ? WS_VISIBLE : 0)));
}

void TForm1::UpdateCaption() {
  if (!Context.Menu.RootItem)
    return;
  const std::u16string caption = uimodel::HoldingCaption(uimodel::TreeNodeCount(*Context.Menu.RootItem));
  ::SetWindowTextW(Hwnd, reinterpret_cast<const wchar_t*>(caption.c_str()));
}

}  // namespace tolvane::ui
