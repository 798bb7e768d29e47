#pragma once
// The text of one working line. Lines made from a text view that text where it lies: a text of many lines is
// then one block, not one per line, and reading it into lines copies nothing. A line gets its own copy only
// when something edits it.

#include <cstddef>
#include <new>
#include <string>
#include <string_view>
#include <utility>

namespace tolvane::modifier {

class TLineText {
 public:
  TLineText() noexcept : Own() {}
  // Implicit: a string is a line's text, and a line's text reads as a view wherever one is taken.
  TLineText(std::u16string text) noexcept : Own(std::move(text)) {}
  TLineText(const TLineText& other) : Shared(other.Shared) {
    if (Shared)
      ::new (&Viewed) std::u16string_view(other.Viewed);
    else
      ::new (&Own) std::u16string(other.Own);
  }
  TLineText(TLineText&& other) noexcept : Shared(other.Shared) {
    if (Shared)
      ::new (&Viewed) std::u16string_view(other.Viewed);
    else
      ::new (&Own) std::u16string(std::move(other.Own));
  }
  ~TLineText() { DestroyOwn(); }

  TLineText& operator=(TLineText&& other) noexcept {
    if (this != &other) {
      DestroyOwn();
      ::new (this) TLineText(std::move(other));
    }
    return *this;
  }
  TLineText& operator=(const TLineText& other) {
    if (this != &other)
      *this = TLineText(other);
    return *this;
  }
  TLineText& operator=(std::u16string text) noexcept {
    if (Shared) {
      ::new (&Own) std::u16string(std::move(text));
      Shared = false;
    } else {
      Own = std::move(text);
    }
    return *this;
  }

  // A text that views `shared`, which must outlive the line: the lines list keeps the text it was made from.
  static TLineText Viewing(std::u16string_view shared) noexcept {
    TLineText text;
    text.DestroyOwn();
    ::new (&text.Viewed) std::u16string_view(shared);
    text.Shared = true;
    return text;
  }

  std::u16string_view View() const { return Shared ? Viewed : std::u16string_view(Own); }
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
    if (Shared) {
      std::u16string copy(Viewed);  // made before the view's room is reused, so a failure changes nothing
      ::new (&Own) std::u16string(std::move(copy));
      Shared = false;
    }
    return Own;
  }

  // The first `length` characters; a view stays a view.
  void Truncate(std::size_t length) {
    if (length >= size())
      return;
    if (Shared)
      Viewed = Viewed.substr(0, length);
    else
      Own.resize(length);
  }
  // Drops the first `count` characters; a view stays a view.
  void DropFront(std::size_t count) {
    if (count >= size())
      *this = std::u16string();
    else if (Shared)
      Viewed.remove_prefix(count);
    else
      Own.erase(0, count);
  }

 private:
  void DestroyOwn() noexcept {
    if (!Shared)
      Own.~basic_string();
  }

  // One or the other: a line is one block of the list either way, and no larger than a string and a flag.
  union {
    std::u16string Own;
    std::u16string_view Viewed;
  };
  bool Shared = false;
};

}  // namespace tolvane::modifier
