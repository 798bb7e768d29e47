#pragma once
// TSpinEdit: a number box with up and down arrows. The arrows, the arrow keys and typing all ask OnChanging
// first, so a value the form refuses never shows: the arrows do not move and a typed value is taken back.

#include <functional>

#include "platform/win32/Handles.h"
#include "ui/Control.h"

namespace tolvane::ui {

class TSpinEdit : public TControl {
 public:
  // Throws std::system_error when the controls cannot be created.
  TSpinEdit(TWindow& parent, int id, int minimum, int maximum);
  ~TSpinEdit() override;

  int Value() const { return Current; }
  // Shows the value limited to the range; raises no event.
  void SetValue(int value);
  // The box with the arrows at its right end.
  void SetBounds(const TRect& bounds) override;
  HWND Arrows() const { return UpDown.get(); }

  // A new value is about to be taken; false refuses it.
  std::function<bool(int value)> OnChanging;
  std::function<void(int value)> OnChange;

 private:
  class TArrowNotifications : public TControlNotifications {
   public:
    explicit TArrowNotifications(TSpinEdit& owner) : Owner(owner) {}
    bool Notify(const NMHDR& header, LRESULT& result) override;

   private:
    TSpinEdit& Owner;
  };

  bool Command(UINT code) override;
  bool BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  // Takes the value when it is in range and accepted; true when it is the value now.
  bool Offer(int value);
  void Step(int delta);
  void ShowValue();

  int Minimum;
  int Maximum;
  int Current;
  bool Setting = false;
  TArrowNotifications ArrowNotifications{*this};
  win32::unique_hwnd UpDown;
};

}  // namespace tolvane::ui
