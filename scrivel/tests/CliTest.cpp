// scrivel-cli end to end: the built program on files in a temporary folder
// and on the demo ROM.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sys/wait.h>

#include "EditorFixture.h"
#include "rom/BpsPatch.h"
#include "rom/IpsPatch.h"
#include "script/ScriptFile.h"
#include "script/ScriptSections.h"
#include "png/Png.h"
#include "render/FontSheets.h"
#include "render/Fonts.h"
#include "testing/TempDir.h"

using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

CliRun runCli(const std::string& arguments, const std::string& folder = ".")
{
    TempDir scratch;
    std::string errPath = (scratch / "stderr").string();
    std::string command = "cd '" + folder + "' && '" SCRIVEL_CLI "' " + arguments + " 2>'" + errPath + "'";
    CliRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer;
    size_t got;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), got);
    int raw = ::pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.err = readFile(errPath);
    return run;
}

class Cli : public ::testing::Test {
protected:
    Cli()
    {
        writeFile(dir / "rom.sfc", scrivel::testing_rom::editorRom().bytes());
        writeFile(dir / "blocks.txt", std::string(scrivel::testing_rom::EditorDataFile));
    }
    TempDir dir;
};

TEST_F(Cli, RenderPrintsThePanelsAndTheBytes)
{
    CliRun run = runCli("render rom.sfc blocks.txt 0 3", dir.str());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Offset: 1A9C40 | PTR: 9C40 -> 1A8006\n03 04 05 FF\nControl Codes: Visible | VWF: Inactive\n");
    EXPECT_EQ(run.err, "ROM loaded successfully!\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "Dumps"));

    run = runCli("render --vwf rom.sfc blocks.txt --hide-codes 1 1", dir.str());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Offset: 1B9003 | PTR: 9003 -> 1B8002\nF0 70 FF\nControl Codes: Hidden | VWF: Active\n");
}

TEST_F(Cli, RawAndPngHoldTheSameScreen)
{
    CliRun run = runCli("render rom.sfc blocks.txt 0 2 --raw out/../screen.raw --png screen.png", dir.str());
    ASSERT_EQ(run.status, 0) << run.err;
    std::string raw = readFile(dir / "screen.raw");
    ASSERT_EQ(raw.size(), 236160u);

    common::PngReadResult png = common::readPng((dir / "screen.png").string());
    ASSERT_TRUE(png.ok()) << png.error;
    EXPECT_EQ(png.image.width, 320);
    EXPECT_EQ(png.image.height, 369);
    ASSERT_EQ(png.image.pixels.size(), 320u * 369u * 4u);
    bool anyColour = false;
    for (size_t i = 0; i < 320u * 369u; ++i) {
        unsigned pixel = uint8_t(raw[2 * i]) | (uint8_t(raw[2 * i + 1]) << 8);
        unsigned r = pixel >> 11, g = (pixel >> 5) & 0x3F, b = pixel & 0x1F;
        const uint8_t* rgba = png.image.pixels.data() + 4 * i;
        ASSERT_EQ(rgba[0], (r << 3) | (r >> 2)) << i;
        ASSERT_EQ(rgba[1], (g << 2) | (g >> 4)) << i;
        ASSERT_EQ(rgba[2], (b << 3) | (b >> 2)) << i;
        ASSERT_EQ(rgba[3], 0xFF) << i;
        anyColour = anyColour || pixel != 0;
    }
    EXPECT_TRUE(anyColour);
}

TEST_F(Cli, RenderWithAScriptShowsTheCompiledSection)
{
    writeFile(dir / "script.txt", std::string(".STRING 1\r\nHi[key]\r\nYou\r\n.ENDS\r\n"));
    CliRun run = runCli("render rom.sfc blocks.txt 0 1 --script script.txt", dir.str());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Offset: 1A9C38 | PTR: 9C38 -> 1A8002\n48 69 F6 FE 59 6F 75 FF\n"
                       "Control Codes: Visible | VWF: Inactive\n");
    EXPECT_EQ(runCli("compile script.txt 1", dir.str()).out, "48 69 F6 FE 59 6F 75 FF\n");
}

TEST_F(Cli, CompileWithoutTheMarkerPrintsNothing)
{
    writeFile(dir / "script.txt", std::string(".STRING 1\r\nHi\r\n.ENDS\r\n"));
    CliRun run = runCli("compile script.txt 2", dir.str());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(runCli("compile nothing.txt 1", dir.str()).status, 1);
}

