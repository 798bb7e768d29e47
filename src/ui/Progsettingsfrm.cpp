#include "ui/Progsettingsfrm.h"

#include "ui/Controlfont.h"
#include "ui/Ctlcheckbox.h"
#include "ui/Ctlcombobox.h"
#include "ui/Ctledit.h"
#include "ui/Ctlrichedit.h"
#include "ui/Ctlspinedit.h"
#include "ui/Ctltrackbar.h"
#include "ui/Dibcanvas.h"
#include "ui/Geometrywin.h"
#include "uimodel/Helpanchors.h"
#include "uimodel/Settingsmodel.h"

namespace tolvane::ui {

namespace {

constexpr UINT_PTR kFontTimer = 1;
constexpr UINT kFontDelayMs = 50;
constexpr TSize kDesignClient{1200, 985};
constexpr TRect kDefaultImage{430, 640, 520, 730};
constexpr std::u16string_view kStandardSample =
    u"Hints and the code view\r\nuse this font.\r\nAaBbCcXxYyZz 0123456789";
constexpr std::u16string_view kFixedSample =
    u"LoadFromClipboard()\r\nSortLines( 'a' )\r\n\tTabs line up here\r\nSaveToClipboard()";

using namespace uimodel::settingscontrol;

// Fills a font list and selects the name; a name that is not installed stays listed so nothing changes.
void FillFonts(TComboBox& list, const std::vector<std::u16string>& names, const std::u16string& current) {
  const TUpdateBatch batch(list);
  list.Clear();
  for (const std::u16string& name : names)
    list.Add(name);
  int selected = list.Find(current);
  if (selected < 0 && !current.empty())
    selected = list.Add(current);
  list.SetSelected(selected);
}

}  // namespace

struct TFrmProgSettings::TControls {
  explicit TControls(TWindow& form)
      : Hue(form, WinBkgSliderHue),
        Sat(form, WinBkgSliderSat),
        Lum(form, WinBkgSliderLum),
        FontNames(form, CmbStandardFontNames, TComboKind::DropDownList, 16),
        FontSize(form, UdStandardFontSize, 5, 20),
        Bold(form, CbxStandardBold, u"Bold"),
        FixedFontNames(form, CmbFixedFontNames, TComboKind::DropDownList, 16),
        FixedFontSize(form, UdFixedFontSize, 5, 20),
        FixedBold(form, CbxFixedBold, u"Bold"),
        TabSize(form, UdTabSize, 1, 10),
        AutoHide(form, CbxAutoHide, u"Auto Hide"),
        StayOnTop(form, CbxStayOnTop, u"Stay On Top"),
        AutoPaste(form, CbxAutoPaste, u"Auto Paste"),
        ShowOnTaskbar(form, CbxShowOnTaskbar, u"Show On Taskbar"),
        RestoreClipboard(form, CbxRestoreClipboard, u"Restore Clipboard"),
        StandardSample(form, MemoSample, editstyle::Multiline | editstyle::ReadOnly),
        FixedSample(form, ReFixedSample, richstyle::ReadOnly | richstyle::NoWordWrap | richstyle::PlainText) {
  }

