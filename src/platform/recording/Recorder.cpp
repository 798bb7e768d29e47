#include "platform/recording/Recorder.h"

#include <utility>

#include "platform/recording/Trace.h"

namespace tolvane::recording {

void TRecorder::Record(TAction action) {
  Log.push_back(std::move(action));
}

std::vector<std::string> TRecorder::TraceLines() const {
  std::vector<std::string> lines;
  lines.reserve(Log.size());
  for (const TAction& action : Log)
    lines.push_back(TraceLine(action));
  return lines;
}

std::string TRecorder::Trace() const {
  std::string text;
  for (const TAction& action : Log) {
    text += TraceLine(action);
    text += '\n';
  }
  return text;
}

}  // namespace tolvane::recording
