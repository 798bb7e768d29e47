#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

namespace tolvane {

// Owning vector of pointers to elements of one type: destroying the vector destroys its elements. Indexes
// are int because callers use -1 for "absent". Iterating yields the elements themselves (T&).
template <class T>
class TQxPtrVector {
 public:
  using TStorage = std::vector<std::unique_ptr<T>>;

  template <class TBase, class TElement>
  class TIterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = TElement;
    using difference_type = std::ptrdiff_t;
    using pointer = TElement*;
    using reference = TElement&;

    TIterator() = default;
    explicit TIterator(TBase base) : Base(base) {}
    reference operator*() const { return **Base; }
    pointer operator->() const { return Base->get(); }
    TIterator& operator++() {
      ++Base;
      return *this;
    }
    TIterator operator++(int) {
      TIterator old = *this;
      ++Base;
      return old;
    }
    bool operator==(const TIterator&) const = default;

   private:
    TBase Base{};
  };
  using iterator = TIterator<typename TStorage::iterator, T>;
  using const_iterator = TIterator<typename TStorage::const_iterator, const T>;

  TQxPtrVector() = default;
  TQxPtrVector(const TQxPtrVector&) = delete;
  TQxPtrVector& operator=(const TQxPtrVector&) = delete;
  TQxPtrVector(TQxPtrVector&&) noexcept = default;
  TQxPtrVector& operator=(TQxPtrVector&&) noexcept = default;

  int Count() const { return static_cast<int>(Items.size()); }
  bool Empty() const { return Items.empty(); }
  T* operator[](int index) const { return Items[static_cast<std::size_t>(index)].get(); }
  T* Last() const { return Items.empty() ? nullptr : Items.back().get(); }

  iterator begin() { return iterator(Items.begin()); }
  iterator end() { return iterator(Items.end()); }
  const_iterator begin() const { return const_iterator(Items.cbegin()); }
  const_iterator end() const { return const_iterator(Items.cend()); }

  void Reserve(int count) { Items.reserve(static_cast<std::size_t>(std::max(count, 0))); }

  // Appends the element and returns it.
  T* Add(std::unique_ptr<T> element) {
    Items.push_back(std::move(element));
    return Items.back().get();
  }

  // Inserts before the given index; an index past the end appends, a negative one inserts at the front.
  T* Insert(int index, std::unique_ptr<T> element) {
    const std::size_t at = std::min(static_cast<std::size_t>(std::max(index, 0)), Items.size());
    return Items.insert(Items.begin() + static_cast<std::ptrdiff_t>(at), std::move(element))->get();
  }

  // Takes the element out without destroying it; null for an index out of range.
  std::unique_ptr<T> Remove(int index) {
    if (index < 0 || index >= Count())
      return nullptr;
    std::unique_ptr<T> element = std::move(Items[static_cast<std::size_t>(index)]);
    Items.erase(Items.begin() + index);
    return element;
  }

  // Takes the element out and destroys it; nothing happens for an index out of range.
  void Delete(int index) { Remove(index).reset(); }

  int IndexOf(const T* element) const {
    for (std::size_t i = 0; i < Items.size(); ++i) {
      if (Items[i].get() == element)
        return static_cast<int>(i);
    }
    return -1;
  }

  void Clear() { Items.clear(); }

  // Empties the vector and hands its elements to the caller.
  TStorage ReleaseAll() { return std::exchange(Items, TStorage{}); }

  // Stable sort of the elements [first, last) by a "less" predicate on elements.
  template <class TLess>
  void Sort(int first, int last, TLess less) {
    std::stable_sort(
        Items.begin() + first, Items.begin() + last,
        [&less](const std::unique_ptr<T>& a, const std::unique_ptr<T>& b) { return less(*a, *b); });
  }

  void Reverse(int first, int last) { std::reverse(Items.begin() + first, Items.begin() + last); }

 private:
  TStorage Items;
};

}  // namespace tolvane
