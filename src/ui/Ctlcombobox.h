#pragma once
// TComboBox: a drop-down list (choose one line) or an editable combo box (type, or choose a line). Keys typed
// into an editable box go to its inner edit and do not reach OnKeyDown.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "ui/Control.h"

namespace tolvane::ui {

enum class TComboKind { DropDownList, Editable };

class TComboBox : public TControl {
 public:
  // visibleLines: how many lines the opened list shows before it scrolls.
  TComboBox(TWindow& parent, int id, TComboKind kind, int visibleLines = 12);

  // Appends a line with the caller's value; its index.
  int Add(std::u16string_view text, std::intptr_t data = 0);
  void Clear();
  int Count() const;
  std::u16string ItemText(int index) const;
  std::intptr_t ItemData(int index) const;
  // The line with exactly this text, ignoring case as the control does; -1 when there is none.
  int Find(std::u16string_view text) const;

  // -1 when no line is chosen.
  int Selected() const;
  void SetSelected(int index);
  // The text in the field: the chosen line's, or what was typed into an editable box.
  std::u16string Text() const { return ControlText(); }
  void SetText(std::u16string_view text);

  // The height is the closed box's; the opened list comes on top of it.
  void SetBounds(const TRect& bounds) override;

  // The user chose another line.
  std::function<void()> OnSelChanged;
  // The user typed into an editable box.
  std::function<void()> OnChange;

 private:
  bool Command(UINT code) override;

  int VisibleLines;
  bool Setting = false;
};

}  // namespace tolvane::ui
