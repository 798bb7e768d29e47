#pragma once

#include <string>
#include <string_view>

#include "common/Qxptrvector.h"

namespace tolvane::storage {

// One attribute of an element or processing instruction. The value is kept verbatim, neither escaped nor
// decoded, so it must not hold its quote character or ">".
class TTagAttribute {
 public:
  TTagAttribute() = default;
  TTagAttribute(std::u16string_view name, std::u16string_view value) : Name(name), Value(value) {}
  virtual ~TTagAttribute() = default;

  int NameLength() const { return static_cast<int>(Name.size()); }
  int ValueLength() const { return static_cast<int>(Value.size()); }

  std::u16string Name;
  std::u16string Value;
};

using TTagAttribVec = TQxPtrVector<TTagAttribute>;

}  // namespace tolvane::storage
