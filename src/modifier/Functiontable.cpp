#include "modifier/Functiontable.h"

#include "modifier/Functionids.h"
#include "modifier/Separators.h"

namespace tolvane::modifier {
namespace {

struct TParamRow {
  std::u16string Caption;
  TVarKind Kind;
};

struct TFuncRow {
  std::u16string_view Name;
  std::int32_t Id;
  std::vector<TParamRow> Params;
};

constexpr TVarKind Char = TVarKind::Character;
constexpr TVarKind YesNo = TVarKind::YesNo;
constexpr TVarKind Number = TVarKind::Number;
constexpr TVarKind Text = TVarKind::Text;

// The default separators, with the apostrophe escaped so that the call template parses back to the set.
std::u16string WordSeparatorsCaption() {
  std::u16string caption;
  for (const char16_t c : TSeparatorSet::DefaultCharacters()) {
    if (c == u'\'')
      caption += u'\\';
    caption += c;
  }
  return caption;
}

const std::vector<TFuncRow>& Rows() {
  static const std::vector<TFuncRow> rows = {
      {u"AddFront", 20, {{u"Text", Text}}},
      {u"AddEnd", 30, {{u"Text", Text}}},
      {u"AlignOnSign",
       34,
       {{u"Sign Character", Char}, {u"Padding Character", Char}, {u"Extra Length", Number}}},
      {u"AlignOnWord",
       35,
       {{u"Word Number", Number}, {u"Padding Character", Char}, {u"Extra Length", Number}}},
      {u"ApplyToThisTemplateBegin", 15, {{u"Skip No Word Lines ?", YesNo}}},
      {u"BackSlashToForwardSlash", 38, {}},
      {u"Break_NG_ReplyLines", 40, {{u"Line Length", Number}}},
      {u"BreakLines", 50, {{u"Line Length", Number}, {u"Auto Indent ?", YesNo}, {u"Fixed Indent", Text}}},
      {u"BreakLinesAfter",
       54,
       {{u"Text", Text}, {u"Min. Length", Number}, {u"Auto Indent ?", YesNo}, {u"Fixed Indent", Text}}},
      {u"BreakLinesBefore",
       56,
       {{u"Text", Text}, {u"Min. Length", Number}, {u"Auto Indent ?", YesNo}, {u"Fixed Indent", Text}}},
      {u"Clear", 560, {}},
      {u"ClearClipboard", 570, {}},
      {u"Copy_Ctrl_C_ToClipboard", 58, {}},
      {u"Copy_Ctrl_Insert_ToClipboard", 59, {}},
      {u"ConvertTabsTo", 60, {{u"Text", Text}}},
      {u"CurrentDateTimeInsertTop", 63, {{u"Format Text", Text}}},
      {u"CurrentDateTimeInsertBottom", 64, {{u"Format Text", Text}}},
      {u"CurrentDateTimePaste", 65, {{u"Format Text", Text}}},
      {u"CurrentDateTimeType", 66, {{u"Format Text", Text}}},
      {u"DeleteFirstChar", 70, {}},
      {u"DeleteFirstWord", 80, {}},
      {u"DeleteLastChar", 90, {}},
      {u"DeleteLastWord", 100, {}},
      {u"EscapeCharacter", 103, {{u"Escape", Char}, {u"Char", Char}}},
      {u"FirstLineAreVars", 13, {}},
      {u"ForwardSlashToBackSlash", 106, {}},
      {u"InsertAfterWord", 109, {{u"Word Nr", Number}, {u"Text", Text}}},
      {u"InsertBeforeWord", 110, {{u"Word Nr", Number}, {u"Text", Text}}},
      {u"InsertVAR_AfterWord", 114, {{u"Word Nr", Number}, {u"Text Between", Text}, {u"VAR Nr", Number}}},
      {u"InsertVAR_BeforeWord", 115, {{u"Word Nr", Number}, {u"Text Between", Text}, {u"VAR Nr", Number}}},
      {u"LinesEqualToLongestPadLeft", 120, {{u"Padding Character", Char}, {u"Extra Length", Number}}},
      {u"LinesEqualToLongestPadRight", 130, {{u"Padding Character", Char}, {u"Extra Length", Number}}},
      {u"LoadFromClipboard", 10, {}},
      {u"LowerCaseAll", 134, {}},
      {u"MultilineComment", 137, {{u"Start", Text}, {u"End", Text}}},
      {u"NumbersLeft", 140, {{u"Start Nr", Number}, {u"Do Padding ?", YesNo}, {u"Padding Character", Char}}},
      {u"NumbersRight", 150, {{u"Start Nr", Number}, {u"Do Padding ?", YesNo}, {u"Padding Character", Char}}},
      {u"ReloadClipboardData", 810, {}},
      {u"RemoveDublicateSpaces", 820, {}},
      {u"RemoveEmptyLines", 830, {}},
      {u"RemoveFormatting", 840, {}},
      {u"RemoveFromToEnd", 845, {{u"Text", Text}, {u"and Include ?", YesNo}}},
      {u"RemoveLineBreaks", 850, {}},
      {u"RemoveSpaceAndTabs", 860, {}},
      {u"RemoveTheseCharacters", 870, {{u"Characters", Text}}},
      {u"RemoveThisFromFront", 880, {{u"Text", Text}}},
      {u"RemoveUpTo", 890, {{u"Text", Text}, {u"and Include ?", YesNo}}},
      {u"Replace", 160, {{u"OldStr", Text}, {u"NewStr", Text}}},
      {u"SendKeyboardCombinaton", 161, {{u"Macro", Text}}},
      {u"Sleep", 163, {{u"0.1 Seconds", Number}}},
      {u"Sort", 165, {{u"Descending ?", YesNo}, {u"Case Sensitive ?", YesNo}}},
      {u"SortOnWordNr", 170, {{u"Word Nr", Number}, {u"Descending ?", YesNo}, {u"Case Sensitive ?", YesNo}}},
      {u"SortOnWordAfterSign",
       180,
       {{u"Sign Character", Char}, {u"Descending ?", YesNo}, {u"Case Sensitive ?", YesNo}}},
      {u"SortOnWordBeforeSign",
       190,
       {{u"Sign Character", Char}, {u"Descending ?", YesNo}, {u"Case Sensitive ?", YesNo}}},
      {u"SwapWords", 195, {{u"Word Nr1", Number}, {u"Word Nr2", Number}}},
      {u"Trim", 200, {}},
      {u"TrimLeft", 210, {}},
      {u"Trim_NG_ReplySigns", 220, {{u">|", Text}}},
      {u"TrimRight", 230, {}},
      {u"TrimSpecial", 231, {{u"ExtraCharacters", Text}}},
      {u"TrimSpecialLeft", 232, {{u"ExtraCharacters", Text}}},
      {u"TrimSpecialRight", 233, {{u"ExtraCharacters", Text}}},
      {u"UpperCaseAll", 236, {}},
      {u"UpperCaseFirstCharacterInWords", 237, {}},
      {u"WordSeparators", 240, {{WordSeparatorsCaption(), Text}}},
      {u"WordsToLines", 245, {{u"Remove Numbers ?", YesNo}}},
      {u"", funcid::Skip, {}},
      {u"SaveToClipboard", 250, {}},
      {u"Paste", 260, {}},
      {u"PasteAfterLines", 265, {}},
      {u"PasteAsLines", 270, {{u"Do Home ?", YesNo}}},
      {u"PasteAsBlock", 280, {}},
      {u"PasteBeforeLines", 290, {}},
  };
  return rows;
}

TFunc MakeFunc(const TFuncRow& row, platform::ILocale& locale) {
  TFunc func;
  func.Name = row.Name;
  func.LowerName = locale.LowerCase(row.Name);
  func.Id = row.Id;
  for (const TParamRow& param : row.Params) {
    TVar slot;
    slot.Caption = param.Caption;
    slot.Kind = param.Kind;
    func.Params.push_back(std::move(slot));
  }
  return func;
}

}  // namespace

TFunctionTable BuildFunctionTable(platform::ILocale& locale) {
  TFunctionTable table;
  table.reserve(Rows().size());
  for (const TFuncRow& row : Rows())
    table.push_back(MakeFunc(row, locale));
  return table;
}

const TFunc* FindFunction(const TFunctionTable& table, std::int32_t id) {
  for (const TFunc& func : table) {
    if (func.Id == id)
      return &func;
  }
  return nullptr;
}

std::u16string CallTemplate(const TFunc& func) {
  if (func.Id == funcid::ApplyToThisTemplateBegin)
    return u"ApplyToThisTemplateBegin( 'Skip No Word Lines ?' )\r\n\r\nPut your template here. \r\n\r\n"
           u"ApplyToThisTemplateEnd()";
  if (func.Params.empty())
    return func.Name + u"()";
  std::u16string text = func.Name + u"( '";
  for (std::size_t i = 0; i < func.Params.size(); ++i) {
    if (i > 0)
      text += u"', '";
    text += func.Params[i].Caption;
  }
  return text + u"' )";
}

std::u16string ParameterMessageName(const TFunc& func) {
  // Deliberately spelled this way in parameter messages.
  if (func.Id == funcid::WordSeparators)
    return u"WordSepparators";
  return func.Name;
}

}  // namespace tolvane::modifier