TEST_F(Cli, RefusalsExitWithOneAndSayWhy)
{
    auto wrong = scrivel::testing_rom::editorRom().bytes();
    wrong[0x7FC0] = 'v';
    writeFile(dir / "wrong.sfc", wrong);
    CliRun run = runCli("render wrong.sfc blocks.txt 0 0", dir.str());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Error: This is not the ROM used.\nPlease load the correct ROM.\n");

    run = runCli("render rom.sfc missing.txt 0 0", dir.str());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "ROM loaded successfully!\nFatal Error: Could not open FONT file!\n");

    EXPECT_EQ(runCli("render rom.sfc blocks.txt 2 0", dir.str()).status, 1);
    EXPECT_EQ(runCli("render rom.sfc blocks.txt 1 2", dir.str()).status, 1);
    EXPECT_EQ(runCli("render rom.sfc blocks.txt 0 0 --script none.txt", dir.str()).status, 1);
}

TEST_F(Cli, UsageErrors)
{
    for (const char* args : {"", "draw x", "render rom.sfc blocks.txt 0", "render rom.sfc blocks.txt 0 x",
                             "render rom.sfc blocks.txt 0 0 --png", "render rom.sfc blocks.txt 0 0 --bold",
                             "compile a", "fonts"}) {
        CliRun run = runCli(args, dir.str());
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.err.find("Usage"), std::string::npos) << args;
    }
    CliRun help = runCli("--help", dir.str());
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("scrivel-cli render ROM DATA BLOCK STRING"), std::string::npos);
}

TEST_F(Cli, EverySubcommandHasItsOwnHelpAndTheVersionIsPrinted)
{
    for (const char* command : {"render", "compile", "fonts"}) {
        CliRun help = runCli(std::string(command) + " --help", dir.str());
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_EQ(help.err, "") << command;
        EXPECT_NE(help.out.find(std::string("Usage: scrivel-cli ") + command), std::string::npos) << help.out;
    }
    EXPECT_NE(runCli("render --help", dir.str()).out.find("--script"), std::string::npos);

    CliRun version = runCli("--version", dir.str());
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "scrivel-cli 1.1.0\n");
}

