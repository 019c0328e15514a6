// The IPS applier over arbitrary patches for a fixed file: it refuses them or
// gives a file within the size limit, which the IPS maker turns back into a
// patch that applies to the same bytes. The maker also meets the input as a
// target of its own.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "PatchSource.h"
#include "rom/IpsPatch.h"

using namespace scrivel::rom;

namespace {

void roundTrip(std::span<const uint8_t> source, std::span<const uint8_t> target)
{
    PatchResult patch = makeIpsPatch(source, target);
    if (!patch.ok()) {
        if (target.size() <= IpsMaxTargetSize) std::abort();
        return;
    }
    PatchResult back = applyIpsPatch(source, patch.bytes);
    if (!back.ok() || !std::equal(back.bytes.begin(), back.bytes.end(), target.begin(), target.end())) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::vector<uint8_t> source = fuzzing::patchSource();
    const std::span<const uint8_t> patch(data, size);

    PatchResult result = applyIpsPatch(source, patch, fuzzing::PatchTargetLimit);
    if (result.ok()) {
        if (result.bytes.size() > fuzzing::PatchTargetLimit) std::abort();
        roundTrip(source, result.bytes);
    } else if (result.error.rfind("Error: ", 0) != 0) {
        std::abort();
    }
    roundTrip(source, patch);
    return 0;
}
