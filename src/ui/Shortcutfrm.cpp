#include "ui/Shortcutfrm.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <optional>
#include <string>

#include "execution/Shellhlpr.h"
#include "graphics/Qxcolor.h"
#include "platform/win32/Comptr.h"
#include "ui/Composers.h"
#include "ui/Controlfont.h"
#include "ui/Ctlcheckbox.h"
#include "ui/Ctledit.h"
#include "ui/Formparts.h"
#include "ui/Geometrywin.h"
#include "ui/Modal.h"
#include "ui/Qxbutton.h"
#include "ui/Uihandles.h"
#include "uimodel/Helpanchors.h"

// After the Windows headers: the shell's folder picker.
#include <shlobj.h>

namespace tolvane::ui {

namespace {

namespace id = uimodel::shortcutcontrol;
using uimodel::TShortcutFileKind;

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr std::u16string_view kHelpAnchor = uimodel::help::CreateShortcut;
constexpr std::u16string_view kDesktopHint = u" Create Shortcut on the Desktop ";
constexpr std::u16string_view kStartMenuHint = u" Create Shortcut in the Root of the Start Menu ";
constexpr std::u16string_view kFolderTitle = u"Folder for the shortcut";
constexpr int kHintWidth = 600;  // design pixels

platform::TWindowHandle HandleOf(HWND window) {
  return reinterpret_cast<platform::TWindowHandle>(window);
}

std::wstring Caption(int control) {
  return win32::Wide(uimodel::ShortcutDialogLabel(control));
}

// Starts the picker at the folder the box names.
int CALLBACK BrowseCallback(HWND picker, UINT message, LPARAM /*lParam*/, LPARAM start) {
  if (message == BFFM_INITIALIZED && start != 0)
    ::SendMessageW(picker, BFFM_SETSELECTIONW, TRUE, start);
  return 0;
}

}  // namespace

struct TFrmShortcut::TControls {
  TControls(TWindow& form, platform::ISystemColors& colors)
      : EdShortcutName(form, id::EdShortcutName),
        EdCustomShortcut(form, id::EdCustomShortcut),
        ButBrowseFolder(form.Handle(), id::ButBrowseFolder, uimodel::ShortcutDialogLabel(id::ButBrowseFolder),
                        colors),
        EdIniFile(form, id::EdIniFile),
        ButIniFile(form.Handle(), id::ButIniFile, uimodel::ShortcutDialogLabel(id::ButIniFile), colors),
        EdTvXmlFile(form, id::EdTvXmlFile),
        ButTvXmlFile(form.Handle(), id::ButTvXmlFile, uimodel::ShortcutDialogLabel(id::ButTvXmlFile), colors),
        CbxDesktop(form, id::CbxDesktop, uimodel::ShortcutDialogLabel(id::CbxDesktop)),
        CbxStartFolder(form, id::CbxStartFolder, uimodel::ShortcutDialogLabel(id::CbxStartFolder)),
        CbxStartMenuTolvane(form, id::CbxStartMenuTolvane,
                            uimodel::ShortcutDialogLabel(id::CbxStartMenuTolvane)),
        ButCreate(form.Handle(), id::ButCreate, uimodel::ShortcutDialogLabel(id::ButCreate), colors),
        ButCancel(form.Handle(), id::ButCancel, uimodel::ShortcutDialogLabel(id::ButCancel), colors) {}

  TQxButton* Buttons(int index) {
    TQxButton* all[] = {&ButBrowseFolder, &ButIniFile, &ButTvXmlFile, &ButCreate, &ButCancel};
    return index < 5 ? all[index] : nullptr;
  }
  TControl* Control(int control) {
    switch (control) {
      case id::EdShortcutName:
        return &EdShortcutName;
      case id::EdCustomShortcut:
        return &EdCustomShortcut;
      case id::EdIniFile:
        return &EdIniFile;
      case id::EdTvXmlFile:
        return &EdTvXmlFile;
      case id::CbxDesktop:
        return &CbxDesktop;
      case id::CbxStartFolder:
        return &CbxStartFolder;
      case id::CbxStartMenuTolvane:
        return &CbxStartMenuTolvane;
      default:
        return nullptr;
    }
  }

