#include "platform/recording/Recordingmessagebox.h"

#include "platform/portable/Defaultanswer.h"

namespace tolvane::recording {

platform::TMsgResult TRecordingMessageBox::Show(const platform::TMsgRequest& request) {
  Shown.push_back(request);
  Recorder.Record(TMessageAction{request.Caption, request.Text, request.Kind, request.Buttons});
  if (Answers.empty())
    return portable::DefaultAnswer(request.Buttons);
  const platform::TMsgResult answer = Answers.front();
  Answers.pop_front();
  return answer;
}

}  // namespace tolvane::recording
