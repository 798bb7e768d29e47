#include <gtest/gtest.h>

#include <sstream>

#include "common/Unicode.h"
#include "platform/portable/Defaultanswer.h"
#include "platform/portable/Fixedsystemcolors.h"
#include "platform/portable/Streammessagebox.h"

namespace tolvane::portable {
namespace {

using platform::TMsgResult;
namespace mb = platform::msgbutton;

TEST(DefaultAnswer, PrefersOkThenYesThenTheBoxOrder) {
  EXPECT_EQ(DefaultAnswer(mb::Ok), TMsgResult::Ok);
  EXPECT_EQ(DefaultAnswer(mb::Ok | mb::Cancel), TMsgResult::Ok);
  EXPECT_EQ(DefaultAnswer(mb::Yes | mb::No | mb::Cancel), TMsgResult::Yes);
  EXPECT_EQ(DefaultAnswer(mb::No | mb::Cancel), TMsgResult::No);
  EXPECT_EQ(DefaultAnswer(mb::Abort | mb::Retry | mb::Ignore), TMsgResult::Abort);
  EXPECT_EQ(DefaultAnswer(mb::Retry | mb::Cancel), TMsgResult::Retry);
  EXPECT_EQ(DefaultAnswer(mb::Cancel), TMsgResult::Cancel);
  EXPECT_EQ(DefaultAnswer(0), TMsgResult::Ok);
}

TEST(StreamMessageBox, WritesOneLineAndAnswersAsNobodyClicking) {
  std::ostringstream out;
  TStreamMessageBox box(out);
  EXPECT_EQ(
      box.Show({u"Error Reading Clipboard", u"The system say:  \r\nBusy\r\n", platform::TMsgKind::Error}),
      TMsgResult::Ok);
  EXPECT_EQ(box.Show({u"Delete",
                      U16("\xC3\x86"
                          "ble?"),
                      platform::TMsgKind::Question, mb::Yes | mb::No}),
            TMsgResult::Yes);
  EXPECT_EQ(box.Show({u"Locked", u"Retry?", platform::TMsgKind::Exclamation, mb::Retry | mb::Cancel}),
            TMsgResult::Retry);
  EXPECT_EQ(out.str(),
            "Error Reading Clipboard: The system say:  \\r\\nBusy\\r\\n\n"
            "Delete: \xC3\x86"
            "ble?\n"
            "Locked: Retry?\n");
}

TEST(FixedSystemColors, AnswersTheClassicSchemeUnlessChanged) {
  TFixedSystemColors colors;
  constexpr int ButtonFace = 15;
  EXPECT_EQ(colors.Color(ButtonFace), 0xC8D0D4u);
  colors.SetColor(ButtonFace, 0x123456);
  EXPECT_EQ(colors.Color(ButtonFace), 0x123456u);
  EXPECT_EQ(colors.Color(-1), 0u);
  EXPECT_EQ(colors.Color(31), 0u);
}

TEST(EscapedLine, KeepsLineBreaksAndTabsOnOneLine) {
  EXPECT_EQ(EscapedLine(u"a\r\nb\tc"), "a\\r\\nb\tc");
  EXPECT_EQ(EscapedLine(u"a\tc", true), "a\\tc");
}

}  // namespace
}  // namespace tolvane::portable
