// Painting a popup of 40 rows with the shipped glyphs against plain memcpy of the popup's pixels in the same
// run: the whole popup (every row with icon, texts and arrows, one row hot, the frame), and one change of the
// hot row (the old hot row repainted normal, the new one hot), which is what a mouse move costs. Text goes
// through the tests' box font, a filled box per character: far cheaper than the system's font rendering, so
// the figures are the painter's own work, not the text's.

#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "Boxtextpainter.h"
#include "graphics/Pngimage.h"
#include "uimodel/Menupaint.h"

namespace {

using namespace tolvane;
using graphics::TQxBitmap;
using graphics::TQxColor;

constexpr int PopupRows = 40;
constexpr int ItemHeight = 26;
constexpr int Edge = 1;
constexpr int PopupWidth = 300;
constexpr int PopupHeight = PopupRows * ItemHeight + 2 * Edge;
constexpr int PopupPixels = PopupWidth * PopupHeight;

TQxBitmap LoadImage(const char* name) {
  std::ifstream in(std::string(TOLVANE_IMAGES_DIR "/") + name, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  TQxBitmap image;
  if (graphics::LoadPng(bytes, image) != graphics::TPngResult::Ok) {
    throw std::runtime_error(std::string(name) + " cannot be loaded");
  }
  return image;
}

// The popup as the program paints it: shipped glyph lists, default colours, a menu of mixed items.
struct TPopupScene {
  graphics::TGlyphList User, BuiltIn, Arrows;
  uimodel::TMenuMetrics Metrics{ItemHeight, (ItemHeight - 16) / 2, 5, Edge, 0, true};
  uimodel::TMenuColors Colors = uimodel::TMenuColors::From(storage::TSettings{});
  uimodel::testing::TBoxTextPainter Text;
  graphics::TPopupGradients Tables;
  storage::TItem Root;
  storage::TItem* Menu = nullptr;
  TQxBitmap Bitmap{PopupWidth, PopupHeight};

  TPopupScene() {
    if (!graphics::MakeUserGlyphs(LoadImage("user-glyphs.png"), User) ||
        !graphics::CutStrip(LoadImage("builtin-glyphs.png"), graphics::GlyphSize, BuiltIn) ||
        !graphics::MakeArrowGlyphs(LoadImage("submenu-arrow.png"), 144, Arrows)) {
      throw std::runtime_error("the glyph lists cannot be made");
    }
    Tables = graphics::MakePopupGradients(Colors.MenuTop, Colors.MenuBottom, PopupRows, ItemHeight, 1080);
    Menu = Root.NewChild();
    for (int i = 0; i < PopupRows; ++i) {
      storage::TItem& item = *Menu->NewChild();
      item.Name = u"Menu item number " + std::u16string(1, static_cast<char16_t>(u'A' + i % 26));
      item.ItemType = i % 10 == 9 ? 51 : i % 5 == 0 ? storage::ItemTypeFolder : storage::ItemTypeClip;
      item.ImageIndex = i % 10 == 9 ? 0 : (i * 37) % User.Count();
      if (i % 4 == 1) {
        item.ShortCutText = u"Ctrl+F" + std::u16string(1, static_cast<char16_t>(u'1' + i % 9));
      }
      if (item.ItemType == storage::ItemTypeFolder) {
        item.NewChild();
      }
    }
  }

  uimodel::TMenuPaintContext Context() { return {Metrics, Colors, User, BuiltIn, Arrows, 1, Text}; }

  TRect Row(int index) const {
    return {Edge, Edge + index * ItemHeight, PopupWidth - Edge, Edge + (index + 1) * ItemHeight};
  }

  void PaintRow(int index, uimodel::TEntryLook look) {
    uimodel::PaintPopupRow(Bitmap, *Menu->Children[index], Row(index), look, Tables.ForPopup(PopupHeight),
                           Context());
  }
};

void BM_Baseline_MemcpyPopupPixels(benchmark::State& state) {
  const std::vector<TQxColor> from(static_cast<std::size_t>(PopupPixels), TQxColor(0xFF808080u));
  std::vector<TQxColor> to(from.size());
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size() * sizeof(TQxColor));
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * PopupPixels);
}
BENCHMARK(BM_Baseline_MemcpyPopupPixels);

void BM_PaintPopup40Rows(benchmark::State& state) {
  TPopupScene scene;
  for (auto _ : state) {
    for (int row = 0; row < PopupRows; ++row) {
      scene.PaintRow(row, row == 12 ? uimodel::TEntryLook::Hot : uimodel::TEntryLook::Normal);
    }
    uimodel::PaintPopupFrame(scene.Bitmap, PopupWidth, PopupHeight, Edge, scene.Colors.Frame);
    benchmark::DoNotOptimize(scene.Bitmap.Row(0));
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * PopupPixels);
}
BENCHMARK(BM_PaintPopup40Rows);

void BM_PopupHotRowChange(benchmark::State& state) {
  TPopupScene scene;
  int hot = 10;
  for (auto _ : state) {
    const int next = hot == 10 ? 11 : 10;
    scene.PaintRow(hot, uimodel::TEntryLook::Normal);
    scene.PaintRow(next, uimodel::TEntryLook::Hot);
    hot = next;
    benchmark::DoNotOptimize(scene.Bitmap.Row(0));
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 2 * PopupWidth * ItemHeight);
}
BENCHMARK(BM_PopupHotRowChange);

}  // namespace
