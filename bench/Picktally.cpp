#include "Picktally.h"

#include <algorithm>
#include <cstdint>

namespace tolvane::bench {
namespace {

constexpr int kUnknown = -1;
// The alignment keeps one step per cell; beyond this the middle is compared pick by pick instead.
constexpr std::size_t kMaxAlignCells = std::size_t{32} << 20;

struct TPiece {
  int Kind = kUnknown;
  std::u16string_view Text;
};

int KindAt(const std::vector<std::u16string>& texts, std::u16string_view actual, std::size_t position) {
  int found = kUnknown;
  for (std::size_t kind = 0; kind < texts.size(); ++kind) {
    const std::u16string& text = texts[kind];
    if (!text.empty() && actual.substr(position, text.size()) == text &&
        (found == kUnknown || text.size() > texts[static_cast<std::size_t>(found)].size()))
      found = static_cast<int>(kind);
  }
  return found;
}

std::vector<TPiece> Cut(const std::vector<std::u16string>& texts, std::u16string_view actual) {
  std::vector<TPiece> pieces;
  std::size_t unknownStart = actual.size();
  std::size_t position = 0;
  const auto endUnknown = [&] {
    if (unknownStart < position)
      pieces.push_back({kUnknown, actual.substr(unknownStart, position - unknownStart)});
    unknownStart = actual.size();
  };
  while (position < actual.size()) {
    const int kind = KindAt(texts, actual, position);
    if (kind == kUnknown) {
      unknownStart = std::min(unknownStart, position);
      ++position;
      continue;
    }
    endUnknown();
    const std::size_t length = texts[static_cast<std::size_t>(kind)].size();
    pieces.push_back({kind, actual.substr(position, length)});
    position += length;
  }
  endUnknown();
  return pieces;
}

enum class TStep : std::uint8_t { Match, Substitute, Skip, Extra };

class TTallier {
 public:
  TTallier(const std::vector<int>& expected, TPickTally& tally) : Expected(expected), Tally(tally) {}

  // The steps for the expected picks from first on and the pieces from the start of pieces.
  void Apply(const std::vector<TStep>& steps, std::size_t first, const std::vector<TPiece>& pieces,
             std::size_t firstPiece) {
    std::size_t pick = first;
    std::size_t piece = firstPiece;
    for (const TStep step : steps) {
      switch (step) {
        case TStep::Match:
          ++Tally.Correct;
          ++pick;
          ++piece;
          break;
        case TStep::Substitute:
          Note(TPickProblemKind::Wrong, pick++, pieces[piece++].Text);
          break;
        case TStep::Skip:
          Note(TPickProblemKind::Missing, pick++, {});
          break;
        case TStep::Extra:
          NoteExtra(pick, pieces[piece++]);
          break;
      }
    }
  }

 private:
  // A known text next to the same pick is that pick doubled; anything else is wrong.
  void NoteExtra(std::size_t pick, const TPiece& piece) {
    const bool samePrevious = pick > 0 && Expected[pick - 1] == piece.Kind;
    const bool sameNext = pick < Expected.size() && Expected[pick] == piece.Kind;
    if (piece.Kind != kUnknown && (samePrevious || sameNext))
      Note(TPickProblemKind::Doubled, samePrevious ? pick - 1 : pick, piece.Text);
    else
      Note(TPickProblemKind::Wrong, pick > 0 ? pick - 1 : 0, piece.Text);
  }

  void Note(TPickProblemKind kind, std::size_t pick, std::u16string_view got) {
    switch (kind) {
      case TPickProblemKind::Wrong:
        ++Tally.Wrong;
        break;
      case TPickProblemKind::Missing:
        ++Tally.Missing;
        break;
      case TPickProblemKind::Doubled:
        ++Tally.Doubled;
        break;
    }
    if (Tally.Problems.size() < MaxListedProblems)
      Tally.Problems.push_back({kind, static_cast<int>(pick), std::u16string(got)});
  }

  const std::vector<int>& Expected;
  TPickTally& Tally;
};

// The fewest substitutions, skips and extras that turn the expected kinds into the pieces' kinds; a
// substitution wins a tie, so one pick pasted wrong is not read as a missing pick plus an extra text.
std::vector<TStep> Align(const int* expected, std::size_t n, const TPiece* pieces, std::size_t m) {
  std::vector<TStep> steps;
  if (n * m > kMaxAlignCells) {
    for (std::size_t i = 0; i < std::max(n, m); ++i) {
      if (i >= m)
        steps.push_back(TStep::Skip);
      else if (i >= n)
        steps.push_back(TStep::Extra);
      else
        steps.push_back(expected[i] == pieces[i].Kind ? TStep::Match : TStep::Substitute);
    }
    return steps;
  }
  const std::size_t width = m + 1;
  std::vector<TStep> from((n + 1) * width, TStep::Match);
  std::vector<std::size_t> previous(width);
  std::vector<std::size_t> current(width);
  for (std::size_t j = 0; j <= m; ++j) {
    previous[j] = j;
    from[j] = TStep::Extra;
  }
  for (std::size_t i = 1; i <= n; ++i) {
    current[0] = i;
    from[i * width] = TStep::Skip;
    for (std::size_t j = 1; j <= m; ++j) {
      const bool same = expected[i - 1] == pieces[j - 1].Kind;
      std::size_t best = previous[j - 1] + (same ? 0 : 1);
      TStep step = same ? TStep::Match : TStep::Substitute;
      if (previous[j] + 1 < best) {
        best = previous[j] + 1;
        step = TStep::Skip;
      }
      if (current[j - 1] + 1 < best) {
        best = current[j - 1] + 1;
        step = TStep::Extra;
      }
      current[j] = best;
      from[i * width + j] = step;
    }
    std::swap(previous, current);
  }
  for (std::size_t i = n, j = m; i > 0 || j > 0;) {
    const TStep step = from[i * width + j];
    steps.push_back(step);
    if (step != TStep::Extra)
      --i;
    if (step != TStep::Skip)
      --j;
  }
  std::reverse(steps.begin(), steps.end());
  return steps;
}

}  // namespace

TPickTally TallyPicks(const std::vector<std::u16string>& texts, const std::vector<int>& expected,
                      std::u16string_view actual) {
  TPickTally tally;
  const std::vector<TPiece> pieces = Cut(texts, actual);
  // Only the part between the longest agreeing start and end needs aligning.
  std::size_t head = 0;
  while (head < expected.size() && head < pieces.size() && expected[head] == pieces[head].Kind)
    ++head;
  std::size_t tail = 0;
  while (tail < expected.size() - head && tail < pieces.size() - head &&
         expected[expected.size() - 1 - tail] == pieces[pieces.size() - 1 - tail].Kind)
    ++tail;
  tally.Correct = static_cast<int>(head + tail);
  const std::vector<TStep> steps = Align(expected.data() + head, expected.size() - head - tail,
                                         pieces.data() + head, pieces.size() - head - tail);
  TTallier(expected, tally).Apply(steps, head, pieces, head);
  return tally;
}

}  // namespace tolvane::bench
