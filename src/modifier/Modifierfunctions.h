#pragma once
// The functions scripts call, one handler each, registered in Functionregistry. Arguments arrive parsed, in
// the order of the function's parameters; a handler reports its own problems and never stops the run.

#include "modifier/Var.h"

namespace tolvane::modifier {

class TQxClipTxt;

namespace functions {

// Ends of each line (Endfunctions).
void AddFront(TQxClipTxt& clip, const TArgs& args);
void AddEnd(TQxClipTxt& clip, const TArgs& args);
void DeleteFirstChar(TQxClipTxt& clip, const TArgs& args);
void DeleteLastChar(TQxClipTxt& clip, const TArgs& args);
void DeleteFirstWord(TQxClipTxt& clip, const TArgs& args);
void DeleteLastWord(TQxClipTxt& clip, const TArgs& args);
void MultilineComment(TQxClipTxt& clip, const TArgs& args);

// Insertions at word N (Wordfunctions).
void InsertAfterWord(TQxClipTxt& clip, const TArgs& args);
void InsertBeforeWord(TQxClipTxt& clip, const TArgs& args);
void InsertVAR_AfterWord(TQxClipTxt& clip, const TArgs& args);
void InsertVAR_BeforeWord(TQxClipTxt& clip, const TArgs& args);
void SwapWords(TQxClipTxt& clip, const TArgs& args);

// Columns and numbering (Alignfunctions, Numberfunctions).
void AlignOnSign(TQxClipTxt& clip, const TArgs& args);
void AlignOnWord(TQxClipTxt& clip, const TArgs& args);
void LinesEqualToLongestPadLeft(TQxClipTxt& clip, const TArgs& args);
void LinesEqualToLongestPadRight(TQxClipTxt& clip, const TArgs& args);
void NumbersLeft(TQxClipTxt& clip, const TArgs& args);
void NumbersRight(TQxClipTxt& clip, const TArgs& args);

// Characters and case (Charfunctions).
void UpperCaseAll(TQxClipTxt& clip, const TArgs& args);
void LowerCaseAll(TQxClipTxt& clip, const TArgs& args);
void UpperCaseFirstCharacterInWords(TQxClipTxt& clip, const TArgs& args);
void BackSlashToForwardSlash(TQxClipTxt& clip, const TArgs& args);
void ForwardSlashToBackSlash(TQxClipTxt& clip, const TArgs& args);
void ConvertTabsTo(TQxClipTxt& clip, const TArgs& args);
void EscapeCharacter(TQxClipTxt& clip, const TArgs& args);
void Replace(TQxClipTxt& clip, const TArgs& args);

// Removals and trims (Removefunctions, Trimfunctions).
void RemoveDublicateSpaces(TQxClipTxt& clip, const TArgs& args);
void RemoveSpaceAndTabs(TQxClipTxt& clip, const TArgs& args);
void RemoveTheseCharacters(TQxClipTxt& clip, const TArgs& args);
void RemoveThisFromFront(TQxClipTxt& clip, const TArgs& args);
void RemoveFromToEnd(TQxClipTxt& clip, const TArgs& args);
void RemoveUpTo(TQxClipTxt& clip, const TArgs& args);
void Trim(TQxClipTxt& clip, const TArgs& args);
void TrimLeft(TQxClipTxt& clip, const TArgs& args);
void TrimRight(TQxClipTxt& clip, const TArgs& args);
void TrimSpecial(TQxClipTxt& clip, const TArgs& args);
void TrimSpecialLeft(TQxClipTxt& clip, const TArgs& args);
void TrimSpecialRight(TQxClipTxt& clip, const TArgs& args);
void Trim_NG_ReplySigns(TQxClipTxt& clip, const TArgs& args);

// The line list as a whole (Linelistfunctions, Sortfunctions, Breakfunctions).
void RemoveEmptyLines(TQxClipTxt& clip, const TArgs& args);
void RemoveLineBreaks(TQxClipTxt& clip, const TArgs& args);
void WordsToLines(TQxClipTxt& clip, const TArgs& args);
void WordSeparators(TQxClipTxt& clip, const TArgs& args);
void Sort(TQxClipTxt& clip, const TArgs& args);
void SortOnWordNr(TQxClipTxt& clip, const TArgs& args);
void SortOnWordAfterSign(TQxClipTxt& clip, const TArgs& args);
void SortOnWordBeforeSign(TQxClipTxt& clip, const TArgs& args);
void BreakLines(TQxClipTxt& clip, const TArgs& args);
void BreakLinesAfter(TQxClipTxt& clip, const TArgs& args);
void BreakLinesBefore(TQxClipTxt& clip, const TArgs& args);
void Break_NG_ReplyLines(TQxClipTxt& clip, const TArgs& args);

// The system clipboard and the target window's own copy and paste (Clipboardfunctions).
void LoadFromClipboard(TQxClipTxt& clip, const TArgs& args);
void ReloadClipboardData(TQxClipTxt& clip, const TArgs& args);
void SaveToClipboard(TQxClipTxt& clip, const TArgs& args);
void Clear(TQxClipTxt& clip, const TArgs& args);
void ClearClipboard(TQxClipTxt& clip, const TArgs& args);
void RemoveFormatting(TQxClipTxt& clip, const TArgs& args);
void Copy_Ctrl_C_ToClipboard(TQxClipTxt& clip, const TArgs& args);
void Copy_Ctrl_Insert_ToClipboard(TQxClipTxt& clip, const TArgs& args);
void Paste(TQxClipTxt& clip, const TArgs& args);

// Keys into the target window, and waiting (Typingfunctions).
void PasteAfterLines(TQxClipTxt& clip, const TArgs& args);
void PasteBeforeLines(TQxClipTxt& clip, const TArgs& args);
void PasteAsLines(TQxClipTxt& clip, const TArgs& args);
void PasteAsBlock(TQxClipTxt& clip, const TArgs& args);
void SendKeyboardCombinaton(TQxClipTxt& clip, const TArgs& args);
void Sleep(TQxClipTxt& clip, const TArgs& args);

// The current date and time (Datefunctions).
void CurrentDateTimeInsertTop(TQxClipTxt& clip, const TArgs& args);
void CurrentDateTimeInsertBottom(TQxClipTxt& clip, const TArgs& args);
void CurrentDateTimePaste(TQxClipTxt& clip, const TArgs& args);
void CurrentDateTimeType(TQxClipTxt& clip, const TArgs& args);

}  // namespace functions
}  // namespace tolvane::modifier
