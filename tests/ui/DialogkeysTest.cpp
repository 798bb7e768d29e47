#include "uimodel/Dialogkeys.h"

#include <gtest/gtest.h>

#include <vector>

namespace tolvane::uimodel {
namespace {

using K = TDialogKey;
using A = TDialogKeyAction;

TFocusStop Button(bool groupStart = false) {
  return {.TabStop = true, .GroupStart = groupStart, .Button = true};
}
TFocusStop Edit(bool multiLine = false) {
  return {.TabStop = true, .GroupStart = true, .WantsArrows = true, .WantsEnter = multiLine};
}

// An edit, a multi-line edit, a hidden check box, a label, then a group of three buttons.
std::vector<TFocusStop> Dialog() {
  std::vector<TFocusStop> stops{Edit(),
                                Edit(true),
                                {.TabStop = true, .Usable = false, .GroupStart = true},
                                {.GroupStart = true},
                                Button(true),
                                Button(),
                                Button()};
  return stops;
}

TEST(DialogKeysTest, TabWalksTheUsableTabStopsBothWaysAndWraps) {
  const std::vector<TFocusStop> stops = Dialog();
  EXPECT_EQ(DialogKeyAction(stops, 0, K::Tab), (A{A::Focus, 1}));
  EXPECT_EQ(DialogKeyAction(stops, 1, K::Tab), (A{A::Focus, 4}));  // hidden box and label passed over
  EXPECT_EQ(DialogKeyAction(stops, 6, K::Tab), (A{A::Focus, 0}));
  EXPECT_EQ(DialogKeyAction(stops, 0, K::ShiftTab), (A{A::Focus, 6}));
  EXPECT_EQ(DialogKeyAction(stops, -1, K::Tab), (A{A::Focus, 0}));
  EXPECT_EQ(DialogKeyAction(stops, -1, K::ShiftTab), (A{A::Focus, 6}));
  const std::vector<TFocusStop> none{{.GroupStart = true}};
  EXPECT_EQ(DialogKeyAction(none, 0, K::Tab), A{});
}

TEST(DialogKeysTest, ArrowsWalkTheButtonsOfTheGroupOnly) {
  std::vector<TFocusStop> stops = Dialog();
  EXPECT_EQ(DialogKeyAction(stops, 4, K::Right), (A{A::Focus, 5}));
  EXPECT_EQ(DialogKeyAction(stops, 6, K::Down), (A{A::Focus, 4}));
  EXPECT_EQ(DialogKeyAction(stops, 4, K::Left), (A{A::Focus, 6}));
  EXPECT_EQ(DialogKeyAction(stops, 0, K::Down), A{});  // the edit keeps its arrows
  stops[5].Usable = false;
  EXPECT_EQ(DialogKeyAction(stops, 4, K::Right), (A{A::Focus, 6}));
}

TEST(DialogKeysTest, EnterClicksTheDefaultUnlessTheControlTakesItAndEscCancels) {
  const std::vector<TFocusStop> stops = Dialog();
  EXPECT_EQ(DialogKeyAction(stops, 0, K::Enter), (A{A::ClickDefault}));
  EXPECT_EQ(DialogKeyAction(stops, 1, K::Enter), A{});
  EXPECT_EQ(DialogKeyAction(stops, 5, K::Enter), (A{A::ClickFocused, 5}));
  EXPECT_EQ(DialogKeyAction(stops, -1, K::Enter), (A{A::ClickDefault}));
  EXPECT_EQ(DialogKeyAction(stops, 1, K::Escape), (A{A::Cancel}));
  EXPECT_EQ(DialogKeyAction(stops, 0, K::Other), A{});
}

}  // namespace
}  // namespace tolvane::uimodel
