#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "Modifierfixture.h"
#include "common/Unicode.h"

namespace tolvane::modifier {

using TTexts = std::vector<std::string>;

// One script run over a clipboard text (nullopt: no text) and the lines it leaves (see LineTexts).
struct TRow {
  std::u16string Script;
  std::optional<std::u16string> Clipboard;
  TTexts Lines;
};

class FunctionTest : public ModifierTest {
 protected:
  TTexts Apply(std::u16string_view script, std::optional<std::u16string> clipboard) {
    auto clip = Make(std::move(clipboard));
    EXPECT_TRUE(Run(*clip, script));
    return LineTexts(clip->Lines);
  }

  void Check(std::span<const TRow> rows) {
    for (const TRow& row : rows) {
      SCOPED_TRACE(Utf16ToUtf8(row.Script) + " on " +
                   (row.Clipboard ? '"' + Utf16ToUtf8(*row.Clipboard) + '"' : std::string("no text")));
      EXPECT_EQ(Apply(row.Script, row.Clipboard), row.Lines);
    }
  }
};

}  // namespace tolvane::modifier
