#pragma once
// The text of one working line. Lines made from a text view that text where it lies: a text of many lines is
// then one block, not one per line, and reading it into lines copies nothing. A line gets its own copy only
// when something edits it.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace tolvane::modifier {

class TLineText {
 public:
  TLineText() = default;
  // Implicit: a string is a line's text, and a line's text reads as a view wherever one is taken.
  TLineText(std::u16string text) : Own(std::move(text)) {}

  // A text that views `shared`, which must outlive the line: the lines list keeps the text it was made from.
  static TLineText Viewing(std::u16string_view shared) {
    TLineText text;
    text.Shared = shared.data();
    text.Length = shared.size();
    return text;
  }

  TLineText& operator=(std::u16string text) {
    Own = std::move(text);
    Shared = nullptr;
    return *this;
  }

  std::u16string_view View() const {
    return Shared ? std::u16string_view(Shared, Length) : std::u16string_view(Own);
  }
  operator std::u16string_view() const { return View(); }
  bool IsView() const { return Shared != nullptr; }

  std::size_t size() const { return Shared ? Length : Own.size(); }
  bool empty() const { return size() == 0; }
  char16_t operator[](std::size_t i) const { return View()[i]; }
  std::size_t find(char16_t c, std::size_t from = 0) const { return View().find(c, from); }
  bool starts_with(std::u16string_view prefix) const { return View().starts_with(prefix); }
  friend bool operator==(const TLineText& a, std::u16string_view b) { return a.View() == b; }

  // The line's own string, copied from the viewed text first when it has none.
  std::u16string& Edit() {
    if (Shared) {
      Own.assign(Shared, Length);
      Shared = nullptr;
    }
    return Own;
  }

  // The first `length` characters; a view stays a view.
  void Truncate(std::size_t length) {
    if (length >= size())
      return;
    if (Shared)
      Length = length;
    else
      Own.resize(length);
  }
  // Drops the first `count` characters; a view stays a view.
  void DropFront(std::size_t count) {
    if (count >= size()) {
      *this = std::u16string();
    } else if (Shared) {
      Shared += count;
      Length -= count;
    } else {
      Own.erase(0, count);
    }
  }

 private:
  std::u16string Own;
  const char16_t* Shared = nullptr;  // the viewed text, or null when Own holds the text
  std::size_t Length = 0;
};

}  // namespace tolvane::modifier
