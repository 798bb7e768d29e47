#pragma once
// The controls of TFrmClipEdit, shared by its source files.

#include <functional>
#include <string_view>

#include "modifier/Clipeditfrm.h"
#include "platform/Systemcolors.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win.h"
#include "ui/Control.h"
#include "ui/Ctlcheckbox.h"
#include "ui/Ctlrichedit.h"
#include "ui/Frmclipedit.h"
#include "ui/Qxbutton.h"

namespace tolvane::ui {

// A list box: the owner-drawn function list without data of its own, or the plain list of trace lines.
class TListBox final : public TControl {
 public:
  TListBox(TWindow& parent, int id, DWORD style)
      : TControl(
            parent, id,
            TControlClass{L"LISTBOX", style | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                          WS_EX_CLIENTEDGE}) {}

  // Rows without data: the owner draws each one from its index.
  void SetCount(int count) { Send(LB_SETCOUNT, static_cast<WPARAM>(count)); }
  int Count() const { return static_cast<int>(Send(LB_GETCOUNT)); }
  void Clear() {
    Send(LB_RESETCONTENT);
    Extent = 0;
    Send(LB_SETHORIZONTALEXTENT, 0);
  }
  void Add(std::u16string_view text);
  int Selected() const { return static_cast<int>(Send(LB_GETCURSEL)); }
  void Select(int row) { Send(LB_SETCURSEL, static_cast<WPARAM>(row)); }
  void SetRowHeight(int height) { Send(LB_SETITEMHEIGHT, 0, height); }

  std::function<void()> OnDoubleClick;

 private:
  bool Command(UINT code) override {
    if (code != LBN_DBLCLK || !OnDoubleClick || !Notifying())
      return false;
    OnDoubleClick();
    return true;
  }
  // The selected row is drawn in other colours while the list has the focus.
  void AfterMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/) override {
    if (message == WM_SETFOCUS || message == WM_KILLFOCUS)
      ::InvalidateRect(Handle(), nullptr, FALSE);
  }

  int Extent = 0;  // the widest row, for the sideways scroll bar
};

struct TFrmClipEdit::TControls {
  TControls(TWindow& form, platform::ISystemColors& colors)
      : List(form, modifier::clipeditcontrol::List, LBS_OWNERDRAWFIXED | LBS_NODATA),
        Editor(form, modifier::clipeditcontrol::Editor, richstyle::NoWordWrap),
        Sample(form, modifier::clipeditcontrol::Sample, richstyle::PlainText | richstyle::NoWordWrap),
        Result(form, modifier::clipeditcontrol::Result,
               richstyle::PlainText | richstyle::NoWordWrap | richstyle::ReadOnly),
        Trace(form, modifier::clipeditcontrol::Trace, LBS_HASSTRINGS | LBS_NOSEL | WS_HSCROLL),
        MonoFont(form, modifier::clipeditcontrol::MonoFont, u"Monospaced Font"),
        Ok(form.Handle(), modifier::clipeditcontrol::Ok, u"OK", colors),
        Cancel(form.Handle(), modifier::clipeditcontrol::Cancel, u"Cancel", colors),
        ComposeMacro(form.Handle(), modifier::clipeditcontrol::ComposeMacro, u"Compose a Macro", colors),
        Try(form.Handle(), modifier::clipeditcontrol::Try, u"Try", colors) {}

  TListBox List;
  TRichEdit Editor;
  TRichEdit Sample;
  TRichEdit Result;
  TListBox Trace;
  TCheckBox MonoFont;
  TQxButton Ok;
  TQxButton Cancel;
  TQxButton ComposeMacro;
  TQxButton Try;
  win32::unique_hwnd ListCaption;
  win32::unique_hwnd Help;
  win32::unique_hwnd SampleCaption;
  win32::unique_hwnd ResultCaption;
  win32::unique_hwnd TraceCaption;
};

}  // namespace tolvane::ui
