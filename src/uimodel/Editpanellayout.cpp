#include "uimodel/Editpanellayout.h"

#include <algorithm>
#include <vector>

namespace tolvane::uimodel {

namespace {

constexpr int M = EditPanelMargin;
constexpr int LabelHeight = 27;
constexpr int EditHeight = 36;
constexpr int LabelToEdit = 30;  // from a label's top to the top of the field under it
constexpr int RowStep = 75;      // from one label-and-field row to the next
constexpr int FirstRow = 6;
constexpr int HelpLinkWidth = 42;
constexpr int BrowseWidth = 48;
constexpr int ComposerWidth = 150;
constexpr int MailLabelWidth = 195;
constexpr int MailRowStep = 42;
constexpr int CodeLabelWidth = 300;
constexpr int CheckBoxWidth = 240;
constexpr int MinCodeHeight = 45;

constexpr TAnchors kLeftTop{true, true, false, false};
constexpr TAnchors kTopRight{false, true, true, false};
constexpr TAnchors kAcross{true, true, true, false};

// Two rows of a label over its field; the first field may leave room for a button at its right.
constexpr int TwoRowHeight = FirstRow + RowStep + LabelToEdit + EditHeight + 3;

TLayoutNode Label(int id, int left, int top, int right, TAnchors anchors = kAcross) {
  return AnchorNode(id, {left, top, right, top + LabelHeight}, anchors);
}

TLayoutNode Field(int id, int left, int top, int right, TAnchors anchors = kAcross) {
  return AnchorNode(id, {left, top, right, top + EditHeight}, anchors);
}

TLayoutNode Panel(int id, int width, int height, std::vector<TLayoutNode> children) {
  return DockNode(id, TAlign::Top, {0, 0, width, height}).WithChildren(std::move(children));
}

TLayoutNode CaptionAndType(int w) {
  // The name part is half of what the glyph box leaves; the type part and the help link share the rest.
  const int namePart = std::max(0, (w - GlyphBoxSide - 6) / 2);
  const int nameLeft = M + GlyphBoxSide + M;
  const int typeLeft = nameLeft + namePart;
  const int helpLeft = w - M - HelpLinkWidth;
  const int top = 18;
  return Panel(PnlCapType, w, CapTypeHeight,
               {
                   AnchorNode(PbGlyph, {M, top, M + GlyphBoxSide, top + GlyphBoxSide}, kLeftTop),
                   Label(LblCaption, nameLeft, top, typeLeft - M, kLeftTop),
                   Field(EdCaption, nameLeft, top + LabelToEdit, typeLeft - M, kLeftTop),
                   Label(LblType, typeLeft, top, helpLeft - 6, kLeftTop),
                   Field(CmbType, typeLeft, top + LabelToEdit, helpLeft - 6, kLeftTop),
                   Field(LblHelpLink, helpLeft, top + LabelToEdit, w - M, kTopRight),
               });
}

TLayoutNode ProgramPanel(int w) {
  const int second = FirstRow + RowStep;
  return Panel(PnlProgram, w, TwoRowHeight,
               {
                   Label(LblProgram, M, FirstRow, w - M),
                   Field(EdProgram, M, FirstRow + LabelToEdit, w - M - BrowseWidth - 6),
                   Field(ButBrowseProgram, w - M - BrowseWidth, FirstRow + LabelToEdit, w - M, kTopRight),
                   Label(LblParams, M, second, w - M),
                   Field(EdParams, M, second + LabelToEdit, w - M),
               });
}

TLayoutNode WebPanel(int w) {
  const int second = FirstRow + RowStep;
  return Panel(PnlWeb, w, TwoRowHeight,
               {
                   Label(LblBrowsers, M, FirstRow, w - M),
                   Field(CmbBrowsers, M, FirstRow + LabelToEdit, w - M),
                   Label(LblWebsite, M, second, w - M),
                   Field(EdWebsite, M, second + LabelToEdit, w - M),
               });
}

// A row per value, the label beside its field; the panel ends at the subject field.
TLayoutNode MailPanel(int w) {
  constexpr int rows[][2] = {{LblEmailTo, EdEmailTo},
                             {LblEmailCc, EdEmailCc},
                             {LblEmailBcc, EdEmailBcc},
                             {LblMailSubject, EdMailSubject}};
  std::vector<TLayoutNode> children;
  int top = FirstRow;
  for (const auto& row : rows) {
    children.push_back(Label(row[0], M, top + 5, M + MailLabelWidth, kLeftTop));
    children.push_back(Field(row[1], 2 * M + MailLabelWidth, top, w - M));
    top += MailRowStep;
  }
  return Panel(PnlMail, w, top - MailRowStep + EditHeight + 3, std::move(children));
}

TLayoutNode MacroPanel(int w) {
  const int fieldRight = w - M - ComposerWidth - 6;
  const int third = FirstRow + LabelToEdit + EditHeight + M;
  const int repeatLeft = M + 270 + 18;
  return Panel(PnlMacro, w, third + EditHeight + 3,
               {
                   Label(LblMacro, M, FirstRow, fieldRight),
                   Field(EdMacro, M, FirstRow + LabelToEdit, fieldRight),
                   Field(ButEditMacro, w - M - ComposerWidth, FirstRow + LabelToEdit, w - M, kTopRight),
                   AnchorNode(CbxMacroUseNewLineHome, {M, third + 2, M + 270, third + 34}, kLeftTop),
                   Label(LblMacroRepeat, repeatLeft, third + 5, repeatLeft + 165, kLeftTop),
                   Field(EdMacroRepeat, repeatLeft + 168, third, repeatLeft + 168 + 60, kLeftTop),
               });
}

// Docked at its own height, or filling what is left when the type has no code area.
TLayoutNode HintPanel(int w, int fillHeight) {
  constexpr int memoTop = FirstRow + LabelToEdit;
  constexpr int dockedHeight = memoTop + 84 + 6;
  if (fillHeight < 0)
    return Panel(
        PnlHint, w, dockedHeight,
        {Label(LblHint, M, FirstRow, w - M), AnchorNode(MmHint, {M, memoTop, w - M, memoTop + 84}, kAcross)});
  const int h = std::max(fillHeight, dockedHeight);
  return DockNode(PnlHint, TAlign::Client, {0, 0, w, h})
      .WithChildren(
          {Label(LblHint, M, FirstRow, w - M),
           AnchorNode(MmHint, {M, memoTop, w - M, h - M}, kAnchorAll).WithMinSize({0, MinCodeHeight})});
}

TLayoutNode CodePanel(int w, int fillHeight, bool composer) {
  const int h = std::max(fillHeight, 42 + MinCodeHeight + M);
  const int checkRight = composer ? w - M - ComposerWidth - M : w - M;
  std::vector<TLayoutNode> children{
      Label(LblCode, M, 9, M + CodeLabelWidth, kLeftTop),
      AnchorNode(CbxMonoSpace, {checkRight - CheckBoxWidth, 6, checkRight, 38}, kTopRight),
  };
  if (composer)
    children.push_back(Field(ButEditModifier, w - M - ComposerWidth, 3, w - M, kTopRight));
  children.push_back(AnchorNode(ReCode, {M, 42, w - M, h - M}, kAnchorAll).WithMinSize({0, MinCodeHeight}));
  return DockNode(PnlCode, TAlign::Client, {0, 0, w, h}).WithChildren(std::move(children));
}

int DockedHeight(const TLayoutNode& node) {
  return node.Design.Height();
}

}  // namespace

std::u16string_view EditPanelLabel(int node, const TPanelLayout& panels) {
  switch (node) {
    case LblCaption:
      return u"Item Name:";
    case LblType:
      return u"Item Type:";
    case LblHelpLink:
      return u" ? ";
    case LblProgram:
      return u"Path and Filename to a Program or a File";
    case LblParams:
      return u"Command Line Parameters";
    case LblBrowsers:
      return u"WebBrowser:";
    case LblWebsite:
      return u"Website or Local Html file";
    case LblEmailTo:
      return u"Email Address  To:";
    case LblEmailCc:
      return u"Email Address  Cc:";
    case LblEmailBcc:
      return u"Email Address  Bcc:";
    case LblMailSubject:
      return u"Subject:";
    case LblMacro:
      return u"Single Line Macro:";
    case LblMacroRepeat:
      return u"Repeat Count";
    case LblHint:
      return u"Help Text:";
    case LblCode:
      return panels.CodeLabel;
    default:
      return u"";
  }
}

bool IsEditPanelLabel(int node) {
  switch (node) {
    case LblCaption:
    case LblType:
    case LblProgram:
    case LblParams:
    case LblBrowsers:
    case LblWebsite:
    case LblEmailTo:
    case LblEmailCc:
    case LblEmailBcc:
    case LblMailSubject:
    case LblMacro:
    case LblMacroRepeat:
    case LblHint:
    case LblCode:
      return true;
    default:
      return false;
  }
}

TLayout EditPanelLayout(const TPanelLayout& panels, TSize designClient) {
  const int w = designClient.Width;
  TLayout layout;
  layout.DesignClient = designClient;
  layout.Nodes.push_back(CaptionAndType(w));
  const bool hasCode =
      std::find(panels.Parts.begin(), panels.Parts.end(), TEditPart::Code) != panels.Parts.end();
  int fillHeight = designClient.Height - CapTypeHeight;
  for (const TEditPart part : panels.Parts) {
    switch (part) {
      case TEditPart::Program:
        layout.Nodes.push_back(ProgramPanel(w));
        break;
      case TEditPart::Web:
        layout.Nodes.push_back(WebPanel(w));
        break;
      case TEditPart::Mail:
        layout.Nodes.push_back(MailPanel(w));
        break;
      case TEditPart::Macro:
        layout.Nodes.push_back(MacroPanel(w));
        break;
      case TEditPart::Hint:
        layout.Nodes.push_back(HintPanel(w, hasCode ? -1 : 0));
        break;
      case TEditPart::Code:
        continue;  // last: it takes what the others leave
    }
    if (layout.Nodes.back().Align == TAlign::Top)
      fillHeight -= DockedHeight(layout.Nodes.back());
  }
  if (hasCode) {
    layout.Nodes.push_back(CodePanel(w, fillHeight, panels.CodeComposer));
  } else if (!layout.Nodes.empty() && layout.Nodes.back().Id == PnlHint) {
    layout.Nodes.back() = HintPanel(w, fillHeight);
  }
  return layout;
}

}  // namespace tolvane::uimodel
