#include "ByteHistogram.h"

#include <cstring>

namespace packwell::compress {

void countBytes(const std::uint8_t* data, std::size_t size, std::array<std::uint64_t, 256>& counts)
{
    // Four tables side by side, so that repeated byte values do not wait on
    // each other's increments; 32-bit counters are flushed well before they
    // could overflow.
    constexpr std::size_t kBlock = std::size_t{1} << 30;
    while (size > 0) {
        const std::size_t n = size < kBlock ? size : kBlock;
        std::uint32_t t[4][256];
        std::memset(t, 0, sizeof t);
        std::size_t i = 0;
        for (; i + 8 <= n; i += 8) {
            std::uint64_t w;
            std::memcpy(&w, data + i, 8);
            ++t[0][w & 0xFF];
            ++t[1][(w >> 8) & 0xFF];
            ++t[2][(w >> 16) & 0xFF];
            ++t[3][(w >> 24) & 0xFF];
            ++t[0][(w >> 32) & 0xFF];
            ++t[1][(w >> 40) & 0xFF];
            ++t[2][(w >> 48) & 0xFF];
            ++t[3][w >> 56];
        }
        for (; i < n; ++i) ++t[0][data[i]];
        for (unsigned b = 0; b < 256; ++b) counts[b] += std::uint64_t{t[0][b]} + t[1][b] + t[2][b] + t[3][b];
        data += n;
        size -= n;
    }
}

}  // namespace packwell::compress
