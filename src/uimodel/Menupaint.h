#pragma once
// Painting the bar and the popups into a 32-bit bitmap: gradients, pipes, outlines, glyphs and the frame
// here; text through ITextPainter, which the Windows build implements with the system's font rendering on
// the same pixels and tests with a deterministic font.

#include <cstdint>
#include <span>
#include <string_view>

#include "common/Geometry.h"
#include "graphics/Glyphlist.h"
#include "graphics/Gradient.h"
#include "graphics/Qxbitmap.h"
#include "storage/Globals.h"
#include "storage/Item.h"
#include "uimodel/Menulayout.h"

namespace tolvane::uimodel {

enum class TTextAlign { Left, Center, Right };

class ITextPainter {
 public:
  virtual ~ITextPainter() = default;
  // Width of a single line without prefix processing, in the menu font.
  virtual int Width(std::u16string_view text) = 0;
  // Draws a single line, vertically centred in the rectangle, clipped to it, without prefix processing.
  virtual void Draw(graphics::TQxBitmap& bitmap, const TRect& rect, std::u16string_view text,
                    graphics::TQxColor color, TTextAlign align) = 0;
};

// The settings' menu colours as opaque pixels, resolved once per appearance change.
struct TMenuColors {
  graphics::TQxColor MenuTop, MainMenuBottom, MenuBottom, SelTop, SelBottom, MenuText, SelText, Frame,
      InActiveFrame, PopupFrame;
  std::uint8_t PipeShadow = 0;
  bool PipeOnMain = true;

  static TMenuColors From(const storage::TSettings& settings);
};

// Everything a painter needs besides the bitmap; the glyph lists may be empty.
struct TMenuPaintContext {
  const TMenuMetrics& Metrics;
  const TMenuColors& Colors;
  const graphics::TGlyphList& UserGlyphs;
  const graphics::TGlyphList& BuiltInGlyphs;
  const graphics::TGlyphList& Arrows;
  int ArrowIndex = 0;  // "ArrowImageIndex"
  ITextPainter& Text;
};

enum class TEntryLook { Normal, Hot, Pressed };

// The bar's empty area and every entry (by its ItemRect) with the hot and pressed entries (−1: none).
void PaintBar(graphics::TQxBitmap& bitmap, const storage::TItem& root, int hot, int pressed,
              const TMenuPaintContext& context);
void PaintBarEntry(graphics::TQxBitmap& bitmap, const storage::TItem& entry, TEntryLook look,
                   const TMenuPaintContext& context);

// One popup row of the item in its rectangle; the background of a normal row comes from the popup's gradient
// table by the row's y.
void PaintPopupRow(graphics::TQxBitmap& bitmap, const storage::TItem& item, const TRect& row, TEntryLook look,
                   std::span<const graphics::TQxColor> gradient, const TMenuPaintContext& context);
// The "EdgeSize" frame in the colour along the bitmap's edges, within width × height.
void PaintPopupFrame(graphics::TQxBitmap& bitmap, int width, int height, int edge, graphics::TQxColor color);
// A scroll strip of an overflowing popup: background and a small arrow, dimmed when it cannot scroll.
void PaintScrollStrip(graphics::TQxBitmap& bitmap, const TRect& strip, bool up, bool enabled,
                      std::span<const graphics::TQxColor> gradient, const TMenuPaintContext& context);

}  // namespace tolvane::uimodel
