// The RLE decoder over random and mutated .rle files: it refuses them or
// decodes exactly the size the header states; it never crashes or hangs.

#include <cstddef>
#include <cstdint>

#include "CoderRoundTrip.h"
#include "compress/RleDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzing::decodeAny(data, size, packwell::compress::rleDecode, 0);
    return 0;
}
