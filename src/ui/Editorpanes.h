#pragma once
// The parts of the main window in editor mode: the tool-button column at the left edge, the tree side
// (its width is "PnlLeft"), the splitter and the edit side. The tree and the edit panel fill their sides.

#include <functional>
#include <memory>
#include <vector>

#include "common/Geometry.h"
#include "graphics/Glyphlist.h"
#include "graphics/Qxcolor.h"
#include "platform/Systemcolors.h"
#include "platform/win32/Win.h"
#include "ui/Glybut.h"
#include "ui/Sizerstrip.h"
#include "ui/Window.h"
#include "uimodel/Mainactions.h"

namespace tolvane::ui {

// A plain child area in one colour.
class TPane final : public TWindow {
 public:
  static constexpr const wchar_t* kClassName = L"TPane";

  ~TPane() override;
  void CreateIn(HWND parent, const wchar_t* name);
  void setColor(graphics::TColor color);

  // The pane's size changed: whatever it hosts is laid out again.
  std::function<void()> OnSize;

 private:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Paint();

  graphics::TColor Color = 0;
};

class TEditorPanes {
 public:
  // Design pixels at 144 pixels per inch.
  static constexpr int ToolColumnWidth = 54;
  static constexpr int SplitterWidth = 6;
  static constexpr int MinSideWidth = 120;
  static constexpr int ToolButtonSize = 42;
  static constexpr int ToolButtonGap = 18;

  void CreateIn(HWND parent);
  // The tool buttons, top to bottom, each running its action; glyphs is the program's glyph list.
  void CreateToolButtons(platform::ISystemColors& systemColors, const graphics::TGlyphList* glyphs,
                         const std::function<void(uimodel::TMainAction)>& run);
  // Enables or disables every tool button that runs the action.
  void SetActionEnabled(uimodel::TMainAction action, bool enabled);
  void setColors(graphics::TColor window, graphics::TColor toolColumn, graphics::TColor splitter);
  // Places the parts in the client rectangle; treeWidth is clamped so both sides keep MinSideWidth.
  void Arrange(const TRect& client, int treeWidth, const uimodel::TScale& scale);
  void Show(bool visible);

  // The tree side's width after the user moved the splitter.
  std::function<void(int treeWidth)> OnTreeWidth;

  HWND ToolColumn() const { return Tools.Handle(); }
  HWND TreeSide() const { return Tree.Handle(); }
  HWND EditSide() const { return Edit.Handle(); }
  // The sides as hosts of the controls that fill them.
  TPane& TreePane() { return Tree; }
  TPane& EditPane() { return Edit; }

 private:
  TPane Tools;
  TPane Tree;
  TSizerStrip Splitter;  // a sizer strip between the two sides
  TPane Edit;
  std::vector<std::unique_ptr<TGlyBut>> ToolButtons;
  std::vector<int> ToolButtonGaps;  // how many gaps lie above each button
  std::vector<uimodel::TMainAction> ToolButtonActions;
  int TreeWidth = 0;
  int DragStartWidth = 0;
};

}  // namespace tolvane::ui
