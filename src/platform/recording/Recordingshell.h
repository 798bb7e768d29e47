#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "platform/Shell.h"
#include "platform/recording/Recorder.h"

namespace tolvane::recording {

// Records open requests; only successful ones reach the recorder.
class TRecordingShell final : public platform::IShell {
 public:
  explicit TRecordingShell(TRecorder& recorder) : Recorder(recorder) {}

  [[nodiscard]] bool Open(const platform::TShellOpenRequest& request) override;
  platform::TSystemError LastError() const override { return Error; }

  // The next Open fails with the error.
  void FailNextOpen(platform::TSystemError error) { NextFailure = std::move(error); }
  // Every request, failed ones included.
  const std::vector<platform::TShellOpenRequest>& Requests() const { return Received; }

 private:
  TRecorder& Recorder;
  platform::TSystemError Error;
  std::optional<platform::TSystemError> NextFailure;
  std::vector<platform::TShellOpenRequest> Received;
};

}  // namespace tolvane::recording
