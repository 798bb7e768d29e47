#include "platform/recording/Trace.h"

#include <cstdio>

#include "common/Unicode.h"

namespace tolvane::recording {
namespace {

std::string Hex(unsigned value, int digits) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*X", digits, value);
  return buffer;
}

std::string EscapedChar(char c) {
  switch (c) {
    case '"':
      return "\\\"";
    case '\\':
      return "\\\\";
    case '\b':
      return "\\b";
    case '\f':
      return "\\f";
    case '\n':
      return "\\n";
    case '\r':
      return "\\r";
    case '\t':
      return "\\t";
    default:
      break;
  }
  if (static_cast<unsigned char>(c) < 0x20)
    return "\\u" + Hex(static_cast<unsigned char>(c), 4);
  return std::string(1, c);
}

std::string KeysLine(const TKeyBatchAction& batch) {
  std::string line = "keys";
  for (const platform::TKeyRecord& record : batch.Records)
    line += ' ' + KeyRecordText(record);
  return line;
}

struct TLineWriter {
  std::string operator()(const TClipboardSetAction& a) const {
    return (a.ForPaste ? "clipboard-paste " : "clipboard ") + JsonQuoted(a.Text);
  }
  std::string operator()(const TClipboardClearAction&) const { return "clipboard-clear"; }
  std::string operator()(const TClipboardRestoreAction& a) const {
    return "clipboard-restore " + std::to_string(a.Formats);
  }
  std::string operator()(const TKeyBatchAction& a) const { return KeysLine(a); }
  std::string operator()(const TSleepAction& a) const { return "sleep " + std::to_string(a.Milliseconds); }
  std::string operator()(const TWaitAction& a) const { return "sleep " + std::to_string(a.Milliseconds); }
  std::string operator()(const TMessageAction& a) const {
    return "message " + JsonQuoted(a.Caption) + ' ' + JsonQuoted(a.Text);
  }
  std::string operator()(const TShellOpenAction& a) const {
    return "shell-open " + JsonQuoted(a.Request.File) + ' ' + JsonQuoted(a.Request.Parameters);
  }
  std::string operator()(const TForegroundAction& a) const {
    return "foreground " + std::to_string(a.Window);
  }
  std::string operator()(const TFileDialogAction& a) const {
    return std::string("file-dialog ") + (a.Kind == TFileDialogKind::Open ? "open " : "save ") +
           JsonQuoted(a.Request.Title) + ' ' + JsonQuoted(a.Request.InitialFileName);
  }
};

}  // namespace

std::string JsonQuoted(std::u16string_view text) {
  std::string quoted = "\"";
  for (const char c : Utf16ToUtf8(text))
    quoted += EscapedChar(c);
  quoted += '"';
  return quoted;
}

std::string KeyRecordText(const platform::TKeyRecord& record) {
  std::string text = (record.Flags & platform::KeyFlagUp) != 0 ? "-" : "+";
  if ((record.Flags & platform::KeyFlagUnicode) != 0) {
    text += "U+" + Hex(record.ScanCode, 4);
  } else {
    text += Hex(record.VirtualKey, 2);
  }
  if ((record.Flags & platform::KeyFlagExtended) != 0)
    text += 'e';
  return text;
}

std::string TraceLine(const TAction& action) {
  return std::visit(TLineWriter{}, action);
}

}  // namespace tolvane::recording
