#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <vector>

#include "rom/SpaceMap.h"
#include "rom/StringPlacement.h"

using namespace scrivel::rom;

namespace {

constexpr size_t ImageSize = 0x100000;  // 1 MiB: banks 00-1F
const uint32_t Bank1A = loRomFileOffset(0x1A8000);
const uint32_t Bank1D = loRomFileOffset(0x1D8000);
const uint32_t Shared1D = loRomFileOffset(0x1DA800);

StringRequest request(size_t size, bool bank1A, uint8_t fill)
{
    return {std::vector<uint8_t>(size, fill), bank1A, 0, 0};
}

// Checks what the game and the file need of every placement, independently
// of how the placer chose: the game's bank rule finds the string at its
// offset, it lies in free bytes, it ends inside its bank's upper half, and
// only identical strings share bytes.
void expectSound(const SpaceMap& map, const std::vector<StringRequest>& requests, const PlacementResult& r)
{
    ASSERT_EQ(r.placements.size(), requests.size());
    const std::vector<ByteRange> free = map.freeRanges();
    std::map<uint32_t, size_t> copies;  // start -> a request stored there
    for (size_t i = 0; i < requests.size(); ++i) {
        const StringPlacement& p = r.placements[i];
        const bool listed = std::binary_search(r.unplaced.begin(), r.unplaced.end(), i);
        ASSERT_NE(p.placed, listed) << i;
        if (!p.placed) continue;
        const uint32_t bank = requests[i].bank1AAllowed && p.pointer < 0xA800 ? 0x1A0000 : 0x1D0000;
        ASSERT_GE(p.pointer, 0x8000) << i;
        EXPECT_EQ(loRomFileOffset(bank | p.pointer), p.fileOffset) << i;
        const uint32_t end = p.fileOffset + static_cast<uint32_t>(requests[i].bytes.size());
        EXPECT_LE(end, loRomFileOffset(bank | 0xFFFF) + 1) << i << " crosses the bank's end";
        EXPECT_TRUE(std::any_of(free.begin(), free.end(),
                                [&](const ByteRange& f) { return f.begin <= p.fileOffset && end <= f.end; }))
            << i << " is not in free space";
        auto [it, isNew] = copies.try_emplace(p.fileOffset, i);
        if (!isNew) {
            EXPECT_EQ(requests[it->second].bytes, requests[i].bytes) << i;
        }
    }
    uint32_t lastEnd = 0;
    for (const auto& [start, i] : copies) {
        EXPECT_GE(start, lastEnd) << i << " overlaps the string before it";
        lastEnd = start + static_cast<uint32_t>(requests[i].bytes.size());
    }
}

TEST(StringPlacement, TakenBytesWinWhateverTheOrder)
{
    SpaceMap freeFirst, takenFirst;
    freeFirst.addFree(100, 200);
    freeFirst.addFree(150, 260);  // overlapping frees merge
    freeFirst.addFree(300, 310);
    freeFirst.addTaken(120, 130);
    freeFirst.addTaken(250, 305);
    takenFirst.addTaken(250, 305);
    takenFirst.addTaken(120, 130);
    takenFirst.addFree(300, 310);
    takenFirst.addFree(150, 260);
    takenFirst.addFree(100, 200);
    const std::vector<ByteRange> expected = {{100, 120}, {130, 250}, {305, 310}};
    EXPECT_EQ(freeFirst.freeRanges(), expected);
    EXPECT_EQ(takenFirst.freeRanges(), expected);
}

TEST(StringPlacement, BlocksOfBank1AUseBothBanksOthersOnly1D)
{
    SpaceMap map;
    map.addFree(Bank1A, Bank1A + 16);
    map.addFree(Bank1D, Bank1D + 0x100);      // 1D8000: reached by 1D-only blocks
    map.addFree(Shared1D + 0x800, Shared1D + 0x900);  // 1DB000
    const std::vector<StringRequest> requests = {
        request(10, true, 1),   // bank 1A
        request(8, true, 2),    // 1A is full now: 1DB000
        request(0x20, false, 3),  // anywhere in bank 1D
    };
    PlacementResult r = placeStrings(map, requests, ImageSize);
    expectSound(map, requests, r);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.placements[0].pointer, 0x8000);
    EXPECT_EQ(r.placements[1].pointer, 0xB000);
    EXPECT_GE(r.placements[2].fileOffset, Bank1D);
    EXPECT_EQ(r.bank1A.freeAfter, 6u);
    EXPECT_EQ(r.bank1D.freeAfter, 0x200u - 8 - 0x20);
}

