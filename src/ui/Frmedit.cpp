#include "ui/Frmedit.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "graphics/Qxcolor.h"
#include "ui/Controlfont.h"
#include "ui/Ctlcheckbox.h"
#include "ui/Ctlrichedit.h"
#include "ui/Formparts.h"
#include "ui/Geometrywin.h"
#include "ui/Modal.h"
#include "ui/Uihandles.h"
#include "uimodel/Contextwindow.h"
#include "uimodel/Helpanchors.h"

namespace tolvane::ui {

namespace {

namespace id = execution::composercontrol;

constexpr std::u16string_view kHelpAnchor = uimodel::help::MacroComposer;
constexpr std::u16string_view kHelpText = u" ? ";
constexpr std::u16string_view kSleepCaption = u"Sleep";
constexpr std::u16string_view kSleepHint = u" Pause of 100 milliseconds  \\FF ";
constexpr std::u16string_view kNewLineHomeHint =
    u" When checked there will be inserted an extra Home \r\n keystroke after every line break in the final "
    u"macro";
constexpr std::u16string_view kKeyboardHint =
    u" When checked you can use the keyboard to insert \r\n control characters instead of using the buttons ";
// Design pixels at 144 ppi.
constexpr int kMargin = 15;
constexpr int kKeyWidth = 150;
constexpr int kKeyHeight = 42;
constexpr int kGap = 6;
constexpr int kBottomHeight = 45;
constexpr int kButtonWidth = 150;
constexpr int kCheckWidth = 390;
constexpr int kHintWidth = 500;
constexpr TSize kDefaultSize{1400, 900};
constexpr TSize kMinimumSize{900, 600};

bool IsKeyMessage(UINT message) {
  return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
}

bool IsCharMessage(UINT message) {
  return message == WM_CHAR || message == WM_SYSCHAR || message == WM_DEADCHAR || message == WM_SYSDEADCHAR;
}

}  // namespace

struct TFrmEdit::TControls {
  explicit TControls(TWindow& form)
      : Editor(form, id::Editor),
        KeyboardMode(form, id::KeyboardMode, u"Use Keyboard for Buttons"),
        NewLineHome(form, id::NewLineHome, u"Use NewLine Home") {}

  TRichEdit Editor;
  TCheckBox KeyboardMode;
  TCheckBox NewLineHome;
};

TFrmEdit::TFrmEdit(TAppContext& context, HWND owner, const TMacroComposerRequest& request)
    : Context(context), OwnerWindow(owner) {
  TWindowClass windowClass;
  windowClass.Name = kClassName;
  windowClass.IconId = 1;
  TWindowParams params;
  params.Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;
  params.Caption = L"Macro Composer";
  params.Parent = owner;
  Create(windowClass, params);

  const TRect work = MonitorWorkArea(::MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST));
  TRect bounds;
  if (request.Bounds && request.Bounds->Width() >= Scaled(kMinimumSize.Width) &&
      request.Bounds->Height() >= Scaled(kMinimumSize.Height)) {
    bounds = *request.Bounds;
  } else {
    const TSize size{std::min(Scaled(kDefaultSize.Width), work.Width()),
                     std::min(Scaled(kDefaultSize.Height), work.Height())};
    bounds = TRect::Sized(work.Left + (work.Width() - size.Width) / 2,
                          work.Top + (work.Height() - size.Height) / 2, size.Width, size.Height);
  }
  SetBounds(Hwnd, uimodel::KeptInside(bounds, work));

  Hosted = std::make_unique<TControls>(*this);
  TControls& c = *Hosted;
  CodeFont = CreatePointFont(request.CodeFont.Name, request.CodeFont.Size, true, Scale());
  if (CodeFont)
    c.Editor.SetFont(CodeFont.get());
  c.Editor.SetText(execution::MacroForEditing(request.Macro));
  c.NewLineHome.SetChecked(request.NewLineHome);
  c.KeyboardMode.OnClick = [this] { KeyboardModeClicked(); };
  CreateButtons(request);
  c.Editor.OnChange = [this] { OkButton->setEnabled(!Hosted->Editor.Text().empty()); };
  OkButton->setEnabled(!c.Editor.Text().empty());

  LinkFont = CreateLinkFont(ControlFont(Scale()), true);
  CreateHints();
  Arrange();
}

TFrmEdit::~TFrmEdit() {
  Hints.Reset();
  KeyButtons.clear();
  Hosted.reset();
  Destroy();
}

