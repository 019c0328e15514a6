#pragma once
// Runs the coders and decoders on byte strings through temporary files, and
// makes the varied inputs the tests feed them.

#include <cstdint>
#include <initializer_list>
#include <string>

#include "compress/CoderStatus.h"

namespace harness {

struct Encoded {
    packwell::compress::EncodeStatus status;
    std::string bytes;
};
struct Decoded {
    packwell::compress::DecodeResult result;
    std::string bytes;
};

Encoded huffmanEncode(const std::string& input);
Encoded rleEncode(const std::string& input);
Decoded huffmanDecode(const std::string& file);
Decoded rleDecode(const std::string& file);

// The bytes of a file written out value by value: bytes({0x5A, 0x48}).
std::string bytes(std::initializer_list<unsigned> values);

// Inputs, each the same for the same seed.
std::string randomBytes(std::size_t size, std::uint32_t seed);
// Bytes drawn from an alphabet of the given size with geometrically falling
// frequencies (many ties among the rare ones for small sizes).
std::string skewedBytes(std::size_t size, unsigned alphabet, std::uint32_t seed);
// Runs of random lengths from 1 to longestRun of random byte values from a
// small alphabet.
std::string runHeavyBytes(std::size_t size, unsigned longestRun, std::uint32_t seed);
// Byte value b repeated counts[b] times, shuffled.
std::string fromCounts(const std::uint64_t* counts, unsigned values, std::uint32_t seed);

}  // namespace harness
