// The functions that cut a line into many must cost in proportion to its length. Time is no measure in a
// test, so these count the bytes the whole program allocates during a run: copying what is left of the line
// at every split allocates four times as much when the line doubles, instead of about twice as much.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "Modifierfixture.h"

// The replaced operator new takes its blocks from malloc, so its operator delete frees them; gcc sees only
// the new expression where it inlines the delete and warns of a mismatch.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {

std::atomic<std::size_t> AllocatedBytes{0};

}  // namespace

void* operator new(std::size_t size) {
  AllocatedBytes += size;
  if (void* block = std::malloc(size == 0 ? 1 : size))
    return block;
  throw std::bad_alloc();
}

void operator delete(void* block) noexcept {
  std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
  std::free(block);
}

namespace tolvane::modifier {
namespace {

class ScalingTest : public ModifierTest {
 protected:
  // The bytes allocated while the script runs over the text; the interpreter is made beforehand.
  std::size_t BytesForRun(const std::u16string& script, std::u16string text) {
    auto clip = Make(std::move(text));
    const std::size_t before = AllocatedBytes;
    EXPECT_TRUE(Run(*clip, script));
    return AllocatedBytes - before;
  }

  // Runs the script over the text made for size n and for 2n; the second may take at most 2.5 times the
  // bytes of the first (2 when linear, a little more for n log n, 4 when quadratic).
  template <class TMakeText>
  void ExpectLinear(const std::u16string& script, std::size_t n, TMakeText makeText) {
    SCOPED_TRACE(Utf16ToUtf8(script));
    const double single = static_cast<double>(BytesForRun(script, makeText(n)));
    const double doubled = static_cast<double>(BytesForRun(script, makeText(2 * n)));
    EXPECT_LE(doubled, 2.5 * single) << single << " bytes for n, " << doubled << " for 2n";
  }
};

std::u16string OneLineOfWords(std::size_t length) {
  std::u16string text;
  while (text.size() < length)
    text += u"word, ";
  return text;
}

TEST_F(ScalingTest, BreakingOneLongLineIsLinear) {
  ExpectLinear(u"BreakLines( '76', 'n', '' )", 60000, OneLineOfWords);
  ExpectLinear(u"BreakLines( '20', 'y', '>' )", 60000,
               [](std::size_t n) { return u"   " + OneLineOfWords(n); });
  ExpectLinear(u"BreakLinesBefore( ',', '1', 'n', '' )", 60000, OneLineOfWords);
  ExpectLinear(u"BreakLinesAfter( ' ', '1', 'y', '' )", 60000,
               [](std::size_t n) { return u"\t" + OneLineOfWords(n); });
  ExpectLinear(u"Break_NG_ReplyLines( '40' )", 60000, OneLineOfWords);
}

}  // namespace
}  // namespace tolvane::modifier
