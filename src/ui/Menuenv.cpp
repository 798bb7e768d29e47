#include "ui/Menuenv.h"

#include <string>

#include "actions/Itemactions.h"
#include "execution/Shellhlpr.h"
#include "ui/Gditextpainter.h"

namespace tolvane::ui {

namespace {

bool KeyDown(int virtualKey) {
  return (::GetKeyState(virtualKey) & 0x8000) != 0;
}

}  // namespace

int TMenuEnvironment::CurrentModifierMask() {
  return (KeyDown(VK_CONTROL) ? actions::ModifierCtrl : 0) |
         (KeyDown(VK_SHIFT) ? actions::ModifierShift : 0) | (KeyDown(VK_MENU) ? actions::ModifierAlt : 0);
}

LPARAM TMenuEnvironment::HeldKeyFlags() {
  return (KeyDown(VK_CONTROL) ? 1 : 0) | (KeyDown(VK_SHIFT) ? 2 : 0) | (KeyDown(VK_MENU) ? 4 : 0);
}

uimodel::TKeyModifiers TMenuEnvironment::KeyModifiers(LPARAM flags) {
  uimodel::TKeyModifiers modifiers;
  modifiers.Ctrl = (flags & 1) != 0;
  modifiers.Shift = (flags & 2) != 0;
  modifiers.Alt = (flags & 4) != 0;
  return modifiers;
}

bool TMenuEnvironment::SetIcon(storage::TItem* item, WPARAM icon) {
  if (item == nullptr)
    return false;
  item->ImageIndex = static_cast<int>(icon);
  Context.Menu.MenuModified = true;
  return true;
}

bool TMenuEnvironment::MouseMoved(DWORD messagePos) {
  if (messagePos == LastMousePos)
    return false;
  LastMousePos = messagePos;
  return true;
}

int TMenuEnvironment::TextWidth(std::u16string_view text) {
  if (MeasureCanvas.Dc() == nullptr && !MeasureCanvas.Resize(1, 1))
    return 0;
  TGdiTextPainter painter(MeasureCanvas, Font.get());
  return painter.Width(text);
}

uimodel::TMenuPaintContext TMenuEnvironment::PaintContext(uimodel::ITextPainter& text) const {
  return uimodel::TMenuPaintContext{
      Metrics, Colors, Glyphs.User, Glyphs.BuiltIn, Glyphs.Arrows, Context.Settings.ArrowImageIndex, text};
}

bool TMenuEnvironment::RecycleFile(const std::u16string& path) {
  platform::TServices& services = Context.Services;
  const platform::TWindowHandle owner = MainWindowHandle();
  switch (services.Files.Recycle(path)) {
    case platform::TRecycleResult::Recycled:
      return true;
    case platform::TRecycleResult::NoRecycleBin:
      if (!execution::AskYesNo(services.MessageBox, u"Question for you",
                               u"There is no recycle bin for\r\n" + path + u"\r\n \r\nDelete it for good ?",
                               owner))
        return false;
      if (services.Files.Delete(path))
        return true;
      break;
    case platform::TRecycleResult::Failed:
      break;
  }
  execution::ReportSystemError(services.MessageBox, services.Files.LastError(), u"Tolvane",
                               u"The menu file could not be deleted:\r\n" + path, u"", owner);
  return false;
}

}  // namespace tolvane::ui
