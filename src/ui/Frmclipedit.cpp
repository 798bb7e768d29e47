#include "ui/Frmclipedit.h"

#include <windowsx.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/Unicode.h"
#include "graphics/Qxcolor.h"
#include "modifier/Scripttrial.h"
#include "ui/Commoncontrols.h"
#include "ui/Controlfont.h"
#include "ui/Ctlcheckbox.h"
#include "ui/Ctlrichedit.h"
#include "ui/Frmclipeditcontrols.h"
#include "ui/Frmedit.h"
#include "ui/Geometrywin.h"
#include "ui/Modal.h"
#include "ui/Qxbutton.h"
#include "ui/Uihandles.h"
#include "uimodel/Contextwindow.h"
#include "uimodel/Editpanel.h"
#include "uimodel/Msgboxlayout.h"

namespace tolvane::ui {

namespace {

namespace id = modifier::clipeditcontrol;

// Design pixels at 144 ppi.
constexpr TSize kDefaultSize{1650, 1200};
constexpr TSize kMinimumSize{1050, 780};
constexpr int kMargin = 12;
constexpr int kLabelRow = 42;
constexpr int kButtonHeight = 48;
constexpr int kButtonWidth = 170;
constexpr int kComposeWidth = 270;
constexpr int kCheckWidth = 230;
constexpr int kHelpWidth = 60;
constexpr int kSplitterWidth = 9;
constexpr int kDefaultListWidth = 660;
constexpr int kMinimumListWidth = 300;
constexpr int kMinimumRightWidth = 600;

bool SameFont(const storage::TFontFacts& a, const storage::TFontFacts& b) {
  return a.Name == b.Name && a.Size == b.Size && a.Bold == b.Bold;
}

HWND CreateLabel(HWND parent, int controlId, const wchar_t* text, DWORD style) {
  EnsureCommonControls();
  return ::CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_NOPREFIX | style,
                           0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                           ::GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

struct TFrmClipEdit::TLayout {
  TRect ListCaption, Help, List, Splitter, Editor;
  TRect SampleCaption, Try, Sample, ResultCaption, Result, TraceCaption, Trace;
  TRect MonoFont, ComposeMacro, Ok, Cancel;
};

TFrmClipEdit::TFrmClipEdit(TAppContext& context, HWND owner, const TModifierEditorRequest& request)
    : Context(context),
      Table(modifier::BuildFunctionTable(context.Services.Locale)),
      Layout(std::make_unique<TLayout>()),
      ButtonColors(request.ButtonColors) {
  TWindowClass windowClass;
  windowClass.Name = kClassName;
  windowClass.Style = CS_DBLCLKS;
  windowClass.IconId = 1;
  TWindowParams params;
  params.Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;
  params.Caption = L"Clipboard Modifier Composer";
  params.Parent = owner;
  const HMONITOR monitor = ::MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST);
  const TRect work = MonitorWorkArea(monitor);
  const uimodel::TScale scale = MonitorScale(monitor);
  if (request.Bounds && request.Bounds->Width() > 0 && request.Bounds->Height() > 0) {
    params.Bounds = uimodel::KeptInside(*request.Bounds, work);
  } else {
    params.Bounds = uimodel::CentredOn(work, TSize{std::min(scale(kDefaultSize.Width), work.Width()),
                                                   std::min(scale(kDefaultSize.Height), work.Height())});
  }
  Create(windowClass, params);
  ListWidth = kDefaultListWidth;
  CreateControls(request);
  ApplyFonts();
  Arrange();
}

TFrmClipEdit::~TFrmClipEdit() {
  Destroy();
}

void TFrmClipEdit::CreateControls(const TModifierEditorRequest& request) {
  Hosted = std::make_unique<TControls>(*this, Context.Services.SystemColors);
  TControls& c = *Hosted;
  c.ListCaption.reset(CreateLabel(Hwnd, id::ListCaption, L"Function List:", SS_LEFT));
  c.Help.reset(CreateLabel(Hwnd, id::Help, L" ? ", SS_CENTER | SS_NOTIFY));
  c.SampleCaption.reset(CreateLabel(Hwnd, id::SampleCaption, L"Try on this text:", SS_LEFT));
  c.ResultCaption.reset(CreateLabel(Hwnd, id::ResultCaption, L"Result:", SS_LEFT));
  c.TraceCaption.reset(
      CreateLabel(Hwnd, id::TraceCaption, L"Sent and shown (nothing leaves this window):", SS_LEFT));
  for (TQxButton* button : {&c.Ok, &c.Cancel, &c.ComposeMacro, &c.Try}) {
    button->setColors(request.ButtonColors);
    button->setParentColor(static_cast<graphics::TColor>(::GetSysColor(COLOR_BTNFACE)));
    button->setVisible(true);
  }
  c.Ok.setDefault(true);
  c.Ok.OnClick = [this] { Finish(true); };
  c.Cancel.OnClick = [this] { Finish(false); };
  c.ComposeMacro.OnClick = [this] { ComposeMacro(); };
  c.Try.OnClick = [this] { TryScript(); };

  // The panel's font choice: the normal code font only when it differs from the fixed one.
  const storage::TFontFacts normal = uimodel::CodeAreaFont(false, Context.Settings);
  c.MonoFont.SetChecked(!(SameFont(request.CodeFont, normal) &&
                          !SameFont(normal, uimodel::CodeAreaFont(true, Context.Settings))));
  c.MonoFont.OnClick = [this] { ApplyFonts(); };

  c.List.OnDoubleClick = [this] { InsertSelected(); };
  c.Editor.SetText(request.Text);
  c.Editor.OnChange = [this] { TextChanged(); };
  c.Editor.OnClick = [this] { Refilter(); };
  c.Editor.OnDoubleClick = [this] { WidenToQuotedValue(); };
  c.Editor.OnKeyUp = [this](WORD key) {
    if (key == VK_PRIOR || key == VK_NEXT || (key >= VK_LEFT && key <= VK_DOWN))
      Refilter();
  };
  // The sample starts as what the script would meet on the clipboard; reading it changes nothing there.
  c.Sample.SetText(Context.Services.Clipboard.GetText().value_or(u""));
  c.Ok.setEnabled(!request.Text.empty());
  ShowList(modifier::FullFunctionList(Table));
}

std::optional<TModifierEditorResult> TFrmClipEdit::ShowModal() {
  if (Hwnd == nullptr)
    return std::nullopt;
  TModalHooks hooks;
  hooks.Shown = [this] {
    Hosted->Editor.Focus();
    Refilter();
  };
  hooks.PreTranslate = [this](const MSG& message) { return PreTranslate(message); };
  hooks.ClickDefault = [this] {
    if (Hosted->Ok.Enabled())
      Finish(true);
  };
  hooks.Cancel = [this] { Finish(false); };
  RunModal(
      Hwnd, [this] { return Done; }, hooks);
  std::optional<TModifierEditorResult> result;
  if (Accepted && Hwnd != nullptr) {
    result.emplace();
    result->Text = Hosted->Editor.Text();
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    result->Bounds = ::GetWindowPlacement(Hwnd, &placement) != FALSE && ::IsZoomed(Hwnd) != FALSE
                         ? FromRECT(placement.rcNormalPosition)
                         : WindowBounds(Hwnd);
  }
  Destroy();
  return result;
}

LRESULT TFrmClipEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers what the controls leave
    case WM_PAINT: {
      const TPaintDc paint(Hwnd);
      Paint(paint.get());
      return 0;
    }
    case WM_SIZE:
      Arrange();
      return 0;
    case WM_GETMINMAXINFO: {
      auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
      limits.ptMinTrackSize = POINT{Scaled(kMinimumSize.Width), Scaled(kMinimumSize.Height)};
      return 0;
    }
    case WM_DRAWITEM:
      if (wParam == static_cast<WPARAM>(id::List)) {
        DrawRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
      }
      break;
    case WM_CTLCOLORSTATIC: {
      const HDC dc = reinterpret_cast<HDC>(wParam);
      ::SetBkMode(dc, TRANSPARENT);
      ::SetTextColor(dc, Hosted && reinterpret_cast<HWND>(lParam) == Hosted->Help.get()
                             ? RGB(0, 0, 255)
                             : ::GetSysColor(COLOR_WINDOWTEXT));
      return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == id::Help && HIWORD(wParam) == STN_CLICKED) {
        ShowHelp();
        return 0;
      }
      break;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == Hwnd && LOWORD(lParam) == HTCLIENT) {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        ::ScreenToClient(Hwnd, &cursor);
        if (OverSplitter(cursor) || DragStartX >= 0) {
          ::SetCursor(::LoadCursorW(nullptr, IDC_SIZEWE));
          return TRUE;
        }
      } else if (Hosted && reinterpret_cast<HWND>(wParam) == Hosted->Help.get()) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
      MouseDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_MOUSEMOVE:
      MouseMove(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_LBUTTONUP:
      if (DragStartX >= 0)
        ::ReleaseCapture();
      return 0;
    case WM_CAPTURECHANGED:
      DragStartX = -1;
      return 0;
    case WM_CLOSE:
      Finish(false);
      return 0;
    default:
      break;
  }
  return TWindow::WindowProc(message, wParam, lParam);
}

