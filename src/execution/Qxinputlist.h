#pragma once

#include <string>
#include <vector>

#include "execution/Inputitem.h"
#include "execution/Macrobatches.h"

namespace tolvane::execution {

// The input events of one keystroke macro, parsed when the list is made, and the injection calls they are
// played as. Lives for one run of one macro.
class TQxInputList {
 public:
  explicit TQxInputList(std::u16string text);

  const std::u16string& Text() const { return MacroText; }
  const std::vector<TInputItem>& Items() const { return InputItems; }
  // Filled by BuildBatches.
  const std::vector<TExecuteItem>& Batches() const { return ExecuteItems; }
  const TKeyState& KeyState() const { return PressedAtEnd; }

  // Replaces the batches and key state with those made from the items.
  void BuildBatches();

 private:
  std::u16string MacroText;
  std::vector<TInputItem> InputItems;
  std::vector<TExecuteItem> ExecuteItems;
  TKeyState PressedAtEnd;
};

}  // namespace tolvane::execution
