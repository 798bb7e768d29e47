#include "ui/Menusettingsfrm.h"

#include <algorithm>

#include "ui/Ctlcheckbox.h"
#include "ui/Ctlcombobox.h"
#include "ui/Ctlspinedit.h"
#include "ui/Ctltrackbar.h"
#include "ui/Gditextpainter.h"
#include "ui/Geometrywin.h"
#include "ui/Pnlmain.h"
#include "uimodel/Helpanchors.h"
#include "uimodel/Mainwindow.h"
#include "uimodel/Menupreview.h"

namespace tolvane::ui {

namespace {

constexpr UINT_PTR kFontTimer = 1;
constexpr UINT kFontDelayMs = 50;
constexpr TSize kDesignClient{1200, 930};
constexpr TRect kPreview{635, 50, 1165, 405};
constexpr std::u16string_view kBoldHint = u" Use bold font on the menu's ";

using namespace uimodel::settingscontrol;

// A slider row of a colour group: the label and the track bar.
TRect SliderLabel(int y) {
  return {40, y, 190, y + 45};
}
TRect SliderTrack(int y) {
  return {190, y, 570, y + 45};
}

}  // namespace

struct TFrmMenuSettings::TControls {
  explicit TControls(TWindow& form)
      : BkgHue(form, BkgSliderHue),
        BkgSat(form, BkgSliderSat),
        BkgLum(form, BkgSliderLum),
        SelHue(form, SelSliderHue),
        SelSat(form, SelSliderSat),
        SelLum(form, SelSliderLum),
        FrameSize(form, UdFrameSize, 0, 5),
        FontSize(form, UdFontSize, 5, 20),
        ItemSize(form, UdItemSize, 18, 50),
        FontTop(form, UdFontTop, -10, 10),
        FontNames(form, CmbFontNames, TComboKind::DropDownList, 16),
        Bold(form, CbxBold, u"Bold Font"),
        ArrowColor(form, ArrowColorSlider),
        PipeShadow(form, SliderPipeShadow),
        PipeOnMain(form, CbLbPipeOnMain, u"Pipe On Main"),
        IconsOnMain(form, CbLbIconsOnMain, u"Show Icons On Main") {}

  TTrackBar BkgHue, BkgSat, BkgLum, SelHue, SelSat, SelLum;
  TSpinEdit FrameSize, FontSize, ItemSize, FontTop;
  TComboBox FontNames;
  TCheckBox Bold;
  TTrackBar ArrowColor, PipeShadow;
  TCheckBox PipeOnMain, IconsOnMain;
};

TFrmMenuSettings::TFrmMenuSettings(TMenuEnvironment& environment, HWND owner)
    : TSettingsForm(environment.Context, owner, kClassName, L"Tolvane Menu Settings", kDesignClient,
                    uimodel::help::MenuSettings),
      Environment(environment),
      PreviewItems(uimodel::MenuPreviewItems()) {
  const storage::TItem* root = Context.Menu.RootItem.get();
  LargestMenu = root != nullptr ? uimodel::LargestChildCount(*root) : 0;
  WorkAreaBottom = MonitorWorkArea(::MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST)).Bottom;
  if (Working.ItemHeight <= 0)
    Working.ItemHeight = environment.Metrics.ItemHeight;
  CreateControls();
  ShowValues();
  // The colours follow the sliders from the start, as they will after any move.
  BackgroundMoved();
  SelectionMoved();
}

TFrmMenuSettings::~TFrmMenuSettings() {
  Hosted.reset();
}

