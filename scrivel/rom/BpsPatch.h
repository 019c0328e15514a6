#pragma once
// BPS patches: "BPS1", the source size, the target size and the metadata
// size as variable-length numbers, the metadata, the actions, then three
// little-endian CRC-32s: of the source, of the target, and of the patch up
// to that last checksum.
//
// An action is the number ((length - 1) << 2) | kind:
//   0 SourceRead  copies the source bytes at the current output position;
//   1 TargetRead  is followed by `length` literal bytes;
//   2 SourceCopy  and
//   3 TargetCopy  are followed by a number d that moves their own cursor by
//                 d >> 1 (backwards when d & 1) before copying `length` bytes
//                 from the source or from the output written so far.
//
// Usage:
//   PatchResult p = makeBpsPatch(original, edited);
//   PatchResult back = applyBpsPatch(original, p.bytes);  // back.bytes == edited

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "PatchResult.h"

namespace scrivel::rom {

// A number written 7 bits at a time, low bits first; every byte but the last
// has bit 7 clear, and each continuation counts one more (so 128 is 00 80).
void appendBpsNumber(std::vector<uint8_t>& out, uint64_t value);

// Unchanged stretches inside the source become SourceRead, the rest
// TargetRead; unchanged gaps of a byte or two stay inside the TargetRead.
PatchResult makeBpsPatch(std::span<const uint8_t> source, std::span<const uint8_t> target);

// Checks the patch's own checksum, that it was made for this source (size and
// checksum), runs all four actions within bounds and checks the result's size
// and checksum. Refuses a target larger than maxTargetSize.
PatchResult applyBpsPatch(std::span<const uint8_t> source, std::span<const uint8_t> patch,
                          size_t maxTargetSize = DefaultPatchTargetLimit);

}  // namespace scrivel::rom
