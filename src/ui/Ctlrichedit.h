#pragma once
// TRichEdit: the system's rich edit control for the code views and the coloured detail panes.
//
// Positions (selection, lines) are the control's own: a line break counts as one. Texts that come out of the
// control have "\r\n" line breaks; a "\n" or "\r" alone that goes in comes back as "\r\n".

#include <functional>
#include <string>
#include <string_view>

#include "ui/Control.h"
#include "ui/Ctledit.h"

namespace tolvane::ui {

// Or-ed into the style of a TRichEdit.
namespace richstyle {
inline constexpr unsigned ReadOnly = 1;
inline constexpr unsigned NoWordWrap = 2;  // long lines scroll sideways
inline constexpr unsigned PlainText = 4;   // one font and colour for all text
}  // namespace richstyle

class TRichEdit : public TControl {
 public:
  // Throws std::system_error when the rich edit library or the control cannot be had.
  TRichEdit(TWindow& parent, int id, unsigned style = 0);

  std::u16string Text() const;
  // The text as it is: one that looks like rich text format is not interpreted.
  void SetText(std::u16string_view text);
  // At the end, in the colour; for panes built line by line.
  void AppendText(std::u16string_view text, COLORREF color);

  TTextSelection Selection() const;
  void SetSelection(TTextSelection selection);
  std::u16string SelectedText() const;
  void ReplaceSelection(std::u16string_view text);

  int LineCount() const;
  int LineFromPosition(int position) const;
  int LineStart(int line) const;
  // Without its line break; empty for a line that does not exist.
  std::u16string LineText(int line) const;

  // The font's face, size and weight for all text and for what is typed.
  void SetFont(HFONT font) override;
  void SetTextColor(COLORREF color);
  void SetBackground(COLORREF color);
  void SetReadOnly(bool readOnly);
  bool ReadOnly() const;

  // The user changed the text.
  std::function<void()> OnChange;
  // The left mouse button was released over the text.
  std::function<void()> OnClick;
  // A double click, after the control selected the word under the pointer.
  std::function<void()> OnDoubleClick;

 private:
  bool Command(UINT code) override;
  void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  std::u16string Range(int start, int end) const;
  void Replace(std::u16string_view text);

  bool Setting = false;
};

}  // namespace tolvane::ui
