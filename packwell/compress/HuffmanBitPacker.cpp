#include "HuffmanBitPacker.h"

#include <cstring>
#include <new>

namespace packwell::compress {
namespace {

inline void storeBigEndian64(std::uint8_t* out, std::uint64_t v)
{
    v = __builtin_bswap64(v);
    std::memcpy(out, &v, 8);
}

}  // namespace

HuffmanBitPacker::HuffmanBitPacker(const std::array<HuffmanCode, 256>& codes, bool pairs) : codes_(codes)
{
    for (unsigned b = 0; b < 256; ++b) {
        const HuffmanCode& c = codes[b];
        if (c.length > longest_) longest_ = c.length;
        Entry& e = entries_[b];
        e.length = c.length == 0 ? kMissingMark : c.length;
        e.top = c.length == 0 ? 0 : c.bits << (64 - c.length);
    }
    if (!pairs || longest_ > kLongestPaired) return;
    pairs_.reset(new (std::nothrow) std::uint64_t[65536]);
    if (!pairs_) return;
    for (unsigned second = 0; second < 256; ++second) {
        const Entry& s = entries_[second];
        for (unsigned first = 0; first < 256; ++first) {
            const Entry& f = entries_[first];
            // The second code goes right behind the first; both lengths
            // are at most 24, so the codes stay clear of the low 16 bits.
            const std::uint64_t top = f.top | (s.top >> codes[first].length);
            pairs_[first | (second << 8)] = top | (f.length + s.length);
        }
    }
}

// Adds K codes to the accumulator, then writes out its whole bytes with one
// 8-byte store. With at most 7 bits pending, K codes of up to 56 / K bits
// each keep everything inside the 64-bit accumulator. The low 8 bits of
// pending count the bits; the marks of bytes without a code gather above
// them until the next store.
template <int K>
std::uint8_t* HuffmanBitPacker::packFast(const std::uint8_t* data, std::size_t size, std::uint8_t* out)
{
    std::uint64_t acc = acc_;
    std::uint64_t pending = pending_;
    std::uint64_t missing = 0;
    const Entry* table = entries_.data();
    std::size_t i = 0;
    for (; i + K <= size; i += K) {
#pragma GCC unroll 8
        for (int k = 0; k < K; ++k) {
            const Entry& e = table[data[i + k]];
            acc |= e.top >> (pending & 63);
            pending += e.length;
        }
        storeBigEndian64(out, acc);
        out += (pending & 0xFF) >> 3;
        acc <<= (pending & 56);
        missing |= pending;
        pending &= 7;
    }
    for (; i < size; ++i) {
        const Entry& e = table[data[i]];
        acc |= e.top >> (pending & 63);
        pending += e.length;
        storeBigEndian64(out, acc);
        out += (pending & 0xFF) >> 3;
        acc <<= (pending & 56);
        missing |= pending;
        pending &= 7;
    }
    acc_ = acc;
    pending_ = static_cast<unsigned>(pending);
    missing_ |= missing & ~std::uint64_t{0xFF};
    return out;
}

// Like packFast, two bytes per table entry, P entries (up to 48 bits each)
// per store.
template <int P>
std::uint8_t* HuffmanBitPacker::packPairs(const std::uint8_t* data, std::size_t size, std::uint8_t* out)
{
    std::uint64_t acc = acc_;
    std::uint64_t pending = pending_;
    std::uint64_t missing = 0;
    const std::uint64_t* table = pairs_.get();
    std::size_t i = 0;
    for (; i + 2 * P <= size; i += 2 * P) {
#pragma GCC unroll 4
        for (int k = 0; k < P; ++k) {
            const unsigned index = data[i + 2 * k] | (unsigned{data[i + 2 * k + 1]} << 8);
            const std::uint64_t w = table[index];
            acc |= (w & ~std::uint64_t{0xFFFF}) >> (pending & 63);
            pending += w & 0xFFFF;
        }
        storeBigEndian64(out, acc);
        out += (pending & 0xFF) >> 3;
        acc <<= (pending & 56);
        missing |= pending;
        pending &= 7;
    }
    acc_ = acc;
    pending_ = static_cast<unsigned>(pending);
    missing_ |= missing & ~std::uint64_t{0xFF};
    // The last few bytes one at a time.
    return packFast<1>(data + i, size - i, out);
}

// Codes longer than 56 bits (trees that only inputs far beyond 4 GiB could
// build) go in pieces of up to 32 bits.
std::uint8_t* HuffmanBitPacker::packLong(const std::uint8_t* data, std::size_t size, std::uint8_t* out)
{
    for (std::size_t i = 0; i < size; ++i) {
        const HuffmanCode& c = codes_[data[i]];
        if (c.length == 0) missing_ = 1;
        unsigned left = c.length;
        while (left > 0) {
            const unsigned take = left < 32 ? left : 32;
            const std::uint64_t piece = (c.bits >> (left - take)) & ((std::uint64_t{1} << take) - 1);
            acc_ |= piece << (64 - pending_ - take);
            pending_ += take;
            left -= take;
            storeBigEndian64(out, acc_);
            out += pending_ >> 3;
            acc_ <<= (pending_ & ~7u);
            pending_ &= 7;
        }
    }
    return out;
}

std::uint8_t* HuffmanBitPacker::pack(const std::uint8_t* data, std::size_t size, std::uint8_t* out)
{
    if (pairs_) {
        // As many pairs per store as the longest code allows.
        if (longest_ <= 9) return packPairs<3>(data, size, out);
        if (longest_ <= 14) return packPairs<2>(data, size, out);
        return packPairs<1>(data, size, out);
    }
    // As many codes per store as the longest code allows.
    switch (longest_ == 0 ? 8 : 56 / longest_) {
    case 0:
        return packLong(data, size, out);
    case 1:
        return packFast<1>(data, size, out);
    case 2:
        return packFast<2>(data, size, out);
    case 3:
        return packFast<3>(data, size, out);
    case 4:
        return packFast<4>(data, size, out);
    case 5:
        return packFast<5>(data, size, out);
    case 6:
        return packFast<6>(data, size, out);
    case 7:
        return packFast<7>(data, size, out);
    default:
        return packFast<8>(data, size, out);
    }
}

std::uint8_t* HuffmanBitPacker::finish(std::uint8_t* out)
{
    if (pending_ > 0) *out++ = static_cast<std::uint8_t>(acc_ >> 56);
    acc_ = 0;
    pending_ = 0;
    return out;
}

}  // namespace packwell::compress
