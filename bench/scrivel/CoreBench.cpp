// Speed of the script editor's engine as the user meets it: opening a ROM
// with its text block data file, a top-level render of a string through the
// commands, and compiling a translated section for the preview.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "editor/EditorCommands.h"
#include "editor/HeadlessViews.h"
#include "platform/ScriptedPlatform.h"
#include "rom/Pointers.h"
#include "script/PreviewCompiler.h"

namespace {

using namespace scrivel::rom;
using namespace scrivel::script;
using namespace scrivel::editor;

// Four lines of one-byte glyphs, as a typical dialogue box holds them.
std::vector<uint8_t> fourLineString()
{
    std::vector<uint8_t> s;
    for (int line = 0; line < 4; ++line) {
        for (int i = 0; i < 14; ++i) s.push_back(static_cast<uint8_t>(0x60 + (i * 7 + line) % 0x30));
        s.push_back(line < 3 ? 0xFD : 0xFF);
    }
    return s;
}

void put(std::vector<uint8_t>& rom, uint32_t address, const std::vector<uint8_t>& bytes)
{
    std::memcpy(rom.data() + snesToFileOffset(address), bytes.data(), bytes.size());
}

// A 4 MiB ROM with 256 blocks of 16 four-line strings, and its data file.
struct BigRomFiles {
    std::filesystem::path folder;
    std::string rom, data;

    BigRomFiles()
    {
        char pattern[] = "/tmp/scrivel-bench-XXXXXX";
        folder = ::mkdtemp(pattern);
        std::vector<uint8_t> image(4 << 20, 0xFF);
        std::memcpy(image.data() + 0x7FC0, "VARKEL -OSTI-", 13);
        std::string blocks = ".FORMAT 18 16 16 1 16 0 1 2 3\n";
        const std::vector<uint8_t> text = fourLineString();
        for (int b = 0; b < 256; ++b) {
            uint32_t table = 0x1A8000 + 0x40u * static_cast<uint32_t>(b);
            uint16_t pointer = 0xB000;
            char line[64];
            std::snprintf(line, sizeof line, ".BLOCK %X 1D0000 10\n", static_cast<unsigned>(table));
            blocks += line;
            for (int n = 0; n < 16; ++n) {
                put(image, table + 2u * static_cast<uint32_t>(n),
                    {static_cast<uint8_t>(pointer & 0xFF), static_cast<uint8_t>(pointer >> 8)});
                put(image, 0x1D0000u | pointer, text);
                pointer = static_cast<uint16_t>(pointer + text.size());
            }
        }
        rom = (folder / "big.sfc").string();
        data = (folder / "blocks.txt").string();
        std::ofstream(rom, std::ios::binary).write(reinterpret_cast<const char*>(image.data()),
                                                   static_cast<std::streamsize>(image.size()));
        std::ofstream(data, std::ios::binary) << blocks;
    }
    ~BigRomFiles() { std::filesystem::remove_all(folder); }
};

const BigRomFiles& bigRom()
{
    static BigRomFiles files;
    return files;
}

// The editor as the command-line twin wires it.
struct Editor {
    platform::ScriptedPlatform platform;
    EditorState state;
    HexModel hex;
    HeadlessEditorView view;
    EditorCommands commands{state, hex, view, platform};

    explicit Editor(bool scriptFiles)
    {
        commands.scriptFilesEnabled = scriptFiles;
        view.editor.setChangeHandler([this] { commands.textEditorChanged(); });
        commands.initialise();
    }
    void open()
    {
        platform.queueChoice(bigRom().rom);
        platform.queueChoice(bigRom().data);
        commands.openRom();
    }
};

// Open ROM: read 4 MiB, check the title, read 256 block lines, fill the
// lists, select block 0 and string 0, render it.
void BM_OpenRom4MiBWith256Blocks(benchmark::State& st)
{
    bigRom();
    for (auto _ : st) {
        Editor editor(false);
        editor.open();
        if (editor.view.blocks.count() != 256) st.SkipWithError("blocks not loaded");
        benchmark::DoNotOptimize(editor.state.romImage.data());
    }
}
BENCHMARK(BM_OpenRom4MiBWith256Blocks)->Unit(benchmark::kMillisecond);

// The same with the block's script file loaded from the Dumps folder.
void BM_OpenRom4MiBWith256BlocksAndScriptFile(benchmark::State& st)
{
    bigRom();
    std::filesystem::current_path(bigRom().folder);
    for (auto _ : st) {
        Editor editor(true);
        editor.open();
        benchmark::DoNotOptimize(editor.state.romImage.data());
    }
}
BENCHMARK(BM_OpenRom4MiBWith256BlocksAndScriptFile)->Unit(benchmark::kMillisecond);

// A top-level render of a four-line string through the commands: clear,
// glyphs, frame, gradient, copy to the screen.
void BM_RenderFourLineString(benchmark::State& st)
{
    Editor editor(false);
    editor.open();
    for (auto _ : st) editor.commands.renderCurrentString();
    benchmark::DoNotOptimize(editor.state.rendered.picture.pixels.data());
}
BENCHMARK(BM_RenderFourLineString)->Unit(benchmark::kMicrosecond);

// Compiling a 20-line section with code names and hex runs.
void BM_CompileTwentyLineSection(benchmark::State& st)
{
    std::vector<std::string> lines = {"// header", ".STRING 7"};
    for (int i = 0; i < 20; ++i)
        lines.push_back(i % 4 == 3 ? "[NAME] says: [COLOR$02]hello[$F9] and[PAUSE] on[KEY]"
                                   : "Welcome to the town of Osti, traveller!");
    lines.push_back(".ENDS");
    std::array<uint8_t, PreviewSize> bytes{};
    for (auto _ : st) benchmark::DoNotOptimize(compileSection(lines, 1, bytes));
}
BENCHMARK(BM_CompileTwentyLineSection)->Unit(benchmark::kMicrosecond);

// The same section compiled from the text editor, as the preview does on
// every keystroke (marker search included).
void BM_PreviewRefreshTwentyLines(benchmark::State& st)
{
    Editor editor(false);
    editor.open();
    std::string text = "// header\n.STRING 0\n";
    for (int i = 0; i < 20; ++i) text += "Welcome to the town of Osti, traveller!\n";
    text += ".ENDS\n";
    editor.view.editor.setText(text);
    editor.commands.toggleTranslatedText();
    for (auto _ : st) editor.commands.textEditorChanged();
    benchmark::DoNotOptimize(editor.state.previewBytes.data());
}
BENCHMARK(BM_PreviewRefreshTwentyLines)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
