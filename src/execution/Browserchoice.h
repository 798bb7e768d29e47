#pragma once
// The browser of a web-site item. The edit panel stores the chosen browser's registered name (empty for the
// default browser), which stays right when the menu file moves to a machine where the browser lies
// elsewhere; menu files may also hold a program path. Opening the site turns either form into a program.

#include <string>
#include <string_view>

#include "execution/Browser.h"
#include "platform/Files.h"
#include "platform/Messagebox.h"
#include "platform/Registry.h"

namespace tolvane::execution {

// The program of a registered browser command as the list holds it: the text before an inner double quote
// (arguments after a quoted program), trailing blanks removed.
std::u16string BrowserProgramOf(std::u16string_view command);

// What a web-site item stores for a chosen list entry: its name, or empty for "Default Browser".
std::u16string StoredBrowserValue(const TBrowserEntry& entry);

// The entry the browser list selects for a stored value: "Default Browser" (else the first entry) for an
// empty one; the entry of that name, exactly or else ignoring ASCII case, as registry names compare; the
// entry whose program is that path, ignoring ASCII case; otherwise a new entry for the value
// (FindOrAddBrowser). -1 only for an empty value and an empty list.
int BrowserListIndex(TBrowserList& list, std::u16string_view stored);

struct TBrowserChoice {
  enum class TKind {
    DefaultBrowser,  // nothing chosen
    Program,         // open the site with Program
    Unavailable,     // the chosen browser is not here: the default browser stands in
  };
  TKind Kind = TKind::DefaultBrowser;
  std::u16string Program;
  // A stored path that no longer names a file is dropped from the item in memory; a browser name is kept,
  // as the same menu file may be used where that browser is installed.
  bool ForgetStored = false;

  bool operator==(const TBrowserChoice&) const = default;
};
// An existing file named by the stored value is used as it is; a name is looked up in the installed list.
TBrowserChoice ResolveBrowser(std::u16string_view stored, const TBrowserList& installed,
                              platform::IFiles& files);
// The same, reading the installed browsers only when the stored value is a name.
TBrowserChoice ResolveBrowser(std::u16string_view stored, platform::IRegistry& registry,
                              platform::IFiles& files, platform::IMessageBox& messageBox);

}  // namespace tolvane::execution
