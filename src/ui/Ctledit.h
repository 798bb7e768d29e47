#pragma once
// TEdit: a single-line edit or a multi-line memo.

#include <functional>
#include <string>
#include <string_view>

#include "ui/Control.h"

namespace tolvane::ui {

// Or-ed into the style of a TEdit.
namespace editstyle {
inline constexpr unsigned Multiline =
    1;  // a memo: line breaks, vertical scroll bar, Enter types a line break
inline constexpr unsigned ReadOnly = 2;
inline constexpr unsigned DigitsOnly = 4;
}  // namespace editstyle

struct TTextSelection {
  int Start = 0;
  int End = 0;

  bool operator==(const TTextSelection&) const = default;
};

class TEdit : public TControl {
 public:
  TEdit(TWindow& parent, int id, unsigned style = 0);

  std::u16string Text() const { return ControlText(); }
  void SetText(std::u16string_view text);
  void SetReadOnly(bool readOnly);
  bool ReadOnly() const;
  // How much the user may type, in UTF-16 units; 0 for no limit.
  void SetMaxLength(int length);
  // UTF-16 positions; End is just behind the selection.
  TTextSelection Selection() const;
  void SetSelection(TTextSelection selection);
  void SelectAll();

  // The user changed the text (typing, pasting, cutting).
  std::function<void()> OnChange;

 private:
  bool Command(UINT code) override;

  bool Setting = false;
};

}  // namespace tolvane::ui
