#include "graphics/Huerotate.h"

#include <array>
#include <vector>

#include "graphics/Qxhsl.h"

namespace tolvane::graphics {
namespace {

// Glyph strips use few colours, so a small direct-mapped cache skips most conversions. The top bit of a key
// marks a used slot.
template <typename TValue>
class TConversionCache {
 public:
  template <typename TConvert>
  TValue Get(std::uint64_t key, TConvert convert) {
    key |= std::uint64_t{1} << 63;
    const std::size_t slot = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 56);
    if (Keys[slot] != key) {
      Keys[slot] = key;
      Values[slot] = convert();
    }
    return Values[slot];
  }

 private:
  std::array<std::uint64_t, 256> Keys{};
  std::array<TValue, 256> Values{};
};

std::uint64_t KeyOf(const TQxHsl& hsl) {
  return std::uint64_t{hsl.Hue} | std::uint64_t{hsl.Saturation} << 16 | std::uint64_t{hsl.Lightness} << 24 |
         std::uint64_t{hsl.Alpha} << 32;
}

struct TVariant {
  TQxBitmap* Target = nullptr;
  int Shift = 0;
  TConversionCache<TQxColor> Cache;
};

}  // namespace

bool RotateHues(const TQxBitmap& source, std::span<TQxBitmap* const> variants) {
  const int count = static_cast<int>(variants.size());
  std::vector<TVariant> targets;
  bool allSized = true;
  for (int i = 1; i < count; ++i) {
    if (variants[i] == nullptr) {
      continue;
    }
    if (!variants[i]->Resize(source.Width(), source.Height())) {
      allSized = false;
      continue;
    }
    targets.push_back({variants[i], HueShift(i, count), {}});
  }
  TConversionCache<TQxHsl> toHsl;
  std::vector<TQxHsl> row(static_cast<std::size_t>(source.Width()));
  for (int y = 0; y < source.Height(); ++y) {
    const TQxColor* in = source.Row(y);
    for (std::size_t x = 0; x < row.size(); ++x) {
      row[x] = toHsl.Get(in[x].Value, [&] { return PixelToHsl(in[x]); });
    }
    for (TVariant& variant : targets) {
      TQxColor* out = variant.Target->Row(y);
      for (std::size_t x = 0; x < row.size(); ++x) {
        out[x] = variant.Cache.Get(KeyOf(row[x]), [&] {
          TQxHsl turned = row[x];
          turned.Hue = static_cast<std::uint16_t>((turned.Hue + variant.Shift) % 360);
          return HslToPixel(turned);
        });
      }
    }
  }
  return allSized;
}

}  // namespace tolvane::graphics