TEST(StringPlacement, TakenBytesAndBankLimitsAreRespected)
{
    SpaceMap map;
    map.addFree(Bank1D, Bank1D + 0x20);
    map.addTaken(Bank1D + 8, Bank1D + 0x10);  // a kept string inside the freed area
    // Bank 1A's start window ends at 1AA7FF: only the first range below can
    // start a 1A string, and it may run on past A800.
    map.addFree(Bank1A + 0x27FC, Bank1A + 0x2810);
    map.addFree(Bank1A + 0x2900, Bank1A + 0x3000);
    // 1DFFF8-1DFFFF is free and the file goes on into bank 1E, but a string
    // must end by 1DFFFF.
    map.addFree(loRomFileOffset(0x1DFFF8), loRomFileOffset(0x1E8100));
    const std::vector<StringRequest> requests = {
        request(12, false, 1),  // only 1D8010 holds it
        request(20, true, 2),   // 1AA7FC..1AA80F
        request(10, true, 3),   // nothing left in reach
        request(9, false, 4),   // 1DFFF8 is too short
    };
    PlacementResult r = placeStrings(map, requests, ImageSize);
    expectSound(map, requests, r);
    EXPECT_EQ(r.placements[0].fileOffset, Bank1D + 0x10);
    EXPECT_EQ(r.placements[1].pointer, 0xA7FC);
    EXPECT_EQ(r.unplaced, (std::vector<size_t>{2, 3}));
}

TEST(StringPlacement, IdenticalStringsShareOnlyWhereEveryBlockFindsThem)
{
    struct Case {
        const char* name;
        bool sharedSpace;  // free bytes at 1DA800 and up
        size_t copies;
    };
    for (Case c : {Case{"common place", true, 1}, Case{"no common place", false, 2}}) {
        SCOPED_TRACE(c.name);
        SpaceMap map;
        map.addFree(Bank1A, Bank1A + 0x40);
        map.addFree(Bank1D, Bank1D + 0x40);
        if (c.sharedSpace) map.addFree(Shared1D, Shared1D + 0x40);
        const std::vector<StringRequest> requests = {
            request(16, true, 7), request(16, false, 7), request(16, true, 7), request(16, false, 7),
            request(4, true, 8),  request(4, true, 8),
        };
        PlacementResult r = placeStrings(map, requests, ImageSize);
        expectSound(map, requests, r);
        ASSERT_TRUE(r.ok());
        std::vector<uint32_t> starts;
        for (size_t i = 0; i < 4; ++i) starts.push_back(r.placements[i].fileOffset);
        std::sort(starts.begin(), starts.end());
        EXPECT_EQ(static_cast<size_t>(std::unique(starts.begin(), starts.end()) - starts.begin()), c.copies);
        EXPECT_EQ(r.placements[4].fileOffset, r.placements[5].fileOffset);
        EXPECT_EQ(r.bank1A.freeAfter + r.bank1D.freeAfter,
                  r.bank1A.freeBefore + r.bank1D.freeBefore - 16 * c.copies - 4);
    }
}

TEST(StringPlacement, OverflowReportsNeededFreeAndUnplaced)
{
    SpaceMap map;
    map.addFree(Bank1A, Bank1A + 30);
    map.addFree(Bank1D, Bank1D + 50);
    const std::vector<StringRequest> requests = {
        request(20, true, 1), request(20, true, 2),   // the second finds no room
        request(30, false, 3), request(30, false, 4),  // nor the fourth
        request(0, false, 5),                          // empty: never given a pointer
    };
    PlacementResult r = placeStrings(map, requests, ImageSize);
    expectSound(map, requests, r);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.unplaced, (std::vector<size_t>{1, 3, 4}));
    EXPECT_EQ(r.bank1A.freeBefore, 30u);
    EXPECT_EQ(r.bank1A.needed, 40u);
    EXPECT_EQ(r.bank1A.freeAfter, 10u);
    EXPECT_EQ(r.bank1D.freeBefore, 50u);
    EXPECT_EQ(r.bank1D.needed, 60u);
    EXPECT_EQ(r.bank1D.freeAfter, 20u);
}

TEST(StringPlacement, ManyRandomStringsAreSoundAndDeterministic)
{
    std::mt19937 rng(99);
    SpaceMap map;
    for (int i = 0; i < 400; ++i) {
        uint32_t start = 0xC0000 + rng() % 0x38000;  // banks 18-1E
        map.addFree(start, start + 1 + rng() % 300);
        if (i % 3 == 0) map.addTaken(start + rng() % 50, start + 50 + rng() % 50);
    }
    std::vector<StringRequest> requests;
    for (int i = 0; i < 3000; ++i) {
        // Few distinct contents, so identical strings meet across both kinds of block.
        uint8_t fill = static_cast<uint8_t>(rng() % 40);
        requests.push_back(request(1 + fill * 3 % 97, rng() % 2 == 0, fill));
    }
    PlacementResult first = placeStrings(map, requests, ImageSize);
    expectSound(map, requests, first);
    PlacementResult again = placeStrings(map, requests, ImageSize);
    ASSERT_EQ(again.unplaced, first.unplaced);
    for (size_t i = 0; i < requests.size(); ++i) {
        EXPECT_EQ(again.placements[i].fileOffset, first.placements[i].fileOffset);
        EXPECT_EQ(again.placements[i].pointer, first.placements[i].pointer);
    }
}

}  // namespace