void TFrmMenuSettings::CreateControls() {
  Hosted = std::make_unique<TControls>(*this);
  TControls& c = *Hosted;
  AddGroup({20, 15, 590, 235}, u"Menu Background");
  AddGroup({20, 250, 590, 470}, u"Selected Item");
  const std::u16string_view names[] = {u"Hue", u"Saturation", u"Luminance"};
  TTrackBar* background[] = {&c.BkgHue, &c.BkgSat, &c.BkgLum};
  TTrackBar* selection[] = {&c.SelHue, &c.SelSat, &c.SelLum};
  const uimodel::TSliderRange backgroundRanges[] = {uimodel::MenuBackgroundRanges.Hue,
                                                    uimodel::MenuBackgroundRanges.Saturation,
                                                    uimodel::MenuBackgroundRanges.Luminance};
  const uimodel::TSliderRange selectionRanges[] = {uimodel::SelectedItemRanges.Hue,
                                                   uimodel::SelectedItemRanges.Saturation,
                                                   uimodel::SelectedItemRanges.Luminance};
  for (int i = 0; i < 3; ++i) {
    AddLabel(SliderLabel(50 + 60 * i), std::u16string(names[i]));
    Place(*background[i], SliderTrack(50 + 60 * i));
    background[i]->SetRange(backgroundRanges[i].Minimum, backgroundRanges[i].Maximum);
    background[i]->OnChange = [this](int) { BackgroundMoved(); };
    AddLabel(SliderLabel(285 + 60 * i), std::u16string(names[i]));
    Place(*selection[i], SliderTrack(285 + 60 * i));
    selection[i]->SetRange(selectionRanges[i].Minimum, selectionRanges[i].Maximum);
    selection[i]->OnChange = [this](int) { SelectionMoved(); };
  }

  AddGroup({20, 485, 590, 650}, u"Size");
  AddLabel({40, 520, 190, 565}, u"Size");
  Place(c.FrameSize, {190, 520, 290, 565});
  AddLabel({320, 520, 470, 565}, u"Font Size");
  Place(c.FontSize, {470, 520, 570, 565});
  AddLabel({40, 585, 190, 630}, u"Itemheight");
  Place(c.ItemSize, {190, 585, 290, 630});
  AddLabel({320, 585, 470, 630}, u"Text Top");
  Place(c.FontTop, {470, 585, 570, 630});
  c.FrameSize.OnChange = [this](int value) {
    Working.EdgeSize = value;
    PreviewChanged();
  };
  c.FontSize.OnChange = [this](int value) {
    Working.MenuFontSize = value;
    PreviewChanged();
  };
  c.ItemSize.OnChanging = [this](int value) { return ItemHeightAllowed(value); };
  c.ItemSize.OnChange = [this](int value) {
    Working.ItemHeight = value;
    BackgroundMoved();  // the main bar's colour lies along a table as long as the largest popup
  };
  c.FontTop.OnChange = [this](int value) {
    Working.MenuTextTop = value;
    PreviewChanged();
  };

  AddGroup({20, 665, 590, 845}, u"Font");
  AddLabel({40, 700, 190, 745}, u"Font Name");
  Place(c.FontNames, {190, 700, 570, 745});
  Place(c.Bold, {190, 770, 570, 815});
  c.FontNames.OnSelChanged = [this] {
    Working.MenuFontName = Hosted->FontNames.Text();
    PreviewChanged();
  };
  c.Bold.OnClick = [this] {
    Working.MenuFontBold = Hosted->Bold.Checked();
    PreviewChanged();
  };
  AddHint(c.Bold.Handle(), kBoldHint);

  AddGroup({620, 15, 1180, 420}, u"Preview");
  AddGroup({620, 435, 1180, 650}, u"Bar");
  AddLabel({640, 470, 810, 515}, u"Arrow Color");
  Place(c.ArrowColor, {810, 470, 1160, 515});
  c.ArrowColor.SetRange(0, 11);
  c.ArrowColor.OnChange = [this](int value) {
    Working.ArrowImageIndex = value;
    PreviewChanged();
  };
  // Ctrl+Shift+H steps through the arrow colours, from the last back to the first.
  AddHint(c.ArrowColor.Handle(), u" Adjust Hue [Ctrl+Shift+H] ");
  AddLabel({640, 530, 810, 575}, u"Pipe Shadow");
  Place(c.PipeShadow, {810, 530, 1160, 575});
  c.PipeShadow.SetRange(0, 160);
  c.PipeShadow.OnChange = [this](int value) {
    Working.PipeShadow = value;
    PreviewChanged();
  };
  Place(c.PipeOnMain, {640, 590, 890, 635});
  Place(c.IconsOnMain, {890, 590, 1160, 635});
  c.PipeOnMain.OnClick = [this] {
    Working.PipeOnMain = Hosted->PipeOnMain.Checked();
    PreviewChanged();
  };
  c.IconsOnMain.OnClick = [this] {
    Working.DrawIconsOnMain = Hosted->IconsOnMain.Checked();
    PreviewChanged();
  };
  AddHint(c.PipeOnMain.Handle(), u" Shade the bar like the selected item ");
  AddHint(c.IconsOnMain.Handle(), u" Show the entries' icons on the bar ");

  AddGroup({620, 665, 1180, 845}, u"Colors");
  AddSwatch({645, 700, 895, 760}, u"Main Frame", Working.FrameColor);
  AddSwatch({905, 700, 1155, 760}, u"Popup Frame", Working.PopupFrameColor);
  AddSwatch({645, 770, 895, 830}, u"Font", Working.MenuTextColor);
  AddSwatch({905, 770, 1155, 830}, u"Selected Font", Working.SelTextColor);
}

