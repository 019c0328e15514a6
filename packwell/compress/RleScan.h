#pragma once
// The two look-ahead scans of the RLE coder over a buffer that may be read up
// to 32 bytes past the bytes they examine (the coder's window keeps that much
// padding behind its data).

#include <cstddef>
#include <cstdint>

namespace packwell::compress {

inline constexpr std::size_t kScanPadding = 32;

// The number of bytes from b[0] on that equal b[0], counting at most limit
// (limit >= 1).
std::size_t runLength(const std::uint8_t* b, std::size_t limit);

// The first i in [from, limit) where four equal bytes b[i..i+3] begin, or
// limit when there is none. Reads b[from] to b[limit + 2] and padding.
std::size_t firstRunOfFour(const std::uint8_t* b, std::size_t from, std::size_t limit);

}  // namespace packwell::compress