void TFrmClipEdit::ScaleChanged() {
  ApplyFonts();
  Arrange();
}

void TFrmClipEdit::ApplyFonts() {
  if (!Hosted)
    return;
  TControls& c = *Hosted;
  const storage::TFontFacts facts = uimodel::CodeAreaFont(c.MonoFont.Checked(), Context.Settings);
  if (win32::unique_hfont font = CreatePointFont(facts.Name, facts.Size, facts.Bold, Scale())) {
    for (TRichEdit* edit : {&c.Editor, &c.Sample, &c.Result})
      edit->SetFont(font.get());
    c.Trace.SetFont(font.get());
    CodeFont = std::move(font);
  }
  const HFONT controls = ControlFont(Scale());
  LOGFONTW bold{};
  ::GetObjectW(controls, sizeof(bold), &bold);
  bold.lfWeight = FW_BOLD;
  ListBoldFont.reset(::CreateFontIndirectW(&bold));
  c.List.SetFont(controls);
  c.List.SetRowHeight(Scaled(36));
  c.MonoFont.SetFont(controls);
  for (TQxButton* button : {&c.Ok, &c.Cancel, &c.ComposeMacro, &c.Try})
    button->setFont(controls);
  for (HWND label : {c.ListCaption.get(), c.SampleCaption.get(), c.ResultCaption.get(), c.TraceCaption.get()})
    ::SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(controls), TRUE);
  ::SendMessageW(c.Help.get(), WM_SETFONT, reinterpret_cast<WPARAM>(ListBoldFont.get()), TRUE);
}

