#include "ui/Frmsearch.h"

#include <windowsx.h>

#include <string>
#include <vector>

#include "graphics/Gradient.h"
#include "ui/Controlfont.h"
#include "ui/Ctledit.h"
#include "ui/Ctllistview.h"
#include "ui/Ctlrichedit.h"
#include "ui/Dibcanvas.h"
#include "ui/Geometrywin.h"
#include "ui/Imagelist.h"
#include "ui/Modal.h"
#include "ui/Uihandles.h"
#include "uimodel/Helpanchors.h"

namespace tolvane::ui {

namespace {

namespace id = uimodel::searchcontrol;
using uimodel::TSearchKeyAction;

constexpr UINT_PTR kLoadTimer = 1;
// Long enough for the dialog to be drawn once before the items are read.
constexpr UINT kLoadDelayMs = 50;
constexpr COLORREF kHelpColor = RGB(0, 0, 255);
constexpr std::u16string_view kHelpAnchor = uimodel::help::SearchAll;
constexpr std::u16string_view kDefaultDetailFont = u"Lucida Console";
constexpr int kDefaultDetailFontSize = 10;

struct TColumn {
  std::u16string_view Caption;
  int Width;  // design pixels
};
constexpr TColumn kColumns[] = {{u"Title", 420}, {u"Path", 480}, {u"Type", 150}};

}  // namespace

struct TFrmSearch::TControls {
  explicit TControls(TWindow& form)
      : Term1(form, id::Term1),
        Term2(form, id::Term2),
        Results(form, id::Results),
        Detail(form, id::Detail, richstyle::ReadOnly | richstyle::NoWordWrap) {}

  TEdit Term1;
  TEdit Term2;
  TVirtualListView Results;
  TRichEdit Detail;
};

TFrmSearch::TFrmSearch(TAppContext& context, HWND owner, storage::TItem& root,
                       const graphics::TGlyphList& userGlyphs)
    : Context(context), Root(root), Engine(context.Services.Locale, context.Services.Time) {
  TWindowClass windowClass;
  windowClass.Name = kClassName;
  windowClass.Style = CS_DBLCLKS;
  windowClass.IconId = 1;
  TWindowParams params;
  params.Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;
  params.Caption = L"Search";
  params.Parent = owner;
  const HMONITOR monitor = ::MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST);
  params.Bounds = uimodel::SearchDialogBounds(Context.Settings.SearchPos, MonitorWorkArea(monitor),
                                              MonitorScale(monitor));
  Create(windowClass, params);

  if (userGlyphs.Count() > 0) {
    auto images = std::make_unique<TImageList>(userGlyphs.CellSize(), userGlyphs.CellSize());
    if (images->AddGlyphs(userGlyphs))
      Images = std::move(images);
  }
  Hosted = std::make_unique<TControls>(*this);
  TVirtualListView& results = Hosted->Results;
  if (Images)
    results.SetImageList(Images->Handle());
  for (const TColumn& column : kColumns)
    results.AddColumn(column.Caption, Scaled(column.Width));
  results.OnCell = [this](int row, int column) {
    const std::vector<storage::TSearchRow>& rows = Engine.Rows();
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size())
      return TListCellView{};
    const storage::TSearchRow& shown = rows[static_cast<std::size_t>(row)];
    switch (column) {
      case 0:
        return TListCellView{shown.Title, ImageOf(shown.ImageIndex)};
      case 1:
        return TListCellView{shown.Path, ImageOf(shown.ParentImageIndex)};
      case 2:
        return TListCellView{shown.TypeName, -1};
      default:
        return TListCellView{};
    }
  };
  results.OnSelChanged = [this](int row) {
    if (!Filling)
      ShowDetail(row);
  };
  results.OnActivate = [this](int) { Choose(); };
  Hosted->Term1.OnChange = [this] { TermChanged(true); };
  Hosted->Term2.OnChange = [this] { TermChanged(false); };
  CreateFonts();
  PaneHeight = Context.Settings.SearchSplit;
  Arrange();
}

TFrmSearch::~TFrmSearch() {
  Destroy();
}

storage::TItem* TFrmSearch::ShowModal() {
  if (Hwnd == nullptr)
    return nullptr;
  TModalHooks hooks;
  hooks.Shown = [this] {
    Hosted->Term1.Focus();
    ::SetTimer(Hwnd, kLoadTimer, kLoadDelayMs, nullptr);
  };
  hooks.PreTranslate = [this](const MSG& message) { return PreTranslate(message); };
  hooks.ClickDefault = [this] { Choose(); };
  hooks.Cancel = [this] { Done = true; };
  RunModal(
      Hwnd, [this] { return Done; }, hooks);
  if (Hwnd != nullptr)
    StoreSettings();
  Destroy();
  return Chosen;
}

