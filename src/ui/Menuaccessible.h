#pragma once
// Active Accessibility for the custom-drawn menus: each menu window answers WM_GETOBJECT with an IAccessible
// whose children are its entries or rows, read afresh from the window at every call, and raises the WinEvents
// screen readers follow (focus on the hot item, menu mode on the bar, a popup's showing and hiding).

#include "platform/win32/Win.h"
#include "uimodel/Menuaccess.h"

namespace tolvane::ui {

// The menu window behind an accessible object.
class IMenuAccessSource {
 public:
  virtual ~IMenuAccessSource() = default;
  virtual uimodel::TMenuAccessView AccessView() const = 0;
};

class TMenuAccessible;

// Owned by a menu window. Clients may keep the object after the window is gone; Disconnect (at WM_DESTROY and
// in the destructor) cuts it off from the window, and its calls then fail with RPC_E_DISCONNECTED.
class TMenuAccessHost {
 public:
  TMenuAccessHost(IMenuAccessSource& source, uimodel::TAccessRole role) : Source(source), Role(role) {}
  TMenuAccessHost(const TMenuAccessHost&) = delete;
  TMenuAccessHost& operator=(const TMenuAccessHost&) = delete;
  ~TMenuAccessHost();

  // WM_GETOBJECT: true with the answer for the client area; false leaves the message to the default handling.
  bool GetObject(HWND window, WPARAM wParam, LPARAM lParam, LRESULT& answer);
  // The window's messages that concern the object (WM_GETOBJECT, WM_DESTROY); true when `answer` is the
  // message's result.
  bool Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& answer);
  // Raises the events the window's new state calls for. active: the bar is in menu mode (an entry is hot) or
  // the popup shows; hot: the hot index or −1.
  void Announce(HWND window, bool active, int hot);
  void Disconnect();

 private:
  IMenuAccessSource& Source;
  uimodel::TAccessRole Role;
  TMenuAccessible* Object = nullptr;  // one reference held while connected
  uimodel::TAccessAnnouncer Announcer;
};

}  // namespace tolvane::ui
