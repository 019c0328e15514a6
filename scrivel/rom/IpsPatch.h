#pragma once
// IPS patches: "PATCH", then records (3-byte big-endian offset, 2-byte
// big-endian size, the bytes; size 0 marks a run-length record: 2-byte count,
// 1 byte value), then "EOF", optionally followed by a 3-byte size the patched
// file is cut to.
//
// Usage:
//   PatchResult p = makeIpsPatch(original, edited);
//   if (!p.ok()) ... p.error, e.g. the file is too large for IPS ...
//   PatchResult back = applyIpsPatch(original, p.bytes);  // back.bytes == edited

#include <cstddef>
#include <cstdint>
#include <span>

#include "PatchResult.h"

namespace scrivel::rom {

// Offsets have 3 bytes, so nothing at or past 16 MiB can be written.
constexpr size_t IpsMaxTargetSize = 0x1000000;
constexpr size_t IpsMaxRecordSize = 0xFFFF;
// A record at this offset would read as the "EOF" marker.
constexpr uint32_t IpsEofOffset = 0x454F46;

// Records cover every byte that differs and every byte past the source's end;
// changes closer than a record header are merged, longer runs are split. A
// shorter target gets the truncation size after "EOF". Fails for a target
// over IpsMaxTargetSize bytes.
PatchResult makeIpsPatch(std::span<const uint8_t> source, std::span<const uint8_t> target);

// Applies a patch to a copy of source. Records past the end grow the file
// (gaps read 0). Refuses a malformed patch and one whose result would exceed
// maxTargetSize.
PatchResult applyIpsPatch(std::span<const uint8_t> source, std::span<const uint8_t> patch,
                          size_t maxTargetSize = DefaultPatchTargetLimit);

}  // namespace scrivel::rom
