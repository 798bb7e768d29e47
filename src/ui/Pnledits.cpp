// TPnlEdits: the controls, showing an item and writing every change back through the panel model.

#include "ui/Pnledits.h"

#include <utility>

#include "execution/Browserchoice.h"
#include "execution/Shellhlpr.h"
#include "storage/Pathnames.h"
#include "uimodel/Editpanellayout.h"

namespace tolvane::ui {

using uimodel::CodeAreaFont;
using uimodel::ModifierComposerText;
using uimodel::PanelEnabledFor;
using uimodel::PanelLayoutFor;
using uimodel::ReadRepeatInput;
using uimodel::RepeatDigits;
using uimodel::TPanelEnabled;
using uimodel::TPanelFields;
using uimodel::TPanelLayout;
using uimodel::TPanelText;
using uimodel::TRepeatInput;
using uimodel::TTypeListEntry;
using uimodel::TypeList;
using uimodel::TypeListIndex;

namespace {

constexpr std::u16string_view kNewLineHomeCaption = u"Use New Line Home";
constexpr std::u16string_view kMonoSpaceCaption = u"Mono Space Font";
constexpr std::u16string_view kComposerCaption = u"Composer";
constexpr std::u16string_view kBrowseCaption = u"...";

}  // namespace

TButtonColors ButtonColorsOf(const storage::TSettings& settings) {
  TButtonColors colors;
  colors.DimmedLight = settings.ButDimmedLight;
  colors.DimmedDark = settings.ButDimmedDark;
  colors.HotLight = settings.ButHotLight;
  colors.HotDark = settings.ButHotDark;
  colors.DisabLight = settings.ButDisabLight;
  colors.DisabDark = settings.ButDisabDark;
  return colors;
}

TPnlEdits::TControls::TControls(TPnlEdits& panel, platform::ISystemColors& systemColors)
    : EdCaption(panel, uimodel::EdCaption),
      CmbType(panel, uimodel::CmbType, TComboKind::DropDownList, static_cast<int>(TypeList.size())),
      EdProgram(panel, uimodel::EdProgram),
      ButBrowseProgram(panel.Handle(), uimodel::ButBrowseProgram, kBrowseCaption, systemColors),
      EdParams(panel, uimodel::EdParams),
      CmbBrowsers(panel, uimodel::CmbBrowsers, TComboKind::DropDownList),
      EdWebsite(panel, uimodel::EdWebsite),
      EdEmailTo(panel, uimodel::EdEmailTo),
      EdEmailCc(panel, uimodel::EdEmailCc),
      EdEmailBcc(panel, uimodel::EdEmailBcc),
      EdMailSubject(panel, uimodel::EdMailSubject),
      EdMacro(panel, uimodel::EdMacro),
      ButEditMacro(panel.Handle(), uimodel::ButEditMacro, kComposerCaption, systemColors),
      CbxMacroUseNewLineHome(panel, uimodel::CbxMacroUseNewLineHome, kNewLineHomeCaption),
      EdMacroRepeat(panel, uimodel::EdMacroRepeat, editstyle::DigitsOnly),
      MmHint(panel, uimodel::MmHint, editstyle::Multiline),
      CbxMonoSpace(panel, uimodel::CbxMonoSpace, kMonoSpaceCaption),
      ButEditModifier(panel.Handle(), uimodel::ButEditModifier, kComposerCaption, systemColors),
      ReCode(panel, uimodel::ReCode, richstyle::PlainText | richstyle::NoWordWrap) {}

TPnlEdits::TPnlEdits(TAppContext& context, const graphics::TGlyphList& userGlyphs)
    : Context(context), UserGlyphs(userGlyphs) {}

// The hints and the controls go before the window, while their parent is still whole.
TPnlEdits::~TPnlEdits() {
  Hints.Reset();
  Hosted.reset();
  Destroy();
}

void TPnlEdits::CreateIn(HWND host) {
  TWindowClass windowClass;
  windowClass.Name = kClassName;
  windowClass.Style = CS_DBLCLKS;
  TWindowParams params;
  params.Style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  params.ExStyle = WS_EX_CONTROLPARENT | WS_EX_ACCEPTFILES;
  params.Caption = L"PnlEdits";
  params.Parent = host;
  Create(windowClass, params);
  Hosted = std::make_unique<TControls>(*this, Context.Services.SystemColors);
  for (const TTypeListEntry& entry : TypeList)
    Hosted->CmbType.Add(entry.Text, entry.ItemType);
  Hosted->EdMacroRepeat.SetMaxLength(static_cast<int>(RepeatDigits));
  Hosted->EdMacroRepeat.SetText(u"1");
  Hosted->CbxMonoSpace.SetChecked(true);
  ConnectControls();
  CreateHints();
  ApplySettings();
  // Until an item is shown the panel looks as it does for a bar entry.
  Panels = PanelLayoutFor(storage::ItemTypeFolder, 1);
  Hosted->CmbType.SetSelected(TypeListIndex(storage::ItemTypeFolder));
  ApplyEnabled();
  FillHost();
}

void TPnlEdits::ConnectControls() {
  TControls& c = *Hosted;
  const auto text = [this](TPanelText field, const TEdit& edit) {
    return [this, field, &edit] { WriteText(field, edit.Text()); };
  };
  c.EdCaption.OnChange = [this] {
    Write([this] { return Model.WriteText(TPanelText::Caption, Hosted->EdCaption.Text()); }, true);
  };
  c.EdCaption.OnFocus = [this] { Hosted->EdCaption.SelectAll(); };
  c.CmbType.OnSelChanged = [this] {
    Write([this] { return Model.WriteType(Hosted->CmbType.Selected()); }, true);
  };
  c.EdProgram.OnChange = text(TPanelText::Program, c.EdProgram);
  c.EdParams.OnChange = text(TPanelText::Params, c.EdParams);
  c.EdWebsite.OnChange = text(TPanelText::Website, c.EdWebsite);
  c.EdEmailTo.OnChange = text(TPanelText::MailTo, c.EdEmailTo);
  c.EdEmailCc.OnChange = text(TPanelText::MailCc, c.EdEmailCc);
  c.EdEmailBcc.OnChange = text(TPanelText::MailBcc, c.EdEmailBcc);
  c.EdMailSubject.OnChange = text(TPanelText::MailSubject, c.EdMailSubject);
  c.MmHint.OnChange = text(TPanelText::Hint, c.MmHint);
  c.CmbBrowsers.OnSelChanged = [this] { BrowsersChanged(); };
  c.ReCode.OnChange = [this] { Write([this] { return Model.CodeAreaChanged(Hosted->ReCode.Text()); }); };
  c.ReCode.OnFocus = [this] { CodeAreaFocused(); };
  c.EdMacro.OnChange = [this] { Write([this] { return Model.MacroChanged(Hosted->EdMacro.Text()); }); };
  c.EdMacroRepeat.OnChange = [this] { RepeatChanged(); };
  c.CbxMacroUseNewLineHome.OnClick = [this] {
    Write([this] { return Model.WriteNewLineHome(Hosted->CbxMacroUseNewLineHome.Checked()); });
  };
  c.CbxMonoSpace.OnClick = [this] {
    ApplyCodeFont();
    Write([this] { return Model.WriteMonoSpace(Hosted->CbxMonoSpace.Checked()); });
  };
  c.ButBrowseProgram.OnClick = [this] { BrowseProgram(); };
  c.ButEditMacro.OnClick = [this] { ComposeMacro(); };
  c.ButEditModifier.OnClick = [this] { ComposeModifier(); };
}

void TPnlEdits::ShowItem(storage::TItem* item) {
  Model.Show(item);
}

// The model's item while it is still the editor's; otherwise the panel lets go of it.
storage::TItem* TPnlEdits::ShownItem() {
  storage::TItem* shown = Model.Item();
  if (shown != nullptr && EditorItem && EditorItem() != shown) {
    Model.Show(nullptr);
    return nullptr;
  }
  return shown;
}

void TPnlEdits::FocusCaption() {
  Hosted->EdCaption.Focus();
  Hosted->EdCaption.SelectAll();
}

void TPnlEdits::Written(bool changed, bool forTree) {
  if (!changed)
    return;
  Context.Menu.MenuModified = true;
  if (forTree && OnItemChanged && Model.Item() != nullptr)
    OnItemChanged(*Model.Item());
}

void TPnlEdits::WriteText(TPanelText field, std::u16string_view text) {
  Write([&] { return Model.WriteText(field, text); });
}

void TPnlEdits::ShowFields(const TPanelFields& fields, const TPanelLayout* layout) {
  TControls& c = *Hosted;
  if (layout != nullptr) {
    Panels = *layout;
    Arrange();
  }
  c.EdCaption.SetText(fields.Caption);
  c.CmbType.SetSelected(fields.TypeIndex);
  c.EdEmailTo.SetText(fields.MailTo);
  c.EdEmailCc.SetText(fields.MailCc);
  c.EdEmailBcc.SetText(fields.MailBcc);
  c.EdMailSubject.SetText(fields.MailSubject);
  c.EdProgram.SetText(fields.Program);
  c.EdParams.SetText(fields.Params);
  c.EdWebsite.SetText(fields.Website);
  c.MmHint.SetText(fields.Hint);
  c.EdMacro.SetText(fields.Macro);
  c.EdMacroRepeat.SetText(fields.Repeat);
  c.CbxMacroUseNewLineHome.SetChecked(fields.NewLineHome);
  c.CbxMonoSpace.SetChecked(fields.MonoSpace);
  c.ReCode.SetText(fields.CodeArea);
  SelectBrowser(fields.Browser);
  ApplyEnabled();
  ApplyCodeFont();
  RepaintGlyph();
  if (fields.FocusCaption)
    FocusCaption();
  else if (c.EdCaption.Focused())
    c.EdCaption.SelectAll();
}

void TPnlEdits::SetMacroText(std::u16string_view text) {
  Hosted->EdMacro.SetText(text);
}

void TPnlEdits::SetCodeAreaText(std::u16string_view text) {
  Hosted->ReCode.SetText(text);
}

void TPnlEdits::ApplyEnabled() {
  TControls& c = *Hosted;
  const storage::TItem* item = Model.Item();
  const TPanelEnabled enabled =
      item != nullptr ? PanelEnabledFor(item->ItemType, item->Level) : TPanelEnabled{};
  c.CmbType.SetEnabled(enabled.TypeList);
  c.MmHint.SetEnabled(enabled.Fields);
  c.CbxMonoSpace.SetEnabled(enabled.Fields);
  c.ReCode.SetEnabled(enabled.Fields);
  c.ReCode.SetBackground(enabled.Fields ? ::GetSysColor(COLOR_WINDOW) : DisabledColor);
  ::InvalidateRect(c.MmHint.Handle(), nullptr, TRUE);
}

// A code area that takes the focus while the help text may not be edited hands it to the caption, after
// its own focus change is over.
void TPnlEdits::CodeAreaFocused() {
  if (!Hosted->MmHint.Enabled())
    ::PostMessageW(Hwnd, UM_FOCUS_CAPTION, 0, 0);
}

// Digits only and two at most, also for pasted text; the field keeps what counts.
void TPnlEdits::RepeatChanged() {
  TEdit& field = Hosted->EdMacroRepeat;
  const std::u16string typed = field.Text();
  const TRepeatInput input = ReadRepeatInput(typed);
  if (input.Shown != typed) {
    field.SetText(input.Shown);
    const int end = static_cast<int>(input.Shown.size());
    field.SetSelection({end, end});
  }
  Write([&] { return Model.WriteRepeat(input.Shown); });
}

// The list is read from the registry the first time a web site is shown.
void TPnlEdits::SelectBrowser(std::u16string_view stored) {
  storage::TItem* item = Model.Item();
  if (item == nullptr || item->Level < 2 || item->ItemType != storage::ItemTypeWebSite)
    return;
  TComboBox& list = Hosted->CmbBrowsers;
  if (!BrowsersRead) {
    BrowsersRead = true;
    (void)execution::ListInstalledBrowsers(Browsers, true, Context.Services.Registry,
                                           Context.Services.MessageBox);
    // Without registered browsers (the key is missing) the default browser is still there to choose.
    if (Browsers.empty())
      Browsers.push_back({std::u16string(execution::DefaultBrowserName), u""});
  }
  const int index = execution::BrowserListIndex(Browsers, stored);
  if (list.Count() != static_cast<int>(Browsers.size())) {
    list.Clear();
    for (std::size_t i = 0; i < Browsers.size(); ++i)
      list.Add(Browsers[i].Name, static_cast<std::intptr_t>(i));
  }
  list.SetSelected(index);
}

void TPnlEdits::BrowsersChanged() {
  const int chosen = Hosted->CmbBrowsers.Selected();
  if (chosen < 0)
    return;
  const auto index = static_cast<std::size_t>(Hosted->CmbBrowsers.ItemData(chosen));
  if (index < Browsers.size())
    WriteText(TPanelText::Browser, execution::StoredBrowserValue(Browsers[index]));
}

void TPnlEdits::BrowseProgram() {
  storage::TSettings& settings = Context.Settings;
  platform::TFileDialogRequest request;
  request.Owner = reinterpret_cast<platform::TWindowHandle>(::GetAncestor(Hwnd, GA_ROOT));
  request.Filters = {{u"All Files(*.*)", u"*.*"}};
  request.InitialFolder = settings.OpenActionFileDir;
  const platform::TFileDialogResult result = Context.Services.FileDialogs.OpenFile(request);
  if (result.Outcome == platform::TFileDialogOutcome::Failed) {
    (void)execution::ReportSystemError(Context.Services.MessageBox, result.Error, u"Tolvane",
                                       u"The file dialog could not be shown:", u"", request.Owner);
    return;
  }
  const std::optional<std::u16string> chosen = result.Chosen();
  if (!chosen)
    return;
  settings.OpenActionFileDir = std::u16string(storage::ExtractFilePath(*chosen));
  Hosted->EdProgram.SetText(*chosen);
  WriteText(TPanelText::Program, *chosen);
}

void TPnlEdits::ComposeMacro() {
  storage::TItem* item = ShownItem();
  if (item == nullptr || item->ItemType != storage::ItemTypeKeyMacro || !OnMacroComposer)
    return;
  storage::TSettings& settings = Context.Settings;
  TMacroComposerRequest request;
  request.Macro = item->KeyMacro;
  request.NewLineHome = item->NewLineHome;
  request.CodeFont = CodeAreaFont(Hosted->CbxMonoSpace.Checked(), settings);
  request.ButtonColors = ButtonColorsOf(settings);
  request.Bounds = settings.MacroComposerPos;
  const std::optional<TMacroComposerResult> result = OnMacroComposer(request);
  // The dialog's messages may have changed the selection or freed the item meanwhile.
  if (!result || ShownItem() != item)
    return;
  if (result->Bounds)
    settings.MacroComposerPos = result->Bounds;
  Written(Model.WriteComposedMacro(result->Macro, result->NewLineHome));
}

void TPnlEdits::ComposeModifier() {
  storage::TItem* item = ShownItem();
  if (item == nullptr || item->ItemType != storage::ItemTypeClipModifier || !OnModifierEditor)
    return;
  storage::TSettings& settings = Context.Settings;
  TModifierEditorRequest request;
  request.Text = ModifierComposerText(*item);
  request.CodeFont = CodeAreaFont(Hosted->CbxMonoSpace.Checked(), settings);
  request.ButtonColors = ButtonColorsOf(settings);
  request.Bounds = settings.ClipComposerPos;
  const std::optional<TModifierEditorResult> result = OnModifierEditor(request);
  if (!result || ShownItem() != item)
    return;
  if (result->Bounds)
    settings.ClipComposerPos = result->Bounds;
  Written(Model.WriteComposedModifier(result->Text));
}

}  // namespace tolvane::ui
