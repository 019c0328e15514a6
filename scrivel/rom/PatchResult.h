#pragma once
// What the patch makers and appliers return: the bytes they made, or a
// message that says why they could not ("Error: ...").

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace scrivel::rom {

// The largest file a patch may produce when applied. A patch is small, but
// its header or a copy action can ask for an enormous output; past this we
// refuse instead of trying to allocate it.
constexpr size_t DefaultPatchTargetLimit = size_t{64} << 20;

struct PatchResult {
    std::vector<uint8_t> bytes;  // the patch (makers) or the patched file (appliers)
    std::string error;           // empty on success

    bool ok() const { return error.empty(); }

    static PatchResult success(std::vector<uint8_t> bytes) { return {std::move(bytes), {}}; }
    static PatchResult failure(std::string message) { return {{}, std::move(message)}; }
};

}  // namespace scrivel::rom
