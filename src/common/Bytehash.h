#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace tolvane {

// A fast 64-bit fingerprint of bytes for telling contents apart; not meant to withstand deliberate
// collisions. Eight bytes per step (FNV-1a's multiply over words) and a final mix so that every input bit
// reaches every output bit.
inline std::uint64_t HashBytes(std::string_view bytes) {
  constexpr std::uint64_t Prime = 0x100000001B3ULL;
  std::uint64_t hash = 0xCBF29CE484222325ULL ^ bytes.size();
  std::size_t at = 0;
  for (; at + 8 <= bytes.size(); at += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes.data() + at, 8);
    hash = (hash ^ word) * Prime;
    hash ^= hash >> 29;
  }
  for (; at < bytes.size(); ++at)
    hash = (hash ^ static_cast<unsigned char>(bytes[at])) * Prime;
  hash ^= hash >> 33;
  hash *= 0xFF51AFD7ED558CCDULL;
  hash ^= hash >> 33;
  hash *= 0xC4CEB9FE1A85EC53ULL;
  hash ^= hash >> 33;
  return hash;
}

}  // namespace tolvane
