// The Huffman decoder over random and mutated .huf files: it refuses them or
// decodes exactly the size the header states; it never crashes or hangs.

#include <cstddef>
#include <cstdint>

#include "CoderRoundTrip.h"
#include "compress/HuffmanDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzing::decodeAny(data, size, packwell::compress::huffmanDecode, 3);
    return 0;
}
