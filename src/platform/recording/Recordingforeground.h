#pragma once

#include <cstddef>
#include <map>
#include <string>

#include "platform/Foreground.h"
#include "platform/recording/Recorder.h"

namespace tolvane::recording {

// A scripted desktop: the windows that exist, their class names, which are the program's own, and which is in
// front. Successful Set calls are recorded.
class TRecordingForeground final : public platform::IForegroundWindow {
 public:
  explicit TRecordingForeground(TRecorder& recorder) : Recorder(recorder) {}

  platform::TWindowHandle Get() override { return Front; }
  [[nodiscard]] bool Set(platform::TWindowHandle window) override;
  std::u16string ClassName(platform::TWindowHandle window) override;
  bool IsOwnWindow(platform::TWindowHandle window) override;
  bool IsWindow(platform::TWindowHandle window) override { return Windows.contains(window); }
  std::u16string Title(platform::TWindowHandle window) override;
  platform::TInputAccess InputAccess(platform::TWindowHandle window) override;

  void AddWindow(platform::TWindowHandle window, std::u16string className, bool own = false);
  void SetTitle(platform::TWindowHandle window, std::u16string title);
  // The window's program runs with higher rights, so input sent to it is dropped.
  void SetElevated(platform::TWindowHandle window, bool elevated);
  // The window is destroyed; when it was in front, nothing is.
  void RemoveWindow(platform::TWindowHandle window);
  // Another program brings a window to the front; not recorded.
  void BringToFront(platform::TWindowHandle window) { Front = window; }
  // The next `count` Set calls fail although the window exists, as when the system refuses the switch.
  void FailNextSets(std::size_t count) { FailingSets = count; }
  std::size_t SetCalls() const { return SetCount; }

 private:
  struct TWindow {
    std::u16string ClassName;
    bool Own = false;
    std::u16string Title;
    bool Elevated = false;
  };

  TRecorder& Recorder;
  std::map<platform::TWindowHandle, TWindow> Windows;
  platform::TWindowHandle Front = 0;
  std::size_t FailingSets = 0;
  std::size_t SetCount = 0;
};

}  // namespace tolvane::recording
