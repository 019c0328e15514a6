#pragma once
// Taking a file's size the way the coders do: seek to its end, take the
// position, seek back to the start.

#include <cstdint>
#include <cstdio>
#include <optional>

namespace packwell::compress {

// The size of input, which is left positioned at its start; nothing when it
// cannot be sought.
std::optional<std::uint64_t> sizeAndRewind(std::FILE* input);

// Both formats store sizes in 32 bits.
inline constexpr std::uint64_t kLargestStoredSize = 0xFFFFFFFFull;

}  // namespace packwell::compress
