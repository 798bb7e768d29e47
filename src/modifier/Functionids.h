#pragma once
// The codes scripts are dispatched on. They are stored nowhere, but the editor and the interpreter share
// them, so they never change once given.

#include <cstdint>

namespace tolvane::modifier::funcid {

inline constexpr std::int32_t Skip = -10;  // empty line, a line starting with "(", the separator entry
inline constexpr std::int32_t Unknown = -1;

inline constexpr std::int32_t LoadFromClipboard = 10;
inline constexpr std::int32_t FirstLineAreVars = 13;
inline constexpr std::int32_t ApplyToThisTemplateBegin = 15;
inline constexpr std::int32_t AddFront = 20;
inline constexpr std::int32_t AddEnd = 30;
inline constexpr std::int32_t AlignOnSign = 34;
inline constexpr std::int32_t AlignOnWord = 35;
inline constexpr std::int32_t BackSlashToForwardSlash = 38;
inline constexpr std::int32_t Break_NG_ReplyLines = 40;
inline constexpr std::int32_t BreakLines = 50;
inline constexpr std::int32_t BreakLinesAfter = 54;
inline constexpr std::int32_t BreakLinesBefore = 56;
inline constexpr std::int32_t Copy_Ctrl_C_ToClipboard = 58;
inline constexpr std::int32_t Copy_Ctrl_Insert_ToClipboard = 59;
inline constexpr std::int32_t ConvertTabsTo = 60;
inline constexpr std::int32_t CurrentDateTimeInsertTop = 63;
inline constexpr std::int32_t CurrentDateTimeInsertBottom = 64;
inline constexpr std::int32_t CurrentDateTimePaste = 65;
inline constexpr std::int32_t CurrentDateTimeType = 66;
inline constexpr std::int32_t DeleteFirstChar = 70;
inline constexpr std::int32_t DeleteFirstWord = 80;
inline constexpr std::int32_t DeleteLastChar = 90;
inline constexpr std::int32_t DeleteLastWord = 100;
inline constexpr std::int32_t EscapeCharacter = 103;
inline constexpr std::int32_t ForwardSlashToBackSlash = 106;
inline constexpr std::int32_t InsertAfterWord = 109;
inline constexpr std::int32_t InsertBeforeWord = 110;
inline constexpr std::int32_t InsertVAR_AfterWord = 114;
inline constexpr std::int32_t InsertVAR_BeforeWord = 115;
inline constexpr std::int32_t LinesEqualToLongestPadLeft = 120;
inline constexpr std::int32_t LinesEqualToLongestPadRight = 130;
inline constexpr std::int32_t LowerCaseAll = 134;
inline constexpr std::int32_t MultilineComment = 137;
inline constexpr std::int32_t NumbersLeft = 140;
inline constexpr std::int32_t NumbersRight = 150;
inline constexpr std::int32_t Replace = 160;
inline constexpr std::int32_t SendKeyboardCombinaton = 161;
inline constexpr std::int32_t Sleep = 163;
inline constexpr std::int32_t Sort = 165;
inline constexpr std::int32_t SortOnWordNr = 170;
inline constexpr std::int32_t SortOnWordAfterSign = 180;
inline constexpr std::int32_t SortOnWordBeforeSign = 190;
inline constexpr std::int32_t SwapWords = 195;
inline constexpr std::int32_t Trim = 200;
inline constexpr std::int32_t TrimLeft = 210;
inline constexpr std::int32_t Trim_NG_ReplySigns = 220;
inline constexpr std::int32_t TrimRight = 230;
inline constexpr std::int32_t TrimSpecial = 231;
inline constexpr std::int32_t TrimSpecialLeft = 232;
inline constexpr std::int32_t TrimSpecialRight = 233;
inline constexpr std::int32_t UpperCaseAll = 236;
inline constexpr std::int32_t UpperCaseFirstCharacterInWords = 237;
inline constexpr std::int32_t WordSeparators = 240;
inline constexpr std::int32_t WordsToLines = 245;
inline constexpr std::int32_t SaveToClipboard = 250;
inline constexpr std::int32_t Paste = 260;
inline constexpr std::int32_t PasteAfterLines = 265;
inline constexpr std::int32_t PasteAsLines = 270;
inline constexpr std::int32_t PasteAsBlock = 280;
inline constexpr std::int32_t PasteBeforeLines = 290;
inline constexpr std::int32_t Clear = 560;
inline constexpr std::int32_t ClearClipboard = 570;
inline constexpr std::int32_t ReloadClipboardData = 810;
inline constexpr std::int32_t RemoveDublicateSpaces = 820;
inline constexpr std::int32_t RemoveEmptyLines = 830;
inline constexpr std::int32_t RemoveFormatting = 840;
inline constexpr std::int32_t RemoveFromToEnd = 845;
inline constexpr std::int32_t RemoveLineBreaks = 850;
inline constexpr std::int32_t RemoveSpaceAndTabs = 860;
inline constexpr std::int32_t RemoveTheseCharacters = 870;
inline constexpr std::int32_t RemoveThisFromFront = 880;
inline constexpr std::int32_t RemoveUpTo = 890;

}  // namespace tolvane::modifier::funcid
