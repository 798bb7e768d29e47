#pragma once

#include <atomic>
#include <cstddef>
#include <string_view>

namespace tolvane::storage {

// Where a menu file's items are made while it is read: side by side in slabs of many items instead of one
// heap block each, so that building the tree and later freeing it cost one heap call per slab. The texts
// read into an item's fields lie in its slab too, in chunks the slab frees with itself. A slab
// returns to the heap when its last item is destroyed, whatever tree the item was moved to meanwhile, so
// items stay as independent as any other: moved, kept for undo, deleted one by one. Items made elsewhere
// (the editor, the program's own menus) are single heap blocks and never keep a slab alive.
class TItemText;

class TItemSlabs {
 public:
  TItemSlabs() = default;
  ~TItemSlabs();
  TItemSlabs(const TItemSlabs&) = delete;
  TItemSlabs& operator=(const TItemSlabs&) = delete;

  // Room for one object of the size (at most that of a TItem); TItem's operator new calls this.
  void* Allocate(std::size_t size);
  // Frees an object that either form of TItem's operator new returned.
  static void Free(void* object) noexcept;
  // A single heap block with room for one object of the size, for items made outside a read.
  static void* AllocateSingle(std::size_t size);
  // Stores the text in a field of an object that Allocate made, in the object's slab.
  static void PlaceText(const void* object, TItemText& field, std::u16string_view text);

 private:
  struct TSlab;
  static void Drop(TSlab* slab) noexcept;

  TSlab* Current = nullptr;  // the slab being filled; this reader holds one use of it
  std::size_t Used = 0;      // its slots handed out
};

}  // namespace tolvane::storage
