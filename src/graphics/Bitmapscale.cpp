#include <algorithm>
#include <cstdint>
#include <vector>

#include "graphics/Qxbitmap.h"

namespace tolvane::graphics {
namespace {

// One source pixel's share of a target pixel.
struct TTap {
  int Source = 0;
  std::uint32_t Weight = 0;
};

// The taps of every target pixel along one axis: target i covers [i·S, (i+1)·S) and source j covers [j·T,
// (j+1)·T) in units of 1/(S·T) of the axis, so the weights of one target pixel add up to S.
struct TAxis {
  std::vector<TTap> Taps;
  std::vector<int> First;  // target i uses Taps[First[i]] … Taps[First[i + 1] − 1]
  std::uint32_t Total = 0;
};

TAxis AreaAxis(int sourceLength, int targetLength) {
  TAxis axis;
  axis.Total = static_cast<std::uint32_t>(sourceLength);
  const std::int64_t s = sourceLength;
  const std::int64_t t = targetLength;
  for (std::int64_t i = 0; i < t; ++i) {
    axis.First.push_back(static_cast<int>(axis.Taps.size()));
    const std::int64_t begin = i * s;
    const std::int64_t end = begin + s;
    for (std::int64_t j = begin / t; j * t < end && j < s; ++j) {
      const std::int64_t overlap = std::min(end, (j + 1) * t) - std::max(begin, j * t);
      if (overlap > 0) {
        axis.Taps.push_back({static_cast<int>(j), static_cast<std::uint32_t>(overlap)});
      }
    }
  }
  axis.First.push_back(static_cast<int>(axis.Taps.size()));
  return axis;
}

// Premultiplied channels with eight extra bits of alpha, so two passes of averaging keep faint edges.
struct TAccum {
  std::uint64_t Alpha = 0;  // alpha × 256
  std::uint64_t Red = 0;    // red × alpha
  std::uint64_t Green = 0;
  std::uint64_t Blue = 0;
};

TAccum Premultiplied(TQxColor pixel) {
  const std::uint64_t a = pixel.Alpha();
  return {a * 256, a * pixel.Red(), a * pixel.Green(), a * pixel.Blue()};
}

void AddWeighted(TAccum& sum, const TAccum& value, std::uint64_t weight) {
  sum.Alpha += value.Alpha * weight;
  sum.Red += value.Red * weight;
  sum.Green += value.Green * weight;
  sum.Blue += value.Blue * weight;
}

TAccum Divided(const TAccum& sum, std::uint64_t total) {
  return {(sum.Alpha + total / 2) / total, (sum.Red + total / 2) / total, (sum.Green + total / 2) / total,
          (sum.Blue + total / 2) / total};
}

TQxColor Unpremultiplied(const TAccum& value) {
  if (value.Alpha == 0) {
    return TQxColor();
  }
  const auto channel = [&](std::uint64_t premultiplied) {
    return static_cast<std::uint8_t>(
        std::min<std::uint64_t>(255, (premultiplied * 256 + value.Alpha / 2) / value.Alpha));
  };
  return TQxColor::FromChannels(
      channel(value.Red), channel(value.Green), channel(value.Blue),
      static_cast<std::uint8_t>(std::min<std::uint64_t>(255, (value.Alpha + 128) / 256)));
}

void ScaleArea(const TQxBitmap& source, const TRect& from, TQxBitmap& scaled) {
  const int width = scaled.Width();
  const int height = scaled.Height();
  const TAxis across = AreaAxis(from.Width(), width);
  const TAxis down = AreaAxis(from.Height(), height);
  std::vector<TAccum> rows(static_cast<std::size_t>(width) * from.Height());
  for (int y = 0; y < from.Height(); ++y) {
    const TQxColor* in = source.Row(from.Top + y) + from.Left;
    for (int x = 0; x < width; ++x) {
      TAccum sum;
      for (int k = across.First[x]; k < across.First[x + 1]; ++k) {
        AddWeighted(sum, Premultiplied(in[across.Taps[k].Source]), across.Taps[k].Weight);
      }
      rows[static_cast<std::size_t>(y) * width + x] = Divided(sum, across.Total);
    }
  }
  for (int y = 0; y < height; ++y) {
    TQxColor* out = scaled.Row(y);
    for (int x = 0; x < width; ++x) {
      TAccum sum;
      for (int k = down.First[y]; k < down.First[y + 1]; ++k) {
        AddWeighted(sum, rows[static_cast<std::size_t>(down.Taps[k].Source) * width + x],
                    down.Taps[k].Weight);
      }
      out[x] = Unpremultiplied(Divided(sum, down.Total));
    }
  }
}

// Samples at each target pixel's centre.
void ScaleNearest(const TQxBitmap& source, const TRect& from, TQxBitmap& scaled) {
  const std::int64_t sw = from.Width();
  const std::int64_t sh = from.Height();
  const std::int64_t tw = scaled.Width();
  const std::int64_t th = scaled.Height();
  for (std::int64_t y = 0; y < th; ++y) {
    const TQxColor* in = source.Row(from.Top + static_cast<int>((2 * y + 1) * sh / (2 * th))) + from.Left;
    TQxColor* out = scaled.Row(static_cast<int>(y));
    for (std::int64_t x = 0; x < tw; ++x) {
      out[x] = in[(2 * x + 1) * sw / (2 * tw)];
    }
  }
}

}  // namespace

void TQxBitmap::DrawScaled(const TQxBitmap& source, const TRect& sourceRect, const TRect& targetRect,
                           TScaleFilter filter) {
  const TRect from = sourceRect.Intersection(source.Bounds());
  if (from.Empty() || targetRect.Empty() || targetRect.Intersection(Bounds()).Empty()) {
    return;
  }
  TQxBitmap scaled;
  if (!scaled.Resize(targetRect.Width(), targetRect.Height())) {
    return;
  }
  if (filter == TScaleFilter::Nearest) {
    ScaleNearest(source, from, scaled);
  } else {
    ScaleArea(source, from, scaled);
  }
  CopyRect(scaled, scaled.Bounds(), targetRect.Left, targetRect.Top);
}

}  // namespace tolvane::graphics