  TTrackBar Hue, Sat, Lum;
  TComboBox FontNames;
  TSpinEdit FontSize;
  TCheckBox Bold;
  TComboBox FixedFontNames;
  TSpinEdit FixedFontSize;
  TCheckBox FixedBold;
  TSpinEdit TabSize;
  TCheckBox AutoHide, StayOnTop, AutoPaste, ShowOnTaskbar, RestoreClipboard;
  TEdit StandardSample;
  TRichEdit FixedSample;
};

TFrmProgSettings::TFrmProgSettings(TMenuEnvironment& environment, TSideWindows& sideWindows, HWND owner,
                                   int& newItemIcon)
    : TSettingsForm(environment.Context, owner, kClassName, L"Tolvane Program Settings", kDesignClient,
                    uimodel::help::ProgramSettings),
      Environment(environment),
      SideWindows(sideWindows),
      NewItemIcon(newItemIcon),
      WorkingIcon(newItemIcon) {
  CreateControls();
  ShowValues();
  BackgroundMoved();
}

TFrmProgSettings::~TFrmProgSettings() {
  Hosted.reset();
}

void TFrmProgSettings::CreateControls() {
  Hosted = std::make_unique<TControls>(*this);
  TControls& c = *Hosted;
  AddGroup({20, 15, 590, 235}, u"Window Background");
  const std::u16string_view names[] = {u"Hue", u"Saturation", u"Luminance"};
  TTrackBar* sliders[] = {&c.Hue, &c.Sat, &c.Lum};
  const uimodel::TSliderRange ranges[] = {uimodel::WindowBackgroundRanges.Hue,
                                          uimodel::WindowBackgroundRanges.Saturation,
                                          uimodel::WindowBackgroundRanges.Luminance};
  for (int i = 0; i < 3; ++i) {
    const int y = 50 + 60 * i;
    AddLabel({40, y, 190, y + 45}, std::u16string(names[i]));
    Place(*sliders[i], {190, y, 570, y + 45});
    sliders[i]->SetRange(ranges[i].Minimum, ranges[i].Maximum);
    sliders[i]->OnChange = [this](int) { BackgroundMoved(); };
  }

  AddGroup({20, 250, 590, 360}, u"Colors");
  AddSwatch({45, 285, 295, 345}, u"Splitter Color", Working.SplitterColor);
  AddSwatch({315, 285, 565, 345}, u"Disabled Color", Working.DisabledColor);

  AddGroup({20, 375, 590, 585}, u"Switches");
  Place(c.AutoHide, {45, 410, 295, 455});
  Place(c.StayOnTop, {315, 410, 565, 455});
  Place(c.AutoPaste, {45, 465, 295, 510});
  Place(c.ShowOnTaskbar, {315, 465, 565, 510});
  Place(c.RestoreClipboard, {45, 520, 295, 565});
  c.AutoHide.OnClick = [this] { Working.AutoHide = Hosted->AutoHide.Checked(); };
  c.StayOnTop.OnClick = [this] { Working.StayOnTop = Hosted->StayOnTop.Checked(); };
  c.AutoPaste.OnClick = [this] { Working.AutoPaste = Hosted->AutoPaste.Checked(); };
  c.ShowOnTaskbar.OnClick = [this] { Working.ShowOnTaskbar = Hosted->ShowOnTaskbar.Checked(); };
  c.RestoreClipboard.OnClick = [this] { Working.RestoreClipboard = Hosted->RestoreClipboard.Checked(); };
  AddHint(c.RestoreClipboard.Handle(), u" Put back what was on the clipboard after a paste ");

  AddGroup({20, 600, 590, 755}, u"New Items");
  AddLabel({45, 660, 420, 710}, u"Default Image on New Items");

  AddGroup({20, 770, 590, 900}, u"Code View");
  AddLabel({45, 810, 200, 855}, u"Tab Size");
  Place(c.TabSize, {200, 810, 300, 855});
  c.TabSize.OnChange = [this](int value) { Working.CodeTabSize = value; };

  AddGroup({620, 15, 1180, 420}, u"Standard Font (in Tool Tip and code / clip view)");
  Place(c.FontNames, {645, 55, 985, 100});
  Place(c.FontSize, {1000, 55, 1100, 100});
  Place(c.Bold, {645, 115, 900, 160});
  Place(c.StandardSample, {645, 175, 1155, 400});
  c.FontNames.OnSelChanged = [this] {
    Working.CodeFontName = Hosted->FontNames.Text();
    ApplySampleFonts();
  };
  c.FontSize.OnChange = [this](int value) {
    Working.CodeFontSize = value;
    ApplySampleFonts();
  };
  c.Bold.OnClick = [this] {
    Working.CodeFontBold = Hosted->Bold.Checked();
    ApplySampleFonts();
  };

  AddGroup({620, 435, 1180, 900}, u"Fixed Font (in code / clip view)");
  Place(c.FixedFontNames, {645, 475, 985, 520});
  Place(c.FixedFontSize, {1000, 475, 1100, 520});
  Place(c.FixedBold, {645, 535, 900, 580});
  Place(c.FixedSample, {645, 595, 1155, 880});
  c.FixedFontNames.OnSelChanged = [this] {
    Working.CodeFixedFontName = Hosted->FixedFontNames.Text();
    ApplySampleFonts();
  };
  c.FixedFontSize.OnChange = [this](int value) {
    Working.CodeFixedFontSize = value;
    ApplySampleFonts();
  };
  c.FixedBold.OnClick = [this] {
    Working.CodeFixedFontBold = Hosted->FixedBold.Checked();
    ApplySampleFonts();
  };
  c.StandardSample.SetText(kStandardSample);
  c.FixedSample.SetText(kFixedSample);
}

void TFrmProgSettings::ShowValues() {
  TControls& c = *Hosted;
  const uimodel::THlsPositions window =
      uimodel::Clamped(uimodel::UnpackHls(Working.HslWinBkg), uimodel::WindowBackgroundRanges);
  c.Hue.SetPosition(window.Hue);
  c.Sat.SetPosition(window.Saturation);
  c.Lum.SetPosition(window.Luminance);
  c.FontSize.SetValue(Working.CodeFontSize);
  c.Bold.SetChecked(Working.CodeFontBold);
  c.FixedFontSize.SetValue(Working.CodeFixedFontSize);
  c.FixedBold.SetChecked(Working.CodeFixedFontBold);
  c.TabSize.SetValue(Working.CodeTabSize);
  c.AutoHide.SetChecked(Working.AutoHide);
  c.StayOnTop.SetChecked(Working.StayOnTop);
  c.AutoPaste.SetChecked(Working.AutoPaste);
  c.ShowOnTaskbar.SetChecked(Working.ShowOnTaskbar);
  c.RestoreClipboard.SetChecked(Working.RestoreClipboard);
  c.FontNames.SetSelected(c.FontNames.Add(Working.CodeFontName));
  c.FixedFontNames.SetSelected(c.FixedFontNames.Add(Working.CodeFixedFontName));
  ApplySampleFonts();
}

void TFrmProgSettings::BackgroundMoved() {
  const TControls& c = *Hosted;
  uimodel::SetWindowBackground(Working, {c.Hue.Position(), c.Sat.Position(), c.Lum.Position()});
  WindowColorsChanged();
}

void TFrmProgSettings::ApplySampleFonts() {
  StandardFont = CreatePointFont(Working.CodeFontName, Working.CodeFontSize, Working.CodeFontBold, Scale());
  FixedFont = CreatePointFont(Working.CodeFixedFontName, Working.CodeFixedFontSize, Working.CodeFixedFontBold,
                              Scale());
  if (StandardFont)
    Hosted->StandardSample.SetFont(StandardFont.get());
  if (FixedFont)
    Hosted->FixedSample.SetFont(FixedFont.get());
}

void TFrmProgSettings::Shown() {
  ::SetTimer(Hwnd, kFontTimer, kFontDelayMs, nullptr);
}

void TFrmProgSettings::TimerTick(UINT_PTR timer) {
  if (timer != kFontTimer)
    return;
  ::KillTimer(Hwnd, kFontTimer);
  FillFontLists();
}

void TFrmProgSettings::FillFontLists() {
  const std::vector<platform::TFontFamily> families = Context.Services.Fonts.TrueTypeFamilies();
  FillFonts(Hosted->FontNames, uimodel::FontNames(families, false), Working.CodeFontName);
  FillFonts(Hosted->FixedFontNames, uimodel::FontNames(families, true), Working.CodeFixedFontName);
}

// The default image: a framed box with the glyph in the middle.
void TFrmProgSettings::PaintPictures(HDC dc) {
  const TRect box = Px(kDefaultImage);
  TDibCanvas canvas;
  if (!canvas.Resize(box.Width(), box.Height()))
    return;
  graphics::TQxBitmap& pixels = canvas.Bitmap();
  pixels.Fill(graphics::TQxColor::FromChannels(255, 255, 255));
  pixels.Fill({0, 0, box.Width(), 1}, graphics::TQxColor::FromChannels(128, 128, 128));
  pixels.Fill({0, box.Height() - 1, box.Width(), box.Height()},
              graphics::TQxColor::FromChannels(128, 128, 128));
  pixels.Fill({0, 0, 1, box.Height()}, graphics::TQxColor::FromChannels(128, 128, 128));
  pixels.Fill({box.Width() - 1, 0, box.Width(), box.Height()},
              graphics::TQxColor::FromChannels(128, 128, 128));
  const graphics::TGlyphList& glyphs = Environment.Glyphs.User;
  if (glyphs.Contains(WorkingIcon)) {
    const int cell = glyphs.CellSize();
    (void)glyphs.Draw(pixels, WorkingIcon, (box.Width() - cell) / 2, (box.Height() - cell) / 2);
  }
  canvas.CopyTo(dc, box.Left, box.Top);
}

bool TFrmProgSettings::PictureClicked(TPoint client) {
  const TRect box = Px(kDefaultImage);
  if (!box.Contains(client))
    return false;
  POINT corner{box.Left, box.Bottom};
  ::ClientToScreen(Hwnd, &corner);
  if (const std::optional<int> chosen = SideWindows.ChooseIcon(Hwnd, corner)) {
    WorkingIcon = *chosen;
    Invalidate(kDefaultImage);
  }
  return true;
}

void TFrmProgSettings::Accept() {
  uimodel::ApplyProgramSettings(Working, Context.Settings);
  NewItemIcon = WorkingIcon;
}

}  // namespace tolvane::ui
