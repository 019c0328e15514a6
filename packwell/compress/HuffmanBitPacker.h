#pragma once
// Packs the codes of a run of bytes into the .huf bit stream, most
// significant bit first, carrying the unfinished byte from one call to the
// next.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "HuffmanTree.h"

namespace packwell::compress {

class HuffmanBitPacker {
public:
    // With pairs set (and no code longer than 24 bits), long runs of bytes
    // are coded two at a time through a 65,536-entry table of byte pairs;
    // building it costs about as much as coding a few hundred KiB.
    explicit HuffmanBitPacker(const std::array<HuffmanCode, 256>& codes, bool pairs = false);

    // Room that pack() may need for size input bytes.
    static constexpr std::size_t bound(std::size_t size) { return size * 8 + 16; }

    // Codes data[0, size) into out and returns the end of what was written.
    // Bytes without a code contribute no bits; missingSeen() then turns true.
    std::uint8_t* pack(const std::uint8_t* data, std::size_t size, std::uint8_t* out);
    // Writes the remaining 1 to 7 bits, if any, as the last byte, padded
    // with 0 bits.
    std::uint8_t* finish(std::uint8_t* out);

    bool missingSeen() const { return missing_ != 0; }
    void clearMissing() { missing_ = 0; }

private:
    struct Entry {
        std::uint64_t top;  // the code in the high bits
        // The code's length, plus kMissingMark for a byte value without a
        // code: the marks pile up above the bit count of the accumulator.
        std::uint64_t length;
    };
    static constexpr std::uint64_t kMissingMark = 256;
    static constexpr unsigned kLongestPaired = 24;
    template <int K>
    std::uint8_t* packFast(const std::uint8_t* data, std::size_t size, std::uint8_t* out);
    template <int P>
    std::uint8_t* packPairs(const std::uint8_t* data, std::size_t size, std::uint8_t* out);
    std::uint8_t* packLong(const std::uint8_t* data, std::size_t size, std::uint8_t* out);

    std::array<Entry, 256> entries_{};
    // Pair table, indexed by first byte + 256 * second byte: the two codes
    // in the high bits, their length plus the missing marks in the low 16.
    std::unique_ptr<std::uint64_t[]> pairs_;
    std::array<HuffmanCode, 256> codes_{};
    unsigned longest_ = 0;
    // Bits not yet written, in the high bits of acc_; fewer than 8 between calls.
    std::uint64_t acc_ = 0;
    unsigned pending_ = 0;
    std::uint64_t missing_ = 0;
};

}  // namespace packwell::compress
