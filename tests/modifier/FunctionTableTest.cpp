#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "Modifierfixture.h"
#include "common/Unicode.h"
#include "modifier/Functionids.h"
#include "modifier/Functionregistry.h"
#include "modifier/Functiontable.h"
#include "modifier/Parameters.h"

namespace tolvane::modifier {
namespace {

class FunctionTableTest : public ModifierTest {
 protected:
  // "Name:Id(Caption/kind,...)" for one entry.
  static std::string Signature(const TFunc& func) {
    std::string text = Utf16ToUtf8(func.Name) + ':' + std::to_string(func.Id) + '(';
    for (const TVar& slot : func.Params) {
      if (&slot != &func.Params.front())
        text += ',';
      text += Utf16ToUtf8(slot.Caption) + '/' + std::to_string(static_cast<int>(slot.Kind));
    }
    return text + ')';
  }

  TFunctionTable Table = BuildFunctionTable(Locale);
};

TEST_F(FunctionTableTest, HoldsTheVocabularyInEditorOrder) {
  ASSERT_EQ(Table.size(), 73u);
  struct TRow {
    std::size_t Index;
    const char* Signature;
  };
  const TRow rows[] = {
      {0, "AddFront:20(Text/3)"},
      {2, "AlignOnSign:34(Sign Character/0,Padding Character/0,Extra Length/2)"},
      {4, "ApplyToThisTemplateBegin:15(Skip No Word Lines ?/1)"},
      {8, "BreakLinesAfter:54(Text/3,Min. Length/2,Auto Indent ?/1,Fixed Indent/3)"},
      {10, "Clear:560()"},
      {24, "FirstLineAreVars:13()"},
      {32, "LoadFromClipboard:10()"},
      {48, "SendKeyboardCombinaton:161(Macro/3)"},
      {49, "Sleep:163(0.1 Seconds/2)"},
      {53, "SortOnWordBeforeSign:190(Sign Character/0,Descending ?/1,Case Sensitive ?/1)"},
      {57, "Trim_NG_ReplySigns:220(>|/3)"},
      {65, "WordsToLines:245(Remove Numbers ?/1)"},
      {66, ":-10()"},
      {67, "SaveToClipboard:250()"},
      {72, "PasteBeforeLines:290()"},
  };
  for (const TRow& row : rows)
    EXPECT_EQ(Signature(Table[row.Index]), row.Signature);
  EXPECT_EQ(Utf16ToUtf8(Table[64].Params.at(0).Caption), "\t&() []{}\\;\\'<>\",-+*.:?!=|/%~");
  EXPECT_EQ(Table[64].Params[0].Caption.size(), 29u);
}

TEST_F(FunctionTableTest, IdsAndLookupNamesAreUnique) {
  std::set<std::int32_t> ids;
  std::set<std::u16string> names;
  for (const TFunc& func : Table) {
    EXPECT_TRUE(ids.insert(func.Id).second) << func.Id;
    EXPECT_TRUE(names.insert(func.LowerName).second) << Utf16ToUtf8(func.Name);
    EXPECT_EQ(func.LowerName, Locale.LowerCase(func.Name));
    for (const TVar& slot : func.Params)
      EXPECT_TRUE(slot.TextValue.empty() && slot.Number == 0 && !slot.YesNo && slot.Character == 0);
  }
  EXPECT_EQ(FindFunction(Table, funcid::WordSeparators), &Table[64]);
  EXPECT_EQ(FindFunction(Table, 999), nullptr);
}

TEST_F(FunctionTableTest, RegisteredHandlersBelongToTableEntries) {
  const std::vector<std::int32_t> registered = RegisteredIds();
  EXPECT_EQ(std::set<std::int32_t>(registered.begin(), registered.end()).size(), registered.size());
  for (const std::int32_t id : registered) {
    const TFunc* func = FindFunction(Table, id);
    ASSERT_NE(func, nullptr) << id;
    EXPECT_FALSE(func->Name.empty()) << id;
    EXPECT_NE(FindHandler(id), nullptr);
  }
  // The block spans lines, so the interpreter runs it and no handler may claim it.
  EXPECT_EQ(FindHandler(funcid::ApplyToThisTemplateBegin), nullptr);
  EXPECT_NE(FindHandler(funcid::FirstLineAreVars), nullptr);
}

TEST_F(FunctionTableTest, CallTemplatesQuoteTheCaptions) {
  EXPECT_EQ(CallTemplate(*FindFunction(Table, funcid::Trim)), u"Trim()");
  EXPECT_EQ(CallTemplate(*FindFunction(Table, funcid::AddFront)), u"AddFront( 'Text' )");
  EXPECT_EQ(CallTemplate(*FindFunction(Table, funcid::AlignOnSign)),
            u"AlignOnSign( 'Sign Character', 'Padding Character', 'Extra Length' )");
  EXPECT_EQ(CallTemplate(*FindFunction(Table, funcid::ApplyToThisTemplateBegin)),
            u"ApplyToThisTemplateBegin( 'Skip No Word Lines ?' )\r\n\r\nPut your template here. \r\n\r\n"
            u"ApplyToThisTemplateEnd()");
}

TEST_F(FunctionTableTest, TheSeparatorTemplateReadsBackAsTheDefaultSetWithItsEscape) {
  const TFunc& func = *FindFunction(Table, funcid::WordSeparators);
  TArgs args = func.Params;
  TRunMessages messages(Doubles.MessageBox, {});
  const std::u16string call = CallTemplate(func);
  ASSERT_TRUE(ParseParameters(func.Name, args, call.substr(call.find(u'(')), messages));
  EXPECT_EQ(args[0].TextValue, func.Params[0].Caption);
  EXPECT_EQ(Trace(), "");
}

}  // namespace
}  // namespace tolvane::modifier