void TFrmEdit::CreateButtons(const TMacroComposerRequest& request) {
  platform::ISystemColors& systemColors = Context.Services.SystemColors;
  const auto make = [&](int controlId, std::u16string_view caption) {
    auto button = std::make_unique<TQxButton>(Hwnd, controlId, caption, systemColors);
    button->setColors(request.ButtonColors);
    button->setFont(ControlFont(Scale()));
    button->setVisible(true);
    return button;
  };
  const auto keys = execution::KeyButtons();
  for (std::size_t i = 0; i <= keys.size(); ++i) {
    const std::u16string_view caption = i < keys.size() ? keys[i].Caption : kSleepCaption;
    KeyButtons.push_back(make(id::FirstKeyButton + static_cast<int>(i), caption));
    KeyButtons.back()->OnClick = [this, i] { KeyButtonClicked(i); };
  }
  OkButton = make(id::Ok, u"OK");
  CancelButton = make(id::Cancel, u"Cancel");
  OkButton->setDefault(true);
  OkButton->OnClick = [this] { Finish(true); };
  CancelButton->OnClick = [this] { Finish(false); };
}

void TFrmEdit::CreateHints() {
  if (!Hints.Create(Hwnd, Scaled(kHintWidth)))
    return;  // the composer works without its hints
  const auto keys = execution::KeyButtons();
  for (std::size_t i = 0; i < KeyButtons.size(); ++i)
    Hints.Add(KeyButtons[i]->Handle(), i < keys.size() ? execution::KeyButtonHint(keys[i].Code) : kSleepHint);
  Hints.Add(Hosted->NewLineHome.Handle(), kNewLineHomeHint);
  Hints.Add(Hosted->KeyboardMode.Handle(), kKeyboardHint);
}

// The key buttons fill rows across the top, the editor takes what the bottom row leaves.
void TFrmEdit::Arrange() {
  if (!Hosted || KeyButtons.empty())
    return;
  const TRect client = ClientBounds(Hwnd);
  const int margin = Scaled(kMargin);
  const int gap = Scaled(kGap);
  const int keyWidth = Scaled(kKeyWidth);
  const int keyHeight = Scaled(kKeyHeight);
  const int columns = std::max(1, (client.Width() - 2 * margin + gap) / (keyWidth + gap));
  const int width = (client.Width() - 2 * margin - (columns - 1) * gap) / columns;
  for (std::size_t i = 0; i < KeyButtons.size(); ++i) {
    const int column = static_cast<int>(i) % columns;
    const int row = static_cast<int>(i) / columns;
    KeyButtons[i]->SetBounds(margin + column * (width + gap), margin + row * (keyHeight + gap), width,
                             keyHeight);
  }
  const int rows = (static_cast<int>(KeyButtons.size()) + columns - 1) / columns;
  const int editorTop = margin + rows * (keyHeight + gap) + gap;
  const int bottomHeight = Scaled(kBottomHeight);
  const int bottomTop = client.Bottom - margin - bottomHeight;
  Hosted->Editor.SetBounds(
      {margin, editorTop, client.Right - margin, std::max(editorTop, bottomTop - margin)});
  const int checkWidth = Scaled(kCheckWidth);
  Hosted->KeyboardMode.SetBounds(TRect::Sized(margin, bottomTop, checkWidth, bottomHeight));
  Hosted->NewLineHome.SetBounds(TRect::Sized(margin + checkWidth, bottomTop, checkWidth, bottomHeight));
  const int buttonWidth = Scaled(kButtonWidth);
  OkButton->SetBounds(client.Right - margin - buttonWidth, bottomTop, buttonWidth, bottomHeight);
  CancelButton->SetBounds(client.Right - margin - 2 * buttonWidth - gap, bottomTop, buttonWidth,
                          bottomHeight);
  Background.Make(Hwnd, graphics::ResolveColor(Context.Services.SystemColors, Context.Settings.FormTopColor),
                  graphics::ResolveColor(Context.Services.SystemColors, Context.Settings.FormBottomColor));
  ::InvalidateRect(Hwnd, nullptr, TRUE);
}

TRect TFrmEdit::HelpLink() const {
  const TRect client = ClientBounds(Hwnd);
  const int margin = Scaled(kMargin);
  const int bottomHeight = Scaled(kBottomHeight);
  return TRect::Sized(margin + 2 * Scaled(kCheckWidth), client.Bottom - margin - bottomHeight, Scaled(60),
                      bottomHeight);
}

