#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Clipboard.h"
#include "platform/recording/Recorder.h"

namespace tolvane::recording {

// An in-memory clipboard whose opens can be made to fail, as when another program holds the clipboard.
class TRecordingClipboard final : public platform::IClipboard {
 public:
  explicit TRecordingClipboard(TRecorder& recorder) : Recorder(recorder) {}

  bool HasText() override { return Content != nullptr; }
  std::optional<std::u16string> GetText() override;
  std::optional<platform::TSharedText> GetSharedText() override;
  [[nodiscard]] bool SetText(std::u16string_view text) override;
  [[nodiscard]] bool SetSharedText(platform::TSharedText text) override;
  [[nodiscard]] bool Clear() override;
  platform::TSystemError LastError() const override { return Error; }
  bool SetChangeHandler(std::function<void()> onChange) override;
  [[nodiscard]] bool SetPasteText(std::u16string_view text) override;
  bool PasteTextTaken() override { return Taken; }
  bool HoldsPasteText() override { return Marked; }
  std::optional<platform::TClipboardSnapshot> Snapshot() override;
  [[nodiscard]] bool Restore(const platform::TClipboardSnapshot& snapshot) override;

  // Whether the paste target reads a paste text at once (it does by default) or never.
  void SetTargetReadsPastes(bool reads) { TargetReads = reads; }
  // True while the content is marked to stay out of the clipboard history: a paste text or what was put back.
  bool IsMarked() const { return Marked || RestoredMarked; }
  // The next `count` calls that open the clipboard fail with the error.
  void FailNextOpens(std::size_t count, platform::TSystemError error);
  // Another program changes the clipboard: not recorded, but the change handler runs. nullopt empties it.
  void ChangeExternally(std::optional<std::u16string> text);
  // Whether SetChangeHandler reports that change notifications exist (they do by default).
  void SetNotificationsAvailable(bool available) { NotificationsAvailable = available; }
  std::optional<std::u16string_view> Text() const;
  std::size_t OpenCount() const { return Opens; }

 private:
  [[nodiscard]] bool Open();
  void Notify();

  TRecorder& Recorder;
  platform::TSharedText Content;  // null: no text
  platform::TSystemError Error;
  std::function<void()> OnChange;
  std::size_t FailingOpens = 0;
  platform::TSystemError FailingError;
  std::size_t Opens = 0;
  bool NotificationsAvailable = true;
  bool TargetReads = true;
  bool Taken = false;
  bool Marked = false;
  bool RestoredMarked = false;
};

}  // namespace tolvane::recording
