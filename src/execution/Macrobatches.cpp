#include "execution/Macrobatches.h"

#include <optional>

#include "platform/Virtualkeys.h"

namespace tolvane::execution {
namespace {

void AppendKey(std::uint16_t code, bool extended, bool up, std::vector<platform::TKeyRecord>& records,
               TKeyState& keyState) {
  std::uint32_t flags = extended ? platform::KeyFlagExtended : 0;
  if (up)
    flags |= platform::KeyFlagUp;
  records.push_back({code, 0, flags});
  if (code < KeyStateSize)
    keyState.set(code, !up);
}

void AppendCharacter(std::uint16_t codeUnit, std::vector<platform::TKeyRecord>& records) {
  records.push_back({0, codeUnit, platform::KeyFlagUnicode});
  records.push_back({0, codeUnit, platform::KeyFlagUnicode | platform::KeyFlagUp});
}

bool IsCharacter(TInputKind kind) {
  return kind == TInputKind::Character;
}

// The records one event injects (none for a pause), keeping the key state up to date.
void AppendRecords(const TInputItem& item, std::vector<platform::TKeyRecord>& records, TKeyState& keyState) {
  switch (item.Kind) {
    case TInputKind::KeyDown:
      AppendKey(item.Code, item.Extended, false, records, keyState);
      break;
    case TInputKind::KeyUp:
      AppendKey(item.Code, item.Extended, true, records, keyState);
      break;
    case TInputKind::KeyPress:
      AppendKey(item.Code, item.Extended, false, records, keyState);
      AppendKey(item.Code, item.Extended, true, records, keyState);
      break;
    case TInputKind::Character:
      AppendCharacter(item.Code, records);
      break;
    case TInputKind::Pause:
      break;
  }
}

}  // namespace

TMacroBatches BuildBatches(std::span<const TInputItem> items) {
  TMacroBatches built;
  std::optional<TInputKind> openedBy;  // empty while there is no current batch
  bool afterEnter = false;
  for (const TInputItem& item : items) {
    if (item.Kind == TInputKind::Pause) {
      built.Batches.push_back({PauseDelayMs, {}});
      openedBy.reset();
      afterEnter = false;
      continue;
    }
    const bool switchesKind =
        openedBy && *openedBy != item.Kind && (IsCharacter(*openedBy) || IsCharacter(item.Kind));
    if (!openedBy || afterEnter || switchesKind) {
      built.Batches.emplace_back();
      openedBy = item.Kind;
    }
    AppendRecords(item, built.Batches.back().Events, built.KeyState);
    afterEnter = item.Kind == TInputKind::KeyUp && item.Code == platform::vk::Enter;
  }
  return built;
}

}  // namespace tolvane::execution
