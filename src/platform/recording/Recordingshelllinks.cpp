#include "platform/recording/Recordingshelllinks.h"

#include <utility>

namespace tolvane::recording {

bool TRecordingShellLinks::Create(const platform::TShellLink& link, std::u16string_view linkFile) {
  if (NextFailure) {
    Error = std::exchange(NextFailure, std::nullopt).value();
    return false;
  }
  Links.push_back({link, std::u16string(linkFile)});
  return true;
}

}  // namespace tolvane::recording
