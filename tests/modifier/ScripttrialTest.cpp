#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Modifierfixture.h"
#include "modifier/Scripttrial.h"

namespace tolvane::modifier {
namespace {

// The host is a recording set of its own: a trial must leave it untouched.
class ScriptTrialTest : public ModifierTest {};

TEST_F(ScriptTrialTest, SortsTheSampleAndTracesThePasteWithoutTheHost) {
  Doubles.Clipboard.ChangeExternally(u"the real clipboard");
  const TScriptTrial trial =
      TryScript(Doubles.Services(), u"Sort( 'n', 'n' )\r\nPaste()\r\n", u"pear\r\napple\r\nFig\r\n");
  EXPECT_EQ(trial.Text, u"apple\r\nFig\r\npear\r\n");
  EXPECT_EQ(trial.Clipboard, std::optional<std::u16string>(u"apple\r\nFig\r\npear\r\n"));
  EXPECT_FALSE(trial.StoppedLine);
  const std::vector<std::string> pasted{"sleep 50", "clipboard \"apple\\r\\nFig\\r\\npear\\r\\n\"",
                                        "keys +11 +56 -56 -11"};
  EXPECT_EQ(trial.Trace, pasted);
  EXPECT_TRUE(Doubles.Recorder.Actions().empty());
  EXPECT_EQ(Doubles.Clipboard.Text(), std::optional<std::u16string>(u"the real clipboard"));
}

TEST_F(ScriptTrialTest, AStoppingLineIsNamedAndItsMessageOnlyTraced) {
  const TScriptTrial trial =
      TryScript(Doubles.Services(), u"Trim()\r\n\r\nBogus( 'x' )\r\nClear()", u"  a  ");
  EXPECT_EQ(trial.StoppedLine, std::optional<std::size_t>(2));
  EXPECT_EQ(trial.Text, u"a");  // what ran before the stop
  ASSERT_EQ(trial.Trace.size(), 1u);
  EXPECT_TRUE(trial.Trace[0].starts_with("message \"Function Error !\"")) << trial.Trace[0];
  EXPECT_TRUE(Doubles.MessageBox.Requests().empty());
}

TEST_F(ScriptTrialTest, SleepsTakeNoTimeAndAnEmptySampleIsAnEmptyClipboard) {
  const TScriptTrial trial = TryScript(Doubles.Services(), u"Sleep( '600' )\r\nAddFront( 'x' )", u"");
  EXPECT_EQ(trial.Trace, std::vector<std::string>{"sleep 60000"});
  EXPECT_EQ(trial.Text, u"");  // no lines to add to
  EXPECT_FALSE(trial.Clipboard);
}

}  // namespace
}  // namespace tolvane::modifier
