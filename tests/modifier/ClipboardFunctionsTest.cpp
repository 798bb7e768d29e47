#include <gtest/gtest.h>

#include <tuple>

#include "Functionfixture.h"

namespace tolvane::modifier {
namespace {

const platform::TSystemError Denied{5, u"Access is denied."};

std::string Repeated(const std::string& line, int count) {
  std::string text;
  for (int i = 0; i < count; ++i)
    text += line;
  return text;
}

class ClipboardFunctionsTest : public FunctionTest {
 protected:
  // The trace of the script alone, after construction has read the clipboard.
  std::string Traced(TQxClipTxt& clip, std::u16string_view script) {
    Doubles.Recorder.Clear();
    EXPECT_TRUE(Run(clip, script));
    return Trace();
  }
};

TEST_F(ClipboardFunctionsTest, SavingWritesTheJoinedLinesBack) {
  struct TCase {
    std::optional<std::u16string> Clipboard;
    std::u16string Script;
    std::string Trace;
  };
  const TCase cases[] = {
      {u"a\r\nb", u"LoadFromClipboard()\r\nSaveToClipboard()", "clipboard \"a\\r\\nb\"\n"},
      {u"a\r\nb\r\n", u"LoadFromClipboard()\r\nSaveToClipboard()", "clipboard \"a\\r\\nb\\r\\n\"\n"},
      {u"a", u"Clear()\r\nSaveToClipboard()", ""},
      {std::nullopt, u"SaveToClipboard()", ""},
      {u"a", u"ClearClipboard()", "clipboard-clear\n"},
  };
  for (const TCase& c : cases) {
    auto clip = Make(c.Clipboard);
    EXPECT_EQ(Traced(*clip, c.Script), c.Trace) << Utf16ToUtf8(c.Script);
  }
  auto clip = Make(u"kept");
  (void)Traced(*clip, u"ClearClipboard()");
  EXPECT_EQ(LineTexts(clip->Lines), TTexts{"kept"});
  EXPECT_FALSE(Doubles.Clipboard.Text().has_value());
}

TEST_F(ClipboardFunctionsTest, SavingHandsOverTheTextTheLinesStillSpellAndJoinsOtherwise) {
  const auto saved = [&](TQxClipTxt& clip) {
    EXPECT_TRUE(Run(clip, u"SaveToClipboard()"));
    return Doubles.Clipboard.Text().value_or(u"(none)");
  };
  // Untouched lines are the text that was read: the clipboard gets that very memory back.
  auto same = Make(u"one\r\ntwo\r\n");
  EXPECT_EQ(saved(*same).data(), same->ClipText().data());
  // A replacement rewrites the lines into one block, which is handed over as it is.
  auto replaced = Make(u"foo\r\nbar\r\nboo");
  EXPECT_TRUE(Run(*replaced, u"Replace( 'o', '00' )"));
  EXPECT_EQ(saved(*replaced), u"f0000\r\nbar\r\nb0000");
  EXPECT_EQ(Doubles.Clipboard.Text()->data(), (*replaced->Lines[0]).Text.View().data());
  EXPECT_EQ(replaced->ClipText(), u"foo\r\nbar\r\nboo");
  // Lines that no longer spell their source are joined: an edited line, a lone CR, a dropped line.
  for (const auto& [text, script, joined] :
       {std::tuple{u"a\r\nb", u"AddFront('>')", u">a\r\n>b"}, std::tuple{u"a\rb", u"", u"a\r\nb"},
        std::tuple{u"a\r\nb\r\n", u"FirstLineAreVars()", u"b\r\n"},
        std::tuple{u"a\r\n\r\n", u"RemoveEmptyLines()", u"a\r\n"}}) {
    auto clip = Make(std::u16string(text));
    EXPECT_TRUE(Run(*clip, script));
    EXPECT_EQ(saved(*clip), joined) << Utf16ToUtf8(script);
    EXPECT_NE(Doubles.Clipboard.Text()->data(), clip->ClipText().data());
  }
}

TEST_F(ClipboardFunctionsTest, AHeldClipboardIsTriedFiveTimes) {
  auto clip = Make(u"x");
  Doubles.Clipboard.FailNextOpens(2, Denied);
  EXPECT_EQ(Traced(*clip, u"SaveToClipboard()"), "sleep 50\nsleep 50\nclipboard \"x\"\n");
  // Saving alone reports nothing; Paste reports and sends no keys.
  Doubles.Clipboard.FailNextOpens(5, Denied);
  EXPECT_EQ(Traced(*clip, u"SaveToClipboard()"), Repeated("sleep 50\n", 4));
  Doubles.Clipboard.FailNextOpens(5, Denied);
  EXPECT_EQ(Traced(*clip, u"Paste()"),
            Repeated("sleep 50\n", 5) + "message \"Clipboard Error\" \"\\r\\nAccess is denied.\\r\\n\"\n");
  Doubles.Clipboard.FailNextOpens(1, Denied);
  EXPECT_EQ(Traced(*clip, u"ClearClipboard()"), "sleep 50\nclipboard-clear\n");
}

TEST_F(ClipboardFunctionsTest, PasteSavesThenSendsCtrlV) {
  auto clip = Make(u"a\r\nb");
  EXPECT_EQ(Traced(*clip, u"Paste()"), "sleep 50\nclipboard \"a\\r\\nb\"\nkeys +11 +56 -56 -11\n");
  // Without lines the clipboard's own content is pasted.
  auto empty = Make(std::nullopt);
  EXPECT_EQ(Traced(*empty, u"Paste()"), "sleep 50\nkeys +11 +56 -56 -11\n");
}

TEST_F(ClipboardFunctionsTest, ReloadRebuildsFromTheTextLastRead) {
  auto clip = Make(u"a b\r\nc");
  Doubles.Clipboard.ChangeExternally(u"changed since");
  const std::size_t opens = Doubles.Clipboard.OpenCount();
  EXPECT_EQ(Traced(*clip, u"DeleteFirstChar()\r\nFirstLineAreVars()\r\nReloadClipboardData()"), "");
  EXPECT_EQ(LineTexts(clip->Lines), (TTexts{"a b\r\n", "c"}));
  EXPECT_TRUE(clip->Vars.empty());
  EXPECT_EQ(Doubles.Clipboard.OpenCount(), opens);

  // Nothing read yet: it reads.
  auto unread = Make(std::nullopt);
  Doubles.Clipboard.ChangeExternally(u"fresh");
  EXPECT_EQ(Traced(*unread, u"ReloadClipboardData()"), "");
  EXPECT_EQ(LineTexts(unread->Lines), TTexts{"fresh"});
}

TEST_F(ClipboardFunctionsTest, EditingTheLinesNeverChangesTheTextTheyWereReadFrom) {
  // The lines view the text last read until edited; every kind of edit must work on a line's own copy, and
  // lines moved between lists must keep that text alive.
  const std::u16string text = u"  alpha beta,gamma\r\ndelta  epsilon\r\n\r\nzeta \u00e4rger";
  auto clip = Make(text);
  // Lines read from a text of their own, which only their list keeps.
  clip->SetLinesFromText(std::u16string(text));
  const std::u16string script =
      u"BreakLines('8','n','')\r\nTrim()\r\nRemoveEmptyLines()\r\nReplace('a','AA')\r\n"
      u"UpperCaseFirstCharacterInWords()\r\nAddFront('>')\r\nDeleteLastChar()\r\nSort('n','n')\r\n"
      u"WordsToLines('n')\r\nRemoveDublicateSpaces()\r\nRemoveThisFromFront('A')\r\n"
      u"RemoveSpaceAndTabs()\r\nBackSlashToForwardSlash()\r\nLowerCaseAll()\r\nDeleteFirstWord()";
  EXPECT_EQ(Traced(*clip, script), "");
  EXPECT_NE(LineTexts(clip->Lines), LineTexts(LinesFromText(text)));
  EXPECT_EQ(clip->ClipText(), text);
  EXPECT_EQ(Traced(*clip, u"ReloadClipboardData()\r\nWordsToLines('n')\r\nDeleteLastChar()"), "");
  EXPECT_EQ(LineTexts(clip->Lines), (TTexts{"alph\r\n", "bet\r\n", "gamm\r\n", "delt\r\n", "epsilo\r\n",
                                            "zet\r\n", "\xC3\xA4rge\r\n"}));
  EXPECT_EQ(clip->ClipText(), text);
}

TEST_F(ClipboardFunctionsTest, RemoveFormattingPutsTheTextBackAndReadsIt) {
  auto clip = Make(u"x");
  Doubles.Clipboard.ChangeExternally(u"other\r\n");
  EXPECT_EQ(Traced(*clip, u"FirstLineAreVars()\r\nRemoveFormatting()"), "clipboard \"other\\r\\n\"\n");
  EXPECT_EQ(LineTexts(clip->Lines), TTexts{"other\r\n"});
  EXPECT_TRUE(clip->Vars.empty());

  // A clipboard without text keeps what it holds instead of receiving an empty text.
  auto noText = Make(std::nullopt);
  EXPECT_EQ(Traced(*noText, u"RemoveFormatting()"), "");
  EXPECT_FALSE(Doubles.Clipboard.Text().has_value());

  // Nor is anything written when the text cannot be read.
  auto held = Make(u"held");
  Doubles.Clipboard.FailNextOpens(5, Denied);
  EXPECT_EQ(Traced(*held, u"RemoveFormatting()"), Repeated("sleep 50\n", 5));
  EXPECT_EQ(LineTexts(held->Lines), TTexts{"held"});
}

TEST_F(ClipboardFunctionsTest, CopyWaitsForTheClipboardChangeThenReads) {
  auto clip = Make(u"old");
  int waits = 0;
  Doubles.Time.SetWaitCallback([&] {
    // The first wait handles the report of a change made before the copy, which must not end the wait.
    if (++waits == 1 || waits == 4)
      Doubles.Clipboard.ChangeExternally(waits == 1 ? u"stale" : u"copied\r\n");
  });
  EXPECT_EQ(Traced(*clip, u"FirstLineAreVars()\r\nCopy_Ctrl_C_ToClipboard()"),
            "sleep 0\nkeys +11 +43 -43 -11\nsleep 20\nsleep 20\nsleep 20\n");
  EXPECT_EQ(LineTexts(clip->Lines), TTexts{"copied\r\n"});
  EXPECT_EQ(clip->ClipText(), u"copied\r\n");
  EXPECT_TRUE(clip->Vars.empty());

  waits = 0;
  EXPECT_EQ(Traced(*clip, u"Copy_Ctrl_Insert_ToClipboard()"),
            "sleep 0\nkeys +11 +2De -2De -11\nsleep 20\nsleep 20\nsleep 20\n");
}

TEST_F(ClipboardFunctionsTest, CopyReadsWhateverIsThereAfterTwoSeconds) {
  auto clip = Make(u"unchanged");
  EXPECT_EQ(Traced(*clip, u"Copy_Ctrl_C_ToClipboard()"),
            "sleep 0\nkeys +11 +43 -43 -11\n" + Repeated("sleep 20\n", 100));
  EXPECT_EQ(LineTexts(clip->Lines), TTexts{"unchanged"});

  // Without change notifications the wait always runs its full time.
  Doubles.Clipboard.SetNotificationsAvailable(false);
  auto deaf = Make(u"before");
  Doubles.Time.SetWaitCallback([&] { Doubles.Clipboard.ChangeExternally(u"after"); });
  EXPECT_EQ(Traced(*deaf, u"Copy_Ctrl_C_ToClipboard()"),
            "sleep 0\nkeys +11 +43 -43 -11\n" + Repeated("sleep 20\n", 100));
  EXPECT_EQ(LineTexts(deaf->Lines), TTexts{"after"});
}

TEST_F(ClipboardFunctionsTest, ACutOffCopyKeystrokeReleasesCtrl) {
  auto clip = Make(u"x");
  Doubles.Keyboard.LimitInjection(1);
  const std::string trace = Traced(*clip, u"Copy_Ctrl_C_ToClipboard()");
  EXPECT_EQ(trace.substr(0, trace.find("sleep 20")), "sleep 0\nkeys +11\nkeys -11\n");
}

}  // namespace
}  // namespace tolvane::modifier