TEST_F(Cli, AUsageErrorSaysWhatIsWrongAndShowsTheSubcommandsUsage)
{
    CliRun run = runCli("render rom.sfc blocks.txt 0 x", dir.str());
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("STRING"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Usage: scrivel-cli render ROM DATA BLOCK STRING"), std::string::npos) << run.err;
    // Indices are decimal: a leading zero is no octal number.
    EXPECT_EQ(runCli("render rom.sfc blocks.txt 0 010", dir.str()).status, 1);
    EXPECT_EQ(runCli("render rom.sfc blocks.txt 0 0x1", dir.str()).status, 2);
}

TEST_F(Cli, EveryFailureSaysWhyOnStandardError)
{
    writeFile(dir / "script.txt", std::string(".STRING 1\r\nHi\r\n.ENDS\r\n"));
    writeFile(dir / "not-a-folder", std::string("x"));
    for (const char* args : {"render missing.sfc blocks.txt 0 0", "render rom.sfc blocks.txt 5 0",
                             "render rom.sfc blocks.txt 0 9", "render rom.sfc blocks.txt 0 0 --png no/such/dir/x.png",
                             "render rom.sfc blocks.txt 0 0 --raw no/such/dir/x.raw", "compile script.txt 7",
                             "compile none.txt 1", "fonts not-a-folder"}) {
        CliRun run = runCli(args, dir.str());
        EXPECT_EQ(run.status, 1) << args;
        EXPECT_FALSE(run.err.empty()) << args;
        EXPECT_NE(run.err.back(), ' ') << args;
    }
}

TEST_F(Cli, FontsWritesThePictureData)
{
    CliRun run = runCli("fonts data", dir.str());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(std::filesystem::file_size(dir / "data" / "gamefont.bin"), 40512u);
    EXPECT_EQ(std::filesystem::file_size(dir / "data" / "labelfont.bin"), 6144u);
    EXPECT_EQ(std::filesystem::file_size(dir / "data" / "previewfont.bin"), 32768u);
    std::string tiles = readFile(dir / "data" / "windowtiles.bin");
    ASSERT_EQ(tiles.size(), 1152u);
    EXPECT_EQ(tiles.substr(0, 2), "\x14\x21");            // tile 0: the gradient placeholder 0x2114
    EXPECT_EQ(tiles.substr(128, 4), std::string("\x00\x00\x30\x84", 4));  // tile 1 starts K G
}

TEST_F(Cli, InsertRefusesAnOutputThatNamesTheInput)
{
    std::filesystem::create_directory(dir / "sub");
    std::filesystem::create_symlink(dir / "rom.sfc", dir / "link.sfc");
    const std::string rom = readFile(dir / "rom.sfc");
    for (const char* args : {"insert rom.sfc blocks.txt rom.sfc", "insert rom.sfc blocks.txt sub/../rom.sfc",
                             "insert rom.sfc blocks.txt link.sfc", "insert rom.sfc blocks.txt out.sfc --ips rom.sfc",
                             "insert rom.sfc blocks.txt out.sfc --bps ./sub/../link.sfc",
                             "insert rom.sfc blocks.txt blocks.txt"}) {
        CliRun run = runCli(args, dir.str());
        EXPECT_EQ(run.status, 1) << args;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_NE(run.err.find("names the input file"), std::string::npos) << args << ": " << run.err;
        EXPECT_EQ(readFile(dir / "rom.sfc"), rom);
        EXPECT_FALSE(std::filesystem::exists(dir / "out.sfc")) << args;
    }
}

TEST_F(Cli, InsertThatFailsWritesNothingAndSaysWhy)
{
    std::filesystem::create_directory(dir / "Dumps");
    struct Case {
        std::string script;
        std::string error;
    };
    const Case cases[] = {
        {".STRING 0\r\nA translation far longer than the four bytes it had\r\n.ENDS\r\n",
         "Error: The translated strings do not fit in the free space; nothing was written.\nBank 1A: 52 bytes "
         "needed, 4 free.\nBank 1D: 0 bytes needed, 0 free.\nNot placed: block 1A8000 string 0 (52 bytes)\n"},
        {".STRING 1\r\nHi\r\n", "Error: " + (dir / "Dumps" / "001A8000.txt").string() +
                                    ": the section .STRING 1 has no closing .ENDS line.\n"},
    };
    for (const Case& c : cases) {
        writeFile(dir / "Dumps" / "001A8000.txt", c.script);
        CliRun run = runCli("insert rom.sfc blocks.txt out/new.sfc", dir.str());
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, c.error);
        EXPECT_FALSE(std::filesystem::exists(dir / "out"));
    }
    writeFile(dir / "Dumps" / "001A8000.txt", std::string(".STRING 1\r\nHi\r\n.ENDS\r\n"));
    CliRun run = runCli("insert rom.sfc blocks.txt no/such/folder/new.sfc", dir.str());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Error: Could not write "), std::string::npos) << run.err;
    EXPECT_NE(run.out.find("Block 1A8000: 1 of 4 strings translated, 3 bytes"), std::string::npos) << run.out;
}

