#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/Unicode.h"
#include "modifier/Qxcliptxt.h"
#include "platform/native/Nativecodepages.h"
#include "platform/native/Nativelocale.h"
#include "platform/recording/Recordingservices.h"

namespace tolvane::modifier {

// Recording services with the real en_US locale, and interpreters built over them.
class ModifierTest : public ::testing::Test {
 protected:
  // A new interpreter over the clipboard text (nullopt: a clipboard without text). Setting up the clipboard
  // is not recorded, so the trace starts with what construction did.
  std::unique_ptr<TQxClipTxt> Make(std::optional<std::u16string> clipboard = std::nullopt) {
    Doubles.Clipboard.ChangeExternally(std::move(clipboard));
    return std::make_unique<TQxClipTxt>(
        Doubles.Services(), [this] { MainWindowShown.push_back(Doubles.MessageBox.Requests().size()); });
  }

  [[nodiscard]] static bool Run(TQxClipTxt& clip, std::u16string_view script) {
    return clip.RunScript(SplitScriptLines(script));
  }

  std::string Trace() const { return Doubles.Recorder.Trace(); }

  native::TNativeLocale Locale{"en_US"};
  native::TNativeCodePages CodePages;
  recording::TRecordingServices Doubles{Locale, CodePages};
  // How many messages had been shown each time the main window was brought forward.
  std::vector<std::size_t> MainWindowShown;
};

// Each line's text, followed by "\r\n" when the line has a break.
inline std::vector<std::string> LineTexts(const TClipLines& lines) {
  std::vector<std::string> texts;
  for (const TClipLine& line : lines)
    texts.push_back(Utf16ToUtf8(line.Text) + (line.HasLineBreak ? "\r\n" : ""));
  return texts;
}

inline std::vector<std::string> Utf8Texts(const std::vector<std::u16string>& texts) {
  std::vector<std::string> result;
  for (const std::u16string& text : texts)
    result.push_back(Utf16ToUtf8(text));
  return result;
}

}  // namespace tolvane::modifier
