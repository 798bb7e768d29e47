#include <functional>
#include <string_view>
#include <variant>

#include "Artwork.h"

namespace tolvane::imagegen {
namespace {

using graphics::TQxBitmap;
using tolvane::TRect;

// A strip cell: a glyph of the art, or one drawn in code.
using TCell = std::variant<std::string_view, std::function<TQxBitmap(const TArtBook&)>>;

// Base glyphs of user items; an item's icon index is base × 16 + colour variant. New items start at icon 125
// (base 7, the clipboard) and the editor's root shows the last base glyph.
const std::vector<TCell>& UserCells() {
  static const std::vector<TCell> cells = {
      "folder", "text", "program", "website", "mail", "keystrokes", "modifier", "clipboard", "star",  "heart",
      "check",  "flag", "bell",    "bolt",    "lock", "person",     "calendar", "clock",     "phone", "home",
      "tag",    "pin",  "bulb",    "note",    "gear", "book",       "ball",     "tree"};
  return cells;
}

TQxBitmap Help(const TArtBook& art) {
  return DrawMarkedDisc(art.Glyphs.at("questionmark"));
}
TQxBitmap About(const TArtBook& art) {
  return DrawMarkedDisc(art.Glyphs.at("infomark"));
}

// Glyphs of the program's own items and context entries, by the index their items use.
const std::vector<TCell>& BuiltinCells() {
  static const std::vector<TCell> cells = {
      "new",                                         // 0 new menu file
      "reload",                                      // 1 reload
      "save",                                        // 2 save
      "open",                                        // 3 open
      "folder",                                      // 4 (spare)
      "menufiles",                                   // 5 menu files
      "saveas",                                      // 6 save as
      [](const TArtBook&) { return DrawCancel(); },  // 7 exit, cancel
      "insertbefore",                                // 8 insert before
      "insertafter",                                 // 9 insert after
      "gear",                                        // 10 settings
      "submenu",                                     // 11 new item as sub-menu
      "edit",                                        // 12 edit
      "copy",                                        // 13 (spare)
      "trash",                                       // 14 delete
      "clipboard",                                   // 15 (spare)
      "append",                                      // 16 append menu file
      "savebranch",                                  // 17 save branch
      [](const TArtBook&) { return DrawSearch(); },  // 18 search
      "star",                                        // 19 (spare)
      "editor",                                      // 20 activate editor
      "shortcut",                                    // 21 create shortcut
      Help,                                          // 22 help
      About,                                         // 23 about
      [](const TArtBook&) { return DrawVideo(); },   // 24 video pages
      "sort",                                        // 25 sort this menu
      "sortall",                                     // 26 sort with sub-menus
  };
  return cells;
}

bool MakeStrip(const TArtBook& art, const std::vector<TCell>& cells, TQxBitmap& strip, std::string& error) {
  if (!strip.Resize(static_cast<int>(cells.size()) * ArtSize, ArtSize)) {
    error = "strip too large";
    return false;
  }
  for (std::size_t i = 0; i < cells.size(); ++i) {
    TQxBitmap cell;
    if (const auto* name = std::get_if<std::string_view>(&cells[i])) {
      const auto found = art.Glyphs.find(*name);
      if (found == art.Glyphs.end()) {
        error = "the art has no glyph " + std::string(*name);
        return false;
      }
      cell = found->second;
    } else {
      cell = std::get<1>(cells[i])(art);
    }
    strip.CopyRect(cell, cell.Bounds(), static_cast<int>(i) * ArtSize, 0);
  }
  return true;
}

}  // namespace

bool MakeUserStrip(const TArtBook& art, TQxBitmap& strip, std::string& error) {
  return MakeStrip(art, UserCells(), strip, error);
}

bool MakeBuiltinStrip(const TArtBook& art, TQxBitmap& strip, std::string& error) {
  return MakeStrip(art, BuiltinCells(), strip, error);
}

bool MakeArtwork(const TArtBook& art, TArtwork& artwork, std::string& error) {
  for (const char* name : {"questionmark", "infomark", "arrow", "close"}) {
    if (!art.Glyphs.contains(std::string_view(name))) {
      error = std::string("the art has no glyph ") + name;
      return false;
    }
  }
  TQxBitmap user;
  TQxBitmap builtin;
  if (!MakeUserStrip(art, user, error) || !MakeBuiltinStrip(art, builtin, error)) {
    return false;
  }
  artwork.Images = {{"user-glyphs.png", std::move(user)},
                    {"builtin-glyphs.png", std::move(builtin)},
                    {"submenu-arrow.png", art.Glyphs.find("arrow")->second},
                    {"close.png", art.Glyphs.find("close")->second},
                    {"msg-question.png", DrawQuestionImage()},
                    {"msg-exclamation.png", DrawExclamationImage()},
                    {"msg-error.png", DrawErrorImage()},
                    {"msg-information.png", DrawInformationImage()}};
  for (const int size : {16, 24, 32, 48, 256}) {
    artwork.IconFrames.push_back({size, DrawProgramIcon(size)});
  }
  return true;
}

}  // namespace tolvane::imagegen
