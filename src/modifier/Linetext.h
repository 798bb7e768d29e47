#pragma once
// The text of one working line. Lines made from a text view that text where it lies: a text of many lines is
// then one block, not one per line, and reading it into lines copies nothing. A line gets its own copy only
// when something edits it.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace tolvane::modifier {

// Sixteen bytes: a pointer and a length for a view, a pointer to the line's own string otherwise. A text of
// hundreds of thousands of lines is mostly views, so the list of lines is what a line costs; the own string
// is a block of its own, made once something edits the line.
class TLineText {
 public:
  TLineText() noexcept = default;
  // Implicit: a string is a line's text, and a line's text reads as a view wherever one is taken.
  TLineText(std::u16string text) {
    if (!text.empty())
      Own = new std::u16string(std::move(text));
  }
  TLineText(const TLineText& other) : Size(other.Size), Shared(other.Shared) {
    if (Shared)
      Data = other.Data;
    else if (other.Own != nullptr)
      Own = new std::u16string(*other.Own);
  }
  TLineText(TLineText&& other) noexcept { Take(other); }
  ~TLineText() { DestroyOwn(); }

  TLineText& operator=(TLineText&& other) noexcept {
    if (this != &other) {
      DestroyOwn();
      Take(other);
    }
    return *this;
  }
  TLineText& operator=(const TLineText& other) {
    if (this != &other)
      *this = TLineText(other);
    return *this;
  }
  TLineText& operator=(std::u16string text) {
    if (!Shared && Own != nullptr) {
      *Own = std::move(text);
      return *this;
    }
    return *this = TLineText(std::move(text));
  }

  // A text that views `shared`, which must outlive the line: the lines list keeps the text it was made from.
  static TLineText Viewing(std::u16string_view shared) {
    if (shared.size() > std::numeric_limits<std::uint32_t>::max())
      return TLineText(std::u16string(shared));
    TLineText text;
    text.Data = shared.data();
    text.Size = static_cast<std::uint32_t>(shared.size());
    text.Shared = true;
    return text;
  }

  std::u16string_view View() const {
    if (Shared)
      return {Data, Size};
    return Own != nullptr ? std::u16string_view(*Own) : std::u16string_view();
  }
  operator std::u16string_view() const { return View(); }
  bool IsView() const { return Shared; }

  std::size_t size() const { return View().size(); }
  bool empty() const { return size() == 0; }
  char16_t operator[](std::size_t i) const { return View()[i]; }
  std::size_t find(char16_t c, std::size_t from = 0) const { return View().find(c, from); }
  bool starts_with(std::u16string_view prefix) const { return View().starts_with(prefix); }
  friend bool operator==(const TLineText& a, std::u16string_view b) { return a.View() == b; }

  // The line's own string, copied from the viewed text first when it has none.
  std::u16string& Edit() {
    if (Shared || Own == nullptr) {
      // Made before this line changes, so a failure leaves it as it was.
      auto copy = std::make_unique<std::u16string>(View());
      Own = copy.release();
      Shared = false;
      Size = 0;
    }
    return *Own;
  }

  // The first `length` characters; a view stays a view.
  void Truncate(std::size_t length) {
    if (length >= size())
      return;
    if (Shared)
      Size = static_cast<std::uint32_t>(length);
    else
      Own->resize(length);
  }
  // Drops the first `count` characters; a view stays a view.
  void DropFront(std::size_t count) {
    if (count >= size()) {
      *this = TLineText();
    } else if (Shared) {
      Data += count;
      Size -= static_cast<std::uint32_t>(count);
    } else {
      Own->erase(0, count);
    }
  }

 private:
  // Takes what the other holds and leaves it empty; this holds nothing of its own before.
  void Take(TLineText& other) noexcept {
    if (other.Shared)
      Data = std::exchange(other.Data, nullptr);
    else
      Own = std::exchange(other.Own, nullptr);
    Size = std::exchange(other.Size, 0);
    Shared = std::exchange(other.Shared, false);
  }
  void DestroyOwn() noexcept {
    if (!Shared)
      delete Own;
  }

  union {
    const char16_t* Data;           // the view's first character
    std::u16string* Own = nullptr;  // the line's own string; none for an empty line
  };
  std::uint32_t Size = 0;  // the view's length
  bool Shared = false;
};
static_assert(sizeof(TLineText) <= sizeof(void*) + 8, "a line's text is a pointer, a length and a flag");

}  // namespace tolvane::modifier
