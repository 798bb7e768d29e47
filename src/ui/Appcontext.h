#pragma once
// What the program's windows share, built once by the entry point and handed to every window: the platform
// services, the settings and what their read left for the write at close, the menu with its file state, and
// the windows of other programs that were in front (where a pick pastes). The recent files are part of the
// settings (MruList).

#include "execution/Foregroundhistory.h"
#include "platform/Services.h"
#include "storage/Globals.h"
#include "storage/Itemfile.h"
#include "storage/Settingsfilestate.h"

namespace tolvane::ui {

struct TAppContext {
  explicit TAppContext(const platform::TServices& services)
      : Services(services), Menu(storage::TMenuFileServices::From(services)) {}
  TAppContext(const TAppContext&) = delete;
  TAppContext& operator=(const TAppContext&) = delete;

  platform::TServices Services;
  storage::TSettings Settings;
  storage::TSettingsFileState SettingsFile;
  storage::TMenuFile Menu;  // RootItem, ProgramItem, MenuModified, MenuFileReadOnly
  execution::TForegroundHistory ForegroundHistory;
};

}  // namespace tolvane::ui
