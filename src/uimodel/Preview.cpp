#include "uimodel/Preview.h"

#include <algorithm>

namespace tolvane::uimodel {

namespace {

inline constexpr int TextMarginX = 30;
inline constexpr int TextMarginY = 10;
inline constexpr int OffsetX = 20;
inline constexpr int OffsetY = 25;
inline constexpr int AboveGap = 50;

}  // namespace

std::vector<TPreviewLine> PreviewLines(const storage::TItem& item) {
  using namespace previewcolor;
  std::vector<TPreviewLine> lines;
  auto add = [&lines](std::u16string_view label, std::u16string_view value, graphics::TColor color) {
    if (!value.empty()) {
      lines.push_back({std::u16string(label), std::u16string(value), color});
    }
  };
  switch (item.ItemType) {
    case storage::ItemTypeClip:
    case storage::ItemTypeFolderClip:
      add(u"Help: ", item.Tip, Blue);
      add(u"Clip: ", item.Code, Green);
      add(u"FileName: ", item.File, Navy);
      break;
    case storage::ItemTypeMail:
      add(u"Email: ", item.Email, Navy);
      add(u"Bcc: ", item.Bcc, Purple);
      add(u"Cc: ", item.Cc, Maroon);
      add(u"Subject: ", item.Subject, Green);
      add(u"Body: ", item.Code, Blue);
      break;
    case storage::ItemTypeProgram:
      add(u"Help: ", item.Tip, Blue);
      add(u"Program: ", item.Program, Navy);
      add(u"Parameters: ", item.QParams, Purple);
      break;
    case storage::ItemTypeWebSite:
      add(u"Help: ", item.Tip, Blue);
      add(u"Url: ", item.Url, Navy);
      add(u"WebBrowser: ", item.WebBrowser, Purple);
      break;
    case storage::ItemTypeKeyMacro:
      add(u"Help: ", item.Tip, Blue);
      add(u"Macro: ", item.GetMacroLines(), Green);
      break;
    case storage::ItemTypeClipModifier:
      add(u"Help: ", item.Tip, Blue);
      add(u"Modifier: ", item.Code, Green);
      break;
    default:
      break;
  }
  return lines;
}

TPreviewText ComposePreview(const std::vector<TPreviewLine>& lines) {
  TPreviewText text;
  for (const TPreviewLine& line : lines) {
    if (!text.Text.empty()) {
      text.Text += u"\r\n";
    }
    const std::size_t start = text.Text.size();
    text.Text.append(line.Label).append(u"\r\n").append(line.Value);
    text.Runs.push_back({start, text.Text.size() - start, line.Color});
  }
  return text;
}

TPreviewFont PreviewFont(const storage::TItem& item, const storage::TSettings& settings) {
  if (item.MonoSpace) {
    return {settings.CodeFixedFontName, settings.CodeFixedFontSize, settings.CodeFixedFontBold};
  }
  return {settings.MenuFontName, settings.MenuFontSize, settings.MenuFontBold};
}

TPreviewInsets PreviewInsets(int pixelsPerInch) {
  const int inset = 10 * pixelsPerInch / 144;
  return {inset, inset, inset / 2, inset / 2};
}

TRect PlacePreview(TSize textExtent, const TRect& hotRow, const TRect& workArea) {
  const int heightLimit = 9 * workArea.Height() / 20;
  const int widthLimit = 9 * workArea.Width() / 20;
  const int height = std::max(std::min(textExtent.Height + 2 * TextMarginY, heightLimit), heightLimit / 2);
  const int width = std::max(std::min(textExtent.Width + 2 * TextMarginX, widthLimit), 2 * widthLimit / 3);
  const int middleX = (hotRow.Left + hotRow.Right) / 2;
  const int middleY = (hotRow.Top + hotRow.Bottom) / 2;
  int left = middleX + OffsetX;
  int top = middleY + OffsetY;
  if (left + width > workArea.Right) {
    left = workArea.Right - width;
  }
  if (top + height > workArea.Bottom) {
    top = middleY - AboveGap - height;
  }
  // A hot row near the top of a short work area, or one left of it, must not push the window off screen.
  left = std::max(left, workArea.Left);
  top = std::max(top, workArea.Top);
  return TRect::Sized(left, top, width, height);
}

}  // namespace tolvane::uimodel