void TFrmEdit::Paint(HDC dc) {
  Background.Paint(dc, ToRECT(ClientBounds(Hwnd)));
  PaintHelpLink(dc, LinkFont.get(), HelpLink(), kHelpText, DT_LEFT);
}

void TFrmEdit::Insert(std::u16string_view codes) {
  if (!codes.empty()) {
    Hosted->Editor.ReplaceSelection(codes);
    // Text put in by the program raises no change of its own.
    OkButton->setEnabled(true);
  }
  Hosted->Editor.Focus();
}

// Ctrl, Shift and Alt stay down: pressing writes the key down, releasing the key up.
void TFrmEdit::KeyButtonClicked(std::size_t index) {
  const auto keys = execution::KeyButtons();
  if (index >= keys.size()) {
    Insert(execution::KeyButtonText(execution::SleepCode));
    return;
  }
  const execution::TKeyButton& key = keys[index];
  if (!key.Toggle) {
    Insert(execution::KeyButtonText(key.Code));
    return;
  }
  TQxButton& button = *KeyButtons[index];
  const bool release = button.Down();
  button.setDown(!release);
  Insert(execution::KeyCodeText(key.Code, release));
}

void TFrmEdit::KeyboardModeClicked() {
  Keyboard.Reset();
  if (Hosted->KeyboardMode.Checked())
    (void)execution::ClearClipboardForKeyboardMode(Context.Services.Clipboard, Context.Services.Time);
  Hosted->Editor.Focus();
}

bool TFrmEdit::PreTranslate(const MSG& message) {
  if (Hosted->KeyboardMode.Checked() && (IsKeyMessage(message.message) || IsCharMessage(message.message)))
    return KeyboardModeKey(message);
  if (message.message == WM_KEYDOWN && message.wParam == VK_F1) {
    if (OnHelp)
      OnHelp(kHelpAnchor);
    return true;
  }
  return false;
}

// Every key goes through the keyboard model first; the characters it would type never reach the editor.
bool TFrmEdit::KeyboardModeKey(const MSG& message) {
  if (IsCharMessage(message.message))
    return execution::TKeyboardMode::SwallowsCharacters();
  const int key = static_cast<int>(message.wParam);
  const bool down = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
  const execution::TKeyboardMode::TResult result = down ? Keyboard.KeyDown(key) : Keyboard.KeyUp(key);
  if (!result.Insert.empty() || result.Swallow)
    Insert(result.Insert);
  return result.Swallow;
}

void TFrmEdit::Finish(bool ok) {
  if (Done)
    return;
  if (ok) {
    if (Hosted->Editor.Text().empty())
      return;
    TMacroComposerResult result;
    result.NewLineHome = Hosted->NewLineHome.Checked();
    result.Macro = execution::MacroFromEditor(Hosted->Editor.Text(), result.NewLineHome);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (::GetWindowPlacement(Hwnd, &placement) != FALSE)
      result.Bounds = FromRECT(placement.rcNormalPosition);
    Result = std::move(result);
  }
  Done = true;
}

std::optional<TMacroComposerResult> TFrmEdit::ShowModal() {
  TModalHooks hooks;
  hooks.Shown = [this] { Hosted->Editor.Focus(); };
  hooks.PreTranslate = [this](const MSG& message) { return PreTranslate(message); };
  hooks.ClickDefault = [this] { Finish(true); };
  hooks.Cancel = [this] { Finish(false); };
  RunModal(
      Hwnd, [this] { return Done; }, hooks);
  ::ShowWindow(Hwnd, SW_HIDE);
  return Result;
}

void TFrmEdit::ScaleChanged() {
  Arrange();
}

LRESULT TFrmEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
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
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (const LRESULT brush = Background.ControlColor(Hwnd, wParam, lParam); brush != 0)
        return brush;
      break;
    case WM_LBUTTONUP:
      if (HelpLink().Contains(TPoint{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) && OnHelp)
        OnHelp(kHelpAnchor);
      return 0;
    case WM_CLOSE:
      Finish(false);
      return 0;
    default:
      break;
  }
  return TWindow::WindowProc(message, wParam, lParam);
}

std::optional<TMacroComposerResult> RunMacroComposer(TAppContext& context, HWND owner,
                                                     const TMacroComposerRequest& request,
                                                     std::function<void(std::u16string_view anchor)> onHelp) {
  TFrmEdit composer(context, owner, request);
  composer.OnHelp = std::move(onHelp);
  return composer.ShowModal();
}

}  // namespace tolvane::ui