// Setting the controls raises no change events: the colours are computed once afterwards.
void TFrmMenuSettings::ShowValues() {
  TControls& c = *Hosted;
  const uimodel::THlsPositions background =
      uimodel::Clamped(uimodel::UnpackHls(Working.HslMenuBkg), uimodel::MenuBackgroundRanges);
  const uimodel::THlsPositions selection =
      uimodel::Clamped(uimodel::UnpackHls(Working.HslSelMenu), uimodel::SelectedItemRanges);
  c.BkgHue.SetPosition(background.Hue);
  c.BkgSat.SetPosition(background.Saturation);
  c.BkgLum.SetPosition(background.Luminance);
  c.SelHue.SetPosition(selection.Hue);
  c.SelSat.SetPosition(selection.Saturation);
  c.SelLum.SetPosition(selection.Luminance);
  c.FrameSize.SetValue(Working.EdgeSize);
  c.FontSize.SetValue(Working.MenuFontSize);
  c.ItemSize.SetValue(Working.ItemHeight);
  c.FontTop.SetValue(Working.MenuTextTop);
  c.Bold.SetChecked(Working.MenuFontBold);
  c.ArrowColor.SetPosition(Working.ArrowImageIndex);
  c.PipeShadow.SetPosition(Working.PipeShadow);
  c.PipeOnMain.SetChecked(Working.PipeOnMain);
  c.IconsOnMain.SetChecked(Working.DrawIconsOnMain);
  // The current font shows until the list is filled.
  c.FontNames.SetSelected(c.FontNames.Add(Working.MenuFontName));
}

void TFrmMenuSettings::BackgroundMoved() {
  const TControls& c = *Hosted;
  uimodel::SetMenuBackground(Working, {c.BkgHue.Position(), c.BkgSat.Position(), c.BkgLum.Position()},
                             LargestMenu, ::GetSystemMetrics(SM_CYSCREEN));
  PreviewChanged();
}

void TFrmMenuSettings::SelectionMoved() {
  const TControls& c = *Hosted;
  uimodel::SetSelectedItem(Working, {c.SelHue.Position(), c.SelSat.Position(), c.SelLum.Position()});
  PreviewChanged();
}

bool TFrmMenuSettings::ItemHeightAllowed(int height) const {
  return uimodel::ItemHeightFits(height, Working.EdgeSize, WorkAreaBottom, LargestMenu);
}

void TFrmMenuSettings::Shown() {
  ::SetTimer(Hwnd, kFontTimer, kFontDelayMs, nullptr);
}

void TFrmMenuSettings::TimerTick(UINT_PTR timer) {
  if (timer != kFontTimer)
    return;
  ::KillTimer(Hwnd, kFontTimer);
  FillFontList();
}

void TFrmMenuSettings::FillFontList() {
  TComboBox& names = Hosted->FontNames;
  const TUpdateBatch batch(names);
  names.Clear();
  for (const std::u16string& name : uimodel::FontNames(Context.Services.Fonts.TrueTypeFamilies(), false))
    names.Add(name);
  int current = names.Find(Working.MenuFontName);
  if (current < 0 && !Working.MenuFontName.empty())
    current = names.Add(Working.MenuFontName);  // a font that is gone still shows what is set
  names.SetSelected(current);
}

bool TFrmMenuSettings::CtrlShiftKey(UINT key) {
  if (key != 'H')
    return false;
  TTrackBar& arrow = Hosted->ArrowColor;
  const int next = arrow.Position() < arrow.Maximum() ? arrow.Position() + 1 : arrow.Minimum();
  arrow.SetPosition(next);
  Working.ArrowImageIndex = next;
  PreviewChanged();
  ::SetFocus(arrow.Handle());
  return true;
}

void TFrmMenuSettings::PreviewChanged() {
  Invalidate(kPreview);
}

void TFrmMenuSettings::PaintPictures(HDC dc) {
  const TRect area = Px(kPreview);
  if (area.Empty() || !PreviewCanvas.Resize(area.Width(), area.Height()))
    return;
  const uimodel::TMenuMetrics metrics = uimodel::TMenuMetrics::For(
      Working.ItemHeight, Working.EdgeSize, Working.MenuTextTop, Working.DrawIconsOnMain);
  const uimodel::TMenuColors colors = uimodel::TMenuColors::From(Working);
  const win32::unique_hfont font = CreateSettingsMenuFont(Working, Scale().Ppi());
  TGdiTextPainter text(PreviewCanvas, font.get());
  const TMenuGlyphs& glyphs = Environment.Glyphs;
  const uimodel::TMenuPaintContext context{
      metrics, colors, glyphs.User, glyphs.BuiltIn, glyphs.Arrows, Working.ArrowImageIndex, text};
  platform::ISystemColors& system = Context.Services.SystemColors;
  const auto frame = graphics::TQxColor::FromColor(graphics::ResolveColor(system, Working.FrameColor));
  const auto background = graphics::TQxColor::FromColor(graphics::ResolveColor(system, Working.FormTopColor));
  PreviewItems = uimodel::MenuPreviewItems();
  uimodel::PaintMenuPreview(PreviewCanvas.Bitmap(), *PreviewItems, context, frame.WithAlpha(255),
                            background.WithAlpha(255));
  TDibCanvas::Flush();
  PreviewCanvas.CopyTo(dc, area.Left, area.Top);
}

void TFrmMenuSettings::Accept() {
  uimodel::ApplyMenuSettings(Working, Context.Settings, Context.Services.SystemColors);
}

}  // namespace tolvane::ui
