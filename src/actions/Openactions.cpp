#include <exception>

#include "actions/Actionsteps.h"
#include "common/Unicode.h"
#include "execution/Browserchoice.h"
#include "execution/Shellhlpr.h"

namespace tolvane::actions::steps {
namespace {

using platform::TShellOpenRequest;
using platform::TShowCommand;

constexpr std::u16string_view MailErrorCaption = u"Error Activating Mailprogram";

void ShowMailError(const TActionHost& host, std::u16string_view message) {
  execution::ShowErrorMessage(host.Services.MessageBox, MailErrorCaption,
                              u"The message is:\r\n" + std::u16string(message));
}

}  // namespace

void OpenWithShell(const TShellOpenRequest& request, const TActionHost& host,
                   std::u16string_view failureCaption) {
  if (host.Services.Shell.Open(request))
    return;
  // A program that was moved or deleted would otherwise just not start, with nothing to tell the user why.
  (void)execution::ReportSystemError(host.Services.MessageBox, host.Services.Shell.LastError(),
                                     failureCaption, u"Could not open:\r\n" + request.File, u"");
}

// Environment variables in the fields are left to the shell; the program's current folder applies.
void PerformProgram(const storage::TItem& item, const TActionHost& host) {
  if (item.Program.empty() && item.QParams.empty())
    return;
  TShellOpenRequest request;
  request.Owner = host.MainWindow;
  request.Show = TShowCommand::ShowDefault;
  if (item.Program.empty()) {
    request.File = item.QParams;
  } else {
    request.File = item.Program;
    request.Parameters = item.QParams;
  }
  OpenWithShell(request, host, u"Error Starting Program");
}

void PerformWebsite(storage::TItem& item, const TActionHost& host) {
  if (item.Url.empty()) {
    execution::ShowInformationMessage(host.Services.MessageBox, u"Information to you",
                                      u"There is no URL to open");
    return;
  }
  if (PastedForCtrl(item, host))
    return;
  TShellOpenRequest request;
  request.Show = TShowCommand::ShowDefault;
  const execution::TBrowserChoice browser = execution::ResolveBrowser(
      item.WebBrowser, host.Services.Registry, host.Services.Files, host.Services.MessageBox);
  if (browser.Kind == execution::TBrowserChoice::TKind::Program) {
    request.File = browser.Program;
    request.Parameters = item.Url;
  } else {
    // A browser path that is gone is forgotten (the menu is not marked modified); a browser name is kept for
    // the machines where it is installed. The default browser opens the site.
    if (browser.ForgetStored)
      item.WebBrowser.clear();
    request.File = item.Url;
  }
  OpenWithShell(request, host, u"Error Opening Website");
}

void PerformMail(const storage::TItem& item, const TActionHost& host) {
  try {
    TShellOpenRequest request;
    request.File = execution::BuildMailtoUrl(item.Email, item.Cc, item.Bcc, item.Subject, item.Code);
    request.Show = TShowCommand::Normal;
    if (!host.Services.Shell.Open(request))
      ShowMailError(host, host.Services.Shell.LastError().Message);
  } catch (const execution::EQxMailToEmptyToField&) {
    ShowMailError(host, execution::MailToEmptyToFieldMessage);
  } catch (const std::exception& error) {
    ShowMailError(host, Utf8ToUtf16(error.what()));
  }
}

}  // namespace tolvane::actions::steps
