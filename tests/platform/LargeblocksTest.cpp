// The native program's operator new, linked into this test as into the program.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <new>
#include <string>
#include <vector>

namespace {

constexpr std::size_t HugePage = std::size_t{2} << 20;

// Blocks on both sides of the huge-page size are whole and writable to their last byte, the large ones on
// huge-page boundaries, and freeing them in any order leaves the heap sound (the sanitizer build checks it).
TEST(LargeblocksTest, BlocksOfEverySizeAreWholeAndFreeable) {
  const std::size_t sizes[] = {0, 1, 24, 4096, HugePage - 1, HugePage, HugePage + 1, 3 * HugePage + 17};
  std::vector<unsigned char*> blocks;
  for (const std::size_t size : sizes) {
    auto* block = static_cast<unsigned char*>(::operator new(size));
    ASSERT_NE(block, nullptr) << size;
    if (size >= HugePage) {
      EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % HugePage, 0u) << size;
    }
    std::memset(block, 0xA5, size);
    blocks.push_back(block);
  }
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    if (sizes[i] > 0) {
      EXPECT_EQ(blocks[i][0], 0xA5) << sizes[i];
      EXPECT_EQ(blocks[i][sizes[i] - 1], 0xA5) << sizes[i];
    }
  }
  for (std::size_t i = blocks.size(); i-- > 0;)
    ::operator delete(blocks[i], sizes[i]);
  delete[] new char[HugePage + 5];
}

// Containers that grow through the threshold keep their contents across every move to a larger block.
TEST(LargeblocksTest, GrowingContainersKeepTheirContents) {
  std::vector<std::uint32_t> numbers;
  for (std::uint32_t i = 0; i < 3'000'000; ++i)
    numbers.push_back(i);
  for (std::uint32_t i = 0; i < numbers.size(); i += 4099)
    ASSERT_EQ(numbers[i], i);
  std::u16string text;
  for (int i = 0; i < 400'000; ++i)
    text += u"line of text\n";
  EXPECT_EQ(text.size(), 400'000u * 13);
  EXPECT_EQ(text.substr(text.size() - 13), u"line of text\n");
}

// A size no block can have fails as operator new must: the new handler is asked first, then bad_alloc, and
// the nothrow forms answer null.
TEST(LargeblocksTest, ImpossibleSizesFailTheStandardWay) {
  static int asked = 0;
  asked = 0;
  const std::new_handler previous = std::set_new_handler([] {
    ++asked;
    std::set_new_handler(nullptr);
  });
  // Read at run time, so the compiler does not refuse the call for its size.
  volatile std::size_t size = SIZE_MAX - 8;
  const std::size_t impossible = size;
  EXPECT_THROW((void)::operator new(impossible), std::bad_alloc);
  EXPECT_EQ(asked, 1);
  std::set_new_handler(previous);
  EXPECT_EQ(::operator new(impossible, std::nothrow), nullptr);
  EXPECT_EQ(::operator new[](impossible, std::nothrow), nullptr);
}

}  // namespace
