#pragma once
// Splitting one line into many without copying what is left at every split: the text still to be split is a
// short head (the indentation a split adds) followed by a view of the original line.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tolvane::modifier {

class TPendingText {
 public:
  TPendingText() = default;
  explicit TPendingText(std::u16string_view tail) : Tail(tail) {}

  std::size_t size() const { return Head.size() + Tail.size(); }
  char16_t operator[](std::size_t i) const { return i < Head.size() ? Head[i] : Tail[i - Head.size()]; }
  // The characters [first, last) as one string.
  std::u16string Substr(std::size_t first, std::size_t last) const;
  // The characters [first, last) as a view of the tail, or nullopt when some of them are in the head.
  std::optional<std::u16string_view> Slice(std::size_t first, std::size_t last) const {
    if (first < Head.size())
      return std::nullopt;
    return Tail.substr(first - Head.size(), last - first);
  }
  // The characters [first, last) added to the end of `text`.
  void AppendTo(std::u16string& text, std::size_t first, std::size_t last) const;
  // The first occurrence of a non-empty needle at or after `from`, or npos.
  std::size_t Find(std::u16string_view needle, std::size_t from) const;
  // Drops the first `count` characters and puts `prefix` in front of what is left.
  void Advance(std::size_t count, std::u16string_view prefix);

 private:
  std::u16string Head;
  std::u16string_view Tail;
};

// A split keeps [0, KeptEnd) on the line and starts the next line at RestStart; RestStart at the end of the
// text means nothing goes on a next line.
struct TSplitPoint {
  std::size_t KeptEnd = 0;
  std::size_t RestStart = 0;
};

// Each returns nullopt when the line stays whole and unchanged.
// At the last break character within the width (never index 0), blanks around the cut dropped.
std::optional<TSplitPoint> SplitAtWidth(const TPendingText& text, int width);
// After or before the first occurrence of `needle` that leaves at least `minLength` characters on the line.
std::optional<TSplitPoint> SplitAfter(const TPendingText& text, std::u16string_view needle, int minLength);
std::optional<TSplitPoint> SplitBefore(const TPendingText& text, std::u16string_view needle, int minLength);

// The blanks (code below 33) at the start, leaving at least the last character out.
std::u16string_view LeadingIndentation(std::u16string_view text);

}  // namespace tolvane::modifier
