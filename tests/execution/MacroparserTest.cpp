#include <gtest/gtest.h>

#include <vector>

#include "common/Unicode.h"
#include "execution/Macroparser.h"

namespace tolvane::execution {
namespace {

constexpr TInputItem Char(char16_t c) {
  return {TInputKind::Character, static_cast<std::uint16_t>(c), false};
}
constexpr TInputItem Down(std::uint16_t code, bool extended = false) {
  return {TInputKind::KeyDown, code, extended};
}
constexpr TInputItem Up(std::uint16_t code, bool extended = false) {
  return {TInputKind::KeyUp, code, extended};
}
constexpr TInputItem Pause{TInputKind::Pause, 0xFF, false};

struct TParseRow {
  const char16_t* Text;
  std::vector<TInputItem> Items;
};

void ExpectParses(const std::vector<TParseRow>& rows) {
  for (const TParseRow& row : rows)
    EXPECT_EQ(ParseMacro(row.Text), row.Items) << Utf16ToUtf8(row.Text);
}

TEST(MacroParser, TypesPlainTextAndBackslashesThatAreNoEscape) {
  ExpectParses({
      {u"", {}},
      {u"abc", {Char(u'a'), Char(u'b'), Char(u'c')}},
      {u"\U0001F600", {Char(u'\xD83D'), Char(u'\xDE00')}},
      {u"\\\\11", {Char(u'\\'), Char(u'1'), Char(u'1')}},
      {u"\\\\\\11", {Char(u'\\'), Down(0x11)}},
      {u"\\\\", {Char(u'\\')}},
      {u"a\\", {Char(u'a'), Char(u'\\')}},
      {u"a\\x", {Char(u'a'), Char(u'\\')}},
      {u"a\\!", {Char(u'a'), Char(u'\\')}},
  });
}

TEST(MacroParser, ReadsKeyCodesWithShiftedLowDigitsAsKeyUps) {
  ExpectParses({
      {u"\\11v\\1c", {Down(0x11), Char(u'v'), Up(0x11)}},
      {u"\\0D\\0v", {Down(0x0D), Up(0x0D)}},
      {u"\\41\\4c", {Down(0x41), Up(0x41)}},
      {u"\\7B\\7t", {Down(0x7B), Up(0x7B)}},
      // Shifting the high digit changes nothing about down or up.
      {u"\\bD\\sk", {Down(0x0D), Up(0xA9)}},
      // Lower-case hex letters are no digits, yet lie beyond "G": key-ups of code 0 in that place.
      {u"\\1a\\a1", {Up(0x10), Down(0x01)}},
      {u"\\zz\\#1\\1#", {Up(0x00), Down(0x01), Down(0x10)}},
  });
}

TEST(MacroParser, MarksOnlyTheExtendedKeys) {
  ExpectParses({
      {u"\\12\\13\\20\\21", {Down(0x12), Down(0x13, true), Down(0x20), Down(0x21, true)}},
      {u"\\2E\\2w\\2F\\30", {Down(0x2E, true), Up(0x2E, true), Down(0x2F, true), Down(0x30)}},
      {u"\\6E\\6F\\90\\91", {Down(0x6E), Down(0x6F, true), Down(0x90, true), Down(0x91)}},
  });
}

TEST(MacroParser, MakesCodeFFAPauseWhetherShiftedOrNot) {
  ExpectParses({
      {u"\\FF", {Pause}},
      {u"\\Fx", {Pause}},
      {u"a\\xxb", {Char(u'a'), Pause, Char(u'b')}},
  });
}

TEST(MacroParser, TypesCodeUnitsGivenInHexAndEndsAtAnIncompleteOne) {
  ExpectParses({
      {u"\\!00e9", {Char(u'\u00E9')}},
      {u"\\!20ACx", {Char(u'\u20AC'), Char(u'x')}},
      {u"\\!AbCd", {Char(u'\xABCD')}},
      // Characters other than hex digits are passed over.
      {u"\\!0x41", {Char(u'A')}},
      {u"\\!zzzz", {Char(u'\0')}},
      {u"x\\!00", {Char(u'x')}},
      {u"x\\!00e", {Char(u'x')}},
  });
}

}  // namespace
}  // namespace tolvane::execution
