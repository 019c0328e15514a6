#pragma once
// Which bytes of the ROM image new strings may be written to: the free
// ranges (bytes of replaced strings, the data file's free areas) minus the
// taken ones (strings that keep their original, pointer tables). Taken
// always wins, whatever the order of the calls.
//
// Usage:
//   SpaceMap map;
//   map.addFree(0xE9000, 0xE9040);   // file offsets, end exclusive
//   map.addTaken(0xE9010, 0xE9020);
//   map.freeRanges();                // {E9000..E9010}, {E9020..E9040}

#include <cstdint>
#include <vector>

namespace scrivel::rom {

struct ByteRange {
    uint32_t begin = 0, end = 0;  // file offsets, [begin, end)

    uint32_t size() const { return end - begin; }
    bool operator==(const ByteRange&) const = default;
};

// LoROM: the upper half (8000-FFFF) of each bank holds 32 KiB of the file.
constexpr uint32_t loRomFileOffset(uint32_t snesAddress)
{
    return (snesAddress & 0xFFFF) - 0x8000 + ((snesAddress & 0x7F0000) >> 1);
}

class SpaceMap {
public:
    // Empty or reversed ranges are ignored.
    void addFree(uint32_t fileStart, uint32_t fileEndExclusive);
    void addTaken(uint32_t fileStart, uint32_t fileEndExclusive);

    // The free bytes no taken range covers, sorted, merged, non-empty.
    std::vector<ByteRange> freeRanges() const;

private:
    std::vector<ByteRange> free_, taken_;
};

}  // namespace scrivel::rom
