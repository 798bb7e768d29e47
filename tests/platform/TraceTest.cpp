#include "platform/recording/Trace.h"

#include <gtest/gtest.h>

#include "common/Unicode.h"
#include "platform/native/Nativecodepages.h"
#include "platform/native/Nativelocale.h"
#include "platform/recording/Recordingservices.h"

namespace tolvane::recording {
namespace {

using platform::TKeyRecord;

TEST(Trace, RendersEveryKindOfActionInOrder) {
  native::TNativeLocale locale("en_US");
  native::TNativeCodePages codePages;
  TRecordingServices doubles(locale, codePages);
  platform::TServices services = doubles.Services();
  doubles.Foreground.AddWindow(0x1A2B, u"Notepad");

  ASSERT_TRUE(services.Clipboard.SetText(u"say \"hi\"\r\n\tC:\\x"));
  ASSERT_TRUE(services.Clipboard.Clear());
  const TKeyRecord keys[] = {{0x11, 0, 0},
                             {0x2E, 0, platform::KeyFlagExtended},
                             {0, u'\u00E6', platform::KeyFlagUnicode},
                             {0, u'\u00E6', platform::KeyFlagUnicode | platform::KeyFlagUp},
                             {0x2E, 0, platform::KeyFlagExtended | platform::KeyFlagUp},
                             {0x11, 0, platform::KeyFlagUp}};
  EXPECT_EQ(services.Keyboard.SendBatch(keys), 6u);
  services.Time.Sleep(50);
  services.Time.WaitProcessingMessages(20);
  services.MessageBox.Show({u"Clipboard Error", u"\r\nAccess is denied.\r\n", platform::TMsgKind::Error});
  ASSERT_TRUE(services.Shell.Open({u"https://example.org/help#MainEditor", u"-n \u00E6", u""}));
  ASSERT_TRUE(services.Foreground.Set(0x1A2B));
  platform::TFileDialogRequest dialog;
  dialog.Title = u"Append \"menu\"";
  dialog.InitialFileName = u"C:\\M\u00E6\\a.TvXml";
  EXPECT_EQ(services.FileDialogs.OpenFile(dialog).Outcome, platform::TFileDialogOutcome::Cancelled);

  EXPECT_EQ(doubles.Recorder.Trace(),
            "clipboard \"say \\\"hi\\\"\\r\\n\\tC:\\\\x\"\n"
            "clipboard-clear\n"
            "keys +11 +2Ee +U+00E6 -U+00E6 -2Ee -11\n"
            "sleep 50\n"
            "sleep 20\n"
            "message \"Clipboard Error\" \"\\r\\nAccess is denied.\\r\\n\"\n"
            "shell-open \"https://example.org/help#MainEditor\" \"-n \xC3\xA6\"\n"
            "foreground 6699\n"
            "file-dialog open \"Append \\\"menu\\\"\" \"C:\\\\M\xC3\xA6\\\\a.TvXml\"\n");
}

TEST(Trace, EscapesControlCharactersAsJson) {
  EXPECT_EQ(JsonQuoted(std::u16string{u'\b', u'\f', 0x01, 0x1F, 0x7F, u'/'}),
            "\"\\b\\f\\u0001\\u001F\x7F/\"");
  EXPECT_EQ(JsonQuoted(U16("\xF0\x9F\x98\x80")), "\"\xF0\x9F\x98\x80\"");
}

TEST(Trace, WritesKeyRecordsWithFixedWidthHex) {
  EXPECT_EQ(KeyRecordText({0x0D, 0, 0}), "+0D");
  EXPECT_EQ(KeyRecordText({0xA5, 0, platform::KeyFlagUp}), "-A5");
  EXPECT_EQ(KeyRecordText({0, 0x20AC, platform::KeyFlagUnicode}), "+U+20AC");
  EXPECT_EQ(KeyRecordText({0, 0x0041, platform::KeyFlagUnicode | platform::KeyFlagUp}), "-U+0041");
}

TEST(Trace, LeavesOutWhatDidNotHappen) {
  native::TNativeLocale locale("en_US");
  native::TNativeCodePages codePages;
  TRecordingServices doubles(locale, codePages);
  doubles.Clipboard.FailNextOpens(1, {5, u"Access is denied."});
  EXPECT_FALSE(doubles.Clipboard.SetText(u"lost"));
  doubles.Shell.FailNextOpen({2, u"The system cannot find the file specified."});
  EXPECT_FALSE(doubles.Shell.Open({u"missing.exe", u"", u""}));
  EXPECT_FALSE(doubles.Foreground.Set(42));  // no such window
  doubles.Keyboard.LimitInjection(1);
  const TKeyRecord keys[] = {{0x41, 0, 0}, {0x41, 0, platform::KeyFlagUp}};
  EXPECT_EQ(doubles.Keyboard.SendBatch(keys), 1u);
  EXPECT_EQ(doubles.Recorder.TraceLines(), std::vector<std::string>{"keys +41"});
  EXPECT_EQ(doubles.Keyboard.Batches().back().Records.size(), 2u);
}

}  // namespace
}  // namespace tolvane::recording
