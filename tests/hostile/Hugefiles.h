#pragma once
// Hostile menu files too large to commit, written at test time, with the words a load of each must give.

#include <cstddef>
#include <ostream>
#include <span>
#include <string_view>

namespace tolvane::hostile {

struct THugeMenu {
  std::string_view Name;      // file name without extension
  std::string_view Expected;  // what "tolvane-cli menu check" prints for it
  std::size_t Size;           // bytes the file has
  void (*Write)(std::ostream& out);
};

std::span<const THugeMenu> HugeMenus();

}  // namespace tolvane::hostile
