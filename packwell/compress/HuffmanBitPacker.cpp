#include "HuffmanBitPacker.h"

#include <cstring>

namespace compress {
namespace {

inline void storeBigEndian64(std::uint8_t* out, std::uint64_t v)
{
    v = __builtin_bswap64(v);
    std::memcpy(out, &v, 8);
}

}  // namespace

HuffmanBitPacker::HuffmanBitPacker(const std::array<HuffmanCode, 256>& codes) : codes_(codes)
{
    for (unsigned b = 0; b < 256; ++b) {
        const HuffmanCode& c = codes[b];
        if (c.length > longest_) longest_ = c.length;
        Entry& e = entries_[b];
        e.length = c.length;
        e.missing = c.length == 0 ? 1 : 0;
        e.top = c.length == 0 ? 0 : c.bits << (64 - c.length);
    }
}

// Adds K codes to the accumulator, then writes out its whole bytes with one
// 8-byte store. With at most 7 bits pending, K codes of up to 56 / K bits
// each keep everything inside the 64-bit accumulator.
template <int K>
std::uint8_t* HuffmanBitPacker::packFast(const std::uint8_t* data, std::size_t size, std::uint8_t* out)
{
    std::uint64_t acc = acc_;
    unsigned pending = pending_;
    std::uint32_t missing = 0;
    const Entry* table = entries_.data();
    std::size_t i = 0;
    for (; i + K <= size; i += K) {
        for (int k = 0; k < K; ++k) {
            const Entry& e = table[data[i + k]];
            acc |= e.top >> pending;
            pending += e.length;
            missing |= e.missing;
        }
        storeBigEndian64(out, acc);
        out += pending >> 3;
        acc <<= (pending & ~7u);
        pending &= 7;
    }
    for (; i < size; ++i) {
        const Entry& e = table[data[i]];
        acc |= e.top >> pending;
        pending += e.length;
        missing |= e.missing;
        storeBigEndian64(out, acc);
        out += pending >> 3;
        acc <<= (pending & ~7u);
        pending &= 7;
    }
    acc_ = acc;
    pending_ = pending;
    missing_ |= missing;
    return out;
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
    if (longest_ <= 14) return packFast<4>(data, size, out);
    if (longest_ <= 18) return packFast<3>(data, size, out);
    if (longest_ <= 28) return packFast<2>(data, size, out);
    if (longest_ <= 56) return packFast<1>(data, size, out);
    return packLong(data, size, out);
}

std::uint8_t* HuffmanBitPacker::finish(std::uint8_t* out)
{
    if (pending_ > 0) *out++ = static_cast<std::uint8_t>(acc_ >> 56);
    acc_ = 0;
    pending_ = 0;
    return out;
}

}  // namespace compress
