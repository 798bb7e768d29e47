// TRichEdit: the text, the selection and the lines.
#include "ui/Ctlrichedit.h"

#include <richedit.h>

#include <algorithm>

namespace tolvane::ui {

namespace {

// The control keeps a line break as a lone "\r"; what comes out has "\r\n" like the rest of the program.
std::u16string WithCrLf(std::u16string_view text) {
  std::u16string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    result.push_back(text[i]);
    if (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'))
      result.push_back(u'\n');
  }
  return result;
}

}  // namespace

std::u16string TRichEdit::Text() const {
  GETTEXTLENGTHEX length{GTL_USECRLF | GTL_PRECISE | GTL_NUMCHARS, 1200};
  const auto units = static_cast<std::size_t>(Send(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length)));
  std::wstring text(units + 1, L'\0');
  GETTEXTEX request{};
  request.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  request.flags = GT_USECRLF;
  request.codepage = 1200;  // UTF-16
  const auto copied = static_cast<std::size_t>(
      Send(EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request), reinterpret_cast<LPARAM>(text.data())));
  text.resize(std::min(copied, units));
  return WithCrLf(win32::Narrow16(text));
}

// EM_REPLACESEL never reads its text as rich text format, unlike WM_SETTEXT.
void TRichEdit::Replace(std::u16string_view text) {
  Setting = true;
  Send(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(win32::Wide(text).c_str()));
  Setting = false;
}

void TRichEdit::SetText(std::u16string_view text) {
  SetSelection({0, -1});
  Replace(text);
  SetSelection({0, 0});
  Send(EM_EMPTYUNDOBUFFER);
}

void TRichEdit::AppendText(std::u16string_view text, COLORREF color) {
  SetSelection({-1, -1});
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  format.dwMask = CFM_COLOR;
  format.crTextColor = color;
  Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  Replace(text);
}

TTextSelection TRichEdit::Selection() const {
  CHARRANGE range{};
  Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return {static_cast<int>(range.cpMin), static_cast<int>(range.cpMax)};
}

void TRichEdit::SetSelection(TTextSelection selection) {
  CHARRANGE range{selection.Start, selection.End};
  Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

std::u16string TRichEdit::SelectedText() const {
  const TTextSelection selection = Selection();
  return Range(selection.Start, selection.End);
}

void TRichEdit::ReplaceSelection(std::u16string_view text) {
  Setting = true;
  Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(win32::Wide(text).c_str()));
  Setting = false;
}

int TRichEdit::LineCount() const {
  return static_cast<int>(Send(EM_GETLINECOUNT));
}

int TRichEdit::LineFromPosition(int position) const {
  return static_cast<int>(Send(EM_EXLINEFROMCHAR, 0, position));
}

int TRichEdit::LineStart(int line) const {
  return static_cast<int>(Send(EM_LINEINDEX, static_cast<WPARAM>(line)));
}

std::u16string TRichEdit::LineText(int line) const {
  const int start = LineStart(line);
  if (line < 0 || start < 0)
    return {};
  const auto length = static_cast<int>(Send(EM_LINELENGTH, static_cast<WPARAM>(start)));
  return Range(start, start + length);
}

std::u16string TRichEdit::Range(int start, int end) const {
  if (end <= start)
    return {};
  std::wstring text(static_cast<std::size_t>(end - start) + 1, L'\0');
  TEXTRANGEW range{{start, end}, text.data()};
  const auto copied = static_cast<std::size_t>(Send(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range)));
  text.resize(std::min(copied, static_cast<std::size_t>(end - start)));
  return WithCrLf(win32::Narrow16(text));
}

}  // namespace tolvane::ui
