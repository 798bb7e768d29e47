#include "uimodel/Dialogkeys.h"

#include <utility>

namespace tolvane::uimodel {

namespace {

bool Wants(const TFocusStop& stop, TDialogKey key) {
  switch (key) {
    case TDialogKey::Tab:
    case TDialogKey::ShiftTab:
      return stop.WantsTab;
    case TDialogKey::Enter:
      return stop.WantsEnter;
    case TDialogKey::Escape:
    case TDialogKey::Other:
      return false;
    default:
      return stop.WantsArrows;
  }
}

// The next usable tab stop after from in the direction, wrapping; -1 when there is none.
int NextTabStop(std::span<const TFocusStop> stops, int from, int step) {
  const int count = static_cast<int>(stops.size());
  int index = from < 0 ? (step > 0 ? -1 : count) : from;
  for (int tried = 0; tried < count; ++tried) {
    index = (index + step + count) % count;
    if (stops[static_cast<std::size_t>(index)].TabStop && stops[static_cast<std::size_t>(index)].Usable)
      return index;
  }
  return -1;
}

// The group holding the control: from its group start up to the next one.
std::pair<int, int> GroupOf(std::span<const TFocusStop> stops, int index) {
  int first = index;
  while (first > 0 && !stops[static_cast<std::size_t>(first)].GroupStart)
    --first;
  int end = index + 1;
  while (end < static_cast<int>(stops.size()) && !stops[static_cast<std::size_t>(end)].GroupStart)
    ++end;
  return {first, end};
}

// The next usable button of the focused control's group, wrapping.
int NextButtonInGroup(std::span<const TFocusStop> stops, int focused, int step) {
  const auto [first, end] = GroupOf(stops, focused);
  const int count = end - first;
  int index = focused;
  for (int tried = 1; tried < count; ++tried) {
    index = first + (index - first + step + count) % count;
    const TFocusStop& stop = stops[static_cast<std::size_t>(index)];
    if (stop.Button && stop.Usable)
      return index;
  }
  return focused;
}

}  // namespace

TDialogKeyAction DialogKeyAction(std::span<const TFocusStop> stops, int focused, TDialogKey key) {
  const bool valid = focused >= 0 && focused < static_cast<int>(stops.size());
  if (key == TDialogKey::Other || (valid && Wants(stops[static_cast<std::size_t>(focused)], key)))
    return {};
  switch (key) {
    case TDialogKey::Escape:
      return {TDialogKeyAction::Cancel};
    case TDialogKey::Enter:
      if (valid && stops[static_cast<std::size_t>(focused)].Button)
        return {TDialogKeyAction::ClickFocused, focused};
      return {TDialogKeyAction::ClickDefault};
    case TDialogKey::Tab:
    case TDialogKey::ShiftTab: {
      const int next = NextTabStop(stops, valid ? focused : -1, key == TDialogKey::Tab ? 1 : -1);
      return next < 0 ? TDialogKeyAction{} : TDialogKeyAction{TDialogKeyAction::Focus, next};
    }
    default:
      break;
  }
  if (!valid || !stops[static_cast<std::size_t>(focused)].Button)
    return {};
  const int step = key == TDialogKey::Left || key == TDialogKey::Up ? -1 : 1;
  return {TDialogKeyAction::Focus, NextButtonInGroup(stops, focused, step)};
}

}  // namespace tolvane::uimodel