// The translated demo ROM, read back by the renderer: each translated string
// shows exactly the bytes its section compiles to, every other string what
// it showed before; both patches turn the demo ROM into the translated one.
TEST(CliDemo, InsertedStringsRenderAsTheirCompiledSections)
{
    const std::filesystem::path demo = DEMO_DIR;
    TempDir dir;
    std::filesystem::create_directory(dir / "Dumps");
    for (const char* name : {"demo.sfc", "demo-blocks.txt", "demo.tbl", "Dumps/001A8000.txt"})
        std::filesystem::copy_file(demo / name, dir / name);
    std::filesystem::create_directory(dir / "out");
    CliRun run = runCli("insert demo.sfc demo-blocks.txt out/demo-fr.sfc", dir.str());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("Wrote " + (dir / "out" / "demo-fr.bps").string()), std::string::npos) << run.out;

    const auto script = scrivel::script::readScriptFile((dir / "Dumps" / "001A8000.txt").string());
    ASSERT_TRUE(script);
    int translated = 0;
    for (int n = 0;; ++n) {
        const std::string args = "demo-blocks.txt 0 " + std::to_string(n);
        CliRun before = runCli("render demo.sfc " + args, dir.str());
        if (before.status != 0) break;
        CliRun after = runCli("render out/demo-fr.sfc " + args, dir.str());
        ASSERT_EQ(after.status, 0) << after.err;
        // render prints status panel 0, the hex bytes, status panel 1.
        auto hexLine = [](const std::string& out) {
            const size_t first = out.find('\n'), second = out.find('\n', first + 1);
            return out.substr(first + 1, second - first - 1);
        };
        const auto section = scrivel::script::findStringSection(script->lines, n);
        if (section && scrivel::script::isTranslated(script->lines, *section)) {
            ++translated;
            CliRun compiled = runCli("compile Dumps/001A8000.txt " + std::to_string(n), dir.str());
            EXPECT_EQ(hexLine(after.out), compiled.out.substr(0, compiled.out.size() - 1)) << n;
        } else {
            EXPECT_EQ(after.out, before.out) << n;
        }
    }
    EXPECT_GE(translated, 5);

    const std::string input = readFile(dir / "demo.sfc"), output = readFile(dir / "out" / "demo-fr.sfc");
    const std::vector<uint8_t> source(input.begin(), input.end()), target(output.begin(), output.end());
    for (const char* patch : {"demo-fr.ips", "demo-fr.bps"}) {
        const std::string bytes = readFile(dir / "out" / patch);
        const std::vector<uint8_t> p(bytes.begin(), bytes.end());
        const auto applied = std::string(patch).ends_with(".ips") ? scrivel::rom::applyIpsPatch(source, p)
                                                                  : scrivel::rom::applyBpsPatch(source, p);
        ASSERT_TRUE(applied.ok()) << applied.error;
        EXPECT_EQ(applied.bytes, target) << patch;
    }
}

TEST_F(Cli, FontsPngWritesSheetsThatLoadBackAsTheFonts)
{
    CliRun run = runCli("fonts data --png", dir.str());
    ASSERT_EQ(run.status, 0) << run.err;
    struct Sheet {
        const char* name;
        int width, height;
        scrivel::render::FontLoad (*load)(const std::string&);
        std::span<const uint8_t> font;
    };
    for (const Sheet& sheet : {Sheet{"gamefont.png", 128, 2544, scrivel::render::loadGameFontFile,
                                     scrivel::render::GameFont},
                               Sheet{"previewfont.png", 256, 128, scrivel::render::loadPreviewFontFile,
                                     scrivel::render::PreviewFont}}) {
        const std::string path = (dir / "data" / sheet.name).string();
        common::PngReadResult png = common::readPng(path);
        ASSERT_TRUE(png.ok()) << png.error;
        EXPECT_EQ(png.image.width, sheet.width);
        EXPECT_EQ(png.image.height, sheet.height);
        // White glyphs on black.
        for (size_t i = 0; i < png.image.pixels.size(); i += 4) {
            const uint8_t* p = png.image.pixels.data() + i;
            ASSERT_TRUE(p[0] == p[1] && p[1] == p[2] && (p[0] == 0 || p[0] == 0xFF) && p[3] == 0xFF) << i / 4;
        }
        scrivel::render::FontLoad font = sheet.load(path);
        ASSERT_TRUE(font.ok()) << font.error;
        EXPECT_TRUE(std::equal(font.bytes.begin(), font.bytes.end(), sheet.font.begin(), sheet.font.end()))
            << sheet.name;
    }
}

TEST_F(Cli, RenderDrawsWithTheDataFilesFontsAndExitsOneWhenALineCannotBeUsed)
{
    ASSERT_EQ(runCli("fonts data --png", dir.str()).status, 0);
    const std::string blocks = scrivel::testing_rom::EditorDataFile;
    writeFile(dir / "sheets.txt", blocks + ".GAMEFONT data/gamefont.png\r\n.PREVIEWFONT data/previewfont.png\r\n");
    writeFile(dir / "bad.txt", blocks + ".GAMEFONT ROM 1FFF00\r\n.PREVIEWFONT data/none.png\r\n");

    CliRun plain = runCli("render rom.sfc blocks.txt 0 2 --raw plain.raw", dir.str());
    CliRun sheets = runCli("render rom.sfc sheets.txt 0 2 --raw sheets.raw", dir.str());
    ASSERT_EQ(sheets.status, 0) << sheets.err;
    EXPECT_EQ(sheets.out, plain.out);
    EXPECT_EQ(readFile(dir / "sheets.raw"), readFile(dir / "plain.raw"));

    CliRun bad = runCli("render rom.sfc bad.txt 0 2", dir.str());
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, "");
    const std::string told = bad.err;
    EXPECT_EQ(told.rfind("ROM loaded successfully!\nError: the game font at 1FFF00 (file offset FFF00) runs past", 0), 0u)
        << told;
    EXPECT_NE(told.find("  bad.txt, line 5: the stand-in game font stays in use.\nError: "), std::string::npos) << told;
    EXPECT_NE(told.find("/data/none.png: cannot be opened: No such file or directory\n"
                        "  bad.txt, line 6: the stand-in preview font stays in use.\n"),
              std::string::npos)
        << told;
}

