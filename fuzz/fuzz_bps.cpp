// The BPS applier over arbitrary patches for a fixed file. When the first
// input byte is odd, the patch's own checksum and the source checksum are
// set right first, so the mutations reach the actions. The applier refuses
// or gives a file within the size limit, which the BPS maker turns back into
// a patch that applies to the same bytes.

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "PatchSource.h"
#include "rom/BpsPatch.h"

using namespace scrivel::rom;

namespace {

void putCrc(uint8_t* at, std::span<const uint8_t> of)
{
    auto c = static_cast<uint32_t>(::crc32(0, of.data(), static_cast<uInt>(of.size())));
    for (int b = 0; b < 4; ++b) at[b] = static_cast<uint8_t>(c >> (8 * b));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    static const std::vector<uint8_t> source = fuzzing::patchSource();
    std::vector<uint8_t> patch(data + 1, data + size);
    if ((data[0] & 1) && patch.size() >= 12) {
        putCrc(patch.data() + patch.size() - 12, source);
        putCrc(patch.data() + patch.size() - 4, std::span(patch).first(patch.size() - 4));
    }

    PatchResult result = applyBpsPatch(source, patch, fuzzing::PatchTargetLimit);
    if (!result.ok()) {
        if (result.error.rfind("Error: ", 0) != 0) std::abort();
        return 0;
    }
    if (result.bytes.size() > fuzzing::PatchTargetLimit) std::abort();
    PatchResult again = makeBpsPatch(source, result.bytes);
    PatchResult back = applyBpsPatch(source, again.bytes);
    if (!again.ok() || !back.ok() || back.bytes != result.bytes) std::abort();
    return 0;
}
