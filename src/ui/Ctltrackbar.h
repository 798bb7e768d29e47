#pragma once
// TTrackBar: a horizontal slider over a range of whole numbers.

#include <functional>

#include "ui/Control.h"

namespace tolvane::ui {

class TTrackBar : public TControl {
 public:
  TTrackBar(TWindow& parent, int id);

  void SetRange(int minimum, int maximum);
  int Minimum() const;
  int Maximum() const;
  int Position() const;
  // Kept inside the range.
  void SetPosition(int position);

  // The user moved the slider to another position: once per change, however many scroll messages it took.
  std::function<void(int position)> OnChange;

 private:
  bool Scroll(UINT code) override;

  int Reported = 0;
};

}  // namespace tolvane::ui
