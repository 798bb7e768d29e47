#pragma once
// TFrmClipEdit, the modal "Clipboard Modifier Composer": the script editor beside the list of the language's
// functions, which follows what is typed on the caret's line and inserts a function's call, and a pane that
// tries the script on a sample text with a private clipboard and shows the result and what the script would
// have sent. The rules are modifier::Clipeditfrm, the trial modifier::TryScript.

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "modifier/Clipeditfrm.h"
#include "modifier/Functiontable.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win.h"
#include "ui/Appcontext.h"
#include "ui/Composers.h"
#include "ui/Window.h"

namespace tolvane::ui {

class TFrmClipEdit final : public TWindow {
 public:
  static constexpr const wchar_t* kClassName = L"TFrmClipEdit";

  // Creates the dialog hidden at the request's bounds with its text; the sample starts with the clipboard's
  // text. Throws std::system_error when a window cannot be created.
  TFrmClipEdit(TAppContext& context, HWND owner, const TModifierEditorRequest& request);
  ~TFrmClipEdit() override;

  // Runs the dialog; the text and bounds after OK, nullopt after Cancel. The window is gone after.
  std::optional<TModifierEditorResult> ShowModal();

  // The help page at the anchor.
  std::function<void(std::u16string_view anchor)> OnHelp;

 private:
  struct TControls;
  struct TLayout;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ScaleChanged() override;

  // Frmclipedit.cpp: creation, layout, painting, keys and the buttons.
  void CreateControls(const TModifierEditorRequest& request);
  void ApplyFonts();
  void Arrange();
  void Paint(HDC dc);
  bool PreTranslate(const MSG& message);
  void ShowHelp();
  void ComposeMacro();
  void TryScript();
  void Finish(bool ok);
  bool OverSplitter(POINT client) const;
  void MouseDown(POINT client);
  void MouseMove(POINT client);

  // Frmclipeditlist.cpp: the function list and the editor's rules.
  void Refilter();
  void ShowList(modifier::TFunctionListView view);
  void DrawRow(const DRAWITEMSTRUCT& item) const;
  const modifier::TFunc* SelectedFunction() const;
  void InsertSelected();
  bool CompleteLine();
  void WidenToQuotedValue();
  void ApplyEdit(const modifier::TLineEdit& edit);
  std::size_t CaretLine() const;
  void TextChanged();

  TAppContext& Context;
  modifier::TFunctionTable Table;
  modifier::TFunctionListView Shown;
  std::unique_ptr<TControls> Hosted;
  std::unique_ptr<TLayout> Layout;
  TButtonColors ButtonColors;
  win32::unique_hfont CodeFont;
  win32::unique_hfont ListBoldFont;
  int ListWidth = 0;  // design pixels; the splitter moves it
  int DragStartX = -1;
  int DragStartWidth = 0;
  bool Done = false;
  bool Accepted = false;
};

}  // namespace tolvane::ui
