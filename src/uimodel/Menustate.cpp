#include "uimodel/Menustate.h"

namespace tolvane::uimodel {

namespace {

TMenuEffect OpenOrClose(bool hasChildren) {
  return hasChildren ? TMenuEffect::OpenPopup : TMenuEffect::ClosePopup;
}

}  // namespace

TMenuEffect TBarMenuState::Press(int entry) {
  if (entry < 0) {
    CloseAll();
    return TMenuEffect::CloseAll;
  }
  ActiveEntry = entry;
  ButtonDown = true;
  return TMenuEffect::Repaint;
}

TMenuEffect TBarMenuState::Release(int entry, bool entryHasChildren) {
  ButtonDown = false;
  if (entry < 0 || entry != ActiveEntry) {
    CloseAll();
    return TMenuEffect::CloseAll;
  }
  HotEntry = entry;
  return OpenOrClose(entryHasChildren);
}

TMenuEffect TBarMenuState::Move(int entry, bool pickerOpen, bool entryHasChildren) {
  if (ActiveEntry < 0 || pickerOpen || entry < 0 || (entry == ActiveEntry && entry == HotEntry))
    return TMenuEffect::Nothing;
  ActiveEntry = entry;
  HotEntry = entry;
  return OpenOrClose(entryHasChildren);
}

TMenuEffect TBarMenuState::RightRelease(int entry) {
  if (entry < 0) {
    CloseAll();
    return TMenuEffect::CloseAll;
  }
  ActiveEntry = entry;
  HotEntry = entry;
  return TMenuEffect::Repaint;
}

TMenuEffect TBarMenuState::SelectAt(int entry, bool entryHasChildren) {
  if (ActiveEntry < 0) {
    if (Press(entry) == TMenuEffect::CloseAll)
      return TMenuEffect::CloseAll;
    return Release(entry, entryHasChildren);
  }
  if (entry < 0 || entry == HotEntry)
    return TMenuEffect::Nothing;
  ActiveEntry = entry;
  HotEntry = entry;
  return OpenOrClose(entryHasChildren);
}

void TBarMenuState::setHot(int entry) {
  HotEntry = entry;
}

void TBarMenuState::CloseAll() {
  HotEntry = -1;
  ActiveEntry = -1;
  ButtonDown = false;
}

TMenuEffect TPopupMenuState::Move(int row, bool rowHasChildren) {
  // Off the rows (the frame on the way into a child popup, a scroll strip) the hot row stays.
  if (row < 0 || row == HotRow)
    return TMenuEffect::Nothing;
  HotRow = row;
  return OpenOrClose(rowHasChildren);
}

TMenuEffect TPopupMenuState::Press(int row) {
  if (row == PressedRow)
    return TMenuEffect::Nothing;
  PressedRow = row;
  return TMenuEffect::Repaint;
}

TMenuEffect TPopupMenuState::Release(int row, bool inside) {
  const int pressed = PressedRow;
  PressedRow = -1;
  if (!inside || pressed < 0)
    return pressed < 0 ? TMenuEffect::Nothing : TMenuEffect::Repaint;
  if (row >= 0)
    HotRow = row;
  return HotRow < 0 ? TMenuEffect::Repaint : TMenuEffect::Perform;
}

void TPopupMenuState::setHot(int row) {
  HotRow = row;
}

void TPopupMenuState::Clear() {
  HotRow = -1;
  PressedRow = -1;
}

}  // namespace tolvane::uimodel
