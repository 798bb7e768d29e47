#include "storage/Itemtext.h"

#include <algorithm>
#include <new>

namespace tolvane::storage {

// The length, then the units and a terminating zero.
struct TItemText::THead {
  std::size_t Size;
  char16_t* Units() { return reinterpret_cast<char16_t*>(this + 1); }
};

std::size_t TItemText::BlockBytes(std::size_t units) noexcept {
  return (sizeof(THead) + (units + 1) * sizeof(char16_t) + 7) / 8 * 8;
}

TItemText::TItemText(TItemText&& other) {
  *this = std::move(other);
}

TItemText& TItemText::operator=(TItemText&& other) {
  if (this == &other)
    return *this;
  if ((other.Bits & Placed) != 0) {
    // Placed memory lives only as long as its owner's items: the text that leaves it is copied.
    Assign(other.View());
    return *this;
  }
  Release();
  Bits = other.Bits;
  other.Bits = 0;
  return *this;
}

// Writes the block into memory of BlockBytes(text.size()) bytes and returns its address.
std::uintptr_t TItemText::Write(void* memory, std::u16string_view text) noexcept {
  THead* head = new (memory) THead{text.size()};
  std::copy(text.begin(), text.end(), head->Units());
  head->Units()[text.size()] = u'\0';
  return reinterpret_cast<std::uintptr_t>(head);
}

void TItemText::AssignPlaced(void* memory, std::u16string_view text) noexcept {
  const std::uintptr_t bits = text.empty() ? 0 : Write(memory, text) | Placed;
  Release();
  Bits = bits;
}

std::u16string_view TItemText::View() const noexcept {
  return Bits == 0 ? std::u16string_view() : std::u16string_view(Head()->Units(), Head()->Size);
}

const char16_t* TItemText::c_str() const noexcept {
  return Bits == 0 ? u"" : Head()->Units();
}

void TItemText::clear() noexcept {
  Release();
}

TItemText& TItemText::operator+=(std::u16string_view more) {
  if (!more.empty())
    Assign(Str().append(more));
  return *this;
}

void TItemText::Assign(std::u16string_view text) {
  const std::uintptr_t bits = text.empty() ? 0 : Write(::operator new(BlockBytes(text.size())), text);
  Release();
  Bits = bits;
}

void TItemText::FreeBlock() noexcept {
  ::operator delete(Head());
}

}  // namespace tolvane::storage
