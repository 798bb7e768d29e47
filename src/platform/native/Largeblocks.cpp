// The native program's operator new: large blocks on transparent huge pages.
//
// A script run over a text of some megabytes writes several blocks as large as the text (the bytes read, the
// UTF-16 text, the list of lines, the joined result), and every 4 KB page of them is a page fault on first
// touch. On virtual machines a fault costs several microseconds, and for a text of 8 MB the faults were half
// the run. A block of 2 MB or more is therefore placed on 2 MB boundaries and marked for huge pages, so that
// one fault maps 2 MB. The kernel falls back to small pages when no huge page is free, and ignores the mark
// when huge pages are switched off. Smaller blocks stay with malloc as they are. Every block, large or not,
// is a malloc block, so the library's operator delete (free) frees either.

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

constexpr std::size_t HugePage = std::size_t{2} << 20;

void* Allocate(std::size_t size) noexcept {
  if (size < HugePage)
    return std::malloc(size == 0 ? 1 : size);
  if (size > SIZE_MAX - HugePage)
    return nullptr;
  // Whole huge pages, so the marked range is the block's own.
  const std::size_t rounded = (size + HugePage - 1) & ~(HugePage - 1);
  void* block = std::aligned_alloc(HugePage, rounded);
  if (block != nullptr)
    (void)::madvise(block, rounded, MADV_HUGEPAGE);  // only advice: without it the block still works
  return block;
}

void* AllocateOrThrow(std::size_t size) {
  for (;;) {
    if (void* block = Allocate(size))
      return block;
    const std::new_handler handler = std::get_new_handler();
    if (handler == nullptr)
      throw std::bad_alloc();
    handler();
  }
}

}  // namespace

void* operator new(std::size_t size) {
  return AllocateOrThrow(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return AllocateOrThrow(size);
  } catch (...) {
    return nullptr;
  }
}

void operator delete(void* block) noexcept {
  std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
  std::free(block);
}

// The array forms are the single ones.
void* operator new[](std::size_t size) {
  return ::operator new(size);
}

void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
  return ::operator new(size, tag);
}

void operator delete[](void* block) noexcept {
  ::operator delete(block);
}

void operator delete[](void* block, std::size_t) noexcept {
  ::operator delete(block);
}
