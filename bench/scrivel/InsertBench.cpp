// Speed of the whole insertion: reading a 4 MiB ROM and its data file, the
// 256 script files of 256 translated strings each (65,536 strings), compiling
// and placing them, rewriting the pointer tables, making both patches and
// writing the three outputs.
//
//   scrivel_insert_bench                      runs the benchmarks
//   scrivel_insert_bench --write-fixture DIR  only writes the fixture (rom.sfc,
//                                             blocks.txt, Dumps/) into DIR, for
//                                             timing scrivel-cli insert on it
//                                             (bench/scrivel/insert_twin.py)

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#include "editor/TranslatedRom.h"
#include "files/WholeFile.h"
#include "rom/DataFile.h"
#include "rom/RomFile.h"
#include "rom/SpaceMap.h"

namespace {

using namespace scrivel;
namespace fs = std::filesystem;

constexpr size_t RomSize = 4 << 20;
constexpr int Blocks = 256;
constexpr int StringsPerBlock = 256;
constexpr int Texts = 1000;  // different translations: banks 1A and 1D hold some 42 KiB

void put16(std::vector<uint8_t>& rom, uint32_t snes, uint16_t value)
{
    const uint32_t at = rom::loRomFileOffset(snes);
    rom[at] = static_cast<uint8_t>(value & 0xFF);
    rom[at + 1] = static_cast<uint8_t>(value >> 8);
}

// Even blocks have text bank 1A0000 and strings in 1A8000-1AA7FF, odd ones
// bank 1D0000 and strings all over bank 1D; the tables lie in banks 02-05.
void writeFixture(const fs::path& dir)
{
    std::mt19937 rng(11);
    std::vector<uint8_t> rom(RomSize);
    for (auto& b : rom) b = static_cast<uint8_t>(rng() % 0xF0);
    std::memcpy(rom.data() + rom::TitleOffset, rom::GameTitle, rom::GameTitleLength);
    constexpr int Originals1A = 0x2800 / 32, Originals1D = 0x8000 / 32;
    for (int i = 0; i < Originals1A; ++i) rom[rom::loRomFileOffset(0x1A8000 + 32 * i + 31)] = 0xFF;
    for (int i = 0; i < Originals1D; ++i) rom[rom::loRomFileOffset(0x1D8000 + 32 * i + 31)] = 0xFF;

    std::string data = "; insertion benchmark\n.FORMAT 18 16 16 1 16 0 1 2 3\n";
    fs::create_directories(dir / "Dumps");
    for (int b = 0; b < Blocks; ++b) {
        const uint32_t table = 0x028000 + 0x10000 * static_cast<uint32_t>(b / 64) + 0x200 * static_cast<uint32_t>(b % 64);
        const bool bank1A = b % 2 == 0;
        char line[64];
        std::snprintf(line, sizeof line, ".BLOCK %06X %06X %X\n", table, bank1A ? 0x1A0000 : 0x1D0000, StringsPerBlock);
        data += line;
        std::string script = "// Do not erase these: \r\n// .STRING #\r\n// .ENDS\r\n\r\n\r\n";
        for (int n = 0; n < StringsPerBlock; ++n) {
            const int original = bank1A ? n % Originals1A : (n * 7 + b) % Originals1D;
            put16(rom, table + 2 * static_cast<uint32_t>(n), static_cast<uint16_t>(0x8000 + 32 * original));
            char text[96];
            std::snprintf(text, sizeof text, ".STRING %d\r\nHero %04d[KEY]says hi\r\n.ENDS\r\n\r\n\r\n\r\n", n,
                          (b * StringsPerBlock + n) % Texts);
            script += text;
        }
        char name[16];
        std::snprintf(name, sizeof name, "%08X.txt", table);
        if (common::replaceFileAtomically((dir / "Dumps" / name).string(), script)) std::abort();
    }
    if (common::replaceFileAtomically((dir / "blocks.txt").string(), data)) std::abort();
    if (common::replaceFileAtomically((dir / "rom.sfc").string(),
                                      std::string_view(reinterpret_cast<const char*>(rom.data()), rom.size())))
        std::abort();
}

const fs::path& fixture()
{
    static const fs::path dir = [] {
        const fs::path d = fs::temp_directory_path() / ("scrivel-insert-bench-" + std::to_string(::getpid()));
        writeFixture(d);
        return d;
    }();
    return dir;
}

// From the files on disk to the three outputs on disk, as the twin does it.
void BM_InsertWholeProcess(benchmark::State& state)
{
    const fs::path& dir = fixture();
    const std::string romPath = (dir / "rom.sfc").string(), dataPath = (dir / "blocks.txt").string();
    const editor::OutputPaths out{(dir / "out.sfc").string(), (dir / "out.ips").string(), (dir / "out.bps").string()};
    size_t translated = 0;
    for (auto _ : state) {
        rom::RomFileBytes input;
        if (rom::readRomFileWhole(romPath, input) != rom::RomReadStatus::Ok) std::abort();
        rom::FontFormat format;
        const rom::DataFileContents data = rom::parseDataFile(*common::readWholeFile(dataPath), format);
        const editor::TranslatedRom built =
            editor::buildTranslatedRom(input.file, input.headerLength, data, (dir / "Dumps").string());
        if (!built.ok()) {
            state.SkipWithError(editor::reportText(built.report).c_str());
            break;
        }
        const auto written = editor::writeTranslatedRom(built, out, {romPath, dataPath});
        if (written.empty() || isFailure(written[0].severity)) {
            state.SkipWithError(written.empty() ? "nothing written" : written[0].text.c_str());
            break;
        }
        translated = built.report.size();
    }
    state.counters["strings"] = Blocks * StringsPerBlock;
    benchmark::DoNotOptimize(translated);
}
BENCHMARK(BM_InsertWholeProcess)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The same without the disk: building from bytes in memory (the script
// files are still read, as they are part of every build).
void BM_BuildInMemory(benchmark::State& state)
{
    const fs::path& dir = fixture();
    rom::RomFileBytes input;
    if (rom::readRomFileWhole((dir / "rom.sfc").string(), input) != rom::RomReadStatus::Ok) std::abort();
    rom::FontFormat format;
    const rom::DataFileContents data = rom::parseDataFile(*common::readWholeFile((dir / "blocks.txt").string()), format);
    for (auto _ : state) {
        const editor::TranslatedRom built =
            editor::buildTranslatedRom(input.file, input.headerLength, data, (dir / "Dumps").string());
        benchmark::DoNotOptimize(built.romFile.data());
    }
}
BENCHMARK(BM_BuildInMemory)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--write-fixture") == 0) {
        writeFixture(argv[2]);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove_all(fs::temp_directory_path() / ("scrivel-insert-bench-" + std::to_string(::getpid())), ec);
    return 0;
}
