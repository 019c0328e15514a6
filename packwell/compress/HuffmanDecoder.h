#pragma once
// Reads a .huf file back into the original bytes.
//
// Usage:
//   compress::DecodeResult r = compress::huffmanDecode(in, out);
//   if (!r.ok) ... r.reason says what is malformed ...
//
// Refuses a wrong magic, a truncated header, records or stream, a tree that
// leads nowhere or loops, and data after the end of the bit stream. On
// failure part of the output may have been written already; callers that
// must leave no output behind write to a temporary file (see FileCodecs.h).

#include <cstdio>

#include "CoderStatus.h"

namespace packwell::compress {

DecodeResult huffmanDecode(std::FILE* input, std::FILE* output);

}  // namespace packwell::compress
