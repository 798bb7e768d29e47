#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace tolvane {

namespace bytehash {

inline constexpr std::uint64_t Prime = 0x100000001B3ULL;

inline std::uint64_t Word(const char* at) {
  std::uint64_t word = 0;
  std::memcpy(&word, at, 8);
  return word;
}

// FNV-1a's multiply over a word, then a shift so that high bits feed the next multiply's low ones. Each step
// is invertible for a given word, so two inputs that differ in one word never meet again.
inline std::uint64_t Step(std::uint64_t hash, std::uint64_t word) {
  hash = (hash ^ word) * Prime;
  return hash ^ (hash >> 29);
}

// Makes every input bit reach every output bit.
inline std::uint64_t Mix(std::uint64_t hash) {
  hash ^= hash >> 33;
  hash *= 0xFF51AFD7ED558CCDULL;
  hash ^= hash >> 33;
  hash *= 0xC4CEB9FE1A85EC53ULL;
  return hash ^ (hash >> 33);
}

}  // namespace bytehash

// A fast 64-bit fingerprint of bytes for telling contents apart; not meant to withstand deliberate
// collisions. Menu files are hashed whole on every load and save, so blocks of 32 bytes go through four
// independent lanes of eight bytes each: one lane's multiply need not wait for another's.
inline std::uint64_t HashBytes(std::string_view bytes) {
  using namespace bytehash;
  const std::uint64_t seed = 0xCBF29CE484222325ULL ^ bytes.size();
  // Separate variables rather than an array: an array invites the vectoriser, and SSE2 has no 64-bit
  // multiply, so the vector code is slower than the scalar lanes.
  std::uint64_t a = seed;
  std::uint64_t b = seed ^ 0x9E3779B97F4A7C15ULL;
  std::uint64_t c = seed ^ 0xBF58476D1CE4E5B9ULL;
  std::uint64_t d = seed ^ 0x94D049BB133111EBULL;
  const char* data = bytes.data();
  std::size_t at = 0;
  for (; at + 32 <= bytes.size(); at += 32) {
    a = Step(a, Word(data + at));
    b = Step(b, Word(data + at + 8));
    c = Step(c, Word(data + at + 16));
    d = Step(d, Word(data + at + 24));
  }
  std::uint64_t hash = Mix(Mix(Mix(a ^ b) ^ c) ^ d);
  for (; at + 8 <= bytes.size(); at += 8)
    hash = Step(hash, Word(data + at));
  for (; at < bytes.size(); ++at)
    hash = (hash ^ static_cast<unsigned char>(data[at])) * Prime;
  return Mix(hash);
}

}  // namespace tolvane
