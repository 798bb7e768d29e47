// TForm1: the edit side of the editor. The item edit panel in the edit pane, and what it asks of the main
// window: the icon picker, the help page, the composers and the double click that switches the mode.

#include "ui/Unit1.h"

#include <optional>

namespace tolvane::ui {

void TForm1::CreateEditPanel() {
  PnlEdits = std::make_unique<TPnlEdits>(Context, Glyphs.User);
  PnlEdits->CreateIn(EditorPanes.EditSide());
  EditorPanes.EditPane().OnSize = [this] { PnlEdits->FillHost(); };
  PnlEdits->EditorItem = [this] { return EditedItem; };
  PnlEdits->OnItemChanged = [this](const storage::TItem& item) {
    if (TreeEditor)
      TreeEditor->UpdateNode(item);
  };
  PnlEdits->OnGlyphClick = [this](storage::TItem& item, POINT corner) {
    if (MenuEnvironment.SideWindows != nullptr)
      MenuEnvironment.SideWindows->OpenIconPicker(Hwnd, item, corner);
  };
  PnlEdits->OnHelp = [this](std::u16string_view anchor) { OpenHelp(anchor); };
  PnlEdits->OnMacroComposer = [this](const TMacroComposerRequest& request) {
    std::optional<TMacroComposerResult> result;
    RunDialog(Dialogs.MacroComposer ? std::function<bool(HWND)>([&](HWND owner) {
                result = Dialogs.MacroComposer(owner, request);
                return result.has_value();
              })
                                    : std::function<bool(HWND)>(),
              nullptr);
    return result;
  };
  PnlEdits->OnModifierEditor = [this](const TModifierEditorRequest& request) {
    std::optional<TModifierEditorResult> result;
    RunDialog(Dialogs.ModifierEditor ? std::function<bool(HWND)>([&](HWND owner) {
                result = Dialogs.ModifierEditor(owner, request);
                return result.has_value();
              })
                                     : std::function<bool(HWND)>(),
              nullptr);
    return result;
  };
  PnlEdits->OnStripDoubleClick = [this] { SwitchMode(); };
  OnFocusCaption = [this] { PnlEdits->FocusCaption(); };
}

void TForm1::ShowInEditPanel(storage::TItem* item) {
  if (PnlEdits)
    PnlEdits->ShowItem(item);
}

}  // namespace tolvane::ui
