#include "platform/recording/Recorder.h"

#include <algorithm>
#include <utility>

#include "platform/recording/Trace.h"

namespace tolvane::recording {

namespace {

std::size_t TimesOf(const TAction& action) {
  const auto* batch = std::get_if<TKeyBatchAction>(&action);
  return batch != nullptr ? batch->Times : 1;
}

}  // namespace

void TRecorder::Record(TAction action) {
  if (Keeping)
    Log.push_back(std::move(action));
}

void TRecorder::RecordKeys(std::span<const platform::TKeyRecord> records) {
  if (!Keeping)
    return;
  if (!Log.empty()) {
    auto* last = std::get_if<TKeyBatchAction>(&Log.back());
    if (last != nullptr && std::ranges::equal(last->Records, records)) {
      ++last->Times;
      return;
    }
  }
  Log.push_back(TKeyBatchAction{{records.begin(), records.end()}});
}

void TRecorder::RecordClipboardSet(std::u16string_view text, bool forPaste) {
  if (Keeping)
    Log.push_back(TClipboardSetAction{std::u16string(text), forPaste});
}

std::vector<std::string> TRecorder::TraceLines() const {
  std::vector<std::string> lines;
  lines.reserve(Log.size());
  for (const TAction& action : Log) {
    std::string line = TraceLine(action);
    for (std::size_t i = 1; i < TimesOf(action); ++i)
      lines.push_back(line);
    lines.push_back(std::move(line));
  }
  return lines;
}

std::string TRecorder::Trace() const {
  std::string text;
  for (const TAction& action : Log) {
    const std::string line = TraceLine(action);
    for (std::size_t i = 0; i < TimesOf(action); ++i) {
      text += line;
      text += '\n';
    }
  }
  return text;
}

}  // namespace tolvane::recording