LRESULT TFrmSearch::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
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
      limits.ptMinTrackSize = POINT{Scaled(600), Scaled(450)};
      return 0;
    }
    case WM_TIMER:
      if (wParam == kLoadTimer) {
        ::KillTimer(Hwnd, kLoadTimer);
        LoadItems();
        return 0;
      }
      break;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == Hwnd && LOWORD(lParam) == HTCLIENT) {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        ::ScreenToClient(Hwnd, &cursor);
        if (SetCursorAt(cursor))
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
      if (DragStartY >= 0)
        ::ReleaseCapture();
      return 0;
    case WM_CAPTURECHANGED:
      DragStartY = -1;
      return 0;
    case WM_CLOSE:
      Done = true;
      return 0;
    default:
      break;
  }
  return TWindow::WindowProc(message, wParam, lParam);
}

void TFrmSearch::ScaleChanged() {
  CreateFonts();
  Arrange();
}

void TFrmSearch::CreateFonts() {
  const storage::TSettings& settings = Context.Settings;
  const std::u16string_view name = settings.CodeFixedFontName.empty()
                                       ? kDefaultDetailFont
                                       : std::u16string_view(settings.CodeFixedFontName);
  const int size = settings.CodeFixedFontSize > 0 ? settings.CodeFixedFontSize : kDefaultDetailFontSize;
  win32::unique_hfont font = CreatePointFont(name, size, settings.CodeFixedFontBold, Scale());
  if (!font)
    return;
  Hosted->Detail.SetFont(font.get());
  DetailFont = std::move(font);
  const HFONT controls = ControlFont(Scale());
  Hosted->Term1.SetFont(controls);
  Hosted->Term2.SetFont(controls);
  Hosted->Results.SetFont(controls);
}

void TFrmSearch::Arrange() {
  if (Hwnd == nullptr || !Hosted)
    return;
  const TSize client = ClientBounds(Hwnd).Size();
  Layout = uimodel::LayoutSearchDialog(client, uimodel::SearchPaneHeight(PaneHeight, client.Height, Scale()),
                                       Scale());
  Hosted->Term1.SetBounds(Layout.Term1);
  Hosted->Term2.SetBounds(Layout.Term2);
  Hosted->Results.SetBounds(Layout.Results);
  Hosted->Detail.SetBounds(Layout.Detail);
  ::InvalidateRect(Hwnd, nullptr, FALSE);
}

// The gradient panel with its labels and the help link, and the splitter band; the controls cover the rest.
void TFrmSearch::Paint(HDC dc) {
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  const RECT splitter = ToRECT(Layout.Splitter);
  const win32::unique_hbrush faceBrush(::CreateSolidBrush(face));
  ::FillRect(dc, &splitter, faceBrush.get());

  TDibCanvas canvas;
  if (Layout.Panel.Empty() || !canvas.Resize(Layout.Panel.Width(), Layout.Panel.Height()))
    return;
  platform::ISystemColors& colors = Context.Services.SystemColors;
  const auto top =
      graphics::TQxColor::FromColor(graphics::ResolveColor(colors, Context.Settings.FormTopColor));
  const auto bottom =
      graphics::TQxColor::FromColor(graphics::ResolveColor(colors, Context.Settings.FormBottomColor));
  graphics::FillGradient(canvas.Bitmap(), canvas.Bitmap().Bounds(), top.WithAlpha(255),
                         bottom.WithAlpha(255));
  const HDC pixels = canvas.Dc();
  const win32::TSelectGuard font(pixels, ControlFont(Scale()));
  ::SetBkMode(pixels, TRANSPARENT);
  const auto text = [&](std::wstring_view label, const TRect& where, COLORREF color, UINT align) {
    RECT bounds = ToRECT(where);
    ::SetTextColor(pixels, color);
    ::DrawTextW(pixels, label.data(), static_cast<int>(label.size()), &bounds,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | align);
  };
  const COLORREF labelColor = ::GetSysColor(COLOR_WINDOWTEXT);
  text(L"  Term 1: ", Layout.Term1Label, labelColor, DT_LEFT);
  text(L"  Term 2: ", Layout.Term2Label, labelColor, DT_LEFT);
  text(L" ? ", Layout.Help, kHelpColor, DT_CENTER);
  TDibCanvas::Flush();
  canvas.CopyTo(dc, Layout.Panel.Left, Layout.Panel.Top);
}

void TFrmSearch::LoadItems() {
  ::SetForegroundWindow(Hwnd);
  Engine.Load(Root);
  // Terms typed before the items were read filter them now.
  const std::u16string term1 = Hosted->Term1.Text();
  const std::u16string term2 = Hosted->Term2.Text();
  if (!term1.empty() || !term2.empty()) {
    Engine.SetTerm2(term2);
    Engine.SetTerm1(term1);
  }
  Fill();
}

void TFrmSearch::TermChanged(bool first) {
  if (first)
    Engine.SetTerm1(Hosted->Term1.Text());
  else
    Engine.SetTerm2(Hosted->Term2.Text());
  Fill();
}