  // In tab order: each file box is followed by its button.
  TEdit EdShortcutName;
  TEdit EdCustomShortcut;
  TQxButton ButBrowseFolder;
  TEdit EdIniFile;
  TQxButton ButIniFile;
  TEdit EdTvXmlFile;
  TQxButton ButTvXmlFile;
  TCheckBox CbxDesktop;
  TCheckBox CbxStartFolder;
  TCheckBox CbxStartMenuTolvane;
  TQxButton ButCreate;
  TQxButton ButCancel;
};

TFrmShortcut::TFrmShortcut(TAppContext& context, HWND owner) : Context(context), Owner(owner) {
  TWindowClass windowClass;
  windowClass.Name = kClassName;
  windowClass.IconId = 1;
  TWindowParams params;
  params.Style = kStyle;
  params.ExStyle = kExStyle;
  params.Caption = L"Create Shortcut";
  params.Parent = owner;
  const HMONITOR monitor = ::MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST);
  const uimodel::TScale scale = MonitorScale(monitor);
  const TSize design = uimodel::ShortcutDialogLayout().DesignClient;
  RECT frame{0, 0, scale(design.Width), scale(design.Height)};
  ::AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  params.Bounds = uimodel::ShortcutDialogBounds(owner != nullptr ? WindowBounds(owner) : TRect{},
                                                TSize{frame.right - frame.left, frame.bottom - frame.top},
                                                MonitorWorkArea(monitor));
  Create(windowClass, params);

  Hosted = std::make_unique<TControls>(*this, Context.Services.SystemColors);
  TControls& c = *Hosted;
  const uimodel::TShortcutFields fields = uimodel::InitialShortcutFields(Context.Settings);
  c.EdShortcutName.SetText(fields.Name);
  c.EdIniFile.SetText(fields.IniFile);
  c.EdTvXmlFile.SetText(fields.MenuFile);
  c.EdShortcutName.OnChange = c.EdCustomShortcut.OnChange = [this] { FieldsChanged(); };
  c.CbxDesktop.OnClick = c.CbxStartFolder.OnClick =
      c.CbxStartMenuTolvane.OnClick = [this] { FieldsChanged(); };
  c.ButBrowseFolder.OnClick = [this] { BrowseFolder(); };
  c.ButIniFile.OnClick = [this] { ChooseFile(TShortcutFileKind::Settings); };
  c.ButTvXmlFile.OnClick = [this] { ChooseFile(TShortcutFileKind::Menu); };
  c.ButCreate.OnClick = [this] { CreateLinks(); };
  c.ButCancel.OnClick = [this] { Done = true; };
  c.ButCreate.setDefault(true);
  for (int i = 0; TQxButton* button = c.Buttons(i); ++i)
    button->setVisible(true);
  ApplyAppearance();
  CreateHints();
  Arrange();
  FieldsChanged();
}

// The hints and the controls go before the window, while their parent is still whole.
TFrmShortcut::~TFrmShortcut() {
  Hints.Reset();
  Hosted.reset();
  Destroy();
}

bool TFrmShortcut::ShowModal() {
  if (Hwnd == nullptr)
    return false;
  TModalHooks hooks;
  hooks.Shown = [this] {
    Hosted->EdShortcutName.Focus();
    Hosted->EdShortcutName.SelectAll();
  };
  hooks.PreTranslate = [this](const MSG& message) { return PreTranslate(message); };
  hooks.ClickDefault = [this] { Hosted->ButCreate.Click(); };
  hooks.Cancel = [this] { Done = true; };
  RunModal(
      Hwnd, [this] { return Done; }, hooks);
  Destroy();
  return Result;
}

