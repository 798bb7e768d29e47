#include "ui/Sidewindows.h"

namespace tolvane::ui {

TSideWindows::~TSideWindows() {
  Context.reset();
  Picker.reset();
  Preview.reset();
}

bool TSideWindows::PickerOpen() const {
  return (Context && Context->Open()) || (Picker && Picker->Open());
}

void TSideWindows::OpenContextWindow(HWND owner, storage::TItem& item, POINT screen) {
  if (PickerOpen())
    return;
  HidePreview();
  // A window closed earlier is gone already; only its object is left.
  Context.reset();
  Context = std::make_unique<TFormPopUp>(Environment, owner, item, screen);
}

void TSideWindows::OpenIconPicker(HWND owner, storage::TItem& /*item*/, POINT corner) {
  if (PickerOpen())
    return;
  HidePreview();
  Picker.reset();
  Picker = std::make_unique<TFormImgSel>(Environment, owner, corner, false, IconMemory);
  ++PickerCount;
}

void TSideWindows::ClosePicker() {
  if (Context)
    Context->Cancel();
  if (Picker)
    Picker->Cancel();
}

void TSideWindows::ShowPreview(const storage::TItem& item, const RECT& row) {
  if (PickerOpen())
    return;
  if (!Preview)
    Preview = std::make_unique<TFrmShow>(Environment);
  Preview->ShowFor(item, row);
}

void TSideWindows::HidePreview() {
  if (Preview)
    Preview->Hide();
}

std::optional<int> TSideWindows::ChooseIcon(HWND owner, POINT corner) {
  HidePreview();
  return ChooseIconModal(Environment, owner, corner);
}

std::u16string TSideWindows::PreviewText() const {
  return Preview && Preview->Showing() ? Preview->Text() : std::u16string();
}

HWND TSideWindows::ContextWindow() const {
  return Context && Context->Open() ? Context->Handle() : nullptr;
}

HWND TSideWindows::IconPicker() const {
  return Picker && Picker->Open() ? Picker->Handle() : nullptr;
}

}  // namespace tolvane::ui
