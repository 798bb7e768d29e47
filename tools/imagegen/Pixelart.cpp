#include "Pixelart.h"

#include <array>
#include <charconv>
#include <optional>
#include <vector>

namespace tolvane::imagegen {
namespace {

using graphics::TQxBitmap;
using graphics::TQxColor;

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    lines.push_back(line);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return lines;
}

// "RRGGBB" or "RRGGBBAA".
std::optional<TQxColor> ParseColor(std::string_view hex) {
  std::uint32_t value = 0;
  const auto [end, failure] = std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
  if (failure != std::errc() || end != hex.data() + hex.size() || (hex.size() != 6 && hex.size() != 8)) {
    return std::nullopt;
  }
  const std::uint32_t rgba = hex.size() == 6 ? (value << 8) | 0xFF : value;
  return TQxColor::FromChannels(static_cast<std::uint8_t>(rgba >> 24), static_cast<std::uint8_t>(rgba >> 16),
                                static_cast<std::uint8_t>(rgba >> 8), static_cast<std::uint8_t>(rgba));
}

class TArtParser {
 public:
  TArtParser(std::string_view text, TArtBook& book) : Source(Lines(text)), Book(book) {}

  bool Run(std::string& error) {
    while (Next < Source.size()) {
      const std::string_view line = Source[Next++];
      const bool ok = line.empty() || line[0] == '#' ? true
                      : line == "palette"            ? ReadPalette()
                      : line.starts_with("glyph ")   ? ReadGlyph(std::string(line.substr(6)))
                                                     : Fail("unexpected line");
      if (!ok) {
        error = "line " + std::to_string(Next) + ": " + Message;
        return false;
      }
    }
    return true;
  }

 private:
  bool Fail(std::string message) {
    Message = std::move(message);
    return false;
  }

  bool ReadPalette() {
    for (; Next < Source.size(); ++Next) {
      const std::string_view line = Source[Next];
      if (line == "end") {
        ++Next;
        return true;
      }
      const std::optional<TQxColor> color =
          line.size() > 2 && line[1] == ' ' ? ParseColor(line.substr(2)) : std::nullopt;
      if (!color) {
        ++Next;
        return Fail("palette entries are a character, a blank and RRGGBB or RRGGBBAA");
      }
      Palette[static_cast<unsigned char>(line[0])] = *color;
    }
    return Fail("palette without end");
  }

  bool ReadGlyph(std::string name) {
    if (Book.Glyphs.contains(name)) {
      return Fail("glyph " + name + " is drawn twice");
    }
    TQxBitmap glyph(ArtSize, ArtSize);
    for (int y = 0; y < ArtSize; ++y, ++Next) {
      if (Next >= Source.size() || Source[Next].size() != ArtSize) {
        return Fail("glyph " + name + ": every row has 16 characters, and there are 16 rows");
      }
      for (int x = 0; x < ArtSize; ++x) {
        const std::optional<TQxColor>& color = Palette[static_cast<unsigned char>(Source[Next][x])];
        if (!color) {
          return Fail("glyph " + name + ": character not in the palette");
        }
        glyph.setPixel(x, y, *color);
      }
    }
    Book.Glyphs.emplace(std::move(name), std::move(glyph));
    return true;
  }

  std::vector<std::string_view> Source;
  TArtBook& Book;
  std::size_t Next = 0;
  std::array<std::optional<TQxColor>, 256> Palette{};
  std::string Message;
};

}  // namespace

bool ParseArt(std::string_view text, TArtBook& book, std::string& error) {
  TArtParser parser(text, book);
  return parser.Run(error);
}

}  // namespace tolvane::imagegen
