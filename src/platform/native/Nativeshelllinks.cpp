#include "platform/native/Nativeshelllinks.h"

#include <cerrno>
#include <fstream>
#include <utility>
#include <vector>

#include "common/Unicode.h"
#include "platform/native/Nativepath.h"
#include "platform/native/Posixerror.h"

namespace tolvane::native {
namespace {

// The escapes of the desktop-entry string type.
std::string EntryValue(std::u16string_view text) {
  std::string value;
  for (const char c : Utf16ToUtf8(text)) {
    switch (c) {
      case '\\':
        value += "\\\\";
        break;
      case '\n':
        value += "\\n";
        break;
      case '\r':
        value += "\\r";
        break;
      case '\t':
        value += "\\t";
        break;
      default:
        value += c;
    }
  }
  return value;
}

// One Exec argument in double quotes; inside them these four characters need a backslash, and a percent sign
// is doubled so it is not taken for a field code.
std::u16string ExecArgument(std::u16string_view argument) {
  std::u16string quoted = u"\"";
  for (const char16_t c : argument) {
    if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
      quoted += u'\\';
    quoted += c;
    if (c == u'%')
      quoted += u'%';
  }
  return quoted + u'"';
}

// Link arguments come as one Windows-style command line: blanks outside double quotes separate them.
std::vector<std::u16string> SplitArguments(std::u16string_view commandLine) {
  std::vector<std::u16string> arguments;
  std::u16string current;
  bool quoted = false;
  bool started = false;
  for (const char16_t c : commandLine) {
    if (c == u' ' && !quoted) {
      if (started)
        arguments.push_back(std::exchange(current, {}));
      started = false;
      continue;
    }
    if (c == u'"')
      quoted = !quoted;
    else
      current += c;
    started = true;
  }
  if (started)
    arguments.push_back(std::move(current));
  return arguments;
}

}  // namespace

std::string DesktopEntryText(const platform::TShellLink& link, std::u16string_view name) {
  std::u16string exec = ExecArgument(link.Target);
  for (const std::u16string& argument : SplitArguments(link.Arguments))
    exec += u' ' + ExecArgument(argument);
  std::string text = "[Desktop Entry]\nType=Application\nName=" + EntryValue(name) + "\n";
  if (!link.Description.empty())
    text += "Comment=" + EntryValue(link.Description) + "\n";
  text += "Exec=" + EntryValue(exec) + "\n";
  if (!link.IconFile.empty())
    text += "Icon=" + EntryValue(link.IconFile) + "\n";
  return text;
}

bool TNativeShellLinks::Create(const platform::TShellLink& link, std::u16string_view linkFile) {
  const std::filesystem::path path = NativePath(linkFile);
  const std::string text = DesktopEntryText(link, PathText(path.stem()));
  errno = 0;
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(text.data(), static_cast<std::streamsize>(text.size()));
  file.close();  // a failing write or close leaves the stream failed
  if (!file.fail())
    return true;
  Error = ErrnoError(errno != 0 ? errno : EIO);
  return false;
}

}  // namespace tolvane::native
