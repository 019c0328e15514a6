#pragma once
// Places compiled strings into the free bytes of the text banks so that the
// game finds each by its 16-bit pointer.
//
// The game reads a pointer p of a block whose text bank is 1A0000 at
// 1A0000|p when p < A800, otherwise (and for every other block) at 1D0000|p.
// So a string of a 1A0000 block may start at 1A8000-1AA7FF or 1DA800-1DFFFF,
// any other block's at 1D8000-1DFFFF; a string never runs past the end of its
// bank (1AFFFF, 1DFFFF). Identical strings are stored once when one address
// suits all of their blocks.
//
// Usage:
//   std::vector<StringRequest> strings = ...;   // one per translated string
//   PlacementResult r = placeStrings(map, strings, image.size());
//   if (!r.ok()) ... r.bank1A / r.bank1D say needed and free, r.unplaced which ...
//   else for each i: write strings[i].bytes at r.placements[i].fileOffset,
//        the table entry gets r.placements[i].pointer

#include <cstddef>
#include <cstdint>
#include <vector>

#include "SpaceMap.h"

namespace scrivel::rom {

struct StringRequest {
    std::vector<uint8_t> bytes;  // the compiled string, terminator included
    bool bank1AAllowed = false;  // the block's text bank is 1A0000
    int block = 0;               // carried through for the caller's reports
    int string = 0;
};

struct StringPlacement {
    bool placed = false;
    uint16_t pointer = 0;     // the table entry
    uint32_t fileOffset = 0;  // where the bytes go
};

struct BankSpace {
    uint32_t bank = 0;      // 0x1A0000 or 0x1D0000
    size_t freeBefore = 0;  // free bytes in the bank's upper half before placing
    size_t needed = 0;      // bytes placed there plus unplaced strings that would go there first
    size_t freeAfter = 0;   // free bytes left after placing
};

struct PlacementResult {
    std::vector<StringPlacement> placements;  // one per request, same order
    std::vector<size_t> unplaced;             // indices of requests without a place, ascending
    BankSpace bank1A{0x1A0000}, bank1D{0x1D0000};

    bool ok() const { return unplaced.empty(); }
};

// Deterministic: the same map and requests give the same result. Strings are
// placed largest first, each into the smallest free range it fits (ties: the
// lowest address). The most constrained strings go first: those shared by
// blocks of both kinds (only 1DA800 and up suit both), then those of 1A0000
// blocks (bank 1A, then 1DA800 and up), then the rest (anywhere in bank 1D).
// A shared string that finds no common place is stored once per kind.
// An empty request is never placed: a pointer to it would show other bytes.
PlacementResult placeStrings(const SpaceMap& map, const std::vector<StringRequest>& requests, size_t imageSize);

}  // namespace scrivel::rom
