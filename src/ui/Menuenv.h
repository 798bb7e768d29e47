#pragma once
// What the bar and its popups share: the appearance in force (metrics, colours, gradient tables, glyphs and
// the menu font), the window that receives forwarded keys, the side windows a right click opens, and the
// main window's services. The main window owns it and refreshes it when the appearance or the menu changes.

#include <functional>
#include <string_view>

#include "graphics/Gradient.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win.h"
#include "storage/Item.h"
#include "ui/Appcontext.h"
#include "ui/Dibcanvas.h"
#include "ui/Menuglyphs.h"
#include "uimodel/Menukeys.h"
#include "uimodel/Menulayout.h"
#include "uimodel/Menupaint.h"

namespace tolvane::ui {

// The item context window, the icon picker and the preview: at most one picker or context window is open
// program-wide. The menus reach them only through this interface.
class IMenuSideWindows {
 public:
  virtual ~IMenuSideWindows() = default;
  // Whether an icon picker or context window is open.
  virtual bool PickerOpen() const = 0;
  // owner receives UM_ITEM_COMMAND, UM_SET_ICON, UM_REPAINT_MENU and UM_RELEASE_WINDOW from them.
  virtual void OpenContextWindow(HWND owner, storage::TItem& item, POINT screen) = 0;
  virtual void OpenIconPicker(HWND owner, storage::TItem& item, POINT corner) = 0;
  virtual void ClosePicker() = 0;
  // The hot popup item's contents beside its row (screen pixels) while Ctrl is held.
  virtual void ShowPreview(const storage::TItem& item, const RECT& row) = 0;
  virtual void HidePreview() = 0;
};

struct TMenuEnvironment {
  explicit TMenuEnvironment(TAppContext& context, const TMenuGlyphs& glyphs)
      : Context(context), Glyphs(glyphs) {}
  TMenuEnvironment(const TMenuEnvironment&) = delete;
  TMenuEnvironment& operator=(const TMenuEnvironment&) = delete;

  TAppContext& Context;
  const TMenuGlyphs& Glyphs;
  HWND MainWindow = nullptr;
  uimodel::TMenuMetrics Metrics;
  uimodel::TMenuColors Colors;
  graphics::TPopupGradients Gradients;
  win32::unique_hfont Font;  // the menu font at the bar's scale; popups take the bar's font
  int PixelsPerInch = 96;
  // The window that forwarded menu keys go to: the bar, or the popup the mouse or a selection last chose.
  HWND KeyTargetWindow = nullptr;
  IMenuSideWindows* SideWindows = nullptr;
  bool DockedAtTop = true;
  TRect WorkArea;
  // The main window's reactions the menus need directly.
  std::function<void()> RepeatPreviousAction;
  std::function<void()> ShowReadOnlyMessage;
  // Called before items are destroyed, so that nothing keeps pointing at them.
  std::function<void(const storage::TItem& item)> ItemsRemoving;

  // The modifier keys held now, as actions::ModifierCtrl and the others.
  static int CurrentModifierMask();
  // UM_MENU_KEY's lParam: Ctrl 1, Shift 2, Alt 4 as held now, and back.
  static LPARAM HeldKeyFlags();
  static uimodel::TKeyModifiers KeyModifiers(LPARAM flags);
  // UM_SET_ICON for the item (none: nothing); true when it changed the menu.
  bool SetIcon(storage::TItem* item, WPARAM icon);
  platform::TWindowHandle MainWindowHandle() const {
    return reinterpret_cast<platform::TWindowHandle>(MainWindow);
  }
  // Moves the file to the recycle bin, or deletes it where there is none; false with the reason shown.
  bool RecycleFile(const std::u16string& path);
  // Whether the mouse message at that screen position (GetMessagePos) is a real move: the system also sends
  // one when a window appears under a resting pointer, which must not take the keys from a popup.
  bool MouseMoved(DWORD messagePos);
  // Width of a single line in the menu font.
  int TextWidth(std::u16string_view text);
  // The glyphs, colours and metrics for a painter drawing text with the painter.
  uimodel::TMenuPaintContext PaintContext(uimodel::ITextPainter& text) const;

 private:
  TDibCanvas MeasureCanvas;
  DWORD LastMousePos = 0xFFFFFFFF;
};

}  // namespace tolvane::ui
