// tolvane_imagegen: makes the program's images from resources/images/src and the drawing code here.
//
//   tolvane_imagegen ROOT              writes ROOT/resources/images/*.png and ROOT/resources/tolvane.ico
//   tolvane_imagegen ROOT --check      fails when those files differ from what the sources make
//   tolvane_imagegen ROOT --preview D  also writes contact sheets at 100 % and 400 % into folder D

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "Artwork.h"
#include "Icofile.h"
#include "Pixelart.h"
#include "Preview.h"
#include "graphics/Pngimage.h"

namespace {

namespace fs = std::filesystem;
using namespace tolvane;

std::optional<std::string> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return std::nullopt;
  }
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

bool SamePixels(const graphics::TQxBitmap& a, const graphics::TQxBitmap& b) {
  if (a.Bounds() != b.Bounds()) {
    return false;
  }
  for (int y = 0; y < a.Height(); ++y) {
    if (!std::equal(a.Row(y), a.Row(y) + a.Width(), b.Row(y))) {
      return false;
    }
  }
  return true;
}

// Writes the file, or with check compares it: PNGs by their pixels, since encoders may differ in compression.
bool Deliver(const fs::path& path, const graphics::TQxBitmap* image, const std::string& bytes, bool check) {
  if (!check) {
    if (!WriteFile(path, bytes)) {
      std::fprintf(stderr, "imagegen: cannot write %s\n", path.string().c_str());
      return false;
    }
    return true;
  }
  const std::optional<std::string> existing = ReadFile(path);
  graphics::TQxBitmap decoded;
  const bool same =
      existing && (image == nullptr ? *existing == bytes
                                    : graphics::LoadPng(*existing, decoded) == graphics::TPngResult::Ok &&
                                          SamePixels(decoded, *image));
  if (!same) {
    std::fprintf(stderr, "imagegen: %s is not what the sources make; run resources/images/make-images.sh\n",
                 path.string().c_str());
  }
  return same;
}

bool WritePreview(const fs::path& folder, const std::string& name, const graphics::TQxBitmap& sheet) {
  graphics::TQxBitmap large(sheet.Width() * 4, sheet.Height() * 4);
  large.DrawScaled(sheet, sheet.Bounds(), large.Bounds(), graphics::TScaleFilter::Nearest);
  std::string normal;
  std::string enlarged;
  return graphics::EncodePng(sheet, normal) && graphics::EncodePng(large, enlarged) &&
         WriteFile(folder / (name + "-100.png"), normal) && WriteFile(folder / (name + "-400.png"), enlarged);
}

int Run(const fs::path& root, bool check, const std::optional<fs::path>& previewFolder) {
  const fs::path images = root / "resources" / "images";
  const std::optional<std::string> source = ReadFile(images / "src" / "glyphs.art");
  imagegen::TArtBook art;
  std::string error;
  if (!source || !imagegen::ParseArt(*source, art, error)) {
    std::fprintf(stderr, "imagegen: glyphs.art: %s\n", source ? error.c_str() : "cannot be read");
    return 1;
  }
  imagegen::TArtwork artwork;
  if (!imagegen::MakeArtwork(art, artwork, error)) {
    std::fprintf(stderr, "imagegen: %s\n", error.c_str());
    return 1;
  }
  bool ok = true;
  for (const imagegen::TImageFile& file : artwork.Images) {
    std::string bytes;
    ok = graphics::EncodePng(file.Image, bytes) && Deliver(images / file.Name, &file.Image, bytes, check) &&
         ok;
  }
  std::string icon;
  ok = imagegen::EncodeIco(artwork.IconFrames, icon) &&
       Deliver(root / "resources" / "tolvane.ico", nullptr, icon, check) && ok;
  if (previewFolder) {
    fs::create_directories(*previewFolder);
    ok = WritePreview(*previewFolder, "glyphs", imagegen::MakeGlyphSheet(artwork)) &&
         WritePreview(*previewFolder, "picker", imagegen::MakePickerSheet(artwork)) && ok;
  }
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: tolvane_imagegen ROOT [--check] [--preview FOLDER]\n");
    return 2;
  }
  bool check = false;
  std::optional<fs::path> preview;
  for (int i = 2; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--check") {
      check = true;
    } else if (argument == "--preview" && i + 1 < argc) {
      preview = argv[++i];
    } else {
      std::fprintf(stderr, "imagegen: unknown argument %s\n", argv[i]);
      return 2;
    }
  }
  return Run(argv[1], check, preview);
}