// The shown rows with the first selected, the detail pane and the caption; the list repaints once.
void TFrmSearch::Fill() {
  const int count = static_cast<int>(Engine.Rows().size());
  TVirtualListView& results = Hosted->Results;
  {
    const TUpdateBatch batch(results);
    Filling = true;
    const win32::TScopeExit filled([this] { Filling = false; });
    results.SetRowCount(count);
    if (count > 0)
      results.Select(0);
  }
  ShowDetail(count > 0 ? 0 : -1);
  ::SetWindowTextW(Hwnd, win32::Wide(Engine.Caption()).c_str());
}

void TFrmSearch::ShowDetail(int row) {
  TRichEdit& detail = Hosted->Detail;
  const TUpdateBatch batch(detail);
  detail.SetText(u"");
  if (row < 0)
    return;
  const std::vector<storage::TDetailLine> lines = Engine.DetailLines(static_cast<std::size_t>(row));
  for (std::size_t i = 0; i < lines.size(); ++i)
    detail.AppendText(i == 0 ? lines[i].Text : u"\r" + lines[i].Text, static_cast<COLORREF>(lines[i].Color));
  detail.SetSelection({0, 0});
}

int TFrmSearch::ImageOf(int index) const {
  return Images && index >= 0 && index < Images->Count() ? index : -1;
}

bool TFrmSearch::PreTranslate(const MSG& message) {
  if (message.message == WM_MOUSEWHEEL || message.message == WM_MOUSEHWHEEL) {
    RouteWheel(message);
    return true;
  }
  if (message.message != WM_KEYDOWN)
    return false;
  const bool inTerm = message.hwnd == Hosted->Term1.Handle() || message.hwnd == Hosted->Term2.Handle();
  switch (uimodel::SearchKeyAction(static_cast<std::uint32_t>(message.wParam), inTerm)) {
    case TSearchKeyAction::MoveList:
      Hosted->Results.PressKey(static_cast<WORD>(message.wParam));
      return true;
    case TSearchKeyAction::Choose:
      Choose();
      return true;
    case TSearchKeyAction::Cancel:
      Done = true;
      return true;
    case TSearchKeyAction::Help:
      ShowHelp();
      return true;
    case TSearchKeyAction::Pass:
      return false;
  }
  return false;
}

// The wheel scrolls what is under the pointer rather than what has the focus.
void TFrmSearch::RouteWheel(const MSG& message) {
  const POINT cursor{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
  const HWND under = ::WindowFromPoint(cursor);
  const HWND detail = Hosted->Detail.Handle();
  const HWND target = under != nullptr && (under == detail || ::IsChild(detail, under) != FALSE)
                          ? detail
                          : Hosted->Results.Handle();
  ::SendMessageW(target, message.message, message.wParam, message.lParam);
}

void TFrmSearch::Choose() {
  const int row = Hosted->Results.Selected();
  const std::vector<storage::TSearchRow>& rows = Engine.Rows();
  Chosen = row >= 0 && static_cast<std::size_t>(row) < rows.size() ? rows[static_cast<std::size_t>(row)].Item
                                                                   : nullptr;
  Done = true;
}

void TFrmSearch::ShowHelp() {
  if (OnHelp)
    OnHelp(kHelpAnchor);
}

bool TFrmSearch::SetCursorAt(POINT client) const {
  const TPoint at = FromPOINT(client);
  if (Layout.Help.Contains(at)) {
    ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
    return true;
  }
  if (Layout.Splitter.Contains(at) || DragStartY >= 0) {
    ::SetCursor(::LoadCursorW(nullptr, IDC_SIZENS));
    return true;
  }
  return false;
}

void TFrmSearch::MouseDown(POINT client) {
  const TPoint at = FromPOINT(client);
  if (Layout.Help.Contains(at)) {
    ShowHelp();
    return;
  }
  if (!Layout.Splitter.Contains(at))
    return;
  DragStartY = at.Y;
  DragStartPane = Layout.Detail.Height();
  ::SetCapture(Hwnd);
}

void TFrmSearch::MouseMove(POINT client) {
  if (DragStartY < 0 || ::GetCapture() != Hwnd)
    return;
  const int clientHeight = ClientBounds(Hwnd).Height();
  PaneHeight = uimodel::SearchPaneHeight(DragStartPane - (client.y - DragStartY), clientHeight, Scale());
  Arrange();
  ::UpdateWindow(Hwnd);
}

// The bounds of the normal window, also when it is maximised or minimised.
void TFrmSearch::StoreSettings() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  TRect bounds = WindowBounds(Hwnd);
  if ((::IsZoomed(Hwnd) != FALSE || ::IsIconic(Hwnd) != FALSE) &&
      ::GetWindowPlacement(Hwnd, &placement) != FALSE)
    bounds = FromRECT(placement.rcNormalPosition);
  Context.Settings.SearchPos = bounds;
  Context.Settings.SearchSplit = Layout.Detail.Height();
}

}  // namespace tolvane::ui
