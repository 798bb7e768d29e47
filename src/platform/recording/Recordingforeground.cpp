#include "platform/recording/Recordingforeground.h"

#include <utility>

namespace tolvane::recording {

bool TRecordingForeground::Set(platform::TWindowHandle window) {
  ++SetCount;
  if (FailingSets > 0) {
    --FailingSets;
    return false;
  }
  if (!IsWindow(window))
    return false;
  Front = window;
  Recorder.Record(TForegroundAction{window});
  return true;
}

std::u16string TRecordingForeground::ClassName(platform::TWindowHandle window) {
  const auto found = Windows.find(window);
  return found == Windows.end() ? std::u16string() : found->second.ClassName;
}

bool TRecordingForeground::IsOwnWindow(platform::TWindowHandle window) {
  const auto found = Windows.find(window);
  return found != Windows.end() && found->second.Own;
}

std::u16string TRecordingForeground::Title(platform::TWindowHandle window) {
  const auto found = Windows.find(window);
  return found == Windows.end() ? std::u16string() : found->second.Title;
}

platform::TInputAccess TRecordingForeground::InputAccess(platform::TWindowHandle window) {
  const auto found = Windows.find(window);
  if (found == Windows.end())
    return platform::TInputAccess::Gone;
  return found->second.Elevated ? platform::TInputAccess::Refused : platform::TInputAccess::Allowed;
}

void TRecordingForeground::SetTitle(platform::TWindowHandle window, std::u16string title) {
  Windows[window].Title = std::move(title);
}

void TRecordingForeground::SetElevated(platform::TWindowHandle window, bool elevated) {
  Windows[window].Elevated = elevated;
}

void TRecordingForeground::AddWindow(platform::TWindowHandle window, std::u16string className, bool own) {
  Windows[window] = TWindow{std::move(className), own, {}, false};
}

void TRecordingForeground::RemoveWindow(platform::TWindowHandle window) {
  Windows.erase(window);
  if (Front == window)
    Front = 0;
}

}  // namespace tolvane::recording
