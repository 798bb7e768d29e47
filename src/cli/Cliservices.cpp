#include "cli/Cliservices.h"

#ifdef _WIN32
#include "common/Unicode.h"
#include "platform/win32/Win32services.h"
#else
#include <unicode/locid.h>

#include "platform/native/Localename.h"
#include "platform/native/Nativeservices.h"
#endif

namespace tolvane::cli {
namespace {

TCliOptionError UnknownLocale(const std::string& name) {
  return TCliOptionError("unknown locale '" + name + "'");
}

}  // namespace

#ifdef _WIN32
namespace {

// POSIX names work here too, so one command line serves both systems: "da_DK.UTF-8" is "da-DK".
std::u16string WindowsLocaleName(const std::string& name) {
  std::u16string windowsName = Utf8ToUtf16(name.substr(0, name.find_first_of(".@")));
  for (char16_t& c : windowsName) {
    if (c == u'_')
      c = u'-';
  }
  return windowsName;
}

std::optional<win32::TLocale> NamedLocale(const std::string& name) {
  if (name.empty())
    return std::nullopt;
  const std::optional<std::uint32_t> id = win32::LocaleIdOfName(WindowsLocaleName(name));
  if (!id)
    throw UnknownLocale(name);
  return win32::TLocale(*id);
}

}  // namespace

struct TCliServices::THost {
  explicit THost(const TCliServiceOptions& options) : Named(NamedLocale(options.LocaleName)) {}

  platform::TServices Services() { return Set.Services(); }
  platform::ILocale& Locale() { return Named ? *Named : Set.Services().Locale; }

  win32::TWin32Services Set;
  std::optional<win32::TLocale> Named;
};
#else
namespace {

// ICU serves any name, falling back to its root locale; a language it has no data for is a mistyped name.
bool IcuKnowsLanguage(const std::string& icuId) {
  const icu::Locale wanted(icuId.c_str());
  if (wanted.isBogus())
    return false;
  int32_t count = 0;
  const icu::Locale* available = icu::Locale::getAvailableLocales(count);
  for (int32_t i = 0; i < count; ++i) {
    if (std::string_view(available[i].getLanguage()) == wanted.getLanguage())
      return true;
  }
  return false;
}

native::TNativeOptions NativeOptions(const TCliServiceOptions& options) {
  if (options.System)
    throw TCliOptionError("--system is only available on Windows");
  if (!options.LocaleName.empty() && !IcuKnowsLanguage(native::IcuLocaleId(options.LocaleName)))
    throw UnknownLocale(options.LocaleName);
  return {options.LocaleName, 1252, options.MessageStream};
}

}  // namespace

struct TCliServices::THost {
  explicit THost(const TCliServiceOptions& options) : Set(NativeOptions(options)) {}

  platform::TServices Services() { return Set.Services(); }
  platform::ILocale& Locale() { return Set.Locale; }

  native::TNativeServices Set;
};
#endif

platform::TMsgResult TTracedMessageBox::Show(const platform::TMsgRequest& request) {
  Recorder.Record(recording::TMessageAction{request.Caption, request.Text, request.Kind, request.Buttons});
  return Shown.Show(request);
}

TCliServices::TCliServices(const TCliServiceOptions& options)
    : StreamBox(*options.MessageStream),
      Host(std::make_unique<THost>(options)),
      Doubles(std::make_unique<recording::TRecordingServices>(Host->Services().Locale,
                                                              Host->Services().CodePages)),
      TracedBox(StreamBox, Doubles->Recorder),
      Time(Host->Services().Time, Doubles->Recorder,
           options.VirtualTime ? recording::TTracedTime::TWaits::Virtual
                               : recording::TTracedTime::TWaits::Real),
      System(options.System) {
  if (options.FixedNow)
    Time.FixNow(*options.FixedNow);
}

TCliServices::~TCliServices() = default;

platform::TServices TCliServices::Services() {
  const platform::TServices host = Host->Services();
  recording::TRecordingServices& doubles = *Doubles;
  // What reaches the desktop: the real services for the system set, else the doubles.
  platform::IClipboard& clipboard = System ? host.Clipboard : doubles.Clipboard;
  platform::IKeyboard& keyboard = System ? host.Keyboard : doubles.Keyboard;
  platform::IShell& shell = System ? host.Shell : doubles.Shell;
  platform::IForegroundWindow& foreground = System ? host.Foreground : doubles.Foreground;
  platform::IFileDialogs& fileDialogs = System ? host.FileDialogs : doubles.FileDialogs;
  return {clipboard,
          keyboard,
          shell,
          host.Registry,
          host.KnownFolders,
          foreground,
          Host->Locale(),
          host.CodePages,
          host.Files,
          Time,
          TracedBox,
          host.Program,
          host.SystemColors,
          host.ShellLinks,
          host.Fonts,
          host.VersionStrings,
          fileDialogs};
}

}  // namespace tolvane::cli