void TFrmClipEdit::Arrange() {
  if (Hwnd == nullptr || !Hosted)
    return;
  const TSize client = ClientBounds(Hwnd).Size();
  const int margin = Scaled(kMargin), row = Scaled(kLabelRow), buttonHeight = Scaled(kButtonHeight);
  const int buttonWidth = Scaled(kButtonWidth);
  TLayout& l = *Layout;
  const int listWidth =
      std::max(Scaled(kMinimumListWidth),
               std::min(Scaled(ListWidth), client.Width - Scaled(kMinimumRightWidth) - 2 * margin));
  const int listRight = margin + listWidth;
  l.ListCaption = TRect{margin, margin, listRight - Scaled(kHelpWidth), margin + row};
  l.Help = TRect{listRight - Scaled(kHelpWidth), margin, listRight, margin + row};
  l.List = TRect{margin, margin + row, listRight, client.Height - margin};
  l.Splitter = TRect{listRight, 0, listRight + Scaled(kSplitterWidth), client.Height};
  const int left = l.Splitter.Right, right = client.Width - margin;
  const int buttonsTop = client.Height - margin - buttonHeight;
  l.MonoFont = TRect::Sized(left, buttonsTop, Scaled(kCheckWidth), buttonHeight);
  l.ComposeMacro = TRect::Sized(l.MonoFont.Right + margin, buttonsTop, Scaled(kComposeWidth), buttonHeight);
  l.Cancel = TRect{right - buttonWidth, buttonsTop, right, buttonsTop + buttonHeight};
  l.Ok = TRect{l.Cancel.Left - margin - buttonWidth, buttonsTop, l.Cancel.Left - margin, l.Cancel.Bottom};

  const int available = buttonsTop - 2 * margin;
  l.Editor = TRect{left, margin, right, margin + available * 45 / 100};
  const int middle = (left + right) / 2;
  const int tryTop = l.Editor.Bottom + margin;
  l.Try = TRect{middle - margin / 2 - buttonWidth, tryTop, middle - margin / 2, tryTop + buttonHeight};
  l.SampleCaption = TRect{left, tryTop, l.Try.Left - margin, l.Try.Bottom};
  l.ResultCaption = TRect{middle + margin / 2, tryTop, right, l.Try.Bottom};
  const int boxesTop = l.Try.Bottom + margin / 2;
  const int boxesBottom = boxesTop + (buttonsTop - margin - boxesTop) * 55 / 100;
  l.Sample = TRect{left, boxesTop, middle - margin / 2, boxesBottom};
  l.Result = TRect{middle + margin / 2, boxesTop, right, boxesBottom};
  l.TraceCaption = TRect{left, boxesBottom, right, boxesBottom + row};
  l.Trace = TRect{left, l.TraceCaption.Bottom, right, buttonsTop - margin};

  TControls& c = *Hosted;
  c.List.SetBounds(l.List);
  c.Editor.SetBounds(l.Editor);
  c.Sample.SetBounds(l.Sample);
  c.Result.SetBounds(l.Result);
  c.Trace.SetBounds(l.Trace);
  c.MonoFont.SetBounds(l.MonoFont);
  const auto place = [](TQxButton& button, const TRect& bounds) {
    button.SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
  };
  place(c.Ok, l.Ok);
  place(c.Cancel, l.Cancel);
  place(c.ComposeMacro, l.ComposeMacro);
  place(c.Try, l.Try);
  const std::pair<HWND, const TRect*> labels[] = {{c.ListCaption.get(), &l.ListCaption},
                                                  {c.Help.get(), &l.Help},
                                                  {c.SampleCaption.get(), &l.SampleCaption},
                                                  {c.ResultCaption.get(), &l.ResultCaption},
                                                  {c.TraceCaption.get(), &l.TraceCaption}};
  for (const auto& [label, bounds] : labels)
    SetBounds(label, *bounds);
  ::InvalidateRect(Hwnd, nullptr, FALSE);
}

