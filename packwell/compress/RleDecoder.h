#pragma once
// Reads a .rle file back into the original bytes.
//
// Usage:
//   compress::DecodeResult r = compress::rleDecode(in, out);
//   if (!r.ok) ... r.reason says what is malformed ...
//
// Refuses a truncated size, a token byte the coder never writes (00, 7F, 80,
// 81, FF), a token that overruns the stated size, a stream that ends before
// the stated size is covered, and data after the last token. On failure part
// of the output may have been written already (see FileCodecs.h).

#include <cstdio>

#include "CoderStatus.h"

namespace packwell::compress {

DecodeResult rleDecode(std::FILE* input, std::FILE* output);

}  // namespace packwell::compress
