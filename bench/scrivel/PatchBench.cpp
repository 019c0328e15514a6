// Speed of what an insertion does after compiling the strings: placing them
// in free space, and making both patches of the inserted ROM.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "rom/BpsPatch.h"
#include "rom/IpsPatch.h"
#include "rom/SpaceMap.h"
#include "rom/StringPlacement.h"

namespace {

using namespace scrivel::rom;

constexpr size_t RomSize = 4 << 20;
constexpr int ChangedStrings = 65536;

// A 4 MiB image and a copy with as many scattered changed strings (4 to 40
// bytes each) as a full translation touches.
struct EditedRom {
    std::vector<uint8_t> source, target;

    EditedRom() : source(RomSize)
    {
        std::mt19937 rng(2024);
        for (auto& b : source) b = static_cast<uint8_t>(rng());
        target = source;
        for (int i = 0; i < ChangedStrings; ++i) {
            const size_t at = rng() % (RomSize - 64);
            const size_t length = 4 + rng() % 37;
            for (size_t k = 0; k < length; ++k) target[at + k] = static_cast<uint8_t>(rng());
        }
    }
};

const EditedRom& editedRom()
{
    static const EditedRom rom;
    return rom;
}

void BM_MakeIpsPatch(benchmark::State& state)
{
    const EditedRom& rom = editedRom();
    for (auto _ : state) {
        PatchResult p = makeIpsPatch(rom.source, rom.target);
        benchmark::DoNotOptimize(p.bytes.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(RomSize));
}
BENCHMARK(BM_MakeIpsPatch)->Unit(benchmark::kMillisecond);

void BM_MakeBpsPatch(benchmark::State& state)
{
    const EditedRom& rom = editedRom();
    for (auto _ : state) {
        PatchResult p = makeBpsPatch(rom.source, rom.target);
        benchmark::DoNotOptimize(p.bytes.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(RomSize));
}
BENCHMARK(BM_MakeBpsPatch)->Unit(benchmark::kMillisecond);

void BM_ApplyBpsPatch(benchmark::State& state)
{
    const EditedRom& rom = editedRom();
    const PatchResult patch = makeBpsPatch(rom.source, rom.target);
    for (auto _ : state) {
        PatchResult p = applyBpsPatch(rom.source, patch.bytes);
        benchmark::DoNotOptimize(p.bytes.data());
    }
}
BENCHMARK(BM_ApplyBpsPatch)->Unit(benchmark::kMillisecond);

// 65,536 translated strings whose originals were scattered over banks 1A
// and 1D, with kept strings between them; many translations repeat.
void BM_PlaceStrings(benchmark::State& state)
{
    std::mt19937 rng(7);
    struct Range {
        uint32_t begin, end;
        bool taken;
    };
    std::vector<Range> ranges;
    for (uint32_t bankStart : {loRomFileOffset(0x1A8000), loRomFileOffset(0x1D8000)}) {
        uint32_t at = bankStart;
        while (at < bankStart + 0x8000) {
            const uint32_t length = 1 + rng() % 12;
            ranges.push_back({at, at + length, rng() % 4 == 0});
            at += length;
        }
    }
    std::vector<StringRequest> requests(ChangedStrings);
    for (int i = 0; i < ChangedStrings; ++i) {
        const unsigned kind = rng() % 8000;  // at most 8000 different texts
        requests[static_cast<size_t>(i)] = {std::vector<uint8_t>(1 + kind % 11, static_cast<uint8_t>(kind)),
                                            i % 3 == 0, i / 16, i % 16};
    }
    size_t unplaced = 0;
    for (auto _ : state) {
        SpaceMap map;
        for (const Range& r : ranges) r.taken ? map.addTaken(r.begin, r.end) : map.addFree(r.begin, r.end);
        PlacementResult result = placeStrings(map, requests, RomSize);
        unplaced = result.unplaced.size();
        benchmark::DoNotOptimize(result.placements.data());
    }
    state.counters["unplaced"] = static_cast<double>(unplaced);
}
BENCHMARK(BM_PlaceStrings)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
