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

namespace {

// The licence texts as paragraphs, wrapped by Wrapped below.
constexpr std::u16string_view LibpngLicence =
    u"Copyright (c) 1995-2022 The PNG Reference Library Authors. Copyright (c) 2018-2022 Cosmin Truta. "
    u"Copyright (c) 2000-2002, 2004, 2006-2018 Glenn Randers-Pehrson. Copyright (c) 1996-1997 Andreas "
    u"Dilger. "
    u"Copyright (c) 1995-1996 Guy Eric Schalnat, Group 42, Inc.\r\n"
    u"PNG Reference Library License version 2: The software is supplied \"as is\", without warranty of any "
    u"kind, express or implied, including, without limitation, the warranties of merchantability, fitness "
    u"for "
    u"a particular purpose, title, and non-infringement. In no event shall the Copyright owners, or anyone "
    u"distributing the software, be liable for any damages or other liability, whether in contract, tort or "
    u"otherwise, arising from, out of, or in connection with the software, or the use or other dealings in "
    u"the "
    u"software, even if advised of the possibility of such damage. Permission is hereby granted to use, "
    u"copy, "
    u"modify, and distribute this software, or portions hereof, for any purpose, without fee, subject to the "
    u"following restrictions: 1. The origin of this software must not be misrepresented; you must not claim "
    u"that you wrote the original software. If you use this software in a product, an acknowledgment in the "
    u"product documentation would be appreciated, but is not required. 2. Altered source versions must be "
    u"plainly marked as such, and must not be misrepresented as being the original software. 3. This "
    u"Copyright notice may not be removed or altered from any source or altered source distribution.";

constexpr std::u16string_view ZlibLicence =
    u"Copyright (C) 1995-2022 Jean-loup Gailly and Mark Adler.\r\n"
    u"zlib License: This software is provided 'as-is', without any express or implied warranty. In no event "
    u"will the authors be held liable for any damages arising from the use of this software. Permission is "
    u"granted to anyone to use this software for any purpose, including commercial applications, and to "
    u"alter "
    u"it and redistribute it freely, subject to the following restrictions: 1. The origin of this software "
    u"must not be misrepresented; you must not claim that you wrote the original software. If you use this "
    u"software in a product, an acknowledgment in the product documentation would be appreciated but is not "
    u"required. 2. Altered source versions must be plainly marked as such, and must not be misrepresented as "
    u"being the original software. 3. This notice may not be removed or altered from any source "
    u"distribution.";

// Breaks each paragraph at blanks into lines of at most width characters. The message box would otherwise
// grow as wide as the screen before it wraps a long line.
std::u16string Wrapped(std::u16string_view text, std::size_t width) {
  std::u16string out;
  std::size_t lineStart = 0;
  std::size_t lastBlank = std::u16string::npos;
  for (const char16_t c : text) {
    if (c == u'\n') {
      lineStart = out.size() + 1;
      lastBlank = std::u16string::npos;
    } else if (c == u' ') {
      lastBlank = out.size();
    }
    out += c;
    if (out.size() - lineStart > width && lastBlank != std::u16string::npos && lastBlank > lineStart) {
      out.replace(lastBlank, 1, u"\r\n");
      lineStart = lastBlank + 2;
      lastBlank = std::u16string::npos;
    }
  }
  return out;
}

constexpr std::size_t LicenceWidth = 100;

}  // namespace

std::u16string AboutText(const TAboutFacts& facts) {
  std::u16string text = u"Tolvane";
  if (!facts.Version.empty())
    text += u" " + facts.Version;
  text += u" (" + facts.Architecture + u"), built " + facts.BuildDate;
  text += u"\r\nYour texts and actions in a menu at the top of the screen.\r\n\r\nMenu file: " +
          facts.MenuFile + u"\r\nSettings file: " + facts.SettingsFile;
  text += u"\r\n\r\nlibpng " + facts.LibpngVersion + u"\r\n";
  text += Wrapped(LibpngLicence, LicenceWidth);
  text += u"\r\n\r\nzlib " + facts.ZlibVersion + u"\r\n";
  text += Wrapped(ZlibLicence, LicenceWidth);
  return text;
}

std::u16string IsoBuildDate(std::string_view compilerDate) {
  constexpr std::string_view months = "JanFebMarAprMayJunJulAugSepOctNovDec";
  const std::u16string asGiven(compilerDate.begin(), compilerDate.end());
  if (compilerDate.size() != 11)
    return asGiven;
  const std::size_t month = months.find(compilerDate.substr(0, 3));
  if (month == std::string_view::npos || month % 3 != 0)
    return asGiven;
  std::u16string iso(compilerDate.begin() + 7, compilerDate.end());
  const int monthNumber = static_cast<int>(month / 3) + 1;
  iso += monthNumber < 10 ? u"-0" : u"-";
  iso += DecimalText(monthNumber);
  iso += u'-';
  iso += compilerDate[4] == ' ' ? u'0' : static_cast<char16_t>(compilerDate[4]);
  iso += static_cast<char16_t>(compilerDate[5]);
  return iso;
}

}  // namespace tolvane::uimodel
