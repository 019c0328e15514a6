// Speed of writing every script file with the original text, as
// scrivel-cli dump does it: 256 blocks of 256 strings (65,536 strings)
// through the demo's table (1,300 entries, kanji among them).
//
// BM_DumpWholeProcess runs the built scrivel-cli from start to end into an
// empty folder each time (the input files page-cached after the first run):
// the figure the user waits for. BM_DecodeAllOriginals is the decoding
// alone, in process.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "editor/EditorCommands.h"
#include "editor/HeadlessViews.h"
#include "editor/NewScriptFiles.h"
#include "platform/ScriptedPlatform.h"
#include "rom/Pointers.h"

extern char** environ;

namespace {

using namespace scrivel;

constexpr int Blocks = 256;
constexpr int StringsPerBlock = 256;
constexpr int DistinctStrings = 256;

// Four lines of a dialogue box: half-width kana and letters with a kanji
// here and there, about 60 bytes.
std::vector<uint8_t> dialogueString(int seed)
{
    std::vector<uint8_t> s;
    for (int line = 0; line < 4; ++line) {
        for (int i = 0; i < 12; ++i) {
            if (i % 5 == 4) {
                s.push_back(0xF0);
                s.push_back(static_cast<uint8_t>(0x70 + (seed * 3 + i + line) % 0x80));
            } else {
                s.push_back(static_cast<uint8_t>(0x30 + (seed + i * 7 + line) % 0x40));
            }
        }
        s.push_back(line < 3 ? 0xFD : 0xFF);
    }
    return s;
}

void put(std::vector<uint8_t>& rom, uint32_t address, const std::vector<uint8_t>& bytes)
{
    std::memcpy(rom.data() + rom::snesToFileOffset(address), bytes.data(), bytes.size());
}

// A 4 MiB ROM whose 256 pointer tables (banks 20 to 23) point into 256
// distinct strings in bank 1D, its data file naming the demo's table.
struct DumpFiles {
    std::filesystem::path folder;
    std::string rom, data;

    DumpFiles()
    {
        char pattern[] = "/tmp/scrivel-dump-bench-XXXXXX";
        folder = ::mkdtemp(pattern);
        std::vector<uint8_t> image(4 << 20, 0xFF);
        std::memcpy(image.data() + 0x7FC0, "VARKEL -OSTI-", 13);
        std::vector<uint16_t> pointers;
        uint16_t pointer = 0x8000;
        for (int n = 0; n < DistinctStrings; ++n) {
            const std::vector<uint8_t> text = dialogueString(n);
            put(image, 0x1D0000u | pointer, text);
            pointers.push_back(pointer);
            pointer = static_cast<uint16_t>(pointer + text.size());
        }
        std::string blocks = ".FORMAT 18 16 16 1 16 0 1 2 3\n.TABLE demo.tbl\n";
        for (int b = 0; b < Blocks; ++b) {
            const uint32_t table = ((0x20u + static_cast<uint32_t>(b / 64)) << 16) | (0x8000u + 0x200u * (b % 64));
            for (int n = 0; n < StringsPerBlock; ++n) {
                const uint16_t p = pointers[static_cast<size_t>((n + b) % DistinctStrings)];
                put(image, table + 2u * static_cast<uint32_t>(n), {static_cast<uint8_t>(p & 0xFF), static_cast<uint8_t>(p >> 8)});
            }
            char line[64];
            std::snprintf(line, sizeof line, ".BLOCK %X 1D0000 %X\n", static_cast<unsigned>(table), StringsPerBlock);
            blocks += line;
        }
        rom = (folder / "big.sfc").string();
        data = (folder / "blocks.txt").string();
        std::ofstream(rom, std::ios::binary).write(reinterpret_cast<const char*>(image.data()),
                                                   static_cast<std::streamsize>(image.size()));
        std::ofstream(data, std::ios::binary) << blocks;
        std::filesystem::copy_file(DEMO_TABLE, folder / "demo.tbl");
    }
    ~DumpFiles() { std::filesystem::remove_all(folder); }
};

const DumpFiles& files()
{
    static DumpFiles f;
    return f;
}

int runDump(const std::string& into)
{
    const std::string cli = SCRIVEL_CLI;
    std::vector<std::string> args = {cli, "dump", files().rom, files().data, "--into", into};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int status = -1;
    if (posix_spawn(&pid, cli.c_str(), &actions, nullptr, argv.data(), environ) == 0) ::waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void BM_DumpWholeProcess(benchmark::State& st)
{
    const std::filesystem::path out = files().folder / "out";
    for (auto _ : st) {
        if (runDump(out.string()) != 0) st.SkipWithError("scrivel-cli dump failed");
        st.PauseTiming();
        if (std::distance(std::filesystem::directory_iterator(out), {}) != Blocks) st.SkipWithError("files missing");
        std::filesystem::remove_all(out);
        st.ResumeTiming();
    }
    st.counters["strings"] = Blocks * StringsPerBlock;
}
BENCHMARK(BM_DumpWholeProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DecodeAllOriginals(benchmark::State& st)
{
    platform::ScriptedPlatform platform;
    editor::EditorState state;
    editor::HexModel hex;
    editor::HeadlessEditorView view;
    editor::EditorCommands commands(state, hex, view, platform);
    commands.scriptFilesEnabled = false;
    commands.initialise();
    platform.queueChoice(files().rom);
    platform.queueChoice(files().data);
    commands.openRom();
    if (!state.table) st.SkipWithError("the table was not loaded");
    size_t bytes = 0;
    for (auto _ : st)
        for (size_t b = 0; b < Blocks; ++b) {
            const std::string text = editor::newScriptFileText(state, b);
            bytes += text.size();
            benchmark::DoNotOptimize(text.data());
        }
    st.SetBytesProcessed(static_cast<int64_t>(bytes));
}
BENCHMARK(BM_DecodeAllOriginals)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
