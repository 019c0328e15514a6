#include "RleScan.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace packwell::compress {

#if defined(__SSE2__)

std::size_t runLength(const std::uint8_t* b, std::size_t limit)
{
    const __m128i value = _mm_set1_epi8(static_cast<char>(b[0]));
    for (std::size_t k = 0; k < limit; k += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + k));
        const unsigned differ = ~static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, value))) & 0xFFFFu;
        if (differ != 0) {
            const std::size_t n = k + static_cast<std::size_t>(__builtin_ctz(differ));
            return n < limit ? n : limit;
        }
    }
    return limit;
}

std::size_t firstRunOfFour(const std::uint8_t* b, std::size_t from, std::size_t limit)
{
    for (std::size_t i = from; i < limit; i += 16) {
        const __m128i x0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
        const __m128i x1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i + 1));
        const __m128i x2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i + 2));
        const __m128i x3 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i + 3));
        const __m128i all = _mm_and_si128(_mm_and_si128(_mm_cmpeq_epi8(x0, x1), _mm_cmpeq_epi8(x1, x2)),
                                          _mm_cmpeq_epi8(x2, x3));
        const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(all));
        if (mask != 0) {
            const std::size_t at = i + static_cast<std::size_t>(__builtin_ctz(mask));
            return at < limit ? at : limit;
        }
    }
    return limit;
}

#else

std::size_t runLength(const std::uint8_t* b, std::size_t limit)
{
    std::size_t n = 1;
    while (n < limit && b[n] == b[0]) ++n;
    return n;
}

std::size_t firstRunOfFour(const std::uint8_t* b, std::size_t from, std::size_t limit)
{
    for (std::size_t i = from; i < limit; ++i) {
        if (b[i + 1] == b[i] && b[i + 2] == b[i] && b[i + 3] == b[i]) return i;
    }
    return limit;
}

#endif

}  // namespace packwell::compress
