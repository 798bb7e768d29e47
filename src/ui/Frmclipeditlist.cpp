// TFrmClipEdit: the function list and the editor's rules.

#include <algorithm>
#include <string>
#include <vector>

#include "graphics/Qxcolor.h"
#include "ui/Frmclipedit.h"
#include "ui/Frmclipeditcontrols.h"
#include "ui/Uihandles.h"

namespace tolvane::ui {

namespace {

constexpr COLORREF kUnfocusedTop = 0xF0F0F0;
constexpr COLORREF kUnfocusedBottom = 0xBFBFBF;
constexpr COLORREF kSelectedText = 0x800000;
constexpr COLORREF kRowLine = 0xC0C0C0;
constexpr int kTextLeft = 5;

COLORREF Mix(COLORREF from, COLORREF to, int step, int steps) {
  const auto channel = [&](int shift) {
    const int a = static_cast<int>((from >> shift) & 0xFF), b = static_cast<int>((to >> shift) & 0xFF);
    return static_cast<COLORREF>(a + (b - a) * step / std::max(steps, 1)) << shift;
  };
  return channel(0) | channel(8) | channel(16);
}

// From the first colour to the second over the top third, and back over the rest.
void FillSelection(HDC dc, const RECT& row, COLORREF top, COLORREF bottom) {
  const int height = row.bottom - row.top;
  const int third = std::max(height / 3, 1);
  for (int y = 0; y < height; ++y) {
    const COLORREF color =
        y < third ? Mix(top, bottom, y, third) : Mix(bottom, top, y - third, height - third - 1);
    const win32::unique_hbrush brush(::CreateSolidBrush(color));
    const RECT line{row.left, row.top + y, row.right, row.top + y + 1};
    ::FillRect(dc, &line, brush.get());
  }
}

void HorizontalLine(HDC dc, int left, int right, int y, COLORREF color) {
  const win32::unique_hbrush brush(::CreateSolidBrush(color));
  const RECT line{left, y, right, y + 1};
  ::FillRect(dc, &line, brush.get());
}

}  // namespace

void TListBox::Add(std::u16string_view text) {
  const std::wstring wide = win32::Wide(text);
  Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  const HDC dc = ::GetDC(Handle());
  if (dc == nullptr)
    return;
  const HFONT font = reinterpret_cast<HFONT>(Send(WM_GETFONT));
  const win32::TSelectGuard selected(dc, font);
  SIZE size{};
  ::GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
  ::ReleaseDC(Handle(), dc);
  if (size.cx + 8 > Extent) {
    Extent = size.cx + 8;
    Send(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(Extent));
  }
}

void TFrmClipEdit::Refilter() {
  if (!Hosted)
    return;
  const TRichEdit& editor = Hosted->Editor;
  ShowList(modifier::FilterFunctionList(Table, Context.Services.Locale,
                                        editor.LineText(static_cast<int>(CaretLine()))));
}

void TFrmClipEdit::ShowList(modifier::TFunctionListView view) {
  Shown = std::move(view);
  TListBox& list = Hosted->List;
  list.SetCount(static_cast<int>(Shown.Shown.size()));
  list.Select(Shown.Selected ? static_cast<int>(*Shown.Selected) : -1);
  ::InvalidateRect(list.Handle(), nullptr, FALSE);
  ::SetWindowTextW(Hosted->ListCaption.get(), win32::Wide(Shown.Caption).c_str());
}

void TFrmClipEdit::DrawRow(const DRAWITEMSTRUCT& item) const {
  const HDC dc = item.hDC;
  const RECT row = item.rcItem;
  const int count = static_cast<int>(Shown.Shown.size());
  if (item.itemID == static_cast<UINT>(-1) || static_cast<int>(item.itemID) >= count) {
    ::FillRect(dc, &row, ::GetSysColorBrush(COLOR_WINDOW));
    return;
  }
  const int index = static_cast<int>(item.itemID);
  const bool focusedRow = (item.itemState & ODS_FOCUS) != 0;
  const bool highlighted = (item.itemState & ODS_SELECTED) != 0 || focusedRow;
  COLORREF textColor = RGB(0, 0, 0);
  if (highlighted) {
    platform::ISystemColors& colors = Context.Services.SystemColors;
    const bool listFocused = Hosted->List.Focused();
    FillSelection(
        dc, row,
        listFocused ? static_cast<COLORREF>(graphics::ResolveColor(colors, Context.Settings.SelTopColor))
                    : kUnfocusedTop,
        listFocused ? static_cast<COLORREF>(graphics::ResolveColor(colors, Context.Settings.SelBottomColor))
                    : kUnfocusedBottom);
    textColor = kSelectedText;
  } else {
    ::FillRect(dc, &row, ::GetSysColorBrush(COLOR_WINDOW));
  }
  const modifier::TFunc& func = Table[Shown.Shown[static_cast<std::size_t>(index)]];
  ::SetBkMode(dc, TRANSPARENT);
  int x = row.left + Scaled(kTextLeft);
  const HFONT normal = reinterpret_cast<HFONT>(::SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
  bool first = true;
  for (const modifier::TRowRun& run : modifier::FunctionRowRuns(func)) {
    // The name stands out from its parameters.
    const win32::TSelectGuard font(dc, first && ListBoldFont ? ListBoldFont.get() : normal);
    first = false;
    const std::wstring text = win32::Wide(run.Text);
    ::SetTextColor(dc, run.Color ? static_cast<COLORREF>(*run.Color) : textColor);
    RECT bounds{x, row.top, row.right, row.bottom};
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &bounds,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    x += size.cx;
  }
  if (focusedRow)
    ::DrawFocusRect(dc, &row);
  HorizontalLine(dc, row.left, row.right, row.top, kRowLine);
  if (index == count - 1)
    HorizontalLine(dc, row.left, row.right, row.bottom - 1, kRowLine);
}

const modifier::TFunc* TFrmClipEdit::SelectedFunction() const {
  const int row = Hosted->List.Selected();
  if (row < 0 || static_cast<std::size_t>(row) >= Shown.Shown.size())
    return nullptr;
  return &Table[Shown.Shown[static_cast<std::size_t>(row)]];
}

void TFrmClipEdit::InsertSelected() {
  const modifier::TFunc* func = SelectedFunction();
  if (func == nullptr)
    return;
  const std::optional<modifier::TLineEdit> edit = modifier::InsertFunction(
      *func, Context.Services.Locale, modifier::EditorLines(Hosted->Editor.Text()), CaretLine());
  if (!edit)
    return;
  ApplyEdit(*edit);
  Hosted->Editor.Focus();
}

bool TFrmClipEdit::CompleteLine() {
  const std::optional<modifier::TLineEdit> edit =
      modifier::CompleteOnEnter(Table, Shown, modifier::EditorLines(Hosted->Editor.Text()), CaretLine());
  if (!edit)
    return false;
  ApplyEdit(*edit);
  return true;
}

void TFrmClipEdit::WidenToQuotedValue() {
  TRichEdit& editor = Hosted->Editor;
  const TTextSelection selection = editor.Selection();
  const int line = editor.LineFromPosition(selection.Start);
  const int lineStart = editor.LineStart(line);
  const std::u16string text = editor.LineText(line);
  const auto column = [&](int position) {
    return std::min(static_cast<std::size_t>(std::max(position - lineStart, 0)), text.size());
  };
  const std::optional<modifier::TLineRange> range =
      modifier::QuotedValueRange(text, {column(selection.Start), column(selection.End)});
  if (range)
    editor.SetSelection(
        {lineStart + static_cast<int>(range->Start), lineStart + static_cast<int>(range->End)});
}

// Positions are the control's, where a line break counts as one.
void TFrmClipEdit::ApplyEdit(const modifier::TLineEdit& edit) {
  TRichEdit& editor = Hosted->Editor;
  const int lastLine = std::max(editor.LineCount() - 1, 0);
  const int textEnd = editor.LineStart(lastLine) + static_cast<int>(editor.LineText(lastLine).size());
  int start = textEnd;
  int end = textEnd;
  if (edit.Kind != modifier::TLineEdit::TKind::Append) {
    const int line = static_cast<int>(edit.Line);
    start = editor.LineStart(line);
    end = edit.Kind == modifier::TLineEdit::TKind::ReplaceLine
              ? start + static_cast<int>(editor.LineText(line).size())
              : start;
  }
  editor.SetSelection({start, end});
  editor.ReplaceSelection(edit.Text);
  TextChanged();
}

std::size_t TFrmClipEdit::CaretLine() const {
  const TRichEdit& editor = Hosted->Editor;
  return static_cast<std::size_t>(std::max(editor.LineFromPosition(editor.Selection().Start), 0));
}

void TFrmClipEdit::TextChanged() {
  Hosted->Ok.setEnabled(!Hosted->Editor.Text().empty());
  Refilter();
}

}  // namespace tolvane::ui
