#pragma once
// A form hosting one control of each wrapper, placed by a layout, for the control tests.

#include <memory>

#include "ui/Ctlcheckbox.h"
#include "ui/Ctlcombobox.h"
#include "ui/Ctledit.h"
#include "ui/Ctllistview.h"
#include "ui/Ctlrichedit.h"
#include "ui/Ctltrackbar.h"
#include "ui/Ctltreeview.h"
#include "ui/Imagelist.h"
#include "ui/Window.h"
#include "uimodel/Anchorlayout.h"

namespace tolvane::ui::testing {

enum TControlId {
  IdToolbar = 100,
  IdName,
  IdDigits,
  IdBold,
  IdType,
  IdFont,
  IdNotes,
  IdTree,
  IdList,
  IdHue,
  IdCode,
};

struct TTestControls {
  explicit TTestControls(TWindow& form);

  TImageList Images{16, 16};
  TEdit Name;
  TEdit Digits;
  TCheckBox Bold;
  TComboBox Type;
  TComboBox Font;
  TEdit Notes;
  TTreeView Tree;
  TListView List;
  TTrackBar Hue;
  TRichEdit Code;

  TControl* ById(int id);
};

class TControlTestWindow final : public TWindow {
 public:
  static constexpr const wchar_t* kClassName = L"TolvaneControlTest";

  // A shown top-level window with its client area at the given screen position and size.
  TControlTestWindow(const TRect& bounds);
  ~TControlTestWindow() override;

  TTestControls& Controls() { return *Hosted; }
  // The layout of the controls at this window's scale.
  static uimodel::TLayout Layout();
  void Arrange();

 private:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  std::unique_ptr<TTestControls> Hosted;
};

}  // namespace tolvane::ui::testing
