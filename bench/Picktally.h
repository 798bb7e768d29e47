#pragma once
// Reading the pick soak's target text back as picks: which picks arrived, which are missing, which came twice
// and which put something else there. Kept apart from Windows so it is tested natively.

#include <string>
#include <string_view>
#include <vector>

namespace tolvane::bench {

enum class TPickProblemKind { Wrong, Missing, Doubled };

struct TPickProblem {
  TPickProblemKind Kind = TPickProblemKind::Wrong;
  int Pick = 0;        // index into the expected picks; for a text no pick explains, the pick before it
  std::u16string Got;  // what the target holds in its place; empty for a missing pick
};

struct TPickTally {
  int Correct = 0;
  int Wrong = 0;  // another pick's text or a damaged one in its place, or a text no pick explains
  int Missing = 0;
  int Doubled = 0;                     // a pick's text once more right next to it
  std::vector<TPickProblem> Problems;  // the first MaxListedProblems, in the target's order

  bool Clean() const { return Wrong == 0 && Missing == 0 && Doubled == 0; }
};

inline constexpr std::size_t MaxListedProblems = 20;

// texts: what each kind of pick adds to the target, none a prefix of another; expected: the kinds in pick
// order; actual: the target's whole text. The text is cut into the kinds' texts (anything between them is one
// unknown piece) and aligned with the expected picks by the fewest changes.
TPickTally TallyPicks(const std::vector<std::u16string>& texts, const std::vector<int>& expected,
                      std::u16string_view actual);

}  // namespace tolvane::bench
