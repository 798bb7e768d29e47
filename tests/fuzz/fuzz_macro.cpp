// Keystroke macro text: parsing, grouping into injection calls and playing them through the recording
// keyboard on the virtual clock, with injection cut short at times.

#include <optional>
#include <string>
#include <variant>

#include "Fuzzsupport.h"
#include "execution/Macroparser.h"
#include "execution/Macroplayer.h"
#include "execution/Qxinputlist.h"
#include "platform/recording/Recordingservices.h"

namespace {

using namespace tolvane;
using execution::TInputItem;
using execution::TInputKind;
using execution::TKeyState;
using platform::TKeyRecord;

bool IsKey(TInputKind kind) {
  return kind == TInputKind::KeyDown || kind == TInputKind::KeyUp;
}

void CheckItems(const std::u16string& text, const std::vector<TInputItem>& items) {
  fuzz::Check(items.size() <= text.size(), "more events than characters");
  for (const TInputItem& item : items) {
    fuzz::Check(IsKey(item.Kind) || item.Kind == TInputKind::Character || item.Kind == TInputKind::Pause,
                "the parser made kind " + std::to_string(static_cast<int>(item.Kind)));
    if (item.Kind == TInputKind::Pause)
      fuzz::Check(item.Code == execution::PauseCode && !item.Extended, "a pause with a code");
    if (IsKey(item.Kind)) {
      fuzz::Check(item.Code < execution::PauseCode, "key code " + std::to_string(item.Code));
      fuzz::Check(item.Extended == execution::IsExtendedKey(item.Code), "extended flag of a key");
    }
    if (item.Kind == TInputKind::Character)
      fuzz::Check(!item.Extended, "an extended character");
  }
}

// Each call holds either typed characters or virtual keys; a pause is a call of its own with no events; an
// Enter release ends its call; and the key state is what the events leave down.
void CheckBatches(const std::vector<TInputItem>& items, const execution::TMacroBatches& built) {
  std::size_t records = 0;
  std::size_t pauses = 0;
  TKeyState down;
  for (const TInputItem& item : items) {
    if (item.Kind == TInputKind::Pause)
      ++pauses;
    records += item.Kind == TInputKind::Character ? 2 : IsKey(item.Kind) ? 1 : 0;
    if (IsKey(item.Kind))
      down.set(item.Code, item.Kind == TInputKind::KeyDown);
  }
  std::size_t batchRecords = 0;
  std::size_t batchPauses = 0;
  for (const execution::TExecuteItem& batch : built.Batches) {
    if (batch.Events.empty()) {
      fuzz::Check(batch.Delay == execution::PauseDelayMs, "an empty call that is no pause");
      ++batchPauses;
      continue;
    }
    fuzz::Check(batch.Delay == 0, "a call with events and a delay");
    const bool typed = (batch.Events.front().Flags & platform::KeyFlagUnicode) != 0;
    for (std::size_t i = 0; i < batch.Events.size(); ++i) {
      const TKeyRecord& record = batch.Events[i];
      fuzz::Check(((record.Flags & platform::KeyFlagUnicode) != 0) == typed, "a call mixes text and keys");
      const bool enterUp = !typed && record.VirtualKey == 0x0D && (record.Flags & platform::KeyFlagUp) != 0;
      fuzz::Check(!enterUp || i + 1 == batch.Events.size(), "an Enter release inside a call");
    }
    batchRecords += batch.Events.size();
  }
  fuzz::Check(batchRecords == records,
              "the calls hold " + std::to_string(batchRecords) + " records, not " + std::to_string(records));
  fuzz::Check(batchPauses == pauses, "pauses lost or made");
  fuzz::Check(built.KeyState == down, "the key state is not what the events leave down");
}

// Keys the injected records leave down.
TKeyState Injected(const recording::TRecorder& recorder) {
  TKeyState down;
  for (const recording::TAction& action : recorder.Actions()) {
    if (const auto* batch = std::get_if<recording::TKeyBatchAction>(&action)) {
      for (const TKeyRecord& record : batch->Records) {
        if ((record.Flags & platform::KeyFlagUnicode) == 0 && record.VirtualKey < down.size())
          down.set(record.VirtualKey, (record.Flags & platform::KeyFlagUp) == 0);
      }
    }
  }
  return down;
}

void CheckPlaying(execution::TQxInputList& list, int repeats, std::optional<std::size_t> limit) {
  recording::TRecorder recorder;
  recording::TRecordingKeyboard keyboard(recorder);
  recording::TRecordingTime time(recorder);
  keyboard.LimitInjection(limit);
  const bool played = execution::PlayInputList(list, repeats, keyboard, time);
  bool fits = true;
  for (const recording::TKeyBatchAction& batch : keyboard.Batches())
    fits = fits && (!limit || batch.Records.size() <= *limit);
  fuzz::Check(played == fits, played ? "a cut-off call was not reported" : "a complete playback failed");
  if (!played)
    return;
  fuzz::Check(Injected(recorder).none(), "a played macro leaves keys down");
  std::uint64_t expected = 0;
  for (const execution::TExecuteItem& batch : list.Batches())
    expected += batch.Events.empty() ? batch.Delay : execution::BatchGapMs;
  fuzz::Check(time.TickCount() == expected * static_cast<std::uint64_t>(repeats),
              "the playback slept " + std::to_string(time.TickCount()) + " ms");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes = fuzz::Bytes(data, size);
  const std::uint8_t selector = fuzz::TakeByte(bytes);
  const int repeats = selector & 3;
  const std::size_t cut = selector >> 2;
  const std::optional<std::size_t> limit = cut == 0 ? std::nullopt : std::optional<std::size_t>(cut - 1);

  execution::TQxInputList list(Utf8ToUtf16(bytes));
  CheckItems(list.Text(), list.Items());
  CheckBatches(list.Items(), execution::BuildBatches(list.Items()));
  CheckPlaying(list, repeats, limit);
  return 0;
}
