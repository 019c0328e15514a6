#pragma once
// Shared body of the two round-trip targets: encode, decode, compare.

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "compress/CoderStatus.h"

namespace fuzzing {

using Encoder = packwell::compress::EncodeStatus (*)(std::FILE*, std::FILE*);
using Decoder = packwell::compress::DecodeResult (*)(std::FILE*, std::FILE*);

// Aborts unless encoding data succeeds and decoding the result gives data back.
void roundTrip(const uint8_t* data, size_t size, Encoder encode, Decoder decode);

// Decodes arbitrary bytes: a refusal is fine, a success must give exactly
// the size its header states (32 bits, little-endian, at sizeOffset).
void decodeAny(const uint8_t* data, size_t size, Decoder decode, size_t sizeOffset);

}  // namespace fuzzing
