#pragma once
// Shell, registry, clipboard and message helpers over the platform services.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Clipboard.h"
#include "platform/Files.h"
#include "platform/Fonts.h"
#include "platform/Messagebox.h"
#include "platform/Programinfo.h"
#include "platform/Registry.h"
#include "platform/Shelllinks.h"
#include "platform/Versionstrings.h"

namespace tolvane::execution {

// A string value under HKEY_CURRENT_USER; empty when the key or value is missing or no string.
std::u16string ReadUserRegString(platform::IRegistry& registry, std::u16string_view keyPath,
                                 std::u16string_view valueName);

// One attempt; false when the clipboard could not be opened or written.
[[nodiscard]] bool SetClipboardText(platform::IClipboard& clipboard, std::u16string_view text);
// The clipboard's text, empty when it holds none; nullopt when it holds text that could not be read.
std::optional<std::u16string> GetClipboardText(platform::IClipboard& clipboard);

// Writes a link to target; the link file on success, empty on failure (the reason in links.LastError()).
std::u16string CreateShellLink(platform::IShellLinks& links, std::u16string_view target,
                               std::u16string_view linkFile, std::u16string_view description,
                               std::u16string_view arguments, std::u16string_view iconFile, int iconIndex);

bool IsWow64(platform::IProgramInfo& program);
// True when the file cannot be opened for writing with other writers denied, a missing file included.
bool IsFileLocked(platform::IFiles& files, std::u16string_view path);
// A value of the file's version resource ("FileVersion", "ProductName", ...); empty when it has none.
std::u16string FileVersionString(platform::IVersionStrings& versions, std::u16string_view file,
                                 std::u16string_view key);

// TrueType family names without vertical variants ("@" names) and without duplicates, in the system's order;
// the first only the fixed-pitch ones.
std::vector<std::u16string> ListFixedPitchFonts(platform::IFonts& fonts);
std::vector<std::u16string> ListTrueTypeFonts(platform::IFonts& fonts);

// Modal boxes with an Ok button.
void ShowErrorMessage(platform::IMessageBox& box, std::u16string_view caption, std::u16string_view text,
                      platform::TWindowHandle owner = 0);
void ShowInformationMessage(platform::IMessageBox& box, std::u16string_view caption, std::u16string_view text,
                            platform::TWindowHandle owner = 0);
// A question with Yes and No; true exactly when Yes was chosen.
bool AskYesNo(platform::IMessageBox& box, std::u16string_view caption, std::u16string_view text,
              platform::TWindowHandle owner = 0);
// Shows before + CR LF + the error's message + CR LF + after in an error box and returns that text.
std::u16string ReportSystemError(platform::IMessageBox& box, const platform::TSystemError& error,
                                 std::u16string_view caption, std::u16string_view before,
                                 std::u16string_view after, platform::TWindowHandle owner = 0);

}  // namespace tolvane::execution
