#include "platform/win32/Filedialogs.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "common/Filedialogtext.h"
#include "platform/win32/Win.h"

// After Win.h, so the dialog header sees the same Windows configuration.
#include <cderr.h>
#include <commdlg.h>

namespace tolvane::win32 {
namespace {

// Room for the longest path Windows takes (\\?\ form), so a chosen path is never cut at MAX_PATH.
constexpr std::size_t PathBufferSize = 32768;

enum class TDialogKind { Open, Save };

const wchar_t* OrNull(const std::wstring& text) {
  return text.empty() ? nullptr : text.c_str();
}

// GetOpenFileNameW moves the working folder to wherever the user browsed, OFN_NOCHANGEDIR or not; the
// program resolves relative paths against it, so it is put back.
class TKeepWorkingFolder {
 public:
  TKeepWorkingFolder() {
    Folder.resize(PathBufferSize);
    const DWORD length = ::GetCurrentDirectoryW(static_cast<DWORD>(Folder.size()), Folder.data());
    Folder.resize(length < Folder.size() ? length : 0);
  }
  TKeepWorkingFolder(const TKeepWorkingFolder&) = delete;
  TKeepWorkingFolder& operator=(const TKeepWorkingFolder&) = delete;
  ~TKeepWorkingFolder() {
    if (!Folder.empty())
      ::SetCurrentDirectoryW(Folder.c_str());
  }

 private:
  std::wstring Folder;
};

DWORD DialogFlags(TDialogKind kind, const platform::TFileDialogRequest& request) {
  DWORD flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_ENABLESIZING;
  if (kind == TDialogKind::Open && request.FileMustExist)
    flags |= OFN_FILEMUSTEXIST;
  if (kind == TDialogKind::Save && request.PromptOverwrite)
    flags |= OFN_OVERWRITEPROMPT;
  return flags;
}

// CommDlgExtendedError's codes have no system message text.
platform::TSystemError FileDialogError(DWORD code) {
  const char16_t* text = nullptr;
  switch (code) {
    case FNERR_BUFFERTOOSMALL:
      text = u"The chosen file name is too long.";
      break;
    case FNERR_INVALIDFILENAME:
      text = u"The file name is not valid.";
      break;
    case CDERR_MEMALLOCFAILURE:
    case CDERR_MEMLOCKFAILURE:
      text = u"There is not enough memory to show the file dialog.";
      break;
    case CDERR_DIALOGFAILURE:
    case CDERR_INITIALIZATION:
    case CDERR_LOADRESFAILURE:
    case CDERR_FINDRESFAILURE:
    case CDERR_LOADSTRFAILURE:
      text = u"The file dialog could not be shown.";
      break;
    default:
      break;
  }
  if (text != nullptr)
    return {code, text};
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "The file dialog failed (error 0x%04lX).",
                static_cast<unsigned long>(code));
  return {code, std::u16string(buffer, buffer + std::char_traits<char>::length(buffer))};
}

// One run of the dialog; the initial file name is given separately so a retry can leave it out.
platform::TFileDialogResult RunDialog(TDialogKind kind, const platform::TFileDialogRequest& request,
                                      std::u16string_view initialFileName) {
  const std::wstring title = Wide(request.Title);
  const std::wstring filters = Wide(FilterListText(request.Filters));
  const std::wstring extension = Wide(DefaultExtensionText(request.DefaultExtension));
  const std::wstring folder = Wide(request.InitialFolder);
  std::vector<wchar_t> file(PathBufferSize, L'\0');
  if (initialFileName.size() < file.size())
    std::copy(initialFileName.begin(), initialFileName.end(), file.begin());

  OPENFILENAMEW dialog;
  ::ZeroMemory(&dialog, sizeof dialog);
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = reinterpret_cast<HWND>(request.Owner);
  dialog.lpstrFilter = OrNull(filters);
  dialog.nFilterIndex = filters.empty() ? 0 : 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = OrNull(folder);
  dialog.lpstrTitle = OrNull(title);
  dialog.lpstrDefExt = OrNull(extension);
  dialog.Flags = DialogFlags(kind, request);

  const TKeepWorkingFolder workingFolder;
  const BOOL chosen = kind == TDialogKind::Open ? ::GetOpenFileNameW(&dialog) : ::GetSaveFileNameW(&dialog);
  if (chosen)
    return platform::TFileDialogResult::ChosenFile(Narrow16(file.data()));
  const DWORD error = ::CommDlgExtendedError();
  if (error == 0)
    return platform::TFileDialogResult::Cancelled();
  return platform::TFileDialogResult::Failed(FileDialogError(error));
}

platform::TFileDialogResult Run(TDialogKind kind, const platform::TFileDialogRequest& request) {
  platform::TFileDialogResult result = RunDialog(kind, request, request.InitialFileName);
  // A stale or mistyped initial name (one from a settings file, say) must not keep the dialog from opening.
  if (result.Outcome == platform::TFileDialogOutcome::Failed && result.Error.Code == FNERR_INVALIDFILENAME &&
      !request.InitialFileName.empty())
    result = RunDialog(kind, request, u"");
  return result;
}

}  // namespace

platform::TFileDialogResult TFileDialogs::OpenFile(const platform::TFileDialogRequest& request) {
  return Run(TDialogKind::Open, request);
}

platform::TFileDialogResult TFileDialogs::SaveFile(const platform::TFileDialogRequest& request) {
  return Run(TDialogKind::Save, request);
}

}  // namespace tolvane::win32
