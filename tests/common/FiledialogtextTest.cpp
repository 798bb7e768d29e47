#include "common/Filedialogtext.h"

#include <gtest/gtest.h>

#include "common/Unicode.h"

namespace tolvane {
namespace {

using namespace std::string_literals;
using platform::TFileFilter;

// NULs made visible, so a failure shows where the pairs break.
std::string Shown(const std::u16string& text) {
  std::string shown;
  for (const char c : Utf16ToUtf8(text))
    shown += c == '\0' ? '|' : c;
  return shown;
}

TEST(FilterListText, PairsEndInNulAndTheListInOneMore) {
  const struct {
    std::vector<TFileFilter> Filters;
    std::u16string Expected;
  } rows[] = {
      {{}, u""},
      {{{u"Tolvane menu files", u"*.TvXml"}}, u"Tolvane menu files\0*.TvXml\0\0"s},
      {{{u"Menu files", u"*.TvXml"}, {u"Text", u"*.txt;*.log"}, {u"All files", u"*.*"}},
       u"Menu files\0*.TvXml\0Text\0*.txt;*.log\0All files\0*.*\0\0"s},
      // An empty description would end the list early: the patterns stand in for it.
      {{{u"", u"*.ini"}, {u"All files", u"*.*"}}, u"*.ini\0*.ini\0All files\0*.*\0\0"s},
      // No patterns: nothing could be chosen with it, and the empty text would end the list.
      {{{u"Nothing", u""}, {u"All files", u"*.*"}}, u"All files\0*.*\0\0"s},
      {{{u"Nothing", u""}}, u""},
      // A NUL inside a text would make every later description a pattern and the other way round.
      {{{u"Menu\0 files"s, u"*.Tv\0Xml"s}, {u"All", u"*.*"}}, u"Menu files\0*.TvXml\0All\0*.*\0\0"s},
      {{{u"Only NUL", u"\0"s}}, u""},
      {{{u"\u00C6bler \U0001F34E", u"*.\u00E6"}}, u"\u00C6bler \U0001F34E\0*.\u00E6\0\0"s},
  };
  for (const auto& row : rows)
    EXPECT_EQ(Shown(FilterListText(row.Filters)), Shown(row.Expected));
}

TEST(DefaultExtensionText, LosesLeadingDotsAndRefusesWhatCannotEndAName) {
  const struct {
    std::u16string Given, Expected;
  } rows[] = {
      {u"TvXml", u"TvXml"},
      {u".TvXml", u"TvXml"},
      {u"..ini", u"ini"},
      {u"", u""},
      {u".", u""},
      {u"txt ", u""},
      {u"tar.gz", u""},
      {u"*", u""},
      {u"t?t", u""},
      {u"a\\b", u""},
      {u"a/b", u""},
      {u"a:b", u""},
      {u"a|b", u""},
      {u"a\"b", u""},
      {u"a<b>", u""},
      {u"a;b", u""},
      {u"a\tb", u""},
      {u"a\0b"s, u""},
      {u"\u00E6\u00F8\u00E5", u"\u00E6\u00F8\u00E5"},
      {u"my ext", u"my ext"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(DefaultExtensionText(row.Given), row.Expected) << Utf16ToUtf8(row.Given);
}

}  // namespace
}  // namespace tolvane
