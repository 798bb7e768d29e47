#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tolvane::storage {

// An item's text field: one pointer in the item, and a block with the text only while there is one. A menu
// holds tens of thousands of items with fifteen such fields, most of them empty, so a full string object per
// field made every item several times the size of its usual content. The block is a heap block of its own,
// or lies in memory that outlives the item (the slabs a menu file's items are read into), which the text
// then never frees. Reads as a std::u16string_view; assigned from any text.
class TItemText {
 public:
  TItemText() noexcept = default;
  // Implicit, as the field was a string: item.Url = u"..." and TItemText(view) read the same.
  TItemText(std::u16string_view text) { Assign(text); }  // NOLINT(google-explicit-constructor)
  TItemText(const TItemText& other) { Assign(other.View()); }
  TItemText(TItemText&& other);
  TItemText& operator=(const TItemText& other) {
    Assign(other.View());
    return *this;
  }
  TItemText& operator=(TItemText&& other);
  TItemText& operator=(std::u16string_view text) {
    Assign(text);
    return *this;
  }
  ~TItemText() { Release(); }

  // The bytes a block for a text of so many units takes, a multiple of 8.
  static std::size_t BlockBytes(std::size_t units) noexcept;
  // Stores the text in memory of BlockBytes(text.size()) bytes, 8-aligned, that the caller keeps until
  // the field is destroyed and frees itself.
  void AssignPlaced(void* memory, std::u16string_view text) noexcept;

  // Implicit, so the field passes wherever a view is taken; a string copy is asked for with Str().
  operator std::u16string_view() const noexcept { return View(); }  // NOLINT(google-explicit-constructor)
  std::u16string_view View() const noexcept;
  std::u16string Str() const { return std::u16string(View()); }
  bool empty() const noexcept { return Bits == 0; }
  std::size_t size() const noexcept { return View().size(); }
  // Null-terminated; "" when empty.
  const char16_t* c_str() const noexcept;
  void clear() noexcept;
  TItemText& operator+=(std::u16string_view more);

  friend bool operator==(const TItemText& a, const TItemText& b) noexcept { return a.View() == b.View(); }
  friend bool operator==(const TItemText& a, std::u16string_view b) noexcept { return a.View() == b; }
  friend std::u16string operator+(const TItemText& a, std::u16string_view b) { return a.Str().append(b); }
  friend std::u16string operator+(std::u16string a, const TItemText& b) { return a.append(b.View()); }

 private:
  struct THead;
  static constexpr std::uintptr_t Placed = 1;  // the low bit: the block is not the text's to free

  THead* Head() const noexcept { return reinterpret_cast<THead*>(Bits & ~Placed); }
  // Both assignments copy before they free, so a text may be assigned a piece of itself.
  static std::uintptr_t Write(void* memory, std::u16string_view text) noexcept;
  void Assign(std::u16string_view text);
  // Inline: an item's destruction releases fifteen fields, nearly all empty or placed.
  void Release() noexcept {
    if (Bits != 0 && (Bits & Placed) == 0)
      FreeBlock();
    Bits = 0;
  }
  void FreeBlock() noexcept;

  std::uintptr_t Bits = 0;  // the block's address, and Placed; 0 for an empty text
};

}  // namespace tolvane::storage
