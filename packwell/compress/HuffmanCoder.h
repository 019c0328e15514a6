#pragma once
// The Huffman coder: turns one file into a .huf file ("ZHF", the 32-bit
// uncompressed size, the distinct count, the root slot, the node records
// and the MSB-first bit stream).
//
// Usage:
//   std::FILE* in = std::fopen("INTRO.BIN", "rb");   // must allow seeking
//   std::FILE* out = std::fopen("INTRO.huf", "wb");
//   compress::EncodeStatus st = compress::huffmanEncode(in, out);
//   // the caller closes both files and checks them for write errors
//
// The input is read twice from its start (a counting pass and a writing
// pass), whatever its position; the output is written at its current
// position. Memory use does not depend on the input's size. A byte of the
// writing pass that has no code (the file changed between the passes) is
// reported on standard output as "\nThe code for %02X was not found..." and
// contributes no bits.

#include <cstdio>

#include "CoderStatus.h"

namespace packwell::compress {

EncodeStatus huffmanEncode(std::FILE* input, std::FILE* output);

}  // namespace packwell::compress
