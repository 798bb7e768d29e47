#pragma once
// Plain rules of the main window: its caption, what it counts, where the bar and the editor window may lie,
// how long a held Ctrl delays repeating the last action, and where the local help pages are.

#include <functional>
#include <string>
#include <string_view>

#include "common/Geometry.h"
#include "platform/Files.h"
#include "storage/Item.h"

namespace tolvane::uimodel {

// "Tolvane - holding N Items"
std::u16string HoldingCaption(int treeNodes);

// The editor tree's nodes: the root and every item below it, the program's commands left out.
int TreeNodeCount(const storage::TItem& root);
// The most children any item of the tree has: the popup gradient table must reach that far down.
int LargestChildCount(const storage::TItem& item);

// The bar's bounds from the stored left edge and width, kept inside the work area so that a bar stored on
// a monitor that is gone still shows; never narrower than MinBarWidth (or the work area, when that is less).
inline constexpr int MinBarWidth = 100;
TRect PlacedBar(const TRect& workArea, int left, int width, int top, int barHeight);

// The editor window: the bar's left edge and width, the stored height, its caption inside the work area.
TRect PlacedEditor(const TRect& workArea, const TRect& bar, int editorHeight);

// Repeating the last action waits while Ctrl is still held, in steps, so the repeated paste does not arrive
// with Ctrl down. True when Ctrl came up in time; after the last step the repeat is given up.
inline constexpr int RepeatWaitSteps = 100;
inline constexpr int RepeatWaitStepMs = 100;
bool WaitForCtrlRelease(const std::function<bool()>& ctrlDown, const std::function<void(int)>& sleepMs);

// The help is one page shipped beside the program; anchors pick the topic.
inline constexpr std::u16string_view HelpFolder = u"help";
inline constexpr std::u16string_view HelpPageName = u"Tolvane.html";
// programFolder ends with a path delimiter.
std::u16string HelpPagePath(std::u16string_view programFolder);
// A file URL for a Windows path with the anchor ("#QuickTour"); characters a URL cannot hold are escaped as
// UTF-8 percent codes.
std::u16string FileUrl(std::u16string_view windowsPath, std::u16string_view anchor);

// The demo menu is shipped beside the program. A first start, whose menu file does not exist yet, begins with
// a copy of it rather than an empty bar. True when the copy was written; otherwise the menu file is left to
// the normal load (which creates an empty one). programFolder ends with a path delimiter.
inline constexpr std::u16string_view DemoMenuName = u"Demo.TvXml";
bool StartWithDemoMenu(platform::IFiles& files, std::u16string_view programFolder,
                       std::u16string_view menuFile);

// What the about box says: the program, its version, architecture and build date, the files in use, and the
// libraries linked into it with their licences.
struct TAboutFacts {
  std::u16string Version;       // "1.2.3.4"; empty when the program's version resource cannot be read
  std::u16string Architecture;  // "x64"
  std::u16string BuildDate;     // "2026-03-05"
  std::u16string LibpngVersion;
  std::u16string ZlibVersion;
  std::u16string MenuFile;
  std::u16string SettingsFile;
};
std::u16string AboutText(const TAboutFacts& facts);

// The compiler's __DATE__ ("Mar  5 2026") as "2026-03-05"; the text as it is when it has another form.
std::u16string IsoBuildDate(std::string_view compilerDate);

}  // namespace tolvane::uimodel