LRESULT TFrmShortcut::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers what the controls leave
    case WM_PAINT: {
      const TPaintDc paint(Hwnd);
      Paint(paint.get());
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
      // The check boxes sit on the form's colour.
      if (BackgroundBrush) {
        const auto dc = reinterpret_cast<HDC>(wParam);
        ::SetBkColor(dc, Background);
        ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(BackgroundBrush.get());
      }
      break;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == Hwnd && LOWORD(lParam) == HTCLIENT) {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        ::ScreenToClient(Hwnd, &cursor);
        if (NodeBounds(id::LblHelp).Contains(FromPOINT(cursor))) {
          ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
          return TRUE;
        }
      }
      break;
    case WM_LBUTTONDOWN:
      if (NodeBounds(id::LblHelp).Contains(TPoint{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))
        ShowHelp();
      return 0;
    case WM_CLOSE:
      Done = true;
      return 0;
    case WM_DESTROY:
      Hints.Reset();  // the hints go with the dialog
      break;
    default:
      break;
  }
  return TWindow::WindowProc(message, wParam, lParam);
}

void TFrmShortcut::ScaleChanged() {
  ApplyAppearance();
  Arrange();
}

void TFrmShortcut::ApplyAppearance() {
  const storage::TSettings& settings = Context.Settings;
  Background = graphics::ResolveColor(Context.Services.SystemColors, settings.FormTopColor);
  BackgroundBrush.reset(::CreateSolidBrush(Background));
  const HFONT font = ControlFont(Scale());
  LinkFont = CreateLinkFont(font, false, 150);  // the help mark is a single character
  if (!Hosted)
    return;
  const TButtonColors colors = ButtonColorsOf(settings);
  for (int i = 0; TQxButton* button = Hosted->Buttons(i); ++i) {
    button->setColors(colors);
    button->setParentColor(Background);
    button->setFont(font);
  }
  for (int control = id::EdShortcutName; control <= id::ButCancel; ++control) {
    if (TControl* hosted = Hosted->Control(control))
      hosted->SetFont(font);
  }
  Hints.SetMaxWidth(Scaled(kHintWidth));
  ::RedrawWindow(Hwnd, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TFrmShortcut::Arrange() {
  if (Hwnd == nullptr || !Hosted)
    return;
  Placements = uimodel::ArrangeLayout(uimodel::ShortcutDialogLayout(), ClientBounds(Hwnd).Size(), Scale());
  for (const uimodel::TPlacement& placement : Placements) {
    const TRect& r = placement.InRoot;
    if (TControl* control = Hosted->Control(placement.Id)) {
      control->SetBounds(r);
      continue;
    }
    for (int i = 0; TQxButton* button = Hosted->Buttons(i); ++i) {
      if (button->Id() == placement.Id)
        button->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    }
  }
  ::InvalidateRect(Hwnd, nullptr, FALSE);
}

TRect TFrmShortcut::NodeBounds(int control) const {
  const uimodel::TPlacement* placement = uimodel::FindPlacement(Placements, control);
  return placement != nullptr ? placement->InRoot : TRect{};
}

// The form's colour with the field labels and the help link; the controls cover the rest.
void TFrmShortcut::Paint(HDC dc) {
  RECT client{};
  ::GetClientRect(Hwnd, &client);
  ::FillRect(dc, &client, BackgroundBrush.get());
  ::SetBkMode(dc, TRANSPARENT);
  {
    const win32::TSelectGuard font(dc, ControlFont(Scale()));
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    for (const int label : {id::LblShortcutName, id::LblCustomShortcut, id::LblIniFile, id::LblTvXmlFile}) {
      const std::wstring text = Caption(label);
      RECT bounds = ToRECT(NodeBounds(label));
      ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &bounds,
                  DT_SINGLELINE | DT_BOTTOM | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
  }
  PaintHelpLink(dc, LinkFont.get(), NodeBounds(id::LblHelp), uimodel::ShortcutDialogLabel(id::LblHelp));
}

uimodel::TShortcutFields TFrmShortcut::Fields() const {
  const TControls& c = *Hosted;
  uimodel::TShortcutFields fields;
  fields.Name = c.EdShortcutName.Text();
  fields.CustomFolder = c.EdCustomShortcut.Text();
  fields.IniFile = c.EdIniFile.Text();
  fields.MenuFile = c.EdTvXmlFile.Text();
  fields.Desktop = c.CbxDesktop.Checked();
  fields.Startup = c.CbxStartFolder.Checked();
  fields.StartMenu = c.CbxStartMenuTolvane.Checked();
  return fields;
}

void TFrmShortcut::FieldsChanged() {
  if (Hosted)
    Hosted->ButCreate.setEnabled(uimodel::CanCreateShortcut(Fields(), Context.Services.Files));
}

void TFrmShortcut::ChooseFile(TShortcutFileKind kind) {
  TEdit& box = kind == TShortcutFileKind::Menu ? Hosted->EdTvXmlFile : Hosted->EdIniFile;
  const platform::TFileDialogRequest request = uimodel::ShortcutFileRequest(kind, box.Text(), HandleOf(Hwnd));
  const platform::TFileDialogResult result = Context.Services.FileDialogs.OpenFile(request);
  if (result.Outcome == platform::TFileDialogOutcome::Failed) {
    (void)execution::ReportSystemError(Context.Services.MessageBox, result.Error, u"Tolvane",
                                       u"The file dialog could not be shown:", u"", HandleOf(Hwnd));
    return;
  }
  if (const std::optional<std::u16string> chosen = result.Chosen())
    box.SetText(uimodel::ShortcutFileChosen(kind, *chosen));
}

void TFrmShortcut::BrowseFolder() {
  const win32::TComApartment apartment;
  const std::wstring start = win32::Wide(Hosted->EdCustomShortcut.Text());
  const std::wstring title = win32::Wide(kFolderTitle);
  BROWSEINFOW browse{};
  browse.hwndOwner = Hwnd;
  browse.lpszTitle = title.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  browse.lpfn = &BrowseCallback;
  browse.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());
  PIDLIST_ABSOLUTE chosen = ::SHBrowseForFolderW(&browse);
  if (chosen == nullptr)
    return;
  wchar_t path[MAX_PATH] = {};
  const bool named = ::SHGetPathFromIDListW(chosen, path) != FALSE;
  ::CoTaskMemFree(chosen);
  if (!named)
    return;
  TEdit& box = Hosted->EdCustomShortcut;
  const std::u16string folder = win32::Narrow16(path);
  box.SetText(folder);
  box.Focus();
  box.SetSelection({static_cast<int>(folder.size()), static_cast<int>(folder.size())});
  FieldsChanged();
}

void TFrmShortcut::CreateLinks() {
  const uimodel::TShortcutFields fields = Fields();
  if (!uimodel::CanCreateShortcut(fields, Context.Services.Files)) {
    FieldsChanged();
    return;
  }
  const uimodel::TShortcutRun run = uimodel::CreateShortcuts(fields, Context.Services, HandleOf(Hwnd));
  switch (run.End) {
    case uimodel::TShortcutEnd::Ok:
      Result = true;
      Done = true;
      break;
    case uimodel::TShortcutEnd::Cancel:
      Done = true;
      break;
    case uimodel::TShortcutEnd::StayOpen:
      FieldsChanged();
      break;
  }
}

void TFrmShortcut::ShowHelp() {
  if (OnHelp)
    OnHelp(kHelpAnchor);
}

bool TFrmShortcut::PreTranslate(const MSG& message) {
  if (message.message == WM_KEYDOWN && message.wParam == VK_F1) {
    ShowHelp();
    return true;
  }
  return false;
}

void TFrmShortcut::CreateHints() {
  if (!Hints.Create(Hwnd, Scaled(kHintWidth)))
    return;  // the dialog works without its hints
  Hints.SetShowTime(Context.Settings.HintHidePause);
  Hints.Add(Hosted->CbxDesktop.Handle(), kDesktopHint);
  Hints.Add(Hosted->CbxStartMenuTolvane.Handle(), kStartMenuHint);
}

}  // namespace tolvane::ui
