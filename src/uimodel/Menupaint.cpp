#include "uimodel/Menupaint.h"

#include <algorithm>

#include "graphics/Shapes.h"
#include "platform/Systemcolors.h"

namespace tolvane::uimodel {
namespace {

using graphics::TGlyphList;
using graphics::TQxBitmap;
using graphics::TQxColor;

constexpr int IconSize = graphics::GlyphSize;
// A hot popup row's pipe is a little deeper than the bar's, so the two read apart.
constexpr int HotDepthExtra = 15;
// The selected icon stands one pixel up and left of its place over a faint shadow one pixel down and right.
constexpr int RaisedOffset = 1;
constexpr std::uint8_t IconShadowAlpha = 72;
constexpr std::uint8_t DimmedArrowAlpha = 80;
constexpr int MaxStripArrowRows = 5;

// The classic scheme: menu colours are plain colours, but a stray system colour must still give a defined
// pixel without asking the system.
class TClassicSystemColors final : public platform::ISystemColors {
 public:
  std::uint32_t Color(int index) override {
    return index >= 0 && index < static_cast<int>(platform::DefaultSystemColors.size())
               ? platform::DefaultSystemColors[static_cast<std::size_t>(index)]
               : 0;
  }
};

std::uint8_t HotDepth(std::uint8_t pipeShadow) {
  return static_cast<std::uint8_t>((pipeShadow + HotDepthExtra) % 256);
}

// Where a glyph cell lands once limited to clip: the cell part and its target corner.
struct TGlyphPlacement {
  TRect From;
  TPoint To;
};

bool PlaceGlyph(const TQxBitmap& bitmap, const TGlyphList& glyphs, int index, int x, int y, const TRect& clip,
                TGlyphPlacement& placement) {
  if (!glyphs.Contains(index)) {
    return false;
  }
  const TRect cell = glyphs.CellRect(index);
  const TRect target =
      TRect::Sized(x, y, cell.Width(), cell.Height()).Intersection(clip).Intersection(bitmap.Bounds());
  if (target.Empty()) {
    return false;
  }
  placement.From =
      TRect::Sized(cell.Left + target.Left - x, cell.Top + target.Top - y, target.Width(), target.Height());
  placement.To = target.TopLeft();
  return true;
}

// Glyphs never paint outside their row, so that a row can be repainted alone.
void DrawGlyph(TQxBitmap& bitmap, const TGlyphList& glyphs, int index, int x, int y, const TRect& clip) {
  TGlyphPlacement placement;
  if (PlaceGlyph(bitmap, glyphs, index, x, y, clip, placement)) {
    bitmap.AlphaBlend(glyphs.Cells(), placement.From, placement.To.X, placement.To.Y);
  }
}

// The glyph's silhouette in translucent black.
void DrawGlyphShadow(TQxBitmap& bitmap, const TGlyphList& glyphs, int index, int x, int y,
                     const TRect& clip) {
  TGlyphPlacement placement;
  if (!PlaceGlyph(bitmap, glyphs, index, x, y, clip, placement)) {
    return;
  }
  const TQxColor shadow = TQxColor::FromChannels(0, 0, 0, IconShadowAlpha);
  const TRect& from = placement.From;
  for (int row = 0; row < from.Height(); ++row) {
    const TQxColor* in = glyphs.Cells().Row(from.Top + row) + from.Left;
    TQxColor* out = bitmap.Row(placement.To.Y + row) + placement.To.X;
    for (int column = 0; column < from.Width(); ++column) {
      graphics::BlendPixel(out[column], shadow, in[column].Alpha());
    }
  }
}

// Left of a popup caption: the icon with a margin on either side.
int CaptionIndent(const TMenuMetrics& metrics) {
  return 2 * metrics.IconMargin + IconSize;
}

TRect MovedByTextTop(const TRect& rect, const TMenuMetrics& metrics) {
  return rect.Offset(0, metrics.TextTop);
}

void FillBarBackground(TQxBitmap& bitmap, const TRect& rect, const TMenuColors& colors) {
  if (colors.PipeOnMain) {
    graphics::FillPipe(bitmap, rect, colors.MenuTop, colors.MainMenuBottom, colors.PipeShadow);
  } else {
    graphics::FillGradient(bitmap, rect, colors.MenuTop, colors.MainMenuBottom);
  }
}

void PaintRowIcon(TQxBitmap& bitmap, const storage::TItem& item, const TRect& content, const TRect& clip,
                  bool selected, const TMenuPaintContext& context) {
  const TGlyphList& glyphs =
      item.ItemType > storage::ItemTypeProgramOwn ? context.BuiltInGlyphs : context.UserGlyphs;
  const int x = content.Left + context.Metrics.IconMargin;
  const int y = content.Top + context.Metrics.IconTop;
  if (!selected) {
    DrawGlyph(bitmap, glyphs, item.ImageIndex, x, y, clip);
    return;
  }
  DrawGlyphShadow(bitmap, glyphs, item.ImageIndex, x + RaisedOffset, y + RaisedOffset, clip);
  DrawGlyph(bitmap, glyphs, item.ImageIndex, x - RaisedOffset, y - RaisedOffset, clip);
}

void PaintRowTexts(TQxBitmap& bitmap, const storage::TItem& item, const TRect& content, TQxColor color,
                   const TMenuPaintContext& context) {
  const int indent = CaptionIndent(context.Metrics);
  const TRect text = MovedByTextTop(content, context.Metrics);
  context.Text.Draw(bitmap, {text.Left + indent, text.Top, text.Right, text.Bottom}, item.Name, color,
                    TTextAlign::Left);
  if (!item.ShortCutText.empty()) {
    context.Text.Draw(bitmap, {text.Left + indent, text.Top, text.Right - indent, text.Bottom},
                      item.ShortCutText, color, TTextAlign::Right);
  }
}

void PaintRowArrow(TQxBitmap& bitmap, const storage::TItem& item, const TRect& content, const TRect& clip,
                   const TMenuPaintContext& context) {
  if (item.Children.Empty() || item.Level <= 1) {
    return;
  }
  const int x = content.Right - context.Arrows.CellSize() - context.Metrics.IconMargin;
  DrawGlyph(bitmap, context.Arrows, context.ArrowIndex, x, content.Top + context.Metrics.IconTop, clip);
}

}  // namespace

TMenuColors TMenuColors::From(const storage::TSettings& settings) {
  TClassicSystemColors systemColors;
  const auto opaque = [&systemColors](storage::TSettingsColor color) {
    return TQxColor::FromColor(graphics::ResolveColor(systemColors, color)).WithAlpha(255);
  };
  TMenuColors colors;
  colors.MenuTop = opaque(settings.MenuTopColor);
  colors.MainMenuBottom = opaque(settings.MainMenuBottom);
  colors.MenuBottom = opaque(settings.MenuBottomColor);
  colors.SelTop = opaque(settings.SelTopColor);
  colors.SelBottom = opaque(settings.SelBottomColor);
  colors.MenuText = opaque(settings.MenuTextColor);
  colors.SelText = opaque(settings.SelTextColor);
  colors.Frame = opaque(settings.FrameColor);
  colors.InActiveFrame = opaque(settings.InActiveFrameColor);
  colors.PopupFrame = opaque(settings.PopupFrameColor);
  colors.PipeShadow = static_cast<std::uint8_t>(std::clamp(settings.PipeShadow, 0, 255));
  colors.PipeOnMain = settings.PipeOnMain;
  return colors;
}

void PaintBar(TQxBitmap& bitmap, const storage::TItem& root, int hot, int pressed,
              const TMenuPaintContext& context) {
  // The entries span the panel's height; the bitmap may be taller than the panel.
  TRect empty = bitmap.Bounds();
  int index = 0;
  for (const storage::TItem& entry : root.Children) {
    if (index == 0) {
      empty.Top = entry.ItemRect.Top;
      empty.Bottom = entry.ItemRect.Bottom;
    }
    empty.Left = std::max(empty.Left, entry.ItemRect.Right);
    const TEntryLook look = index == pressed ? TEntryLook::Pressed
                            : index == hot   ? TEntryLook::Hot
                                             : TEntryLook::Normal;
    PaintBarEntry(bitmap, entry, look, context);
    ++index;
  }
  FillBarBackground(bitmap, empty, context.Colors);
}

void PaintBarEntry(TQxBitmap& bitmap, const storage::TItem& entry, TEntryLook look,
                   const TMenuPaintContext& context) {
  const TMenuMetrics& metrics = context.Metrics;
  const TMenuColors& colors = context.Colors;
  const TRect& rect = entry.ItemRect;
  if (rect.Empty()) {
    return;
  }
  TRect inside = rect;
  switch (look) {
    case TEntryLook::Normal:
      FillBarBackground(bitmap, rect, colors);
      break;
    case TEntryLook::Hot:
      graphics::FillPipe(bitmap, rect, colors.SelTop, colors.SelBottom, colors.PipeShadow);
      break;
    case TEntryLook::Pressed:
      graphics::FrameRect(bitmap, rect, colors.Frame);
      inside = rect.Inflated(-1);
      graphics::FillGradient(bitmap, inside, colors.SelTop, colors.SelBottom);
      break;
  }
  TRect text = MovedByTextTop(rect, metrics);
  // The layout leaves the icon's room whether or not the entry has an icon.
  if (metrics.DrawIconsOnMain && entry.ItemType < storage::ItemTypeProgramOwn) {
    DrawGlyph(bitmap, context.UserGlyphs, entry.ImageIndex, rect.Left + metrics.IconMargin,
              rect.Top - 1 + metrics.IconTop, inside);
    text.Left += IconSize;
  }
  context.Text.Draw(bitmap, text, entry.Name, look == TEntryLook::Normal ? colors.MenuText : colors.SelText,
                    TTextAlign::Center);
}

void PaintPopupRow(TQxBitmap& bitmap, const storage::TItem& item, const TRect& row, TEntryLook look,
                   std::span<const TQxColor> gradient, const TMenuPaintContext& context) {
  const TMenuColors& colors = context.Colors;
  if (row.Empty()) {
    return;
  }
  // inside: what the background covers; content: where icon and texts are placed.
  TRect inside = row;
  TRect content = row;
  if (look == TEntryLook::Normal) {
    graphics::FillFromTable(bitmap, row, gradient);
  } else {
    if (look == TEntryLook::Pressed) {
      graphics::FrameRect(bitmap, row, colors.Frame);
      inside = row.Inflated(-1);
      // Only as wide as the row again: icon and texts sink by a pixel but keep their columns.
      content = {row.Left, inside.Top, row.Right, inside.Bottom};
    }
    graphics::FillPipe(bitmap, inside, colors.SelTop, colors.SelBottom, HotDepth(colors.PipeShadow));
  }
  const bool selected = look != TEntryLook::Normal;
  PaintRowIcon(bitmap, item, content, inside, selected, context);
  PaintRowTexts(bitmap, item, content, selected ? colors.SelText : colors.MenuText, context);
  PaintRowArrow(bitmap, item, content, inside, context);
}

void PaintPopupFrame(TQxBitmap& bitmap, int width, int height, int edge, TQxColor color) {
  if (edge <= 0 || width <= 0 || height <= 0) {
    return;
  }
  bitmap.Fill({0, 0, width, std::min(edge, height)}, color);
  bitmap.Fill({0, std::max(height - edge, 0), width, height}, color);
  bitmap.Fill({0, edge, std::min(edge, width), height - edge}, color);
  bitmap.Fill({std::max(width - edge, 0), edge, width, height - edge}, color);
}

void PaintScrollStrip(TQxBitmap& bitmap, const TRect& strip, bool up, bool enabled,
                      std::span<const TQxColor> gradient, const TMenuPaintContext& context) {
  if (strip.Empty()) {
    return;
  }
  graphics::FillFromTable(bitmap, strip, gradient);
  // A filled triangle, one pixel at its tip and two wider per row, centred in the strip.
  const int rows = std::clamp((strip.Height() - 2) / 2, 1, MaxStripArrowRows);
  const int centre = strip.Left + strip.Width() / 2;
  const int top = strip.Top + (strip.Height() - rows) / 2;
  const TQxColor ink = context.Colors.MenuText.WithAlpha(enabled ? 255 : DimmedArrowAlpha);
  for (int i = 0; i < rows; ++i) {
    const int half = up ? i : rows - 1 - i;
    graphics::BlendRect(
        bitmap, TRect{centre - half, top + i, centre + half + 1, top + i + 1}.Intersection(strip), ink);
  }
}

}  // namespace tolvane::uimodel
