#include "graphics/Gradient.h"

#include <algorithm>

namespace tolvane::graphics {
namespace {

constexpr int FixedShift = 22;

// One channel's running value and per-row step in 2^22 fixed point.
struct TChannelRamp {
  std::int64_t Value = 0;
  std::int64_t Step = 0;

  TChannelRamp(int top, int bottom, std::size_t rows)
      : Value(std::int64_t{top} << FixedShift),
        // Integer division truncates towards zero, for falling channels too.
        Step(rows > 1 ? (std::int64_t{bottom - top} << FixedShift) / static_cast<std::int64_t>(rows - 1)
                      : 0) {}

  std::uint8_t At(std::size_t row) const {
    return static_cast<std::uint8_t>((Value + Step * static_cast<std::int64_t>(row)) >> FixedShift);
  }
};

// Row y of the rectangle takes table[y − tableTop]; rows past the table's end take its last colour.
void PaintRows(TQxBitmap& bitmap, const TRect& rect, std::span<const TQxColor> table, int tableTop) {
  const TRect area = rect.Intersection(bitmap.Bounds());
  if (table.empty() || area.Empty()) {
    return;
  }
  for (int y = area.Top; y < area.Bottom; ++y) {
    const auto index = std::min(static_cast<std::size_t>(y - tableTop), table.size() - 1);
    FillPixels(bitmap.Row(y) + area.Left, area.Width(), table[index]);
  }
}

}  // namespace

void GradientRows(TQxColor top, TQxColor bottom, std::span<TQxColor> rows) {
  const TChannelRamp red(top.Red(), bottom.Red(), rows.size());
  const TChannelRamp green(top.Green(), bottom.Green(), rows.size());
  const TChannelRamp blue(top.Blue(), bottom.Blue(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    rows[i] = TQxColor::FromChannels(red.At(i), green.At(i), blue.At(i), 255);
  }
}

void PipeRows(TQxColor top, TQxColor bottom, std::uint8_t depth, std::span<TQxColor> rows) {
  const auto shade = [depth](std::uint8_t channel) {
    return static_cast<std::uint8_t>(channel * (255 - depth) / 255);
  };
  const TQxColor shadow = TQxColor::FromChannels(shade(bottom.Red()), shade(bottom.Green()),
                                                 shade(bottom.Blue()), bottom.Alpha());
  const std::size_t upper = 2 * rows.size() / 5;
  GradientRows(bottom, top, rows.first(upper));
  GradientRows(top, shadow, rows.subspan(upper));
}

std::vector<TQxColor> Gradient(TQxColor top, TQxColor bottom, int rows) {
  std::vector<TQxColor> table(static_cast<std::size_t>(std::max(rows, 0)));
  GradientRows(top, bottom, table);
  return table;
}

void FillFromTable(TQxBitmap& bitmap, const TRect& rect, std::span<const TQxColor> table) {
  PaintRows(bitmap, rect, table, 0);
}

void FillGradient(TQxBitmap& bitmap, const TRect& rect, TQxColor top, TQxColor bottom) {
  PaintRows(bitmap, rect, Gradient(top, bottom, rect.Height()), rect.Top);
}

void FillPipe(TQxBitmap& bitmap, const TRect& rect, TQxColor top, TQxColor bottom, std::uint8_t depth) {
  std::vector<TQxColor> rows(static_cast<std::size_t>(std::max(rect.Height(), 0)));
  PipeRows(top, bottom, depth, rows);
  PaintRows(bitmap, rect, rows, rect.Top);
}

TPopupGradients MakePopupGradients(TQxColor menuTop, TQxColor menuBottom, int largestChildCount,
                                   int itemHeight, int screenHeight) {
  const std::int64_t listRows = (std::int64_t{std::max(largestChildCount, 0)} + 2) * std::max(itemHeight, 0);
  const std::int64_t rows =
      std::max({listRows, std::int64_t{screenHeight / 2}, std::int64_t{MinLongGradientRows}});
  TPopupGradients tables;
  tables.LongGradient =
      Gradient(menuTop, menuBottom, static_cast<int>(std::min<std::int64_t>(rows, TQxBitmap::MaxPixels)));
  tables.ShortGradient = Gradient(tables.LongGradient[ShortGradientFrom],
                                  tables.LongGradient[ShortGradientTo], ShortGradientRows);
  return tables;
}

}  // namespace tolvane::graphics
