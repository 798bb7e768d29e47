#include "modifier/Functionregistry.h"

#include "modifier/Functionids.h"
#include "modifier/Modifierfunctions.h"
#include "modifier/Qxcliptxt.h"

namespace tolvane::modifier {
namespace {

struct TRegisteredFunction {
  std::int32_t Id;
  TFunctionHandler Handler;
};

// The template block is run by the interpreter itself, since it spans lines.
constexpr TRegisteredFunction Registry[] = {
    {funcid::FirstLineAreVars, [](TQxClipTxt& clip, const TArgs&) { clip.FirstLineAreVars(); }},
    {funcid::AddFront, &functions::AddFront},
    {funcid::AddEnd, &functions::AddEnd},
    {funcid::DeleteFirstChar, &functions::DeleteFirstChar},
    {funcid::DeleteLastChar, &functions::DeleteLastChar},
    {funcid::DeleteFirstWord, &functions::DeleteFirstWord},
    {funcid::DeleteLastWord, &functions::DeleteLastWord},
    {funcid::MultilineComment, &functions::MultilineComment},
    {funcid::InsertAfterWord, &functions::InsertAfterWord},
    {funcid::InsertBeforeWord, &functions::InsertBeforeWord},
    {funcid::InsertVAR_AfterWord, &functions::InsertVAR_AfterWord},
    {funcid::InsertVAR_BeforeWord, &functions::InsertVAR_BeforeWord},
    {funcid::SwapWords, &functions::SwapWords},
    {funcid::AlignOnSign, &functions::AlignOnSign},
    {funcid::AlignOnWord, &functions::AlignOnWord},
    {funcid::LinesEqualToLongestPadLeft, &functions::LinesEqualToLongestPadLeft},
    {funcid::LinesEqualToLongestPadRight, &functions::LinesEqualToLongestPadRight},
    {funcid::NumbersLeft, &functions::NumbersLeft},
    {funcid::NumbersRight, &functions::NumbersRight},
    {funcid::UpperCaseAll, &functions::UpperCaseAll},
    {funcid::LowerCaseAll, &functions::LowerCaseAll},
    {funcid::UpperCaseFirstCharacterInWords, &functions::UpperCaseFirstCharacterInWords},
    {funcid::BackSlashToForwardSlash, &functions::BackSlashToForwardSlash},
    {funcid::ForwardSlashToBackSlash, &functions::ForwardSlashToBackSlash},
    {funcid::ConvertTabsTo, &functions::ConvertTabsTo},
    {funcid::EscapeCharacter, &functions::EscapeCharacter},
    {funcid::Replace, &functions::Replace},
    {funcid::RemoveDublicateSpaces, &functions::RemoveDublicateSpaces},
    {funcid::RemoveSpaceAndTabs, &functions::RemoveSpaceAndTabs},
    {funcid::RemoveTheseCharacters, &functions::RemoveTheseCharacters},
    {funcid::RemoveThisFromFront, &functions::RemoveThisFromFront},
    {funcid::RemoveFromToEnd, &functions::RemoveFromToEnd},
    {funcid::RemoveUpTo, &functions::RemoveUpTo},
    {funcid::Trim, &functions::Trim},
    {funcid::TrimLeft, &functions::TrimLeft},
    {funcid::TrimRight, &functions::TrimRight},
    {funcid::TrimSpecial, &functions::TrimSpecial},
    {funcid::TrimSpecialLeft, &functions::TrimSpecialLeft},
    {funcid::TrimSpecialRight, &functions::TrimSpecialRight},
    {funcid::Trim_NG_ReplySigns, &functions::Trim_NG_ReplySigns},
    {funcid::RemoveEmptyLines, &functions::RemoveEmptyLines},
    {funcid::RemoveLineBreaks, &functions::RemoveLineBreaks},
    {funcid::WordsToLines, &functions::WordsToLines},
    {funcid::WordSeparators, &functions::WordSeparators},
    {funcid::Sort, &functions::Sort},
    {funcid::SortOnWordNr, &functions::SortOnWordNr},
    {funcid::SortOnWordAfterSign, &functions::SortOnWordAfterSign},
    {funcid::SortOnWordBeforeSign, &functions::SortOnWordBeforeSign},
    {funcid::BreakLines, &functions::BreakLines},
    {funcid::BreakLinesAfter, &functions::BreakLinesAfter},
    {funcid::BreakLinesBefore, &functions::BreakLinesBefore},
    {funcid::Break_NG_ReplyLines, &functions::Break_NG_ReplyLines},
    {funcid::LoadFromClipboard, &functions::LoadFromClipboard},
    {funcid::ReloadClipboardData, &functions::ReloadClipboardData},
    {funcid::SaveToClipboard, &functions::SaveToClipboard},
    {funcid::Clear, &functions::Clear},
    {funcid::ClearClipboard, &functions::ClearClipboard},
    {funcid::RemoveFormatting, &functions::RemoveFormatting},
    {funcid::Copy_Ctrl_C_ToClipboard, &functions::Copy_Ctrl_C_ToClipboard},
    {funcid::Copy_Ctrl_Insert_ToClipboard, &functions::Copy_Ctrl_Insert_ToClipboard},
    {funcid::Paste, &functions::Paste},
    {funcid::PasteAfterLines, &functions::PasteAfterLines},
    {funcid::PasteBeforeLines, &functions::PasteBeforeLines},
    {funcid::PasteAsLines, &functions::PasteAsLines},
    {funcid::PasteAsBlock, &functions::PasteAsBlock},
    {funcid::SendKeyboardCombinaton, &functions::SendKeyboardCombinaton},
    {funcid::Sleep, &functions::Sleep},
    {funcid::CurrentDateTimeInsertTop, &functions::CurrentDateTimeInsertTop},
    {funcid::CurrentDateTimeInsertBottom, &functions::CurrentDateTimeInsertBottom},
    {funcid::CurrentDateTimePaste, &functions::CurrentDateTimePaste},
    {funcid::CurrentDateTimeType, &functions::CurrentDateTimeType},
};

}  // namespace

TFunctionHandler FindHandler(std::int32_t id) {
  for (const TRegisteredFunction& entry : Registry) {
    if (entry.Id == id)
      return entry.Handler;
  }
  return nullptr;
}

std::vector<std::int32_t> RegisteredIds() {
  std::vector<std::int32_t> ids;
  for (const TRegisteredFunction& entry : Registry)
    ids.push_back(entry.Id);
  return ids;
}

}  // namespace tolvane::modifier
