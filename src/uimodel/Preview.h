#pragma once
// The preview window that shows a popup item's contents while Ctrl is held: its labelled lines and their
// colours, its font, its text insets and where it opens next to the hot row.

#include <cstdint>
#include <string>
#include <vector>

#include "common/Geometry.h"
#include "graphics/Qxcolor.h"
#include "storage/Globals.h"
#include "storage/Item.h"

namespace tolvane::uimodel {

inline constexpr std::u16string_view PreviewCaption = u"Showing Contents of ";

namespace previewcolor {
inline constexpr graphics::TColor Blue = 0xFF0000;
inline constexpr graphics::TColor Green = 0x008000;
inline constexpr graphics::TColor Navy = 0x800000;
inline constexpr graphics::TColor Purple = 0x800080;
inline constexpr graphics::TColor Maroon = 0x000080;
}  // namespace previewcolor

struct TPreviewLine {
  std::u16string Label;
  std::u16string Value;
  graphics::TColor Color = 0;

  bool operator==(const TPreviewLine&) const = default;
};

// The item's non-empty values by its type, each with its label and colour; empty when there is nothing to
// show (folders, the program's own items, items without values), and then the preview stays hidden.
std::vector<TPreviewLine> PreviewLines(const storage::TItem& item);

// A run of the preview text in one colour.
struct TPreviewRun {
  std::size_t Start = 0;
  std::size_t Length = 0;
  graphics::TColor Color = 0;
};

// The rich text: each line as label + "\r\n" + value, the lines separated by "\r\n", a run per line.
struct TPreviewText {
  std::u16string Text;
  std::vector<TPreviewRun> Runs;
};
TPreviewText ComposePreview(const std::vector<TPreviewLine>& lines);

struct TPreviewFont {
  std::u16string Name;
  int Size = 0;
  bool Bold = false;

  bool operator==(const TPreviewFont&) const = default;
};
// The fixed code font for items with the mono-space flag, the menu font otherwise.
TPreviewFont PreviewFont(const storage::TItem& item, const storage::TSettings& settings);

// Text area insets: 10 × ppi / 144 at the left and top, half of that at the right and bottom.
struct TPreviewInsets {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  bool operator==(const TPreviewInsets&) const = default;
};
TPreviewInsets PreviewInsets(int pixelsPerInch);

// The window's screen bounds for a text extent next to the hot row: 30 px beside and 10 px above and below
// the text, at most 9/20 of the work area each way, at least half that limit high and two thirds of it wide;
// top-left 20 px right of and 25 px below the row's middle, moved left at the right edge, put above the point
// (ending 50 px above it) at the bottom edge, and never past the work area's left or top edge.
TRect PlacePreview(TSize textExtent, const TRect& hotRow, const TRect& workArea);

}  // namespace tolvane::uimodel