TEST(CliDemo, EveryDemoStringRendersInEveryViewMode)
{
    const std::string demo = DEMO_DIR;
    ASSERT_TRUE(std::filesystem::exists(demo + "/demo.sfc"));
    std::string blocks = readFile(demo + "/demo-blocks.txt");
    int block = 0;
    for (const std::string options : {"", "--hide-codes", "--vwf", "--hide-codes --vwf"}) {
        for (block = 0;; ++block) {
            CliRun first = runCli("render demo.sfc demo-blocks.txt " + std::to_string(block) + " 0 " + options, demo);
            if (first.status != 0) break;
            for (int n = 1;; ++n) {
                CliRun run = runCli("render demo.sfc demo-blocks.txt " + std::to_string(block) + " " +
                                     std::to_string(n) + " " + options, demo);
                if (run.status != 0) {
                    EXPECT_NE(run.err.find("is not in the string list"), std::string::npos) << run.err;
                    break;
                }
                EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 3);
            }
        }
        EXPECT_GE(block, 2) << options;
    }
}

TEST(CliDemo, TheDemosFontSheetsDrawAsTheStandIns)
{
    const std::string demo = DEMO_DIR;
    TempDir dir;
    std::filesystem::copy_file(demo + "/demo.tbl", dir / "demo.tbl");  // the table the data file names
    writeFile(dir / "sheets.txt", readFile(demo + "/demo-blocks.txt") + "\n.GAMEFONT " + demo + "/gamefont.png\n" +
                                      ".PREVIEWFONT " + demo + "/previewfont.png\n");
    const std::string data = (dir / "sheets.txt").string();
    for (const std::string view : {"1 2", "0 1 --script Dumps/001A8000.txt --vwf"}) {
        CliRun plain = runCli("render demo.sfc demo-blocks.txt " + view + " --raw " + (dir / "plain.raw").string(), demo);
        CliRun sheets = runCli("render demo.sfc " + data + " " + view + " --raw " + (dir / "sheets.raw").string(), demo);
        ASSERT_EQ(sheets.status, 0) << sheets.err;
        EXPECT_EQ(sheets.out, plain.out);
        EXPECT_EQ(readFile(dir / "sheets.raw"), readFile(dir / "plain.raw")) << view;
    }
}


// A copy of the demo (ROM, data file and the table it names) in the folder
// "game" of a fresh folder; the twin runs from the fresh folder.
struct DemoCopy {
    TempDir dir;
    DemoCopy()
    {
        std::filesystem::create_directory(dir / "game");
        for (const char* name : {"demo.sfc", "demo-blocks.txt", "demo.tbl"})
            std::filesystem::copy_file(std::filesystem::path(DEMO_DIR) / name, dir / "game" / name);
    }
    std::filesystem::path dumps() const { return dir / "game" / "Dumps"; }
};

const char* const DemoDumpLines = "001A8000.txt created\n001D8000.txt created\n001B8000.txt created\n";

TEST(CliDump, WritesWhatTheEditorWritesForEveryBlock)
{
    DemoCopy demo;
    CliRun run = runCli("dump game/demo.sfc game/demo-blocks.txt", demo.dir.str());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, DemoDumpLines);

    // The editor on the same files makes each block's file as the user selects it.
    TempDir editorDir;
    for (const char* name : {"demo.sfc", "demo-blocks.txt", "demo.tbl"})
        std::filesystem::copy_file(demo.dir / "game" / name, editorDir / name);
    platform::ScriptedPlatform platform;
    scrivel::editor::EditorState state;
    scrivel::editor::HexModel hex;
    scrivel::editor::HeadlessEditorView view;
    scrivel::editor::EditorCommands commands(state, hex, view, platform);
    commands.initialise();
    platform.queueChoice((editorDir / "demo.sfc").string());
    platform.queueChoice((editorDir / "demo-blocks.txt").string());
    commands.openRom();
    ASSERT_TRUE(state.table);
    for (int block = 0; block < 3; ++block) {
        view.blocks.select(block);
        commands.selectBlock();
        const std::string name = std::string(DemoDumpLines).substr(static_cast<size_t>(block) * 21, 12);
        const std::string made = readFile(editorDir / "Dumps" / name);
        EXPECT_EQ(readFile(demo.dumps() / name), made) << name;
        EXPECT_NE(made.find(".ENDS\r\n// "), std::string::npos) << name;  // the originals are there
    }
}

