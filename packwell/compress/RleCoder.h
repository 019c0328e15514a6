#pragma once
// The RLE coder: turns one file into a .rle file (the 32-bit uncompressed
// size, then literal tokens 01..7E followed by that many bytes and run tokens
// 82..FE followed by the repeated byte).
//
// Usage:
//   std::FILE* in = std::fopen("INTRO.BIN", "rb");   // must allow seeking
//   std::FILE* out = std::fopen("INTRO.rle", "wb");
//   compress::EncodeStatus st = compress::rleEncode(in, out);
//
// The input is read from its start and streamed through a small window, so
// memory use does not depend on its size; the tokens are those of coding the
// whole input in memory. An empty input gives the four bytes 00 00 00 00.

#include <cstdio>

#include "CoderStatus.h"

namespace packwell::compress {

EncodeStatus rleEncode(std::FILE* input, std::FILE* output);

}  // namespace packwell::compress
