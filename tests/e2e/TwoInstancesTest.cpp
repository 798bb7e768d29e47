// Two instances of the program on one menu file: a menu without changes shows what the other saved, and a
// save over the other's save asks first. Both instances live through all the cases of this file.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Steps.h"
#include "uimodel/Editpanellayout.h"
#include "uimodel/Saveconflict.h"
#include "uimodel/Treeedit.h"
#include "uimodel/Uimessages.h"

namespace tolvane::e2e {
namespace {

using uimodel::TProbe;

const std::wstring ConflictCaption(uimodel::SaveConflictCaption.begin(), uimodel::SaveConflictCaption.end());
const std::wstring FileQuestion(uimodel::FileQuestionCaption.begin(), uimodel::FileQuestionCaption.end());

std::string MenuText(const std::string& items) {
  return "\xEF\xBB\xBF<?xml version=\"1.0\" "
         "encoding=\"UTF-8\"?>\r\n<TolvaneDataFile>\r\n<Name>Shared</Name>\r\n" +
         items + "</TolvaneDataFile>\r\n";
}

bool Holds(const std::filesystem::path& file, const std::string& name) {
  return ReadFile(file).find("<Name>" + name + "</Name>") != std::string::npos;
}

bool TypeLetters(const std::wstring& text) {
  std::vector<INPUT> keys;
  for (const wchar_t c : text) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(c - L'a' + 'A');
    keys.push_back(input);
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    keys.push_back(input);
  }
  return ::SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT)) == keys.size();
}

// One running instance, its bar or editor in a strip of the screen of its own.
struct TInstance {
  TInstance(const TTempFolder& folder, const std::wstring& name, int left,
            const std::filesystem::path& menu) {
    const auto ini = folder.File(name + L".ini");
    WriteFile(ini, "\xEF\xBB\xBF[Form]\r\nFormHeight=" + std::to_string(kEditorHeight) +
                       "\r\nWidth=600\r\nLeft=" + std::to_string(left) +
                       "\r\nTop=0\r\n[Switchs]\r\nAutoHide=false\r\n[Sizes]\r\nEdgeSize=" +
                       std::to_string(kEdgeSize) + "\r\nItemHeight=" + std::to_string(kItemHeight) + "\r\n");
    Process.emplace(WindowsPath(TOLVANE_EXE),
                    std::vector<std::wstring>{L"-i" + ini.wstring(), L"-m" + menu.wstring()});
    Window = WaitForProcessWindow(*Process, L"TForm1", kStartTimeoutMs);
    if (Window != nullptr && !WaitUntil([&] { return Probe(Window, TProbe::MenuReady) == 1; }))
      Window = nullptr;
  }

  LRESULT Ask(TProbe query, LPARAM argument = 0) const { return Probe(Window, query, argument); }

  ::testing::AssertionResult ToFront() const {
    ::SetForegroundWindow(Window);
    if (WaitUntil([&] { return ::GetForegroundWindow() == Window; }))
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the window does not come to the front";
  }

  void OpenEditor() {
    ASSERT_TRUE(ToFront());
    PressKey(Window, VK_F12);
    ASSERT_TRUE(WaitUntil([&] { return Ask(TProbe::EditorMode) == 1; })) << "no editor";
    Tree = FindDescendant(Window, L"SysTreeView32");
    ASSERT_NE(Tree, nullptr);
  }

