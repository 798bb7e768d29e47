// The item edit panel takes files dropped from the shell: a real drop handle, as the shell builds it, with
// paths longer than MAX_PATH, delivered as WM_DROPFILES.

#include "ui/Pnledits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Testsupport.h"
#include "platform/recording/Recorder.h"
#include "platform/recording/Recordingmessagebox.h"
#include "platform/win32/Win32services.h"
#include "storage/Item.h"
#include "ui/Appcontext.h"

// After the Windows headers.
#include <shlobj.h>

namespace tolvane::ui {
namespace {

// The memory layout the shell hands over: DROPFILES, then the wide paths, each ending in a zero, and one
// more zero at the end.
HDROP MakeDrop(const std::vector<std::u16string>& paths) {
  std::size_t units = 1;
  for (const std::u16string& path : paths)
    units += path.size() + 1;
  const HGLOBAL memory = ::GlobalAlloc(GHND, sizeof(DROPFILES) + units * sizeof(wchar_t));
  auto* header = static_cast<DROPFILES*>(::GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  auto* out = reinterpret_cast<wchar_t*>(reinterpret_cast<BYTE*>(header) + sizeof(DROPFILES));
  for (const std::u16string& path : paths) {
    out = std::copy(path.begin(), path.end(), out);
    *out++ = L'\0';
  }
  *out = L'\0';
  ::GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

// A path of more than 300 units, as long paths allow.
std::u16string LongPath(std::u16string_view name) {
  std::u16string path = u"C:\\";
  for (int i = 0; i < 12; ++i)
    path += u"a folder with a rather long name " + std::u16string(1, static_cast<char16_t>(u'A' + i)) + u"\\";
  return path + std::u16string(name);
}

void HoldCtrl(bool held) {
  BYTE keys[256] = {};
  ::GetKeyboardState(keys);
  keys[VK_CONTROL] = held ? 0x80 : 0;
  ::SetKeyboardState(keys);
}

class PnlEditsDrop : public ::testing::Test {
 protected:
  PnlEditsDrop() {
    Bar = Root.NewChild();
    Clip = Bar->NewChild();
    Action = Bar->NewChild();
    Action->ItemType = storage::ItemTypeProgram;
    Action->QParams = u"-x";
    Panel.CreateIn(Host.Handle());
    Panel.EditorItem = [this] { return Edited; };
  }
  ~PnlEditsDrop() override { HoldCtrl(false); }

  void Show(storage::TItem* item) {
    Edited = item;
    Panel.ShowItem(item);
    Context.Menu.MenuModified = false;
  }

  // Sent as the shell sends it; the handle must be gone afterwards, whatever the panel did with it.
  void Drop(const std::vector<std::u16string>& paths) {
    const HDROP drop = MakeDrop(paths);
    ::SendMessageW(Panel.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    EXPECT_EQ(::GlobalSize(drop), 0u) << "the drop was not finished";
  }

  recording::TRecorder Recorder;
  recording::TRecordingMessageBox Box{Recorder};
  win32::TWin32Services Win32{Box};
  TAppContext Context{Win32.Services()};
  graphics::TGlyphList Glyphs;
  win32::testing::TTestWindow Host{win32::testing::TTestWindow::TVisibility::Hidden};
  TPnlEdits Panel{Context, Glyphs};
  storage::TItem Root;
  storage::TItem* Bar;
  storage::TItem* Clip;
  storage::TItem* Action;
  storage::TItem* Edited = nullptr;
};

TEST_F(PnlEditsDrop, ReadsEveryPathWholeAndInOrder) {
  const std::vector<std::u16string> paths{LongPath(u"first.txt"), u"C:\\b.txt", LongPath(u"third.exe")};
  ASSERT_GT(paths[0].size(), 400u);
  const HDROP drop = MakeDrop(paths);
  EXPECT_EQ(DroppedFilePaths(drop), paths);
  ::GlobalFree(drop);
}

TEST_F(PnlEditsDrop, AClipListsThePathsAndCtrlAppendsThem) {
  Show(Clip);
  const std::u16string longPath = LongPath(u"notes.txt");
  Drop({longPath, u"C:\\b.txt"});
  const std::u16string lines = longPath + u"\r\nC:\\b.txt\r\n";
  EXPECT_EQ(Clip->Code, lines);
  EXPECT_EQ(Panel.Controls().ReCode.Text(), lines);
  EXPECT_TRUE(Context.Menu.MenuModified);

  HoldCtrl(true);
  Drop({u"C:\\c.txt"});
  EXPECT_EQ(Clip->Code, lines + u"C:\\c.txt\r\n");
}

TEST_F(PnlEditsDrop, AnActionTakesTheProgramAndQuotesTheRestIntoTheParameters) {
  Show(Action);
  const std::u16string program = LongPath(u"Tool.EXE");
  Drop({LongPath(u"list.txt"), program});
  EXPECT_EQ(Action->Program, program);
  EXPECT_EQ(Action->QParams, u"-x \"" + LongPath(u"list.txt") + u"\"");
  EXPECT_EQ(Panel.Controls().EdProgram.Text(), program);
  EXPECT_EQ(Panel.Controls().EdParams.Text(), Action->QParams);
}

TEST_F(PnlEditsDrop, ABarEntryOrAnItemNoLongerEditedOnlyAcknowledgesTheDrop) {
  Show(Bar);
  Drop({u"C:\\a.txt"});
  EXPECT_EQ(Bar->Code, u"");
  EXPECT_FALSE(Context.Menu.MenuModified);

  // A load or delete took the shown item away from the editor: the panel must not write into it.
  Show(Clip);
  Edited = nullptr;
  Drop({u"C:\\a.txt"});
  EXPECT_EQ(Clip->Code, u"");
  EXPECT_FALSE(Context.Menu.MenuModified);
}

}  // namespace
}  // namespace tolvane::ui
