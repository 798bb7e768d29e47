#include "storage/Itemslabs.h"

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <new>
#include <utility>

#include "storage/Item.h"
#include "storage/Itemtext.h"

namespace tolvane::storage {
namespace {

// In front of every item: the slab it lies in, or null for a single heap block. Keeps the item aligned as
// the heap would.
struct alignas(alignof(std::max_align_t)) THeader {
  void* Slab = nullptr;
};

constexpr std::size_t RoundUp(std::size_t size, std::size_t alignment) {
  return (size + alignment - 1) / alignment * alignment;
}

constexpr std::size_t SlotBytes = RoundUp(sizeof(THeader) + sizeof(TItem), alignof(std::max_align_t));
// About 37 KB: well below the size from which heaps map pages of their own for a block.
constexpr std::size_t SlotsPerSlab = 64;

THeader* HeaderOf(void* object) {
  return static_cast<THeader*>(object) - 1;
}

}  // namespace

// Texts of the slab's items, packed one after another in the Capacity bytes that follow this header.
struct alignas(8) TTextChunk {
  static constexpr std::size_t DefaultBytes = 16384 - 64;

  TTextChunk* Next = nullptr;
  std::size_t Used = 0;
  std::size_t Capacity = 0;

  unsigned char* Bytes() { return reinterpret_cast<unsigned char*>(this + 1); }
  static TTextChunk* Make(std::size_t capacity, TTextChunk* next) {
    auto* chunk = new (::operator new(sizeof(TTextChunk) + capacity)) TTextChunk;
    chunk->Next = next;
    chunk->Capacity = capacity;
    return chunk;
  }
};

struct TItemSlabs::TSlab {
  ~TSlab() {
    while (Texts != nullptr)
      ::operator delete(std::exchange(Texts, Texts->Next));
  }
  void* AllocateText(std::size_t bytes) {
    if (Texts == nullptr || Texts->Capacity - Texts->Used < bytes)
      Texts = TTextChunk::Make(std::max(bytes, TTextChunk::DefaultBytes), Texts);
    void* memory = Texts->Bytes() + Texts->Used;
    Texts->Used += bytes;
    return memory;
  }

  // Items alive in the slab, and one more while a reader still fills it.
  std::atomic<std::size_t> Uses{1};
  TTextChunk* Texts = nullptr;
  alignas(alignof(std::max_align_t)) unsigned char Slots[SlotsPerSlab * SlotBytes];
};

TItemSlabs::~TItemSlabs() {
  if (Current != nullptr)
    Drop(Current);
}

void* TItemSlabs::Allocate(std::size_t size) {
  assert(size <= SlotBytes - sizeof(THeader));
  (void)size;
  if (Current == nullptr || Used == SlotsPerSlab) {
    // The new slab first: when the heap is exhausted the reader keeps a valid state.
    TSlab* slab = new TSlab;
    if (Current != nullptr)
      Drop(Current);
    Current = slab;
    Used = 0;
  }
  auto* header = new (Current->Slots + Used * SlotBytes) THeader{Current};
  ++Used;
  Current->Uses.fetch_add(1, std::memory_order_relaxed);
  return header + 1;
}

void* TItemSlabs::AllocateSingle(std::size_t size) {
  auto* header = new (::operator new(sizeof(THeader) + size)) THeader{};
  return header + 1;
}

void TItemSlabs::PlaceText(const void* object, TItemText& field, std::u16string_view text) {
  auto* slab = static_cast<TSlab*>(HeaderOf(const_cast<void*>(object))->Slab);
  if (slab == nullptr || text.empty()) {
    field = text;
    return;
  }
  field.AssignPlaced(slab->AllocateText(TItemText::BlockBytes(text.size())), text);
}

void TItemSlabs::Free(void* object) noexcept {
  if (object == nullptr)
    return;
  THeader* header = HeaderOf(object);
  if (header->Slab != nullptr)
    Drop(static_cast<TSlab*>(header->Slab));
  else
    ::operator delete(header);
}

void TItemSlabs::Drop(TSlab* slab) noexcept {
  if (slab->Uses.fetch_sub(1, std::memory_order_acq_rel) == 1)
    delete slab;
}

}  // namespace tolvane::storage
