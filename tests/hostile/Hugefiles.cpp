#include "Hugefiles.h"

#include <string>

namespace tolvane::hostile {
namespace {

constexpr std::string_view Head =
    "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TolvaneDataFile>";
constexpr std::string_view Tail = "</TolvaneDataFile>";

constexpr std::size_t NestingDepth = 1'000'000;
constexpr std::string_view ItemStart = "<Item Type=\"2\" Img=\"-1\">";
constexpr std::string_view ItemEnd = "</Item>";

constexpr std::size_t LongValueBytes = 100U << 20;
constexpr std::string_view LongStart = "<Item Type=\"";
constexpr std::string_view LongEnd = "\" Img=\"-1\"><Name>a</Name></Item>";

void Repeat(std::ostream& out, std::string_view piece, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i)
    out << piece;
}

void WriteNestedItems(std::ostream& out) {
  out << Head;
  Repeat(out, ItemStart, NestingDepth);
  Repeat(out, ItemEnd, NestingDepth);
  out << Tail;
}

// The value of "Type" is 100 MB of digits and letters: not a number, and far too long to quote in full.
void WriteLongAttribute(std::ostream& out) {
  out << Head << LongStart;
  const std::string block(1U << 20, '7');
  for (std::size_t written = 0; written < LongValueBytes; written += block.size())
    out << block;
  out << 'x' << LongEnd << Tail;
}

constexpr THugeMenu Menus[] = {
    {"nested_1000000_items", "Illigal XML\n",
     Head.size() + NestingDepth*(ItemStart.size() + ItemEnd.size()) + Tail.size(), WriteNestedItems},
    {"type_100mb", "'7777777777777777777777777777777777777777...' is not a valid integer value\n",
     Head.size() + LongStart.size() + LongValueBytes + 1 + LongEnd.size() + Tail.size(), WriteLongAttribute},
};

}  // namespace

std::span<const THugeMenu> HugeMenus() {
  return Menus;
}

}  // namespace tolvane::hostile
