#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "platform/Clipboard.h"
#include "platform/recording/Recorder.h"

namespace tolvane::recording {

// An in-memory clipboard whose opens can be made to fail, as when another program holds the clipboard.
class TRecordingClipboard final : public platform::IClipboard {
 public:
  explicit TRecordingClipboard(TRecorder& recorder) : Recorder(recorder) {}

  bool HasText() override { return Content.has_value(); }
  std::optional<std::u16string> GetText() override;
  [[nodiscard]] bool SetText(std::u16string_view text) override;
  [[nodiscard]] bool Clear() override;
  platform::TSystemError LastError() const override { return Error; }
  bool SetChangeHandler(std::function<void()> onChange) override;

  // The next `count` calls that open the clipboard fail with the error.
  void FailNextOpens(std::size_t count, platform::TSystemError error);
  // Another program changes the clipboard: not recorded, but the change handler runs. nullopt empties it.
  void ChangeExternally(std::optional<std::u16string> text);
  // Whether SetChangeHandler reports that change notifications exist (they do by default).
  void SetNotificationsAvailable(bool available) { NotificationsAvailable = available; }
  const std::optional<std::u16string>& Text() const { return Content; }
  std::size_t OpenCount() const { return Opens; }

 private:
  [[nodiscard]] bool Open();
  void Notify();

  TRecorder& Recorder;
  std::optional<std::u16string> Content;
  platform::TSystemError Error;
  std::function<void()> OnChange;
  std::size_t FailingOpens = 0;
  platform::TSystemError FailingError;
  std::size_t Opens = 0;
  bool NotificationsAvailable = true;
};

}  // namespace tolvane::recording
