#include "execution/Qxinputlist.h"

#include <utility>

#include "execution/Macroparser.h"

namespace tolvane::execution {

TQxInputList::TQxInputList(std::u16string text)
    : MacroText(std::move(text)), InputItems(ParseMacro(MacroText)) {}

void TQxInputList::BuildBatches() {
  TMacroBatches built = execution::BuildBatches(InputItems);
  ExecuteItems = std::move(built.Batches);
  PressedAtEnd = built.KeyState;
}

}  // namespace tolvane::execution