TEST(CliDump, NeverTouchesAFileThatExists)
{
    DemoCopy demo;
    std::filesystem::create_directory(demo.dumps());
    writeFile(demo.dumps() / "001D8000.txt", std::string("mine"));
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24);
    std::filesystem::last_write_time(demo.dumps() / "001D8000.txt", old);

    CliRun run = runCli("dump game/demo.sfc game/demo-blocks.txt", demo.dir.str());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "001A8000.txt created\n001D8000.txt kept (exists)\n001B8000.txt created\n");
    EXPECT_EQ(readFile(demo.dumps() / "001D8000.txt"), "mine");
    EXPECT_EQ(std::filesystem::last_write_time(demo.dumps() / "001D8000.txt"), old);

    const std::string first = readFile(demo.dumps() / "001A8000.txt");
    run = runCli("dump game/demo.sfc game/demo-blocks.txt", demo.dir.str());
    EXPECT_EQ(run.out, "001A8000.txt kept (exists)\n001D8000.txt kept (exists)\n001B8000.txt kept (exists)\n");
    EXPECT_EQ(readFile(demo.dumps() / "001A8000.txt"), first);
}

TEST(CliDump, TableOptionAndFolderOptionStandInForTheDefaults)
{
    DemoCopy demo;
    writeFile(demo.dir / "empty.tbl", std::string("# no entries\n"));
    CliRun run = runCli("dump game/demo.sfc game/demo-blocks.txt --table empty.tbl --into out/scripts", demo.dir.str());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, DemoDumpLines);
    EXPECT_FALSE(std::filesystem::exists(demo.dumps()));
    // With no entry every byte reads by the game's own code.
    const std::string file = readFile(demo.dir / "out" / "scripts" / "001A8000.txt");
    EXPECT_NE(file.find(".STRING 0\r\n\r\n\r\n\r\n.ENDS\r\n// [$"), std::string::npos) << file.substr(0, 200);
}

TEST(CliDump, WrongTableIsAnErrorAndWritesNothing)
{
    struct Case {
        const char* what;
        std::string options;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"--table with a bad line", "--table bad.tbl", "bad.tbl:2: not a table entry: 0A"},
        {"--table missing", "--table none.tbl", "none.tbl: cannot read the table"},
        {"the data file's table missing", "", "demo.tbl: cannot read the table"},
    };
    for (const Case& c : cases) {
        DemoCopy demo;
        writeFile(demo.dir / "bad.tbl", std::string("00=0\n0A\n"));
        if (c.options.empty()) std::filesystem::remove(demo.dir / "game" / "demo.tbl");
        CliRun run = runCli("dump game/demo.sfc game/demo-blocks.txt --into out " + c.options, demo.dir.str());
        EXPECT_EQ(run.status, 1) << c.what;
        EXPECT_NE(run.err.find("Error: "), std::string::npos) << c.what;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.what << ": " << run.err;
        EXPECT_EQ(run.out, "") << c.what;
        EXPECT_FALSE(std::filesystem::exists(demo.dir / "out")) << c.what;
        EXPECT_FALSE(std::filesystem::exists(demo.dumps())) << c.what;
    }
    // render takes --table as well, and refuses a wrong one the same way.
    DemoCopy demo;
    writeFile(demo.dir / "bad.tbl", std::string("00=0\n0A\n"));
    CliRun run = runCli("render game/demo.sfc game/demo-blocks.txt 0 0 --table bad.tbl", demo.dir.str());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("bad.tbl:2: not a table entry: 0A"), std::string::npos) << run.err;
    EXPECT_EQ(runCli("render game/demo.sfc game/demo-blocks.txt 0 0 --table game/demo.tbl", demo.dir.str()).status, 0);
}

}  // namespace