  // A new item behind the selected one, named as typed into its focused caption field.
  void AddItem(const std::wstring& name) const {
    ASSERT_TRUE(ToFront());
    const LRESULT items = Ask(TProbe::ItemCount);
    PressKey(Tree, VK_F11);
    ASSERT_TRUE(WaitUntil([&] { return Ask(TProbe::ItemCount) == items + 1; })) << "no new item";
    const HWND caption = ::GetDlgItem(FindDescendant(Window, L"TPnlEdits"), uimodel::EdCaption);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(Window) == caption; }))
        << "the caption field has not got the keys";
    ASSERT_TRUE(TypeLetters(name));
    ASSERT_TRUE(WaitUntil([&] { return ControlText(caption) == name; }));
    EXPECT_EQ(Ask(TProbe::MenuModified), 1);
  }

  void PressSave() const {
    ASSERT_TRUE(ToFront());
    THeldKey ctrl(VK_CONTROL);
    ASSERT_TRUE(SendKey('S', 0) && SendKey('S', KEYEVENTF_KEYUP));
  }

  // Waits for the program's box with the caption and clicks the button.
  ::testing::AssertionResult Answer(const std::wstring& caption, const std::wstring& button) const {
    const TBox box = WaitForMessageBox(Process->Id());
    if (box.Window == nullptr)
      return ::testing::AssertionFailure() << "no message box \"" << Narrow(caption) << "\"";
    if (box.Caption != caption)
      return ::testing::AssertionFailure() << "the box says \"" << Narrow(box.Caption) << "\"";
    if (ChildWithText(box.Window, button) == nullptr)
      return ::testing::AssertionFailure() << "the box has no button \"" << Narrow(button) << "\"";
    ClickBoxButton(box.Window, button);
    if (!WaitUntil([&] { return ::IsWindow(box.Window) == FALSE; }))
      return ::testing::AssertionFailure() << "the box stayed open";
    return ::testing::AssertionSuccess();
  }

  std::optional<TChildProcess> Process;
  HWND Window = nullptr;
  HWND Tree = nullptr;
};

class TTwoInstancesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { UsePhysicalPixels(); }

  void SetUp() override {
    WriteFile(Menu, MenuText("<Item Type=\"0\" Img=\"-1\"><Name>alpha</Name><Code>x</Code></Item>\r\n"));
    A.emplace(Folder, L"A", 0, Menu);
    B.emplace(Folder, L"B", 640, Menu);
    ASSERT_NE(A->Window, nullptr) << "instance A never got ready";
    ASSERT_NE(B->Window, nullptr) << "instance B never got ready";
  }

  TTempFolder Folder;
  const std::filesystem::path Menu = Folder.File(L"Shared.TvXml");
  std::optional<TInstance> A;
  std::optional<TInstance> B;
};

// The bar entries shown, counted through the probe.
int BarEntries(const TInstance& instance) {
  int entries = 0;
  while (instance.Ask(TProbe::EntryBounds, entries) != -1)
    ++entries;
  return entries;
}

