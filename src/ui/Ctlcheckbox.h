#pragma once
// TCheckBox: a check box with its caption.

#include <functional>
#include <string>
#include <string_view>

#include "ui/Control.h"

namespace tolvane::ui {

class TCheckBox : public TControl {
 public:
  TCheckBox(TWindow& parent, int id, std::u16string_view caption);

  std::u16string Caption() const { return ControlText(); }
  void SetCaption(std::u16string_view caption) { SetControlText(caption); }
  bool Checked() const;
  void SetChecked(bool checked);

  // The user clicked the box (mouse or Space); Checked() already has the new state.
  std::function<void()> OnClick;

 private:
  bool Command(UINT code) override;
};

}  // namespace tolvane::ui
