// The RLE coder over arbitrary bytes: it must code them, and its decoder
// must give them back unchanged.

#include <cstddef>
#include <cstdint>

#include "CoderRoundTrip.h"
#include "compress/RleCoder.h"
#include "compress/RleDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzing::roundTrip(data, size, packwell::compress::rleEncode, packwell::compress::rleDecode);
    return 0;
}
