#pragma once
// TControl, the base of the thin wrappers around the system's controls. A wrapper creates its control as a
// child of a TWindow, which hands it the notifications the control sends, and turns them into typed
// std::function callbacks. Callbacks report what the user did: setters of texts and values never raise
// OnChange (selecting a tree or list item does raise OnSelChanged, as a click would).
//
// The control goes with the wrapper, or earlier with its parent window; the wrapper must not outlive the
// TWindow object it was created on. Exceptions from callbacks are shown on the form, like those of handlers.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "common/Geometry.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win.h"
#include "ui/Window.h"

namespace tolvane::ui {

struct TControlClass {
  const wchar_t* Name = nullptr;
  DWORD Style = 0;  // besides WS_CHILD | WS_VISIBLE
  DWORD ExStyle = 0;
};

class TControl : protected TControlNotifications {
 public:
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;
  ~TControl() override;

  HWND Handle() const { return Hwnd; }
  int Id() const;

  // The caller's font, which must outlive its use here; every control starts with ControlFont.
  virtual void SetFont(HFONT font);
  void SetEnabled(bool enabled);
  bool Enabled() const;
  void SetVisible(bool visible);
  bool Visible() const;
  // In the parent's client pixels.
  virtual void SetBounds(const TRect& bounds);
  TRect Bounds() const;
  void Focus();
  bool Focused() const;

  // A key pressed while the control has the focus; answering true keeps the key (and the character it types)
  // from the control.
  std::function<bool(WORD key)> OnKeyDown;
  std::function<void(WORD key)> OnKeyUp;
  std::function<void()> OnFocus;

 protected:
  // Throws std::system_error when the control cannot be created.
  TControl(TWindow& parent, int id, const TControlClass& controlClass);

  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  // Callbacks run only while the control is there and not being destroyed.
  bool Notifying() const { return Hwnd != nullptr && !Closing; }
  std::u16string ControlText() const;
  void SetControlText(std::u16string_view text);

  // The control's messages before its own procedure sees them; true (with the result) handles one.
  virtual bool BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // After the control's own procedure handled the message.
  virtual void AfterMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {}

  TWindow& ParentWindow;

 private:
  static LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR self);
  LRESULT Filter(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool KeyDown(WORD key);
  void Gone();

  HWND Hwnd = nullptr;
  win32::unique_hwnd Window;
  bool Closing = false;
  std::shared_ptr<bool> Lifetime = std::make_shared<bool>(true);  // expires with the wrapper
  wchar_t KeptCharacter =
      0;  // the character of a key OnKeyDown kept, which must not reach the control either
};

// Stops the control from repainting while many items change; it repaints once at the end.
class TUpdateBatch {
 public:
  explicit TUpdateBatch(const TControl& control);
  TUpdateBatch(const TUpdateBatch&) = delete;
  TUpdateBatch& operator=(const TUpdateBatch&) = delete;
  ~TUpdateBatch();

 private:
  HWND Window;
};

}  // namespace tolvane::ui
