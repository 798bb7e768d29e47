#pragma once
// The one-line text form of recorded actions. tolvane-cli prints it for --trace, so the format is fixed:
//   clipboard "TEXT"            clipboard-clear
//   keys +11 +56 -56 -11        one key batch: +/- for down/up, the virtual key as two hex digits, 'e' for an
//                               extended key, U+XXXX for a Unicode record
//   sleep N                     a sleep or a message-pumping wait of N milliseconds
//   message "CAPTION" "TEXT"    shell-open "FILE" "PARAMS"    foreground HANDLE
//   file-dialog open|save "TITLE" "INITIAL FILE NAME"
// Texts are UTF-8 with JSON string escaping.

#include <string>
#include <string_view>

#include "platform/Keyboard.h"
#include "platform/recording/Recorder.h"

namespace tolvane::recording {

// The line of one action; a key batch sent Times times in a row is that many of these lines in a trace.
std::string TraceLine(const TAction& action);

// The text in double quotes with JSON string escapes.
std::string JsonQuoted(std::u16string_view text);
std::string KeyRecordText(const platform::TKeyRecord& record);

}  // namespace tolvane::recording
