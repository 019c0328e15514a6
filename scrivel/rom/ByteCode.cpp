#include "ByteCode.h"

#include <algorithm>

namespace scrivel::rom {

size_t bytesThroughFirstEnd(std::span<const uint8_t> bytes, size_t limit)
{
    const auto end = std::find(bytes.begin(), bytes.end(), EndOfString);
    // Past the view the next byte reads as the end, so the extent is the same
    // whether the 0xFF lies inside the view or just after it.
    const size_t extent = static_cast<size_t>(end - bytes.begin()) + 1;
    return std::min(extent, limit);
}

}  // namespace scrivel::rom
