#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Shelllinks.h"

namespace tolvane::recording {

// Keeps the links as written, by file; a test can make the next writes fail.
class TRecordingShellLinks final : public platform::IShellLinks {
 public:
  struct TWritten {
    platform::TShellLink Link;
    std::u16string File;

    bool operator==(const TWritten&) const = default;
  };

  [[nodiscard]] bool Create(const platform::TShellLink& link, std::u16string_view linkFile) override;
  platform::TSystemError LastError() const override { return Error; }

  // The next Create fails with the error and writes nothing.
  void FailNextCreate(platform::TSystemError error) { NextFailure = std::move(error); }
  // Successful writes in order.
  const std::vector<TWritten>& Written() const { return Links; }

 private:
  std::vector<TWritten> Links;
  std::optional<platform::TSystemError> NextFailure;
  platform::TSystemError Error;
};

}  // namespace tolvane::recording
