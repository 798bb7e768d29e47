#pragma once

#include <deque>
#include <vector>

#include "platform/Messagebox.h"
#include "platform/recording/Recorder.h"

namespace tolvane::recording {

// Answers boxes from a script; once the script is used up, with portable::DefaultAnswer.
class TRecordingMessageBox final : public platform::IMessageBox {
 public:
  explicit TRecordingMessageBox(TRecorder& recorder) : Recorder(recorder) {}

  platform::TMsgResult Show(const platform::TMsgRequest& request) override;

  void QueueAnswer(platform::TMsgResult answer) { Answers.push_back(answer); }
  const std::vector<platform::TMsgRequest>& Requests() const { return Shown; }

 private:
  TRecorder& Recorder;
  std::deque<platform::TMsgResult> Answers;
  std::vector<platform::TMsgRequest> Shown;
};

}  // namespace tolvane::recording
