// The per-pixel work of the menus against plain memcpy of the same number of pixels in the same run:
// hue-rotating the shipped user glyph strip into its 16 colour variants, and painting the background of a
// popup of 40 rows from the gradient table. scripts/bench divides by the first baseline (the variants'
// memcpy); the popup's own memcpy reference is BM_Baseline_MemcpyPopupPixels.

#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "graphics/Glyphlist.h"
#include "graphics/Gradient.h"
#include "graphics/Pngimage.h"

namespace {

using namespace tolvane::graphics;
using tolvane::TRect;

constexpr int PopupRows = 40;
constexpr int ItemHeight = 26;
constexpr int PopupWidth = 300;
constexpr int PopupPixels = PopupRows * ItemHeight * PopupWidth;

const TQxBitmap& UserStrip() {
  static const TQxBitmap strip = [] {
    std::ifstream in(TOLVANE_IMAGES_DIR "/user-glyphs.png", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    TQxBitmap image;
    if (LoadPng(bytes, image) != TPngResult::Ok) {
      throw std::runtime_error("user-glyphs.png cannot be loaded");
    }
    return image;
  }();
  return strip;
}

int VariantPixels() {
  return UserStrip().Width() * UserStrip().Height() * GlyphVariants;
}

void CopyPixels(benchmark::State& state, int pixels) {
  const std::vector<TQxColor> from(static_cast<std::size_t>(pixels), TQxColor(0xFF808080u));
  std::vector<TQxColor> to(from.size());
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size() * sizeof(TQxColor));
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * pixels);
}

void BM_Baseline_MemcpyVariantPixels(benchmark::State& state) {
  CopyPixels(state, VariantPixels());
}
BENCHMARK(BM_Baseline_MemcpyVariantPixels);

void BM_UserGlyphVariants(benchmark::State& state) {
  TGlyphList glyphs;
  for (auto _ : state) {
    if (!MakeUserGlyphs(UserStrip(), glyphs)) {
      state.SkipWithError("MakeUserGlyphs failed");
      break;
    }
    benchmark::DoNotOptimize(glyphs.Cells().Row(0));
  }
  state.SetItemsProcessed(state.iterations() * VariantPixels());
}
BENCHMARK(BM_UserGlyphVariants);

void BM_Baseline_MemcpyPopupPixels(benchmark::State& state) {
  CopyPixels(state, PopupPixels);
}
BENCHMARK(BM_Baseline_MemcpyPopupPixels);

void BM_PopupBackground(benchmark::State& state) {
  const TPopupGradients tables =
      MakePopupGradients(TQxColor(0xFFF0F0F0u), TQxColor(0xFFB1B1B1u), PopupRows, ItemHeight, 1080);
  TQxBitmap popup(PopupWidth, PopupRows * ItemHeight);
  const auto table = tables.ForPopup(popup.Height());
  for (auto _ : state) {
    for (int row = 0; row < PopupRows; ++row) {
      FillFromTable(popup, TRect::Sized(0, row * ItemHeight, PopupWidth, ItemHeight), table);
    }
    benchmark::DoNotOptimize(popup.Row(0));
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * PopupPixels);
}
BENCHMARK(BM_PopupBackground);

void BM_PopupGradientTables(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        MakePopupGradients(TQxColor(0xFFF0F0F0u), TQxColor(0xFFB1B1B1u), PopupRows, ItemHeight, 1080));
  }
}
BENCHMARK(BM_PopupGradientTables);

}  // namespace