// One run for all cases: each start of a pair of instances under Wine costs seconds.
TEST_F(TTwoInstancesTest, AMenuWithoutChangesFollowsTheFileAndASaveOverTheOthersAsksFirst) {
  // B, in menu mode without changes, shows what A saved.
  const int entries = BarEntries(*B);
  const LRESULT loads = B->Ask(TProbe::LoadCount);
  ASSERT_NO_FATAL_FAILURE(A->OpenEditor());
  ASSERT_NO_FATAL_FAILURE(A->AddItem(L"bravo"));
  ASSERT_NO_FATAL_FAILURE(A->PressSave());
  ASSERT_TRUE(WaitUntil([&] { return A->Ask(TProbe::MenuModified) == 0; })) << "A saved nothing";
  ASSERT_TRUE(Holds(Menu, "bravo"));

  EXPECT_TRUE(WaitUntil([&] { return BarEntries(*B) == entries + 1; }))
      << "B's bar shows " << BarEntries(*B) << " entries, expected " << entries + 1;
  EXPECT_EQ(B->Ask(TProbe::ItemCount), A->Ask(TProbe::ItemCount));
  EXPECT_EQ(B->Ask(TProbe::LoadCount), loads + 1);
  EXPECT_EQ(B->Ask(TProbe::MenuModified), 0);

  // Both in the editor, each with a change of its own; A saves first, over its own save: no question.
  ASSERT_NO_FATAL_FAILURE(B->OpenEditor());
  ASSERT_NO_FATAL_FAILURE(B->AddItem(L"charlie"));
  ASSERT_NO_FATAL_FAILURE(A->AddItem(L"delta"));
  ASSERT_NO_FATAL_FAILURE(A->PressSave());
  ASSERT_TRUE(WaitUntil([&] { return A->Ask(TProbe::MenuModified) == 0; })) << "A's own file made it ask";

  // Cancel writes nothing and keeps B's change pending.
  ASSERT_NO_FATAL_FAILURE(B->PressSave());
  ASSERT_TRUE(B->Answer(ConflictCaption, L"&Cancel"));
  EXPECT_TRUE(Holds(Menu, "delta"));
  EXPECT_FALSE(Holds(Menu, "charlie"));
  EXPECT_EQ(B->Ask(TProbe::MenuModified), 1);

  // Overwrite puts B's menu in the file, without A's last item.
  ASSERT_NO_FATAL_FAILURE(B->PressSave());
  ASSERT_TRUE(B->Answer(ConflictCaption, L"&Overwrite"));
  ASSERT_TRUE(WaitUntil([&] { return B->Ask(TProbe::MenuModified) == 0; }));
  EXPECT_TRUE(Holds(Menu, "charlie"));
  EXPECT_FALSE(Holds(Menu, "delta"));

  // Reload gives up A's new item and shows the file as B left it, which stays as it was.
  ASSERT_NO_FATAL_FAILURE(A->AddItem(L"echo"));
  ASSERT_NO_FATAL_FAILURE(A->PressSave());
  ASSERT_TRUE(A->Answer(ConflictCaption, L"&Reload"));
  ASSERT_TRUE(WaitUntil([&] { return A->Ask(TProbe::MenuModified) == 0; }));
  EXPECT_EQ(A->Ask(TProbe::ItemCount), B->Ask(TProbe::ItemCount));
  EXPECT_FALSE(Holds(Menu, "echo"));
  EXPECT_TRUE(Holds(Menu, "charlie"));

  // Save As puts B's menu in a file of its own and leaves A's save alone.
  ASSERT_NO_FATAL_FAILURE(B->AddItem(L"foxtrot"));
  ASSERT_NO_FATAL_FAILURE(A->AddItem(L"golf"));
  ASSERT_NO_FATAL_FAILURE(A->PressSave());
  ASSERT_TRUE(WaitUntil([&] { return A->Ask(TProbe::MenuModified) == 0; }))
      << "A's reloaded file made it ask";
  const auto copy = Folder.File(L"Mine.TvXml");
  ASSERT_NO_FATAL_FAILURE(B->PressSave());
  ASSERT_TRUE(B->Answer(ConflictCaption, L"Save &As..."));
  ASSERT_TRUE(AnswerFileDialog(B->Process->Id(), copy));
  ASSERT_TRUE(B->Answer(FileQuestion, L"&No"));
  EXPECT_TRUE(Holds(copy, "foxtrot"));
  EXPECT_TRUE(Holds(Menu, "golf"));
  EXPECT_FALSE(Holds(Menu, "foxtrot"));
  EXPECT_EQ(B->Ask(TProbe::MenuModified), 1) << "the change is still pending for B's own file";

  // Closing B saves its pending change, so it asks again; reloading lets it close without writing.
  ASSERT_NE(::PostMessageW(B->Window, WM_CLOSE, 0, 0), FALSE);
  ASSERT_TRUE(B->Answer(ConflictCaption, L"&Reload"));
  EXPECT_TRUE(B->Process->WaitForExit(kExitTimeoutMs)) << "B still runs";
  EXPECT_FALSE(Holds(Menu, "foxtrot"));
  ASSERT_NE(::PostMessageW(A->Window, WM_CLOSE, 0, 0), FALSE);
  EXPECT_TRUE(A->Process->WaitForExit(kExitTimeoutMs)) << "A still runs";
  EXPECT_EQ(A->Process->ExitCode(), std::optional<DWORD>(0));
  EXPECT_EQ(B->Process->ExitCode(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace tolvane::e2e
