#include "uimodel/Mainwindow.h"

#include <algorithm>
#include <optional>

#include "common/Atomicwrite.h"
#include "common/Decimaltext.h"

namespace tolvane::uimodel {

namespace {

constexpr int FirstProgramType = 50;

int CountUserItems(const storage::TItem& item) {
  int count = 0;
  for (const storage::TItem& child : item.Children) {
    if (child.ItemType >= FirstProgramType)
      continue;
    count += 1 + CountUserItems(child);
  }
  return count;
}

bool IsUnreservedInUrl(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'-' ||
         c == u'.' || c == u'_' || c == u'~' || c == u'/' || c == u':';
}

void AppendPercent(std::u16string& url, unsigned byte) {
  constexpr std::u16string_view Hex = u"0123456789ABCDEF";
  url += u'%';
  url += Hex[(byte >> 4) & 0xF];
  url += Hex[byte & 0xF];
}

// One code point as UTF-8 percent codes.
void AppendEscaped(std::u16string& url, char32_t codePoint) {
  if (codePoint < 0x80) {
    AppendPercent(url, codePoint);
  } else if (codePoint < 0x800) {
    AppendPercent(url, 0xC0 | (codePoint >> 6));
    AppendPercent(url, 0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    AppendPercent(url, 0xE0 | (codePoint >> 12));
    AppendPercent(url, 0x80 | ((codePoint >> 6) & 0x3F));
    AppendPercent(url, 0x80 | (codePoint & 0x3F));
  } else {
    AppendPercent(url, 0xF0 | (codePoint >> 18));
    AppendPercent(url, 0x80 | ((codePoint >> 12) & 0x3F));
    AppendPercent(url, 0x80 | ((codePoint >> 6) & 0x3F));
    AppendPercent(url, 0x80 | (codePoint & 0x3F));
  }
}

}  // namespace

std::u16string HoldingCaption(int treeNodes) {
  std::u16string caption(u"Tolvane - holding ");
  caption.append(DecimalText(treeNodes));
  caption.append(u" Items");
  return caption;
}

int TreeNodeCount(const storage::TItem& root) {
  return 1 + CountUserItems(root);
}

int LargestChildCount(const storage::TItem& item) {
  int largest = item.Children.Count();
  for (const storage::TItem& child : item.Children)
    largest = std::max(largest, LargestChildCount(child));
  return largest;
}

TRect PlacedBar(const TRect& workArea, int left, int width, int top, int barHeight) {
  const int workWidth = workArea.Width();
  const int barWidth = std::clamp(width, std::min(MinBarWidth, workWidth), workWidth);
  const int barLeft = std::clamp(left, workArea.Left, workArea.Right - barWidth);
  return TRect{barLeft, top, barLeft + barWidth, top + barHeight};
}

TRect PlacedEditor(const TRect& workArea, const TRect& bar, int editorHeight) {
  const int height = std::clamp(editorHeight, 0, workArea.Height());
  const int top = std::clamp(bar.Top, workArea.Top, workArea.Bottom - height);
  return TRect{bar.Left, top, bar.Right, top + height};
}

bool WaitForCtrlRelease(const std::function<bool()>& ctrlDown, const std::function<void(int)>& sleepMs) {
  for (int step = 0; step < RepeatWaitSteps; ++step) {
    if (!ctrlDown())
      return true;
    sleepMs(RepeatWaitStepMs);
  }
  return !ctrlDown();
}

std::u16string HelpPagePath(std::u16string_view programFolder) {
  std::u16string path(programFolder);
  path.append(HelpFolder);
  path += u'\\';
  path.append(HelpPageName);
  return path;
}

std::u16string FileUrl(std::u16string_view windowsPath, std::u16string_view anchor) {
  std::u16string url(u"file:///");
  for (std::size_t i = 0; i < windowsPath.size(); ++i) {
    char32_t c = windowsPath[i];
    if (c == u'\\') {
      url += u'/';
      continue;
    }
    if (IsUnreservedInUrl(static_cast<char16_t>(c))) {
      url += static_cast<char16_t>(c);
      continue;
    }
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < windowsPath.size() && windowsPath[i + 1] >= 0xDC00 &&
        windowsPath[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (windowsPath[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c < 0xE000) {
      c = 0xFFFD;  // a lone surrogate has no UTF-8 form
    }
    AppendEscaped(url, c);
  }
  url.append(anchor);
  return url;
}

bool StartWithDemoMenu(platform::IFiles& files, std::u16string_view programFolder,
                       std::u16string_view menuFile) {
  if (files.FileExists(menuFile))
    return false;
  std::u16string demo(programFolder);
  demo += DemoMenuName;
  const std::optional<std::string> bytes = files.ReadAll(demo);
  return bytes && WriteFileAtomically(files, menuFile, *bytes);
}

}  // namespace tolvane::uimodel
