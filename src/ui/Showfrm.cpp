#include "ui/Showfrm.h"

#include "ui/Controlfont.h"
#include "ui/Geometrywin.h"
#include "ui/Uihandles.h"
#include "uimodel/Preview.h"
#include "uimodel/Uimessages.h"

namespace tolvane::ui {

namespace {

constexpr int kViewId = 1;
constexpr COLORREF kSeparatorColor = RGB(0, 0, 0);

std::wstring Wide(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}

// The size the text takes in the font, line by line, unwrapped.
TSize TextExtent(const std::u16string& text, HFONT font) {
  const TWindowDc screen(nullptr);
  if (!screen)
    return {};
  const HGDIOBJ old = ::SelectObject(screen.get(), font);
  RECT rect{0, 0, 0, 0};
  const std::wstring wide = Wide(text);
  ::DrawTextW(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &rect,
              DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
  ::SelectObject(screen.get(), old);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

TFrmShow::TFrmShow(TMenuEnvironment& environment) : Environment(environment) {
  TWindowClass windowClass;
  windowClass.Name = kClassName;
  TWindowParams params;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  params.Style = WS_POPUP | WS_BORDER | WS_CLIPCHILDREN;
  params.Caption = L"Showing Contents of ";
  params.Parent = environment.MainWindow;
  Create(windowClass, params);
  View = std::make_unique<TRichEdit>(*this, kViewId, richstyle::ReadOnly | richstyle::NoWordWrap);
  View->OnKeyDown = [this](WORD key) { return ViewKey(key); };
}

TFrmShow::~TFrmShow() {
  View.reset();
  Destroy();
}

void TFrmShow::ShowFor(const storage::TItem& item, const RECT& row) {
  if (Showing() && ShownItem == &item && ::EqualRect(&ShownRow, &row) != FALSE)
    return;
  const std::vector<uimodel::TPreviewLine> lines = uimodel::PreviewLines(item);
  if (lines.empty()) {
    Hide();
    return;
  }
  ShownItem = &item;
  ShownRow = row;
  const uimodel::TPreviewText preview = uimodel::ComposePreview(lines);
  const uimodel::TPreviewFont font = uimodel::PreviewFont(item, Environment.Context.Settings);
  Font = CreatePointFont(font.Name, font.Size, font.Bold, Scale());
  View->SetFont(Font.get());
  View->SetText(u"");
  std::size_t done = 0;
  for (const uimodel::TPreviewRun& run : preview.Runs) {
    if (run.Start > done)
      View->AppendText(std::u16string_view(preview.Text).substr(done, run.Start - done), kSeparatorColor);
    View->AppendText(std::u16string_view(preview.Text).substr(run.Start, run.Length), run.Color);
    done = run.Start + run.Length;
  }
  View->SetSelection({0, 0});
  ::SetWindowTextW(Hwnd, Wide(std::u16string(uimodel::PreviewCaption) + item.Name).c_str());

  const TRect work = MonitorWorkArea(::MonitorFromRect(&row, MONITOR_DEFAULTTONEAREST));
  const TRect bounds = uimodel::PlacePreview(TextExtent(preview.Text, Font.get()), FromRECT(row), work);
  ::SetWindowPos(Hwnd, HWND_TOPMOST, bounds.Left, bounds.Top, bounds.Width(), bounds.Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
  ApplyInsets();
}

void TFrmShow::Hide() {
  if (Showing())
    ::ShowWindow(Hwnd, SW_HIDE);
}

void TFrmShow::ApplyInsets() {
  const TRect client = ClientBounds(Hwnd);
  View->SetBounds(client);
  const uimodel::TPreviewInsets insets = uimodel::PreviewInsets(Scale().Ppi());
  const TRect area = ClientBounds(View->Handle());
  RECT text{insets.Left, insets.Top, area.Width() - insets.Right, area.Height() - insets.Bottom};
  ::SendMessageW(View->Handle(), EM_SETRECT, 0, reinterpret_cast<LPARAM>(&text));
  // Text drawn before the margins moved would stay in them.
  ::InvalidateRect(View->Handle(), nullptr, TRUE);
}

// Keys only reach the view when the user clicked into it: the menus still get them.
bool TFrmShow::ViewKey(WORD key) {
  if (key == VK_RETURN || key == VK_ESCAPE) {
    Hide();
    return true;
  }
  if (key == VK_CONTROL || key == VK_SHIFT || key == VK_MENU)
    return false;
  if (Environment.KeyTargetWindow != nullptr)
    ::PostMessageW(Environment.KeyTargetWindow, uimodel::UM_MENU_KEY, key, TMenuEnvironment::HeldKeyFlags());
  return true;
}

LRESULT TFrmShow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_SIZE:
      if (View)
        ApplyInsets();
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace tolvane::ui
