#pragma once

#include <deque>
#include <utility>
#include <vector>

#include "platform/Filedialogs.h"
#include "platform/recording/Recorder.h"

namespace tolvane::recording {

// Answers open and save dialogs from one script, in the order they are shown; once the script is used up,
// as a user who cancels. Every dialog reaches the recorder.
class TRecordingFileDialogs final : public platform::IFileDialogs {
 public:
  explicit TRecordingFileDialogs(TRecorder& recorder) : Recorder(recorder) {}

  [[nodiscard]] platform::TFileDialogResult OpenFile(const platform::TFileDialogRequest& request) override;
  [[nodiscard]] platform::TFileDialogResult SaveFile(const platform::TFileDialogRequest& request) override;

  void QueueAnswer(platform::TFileDialogResult answer) { Answers.push_back(std::move(answer)); }
  void QueueChosen(std::u16string path) {
    QueueAnswer(platform::TFileDialogResult::ChosenFile(std::move(path)));
  }
  const std::vector<TFileDialogAction>& Shown() const { return Dialogs; }

 private:
  platform::TFileDialogResult Answer(TFileDialogKind kind, const platform::TFileDialogRequest& request);

  TRecorder& Recorder;
  std::deque<platform::TFileDialogResult> Answers;
  std::vector<TFileDialogAction> Dialogs;
};

}  // namespace tolvane::recording
