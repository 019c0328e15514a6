#pragma once
// Counting byte values, the Huffman coder's first pass.

#include <array>
#include <cstddef>
#include <cstdint>

namespace packwell::compress {

// Adds the number of occurrences of each byte value in data[0, size) to counts.
void countBytes(const std::uint8_t* data, std::size_t size, std::array<std::uint64_t, 256>& counts);

}  // namespace packwell::compress
