// The Huffman coder over arbitrary bytes: it must code them, and its decoder
// must give them back unchanged.

#include <cstddef>
#include <cstdint>

#include "CoderRoundTrip.h"
#include "compress/HuffmanCoder.h"
#include "compress/HuffmanDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzing::roundTrip(data, size, packwell::compress::huffmanEncode, packwell::compress::huffmanDecode);
    return 0;
}
