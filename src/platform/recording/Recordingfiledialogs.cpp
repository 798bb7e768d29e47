#include "platform/recording/Recordingfiledialogs.h"

namespace tolvane::recording {

platform::TFileDialogResult TRecordingFileDialogs::OpenFile(const platform::TFileDialogRequest& request) {
  return Answer(TFileDialogKind::Open, request);
}

platform::TFileDialogResult TRecordingFileDialogs::SaveFile(const platform::TFileDialogRequest& request) {
  return Answer(TFileDialogKind::Save, request);
}

platform::TFileDialogResult TRecordingFileDialogs::Answer(TFileDialogKind kind,
                                                          const platform::TFileDialogRequest& request) {
  const TFileDialogAction shown{kind, request};
  Dialogs.push_back(shown);
  Recorder.Record(shown);
  if (Answers.empty())
    return platform::TFileDialogResult::Cancelled();
  platform::TFileDialogResult answer = std::move(Answers.front());
  Answers.pop_front();
  return answer;
}

}  // namespace tolvane::recording