void TFrmClipEdit::Paint(HDC dc) {
  RECT client{};
  ::GetClientRect(Hwnd, &client);
  ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
  const COLORREF splitterColor = static_cast<COLORREF>(
      graphics::ResolveColor(Context.Services.SystemColors, Context.Settings.SplitterColor));
  const win32::unique_hbrush splitter(::CreateSolidBrush(splitterColor));
  const RECT band = ToRECT(Layout->Splitter);
  ::FillRect(dc, &band, splitter.get());
}

bool TFrmClipEdit::PreTranslate(const MSG& message) {
  if (message.message != WM_KEYDOWN)
    return false;
  TControls& c = *Hosted;
  const bool inList = message.hwnd == c.List.Handle();
  const bool inEditor = message.hwnd == c.Editor.Handle();
  switch (message.wParam) {
    case VK_F12:
      if (c.List.Focused())
        c.Editor.Focus();
      else
        c.List.Focus();
      return true;
    case VK_F1:
      ShowHelp();
      return true;
    case VK_RETURN:
      if (inList) {
        InsertSelected();
        return true;
      }
      if (inEditor && ::GetKeyState(VK_CONTROL) >= 0)
        CompleteLine();  // the editor then makes the line break
      return false;
    default:
      return false;
  }
}

void TFrmClipEdit::ShowHelp() {
  if (OnHelp)
    OnHelp(modifier::FunctionHelpAnchor(Hosted->List.Focused(), SelectedFunction()));
}

void TFrmClipEdit::ComposeMacro() {
  TMacroComposerRequest request;
  request.Macro = Hosted->Editor.SelectedText();
  request.NewLineHome = false;
  request.CodeFont = uimodel::CodeAreaFont(Hosted->MonoFont.Checked(), Context.Settings);
  request.ButtonColors = ButtonColors;
  request.Bounds = Context.Settings.MacroComposerPos;
  const std::optional<TMacroComposerResult> result = RunMacroComposer(Context, Hwnd, request, OnHelp);
  if (!result)
    return;
  if (result->Bounds)
    Context.Settings.MacroComposerPos = result->Bounds;
  Hosted->Editor.ReplaceSelection(result->Macro);
  Hosted->Editor.Focus();
  TextChanged();
}

void TFrmClipEdit::TryScript() {
  TControls& c = *Hosted;
  const modifier::TScriptTrial trial =
      modifier::TryScript(Context.Services, c.Editor.Text(), c.Sample.Text());
  c.Result.SetText(trial.Text);
  c.Trace.Clear();
  for (const std::string& line : trial.Trace)
    c.Trace.Add(Utf8ToUtf16(line));
  std::u16string caption = u"Result:";
  if (trial.StoppedLine) {
    const int line = static_cast<int>(*trial.StoppedLine);
    caption = u"Result: the run stopped at line " + Utf8ToUtf16(std::to_string(line + 1));
    // The line that stopped it, selected for correcting.
    const int start = c.Editor.LineStart(line);
    if (start >= 0)
      c.Editor.SetSelection({start, start + static_cast<int>(c.Editor.LineText(line).size())});
    c.Editor.Focus();
  }
  ::SetWindowTextW(c.ResultCaption.get(), win32::Wide(caption).c_str());
}

void TFrmClipEdit::Finish(bool ok) {
  Accepted = ok;
  Done = true;
}

bool TFrmClipEdit::OverSplitter(POINT client) const {
  return Layout->Splitter.Contains(FromPOINT(client));
}

void TFrmClipEdit::MouseDown(POINT client) {
  if (!OverSplitter(client))
    return;
  DragStartX = client.x;
  DragStartWidth = Hosted->List.Bounds().Width();
  ::SetCapture(Hwnd);
}

void TFrmClipEdit::MouseMove(POINT client) {
  if (DragStartX < 0 || ::GetCapture() != Hwnd)
    return;
  const int width = DragStartWidth + client.x - DragStartX;
  ListWidth = std::max(kMinimumListWidth, Scale().To(uimodel::TScale(uimodel::DesignPpi), width));
  Arrange();
  ::UpdateWindow(Hwnd);
}

}  // namespace tolvane::ui
