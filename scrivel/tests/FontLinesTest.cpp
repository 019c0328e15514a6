// The data file's .GAMEFONT and .PREVIEWFONT lines: a font from the ROM, a
// .bin file or a sheet draws exactly as that font passed to the renderer; a
// line that cannot be used is named in one message, and the stand-in draws.

#include <algorithm>
#include <filesystem>
#include <functional>
#include <sys/stat.h>

#include "EditorFixture.h"
#include "editor/SessionFonts.h"
#include "render/FontSheets.h"
#include "rom/Pointers.h"

using namespace scrivel::editor;
using namespace scrivel::render;
using scrivel::testing_rom::EditorFixture;
using testing_support::writeFile;

namespace {

using Bytes = std::vector<uint8_t>;

// Where the tests put a game font inside the 1 MiB fixture ROM.
constexpr uint32_t FontAddress = 0x108000;

// The built-in game font with half tile 0x0A (the first glyph of string 0)
// drawn as a checkerboard.
Bytes changedGameFont()
{
    Bytes font(GameFont.begin(), GameFont.end());
    for (int r = 0; r < 16; ++r) font[0x0A * 16 + static_cast<size_t>(r)] = r % 2 ? 0x55 : 0xAA;
    return font;
}

// The built-in preview font with "A" a solid block 12 pixels wide: wider
// than the stand-in's, so variable-width placement moves what follows it.
Bytes changedPreviewFont()
{
    Bytes font(PreviewFont.begin(), PreviewFont.end());
    uint8_t* glyph = font.data() + 'A' * 256;
    std::fill_n(glyph, 128, 1);  // the two left quarters
    for (int q = 2; q < 4; ++q)  // the right quarters: columns 8 to 11
        for (int r = 0; r < 8; ++r) {
            std::fill_n(glyph + q * 64 + r * 8, 8, 0);
            std::fill_n(glyph + q * 64 + r * 8, 4, 1);
        }
    return font;
}

std::string text(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

class FontLines : public EditorFixture {
protected:
    // The fixture's data file with extra lines after it (lines 5 on).
    void loadWith(const std::string& lines)
    {
        writeFile(dir / "fonts.txt", std::string(scrivel::testing_rom::EditorDataFile) + lines);
        platform.queueChoice((dir / "rom.sfc").string());
        platform.queueChoice((dir / "fonts.txt").string());
        commands.openRom();
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }

    // The picture of the current string with the given fonts put straight
    // into the session.
    std::vector<uint16_t> renderedWith(const Fonts& fonts)
    {
        const Fonts kept = state.fonts;
        state.fonts = fonts;
        commands.renderCurrentString();
        std::vector<uint16_t> picture = state.rendered.picture.pixels;
        state.fonts = kept;
        commands.renderCurrentString();
        return picture;
    }
};

TEST_F(FontLines, AGameFontFromEachSourceDrawsAsThatFontPassedStraightIn)
{
    const Bytes font = changedGameFont();
    scrivel::testing_rom::RomBuilder rom = scrivel::testing_rom::editorRom();
    rom.put(FontAddress, font);
    writeFile(dir / "rom.sfc", rom.bytes());
    writeFile(dir / "font.bin", text(font));
    std::filesystem::create_directory(dir / "art");
    ASSERT_EQ(writeGameFontSheet(path("art/font.png"), font), "");
    ASSERT_EQ(writeGameFontSheet(path("art/Font.PNG"), font), "");

    Fonts direct = builtInFonts();
    direct.game = font;
    for (const char* line : {".GAMEFONT ROM 108000", ".gamefont rom $108000", ".GAMEFONT font.bin",
                             ".GAMEFONT art/font.png", ".GAMEFONT   art/Font.PNG  "}) {
        SCOPED_TRACE(line);
        platform.clearRecords();
        loadWith(std::string(line) + "\n");
        EXPECT_EQ(commands.worstSeverity(), Severity::Info) << testing::PrintToString(platform.messages());
        ASSERT_TRUE(std::equal(state.fonts.game.begin(), state.fonts.game.end(), font.begin(), font.end()));
        const std::vector<uint16_t> loaded = state.rendered.picture.pixels;
        EXPECT_EQ(loaded, renderedWith(direct));
        EXPECT_NE(loaded, renderedWith(builtInFonts()));
    }
}

TEST_F(FontLines, APreviewFontSheetSetsTheVariableWidthsOfThePreview)
{
    const Bytes font = changedPreviewFont();
    ASSERT_EQ(writePreviewFontSheet(path("preview.png"), font), "");
    std::filesystem::create_directory(dir / "Dumps");
    writeFile(dumps("001A8000.txt"), std::string(".STRING 0\r\nAHA, A cat\r\n.ENDS\r\n"));
    state.checks.variableWidth = true;
    loadWith(".PREVIEWFONT preview.png\n");
    ASSERT_EQ(commands.worstSeverity(), Severity::Info) << testing::PrintToString(platform.messages());
    commands.toggleTranslatedText();

    RenderInput input;
    input.bytes = state.previewBytes;
    input.format = state.format;
    input.fonts = builtInFonts();
    input.fonts.preview = font;
    input.options.variableWidth = true;
    input.options.preview = true;
    const RenderResult direct = renderText(input);
    EXPECT_EQ(state.rendered.picture.pixels, direct.picture.pixels);
    ASSERT_EQ(state.rendered.layout.glyphs.size(), direct.layout.glyphs.size());
    for (size_t i = 0; i < direct.layout.glyphs.size(); ++i)
        EXPECT_EQ(state.rendered.layout.glyphs[i].x, direct.layout.glyphs[i].x) << i;

    // The stand-in's narrower "A" places the glyph after it elsewhere.
    input.fonts = builtInFonts();
    EXPECT_NE(renderText(input).layout.glyphs[1].x, direct.layout.glyphs[1].x);
}

struct BadLines {
    const char* name;
    std::function<void(const std::filesystem::path&)> prepare;
    std::string lines;
    // The message, "DIR" standing for the test's folder.
    std::string message;
    bool gameFontLoaded = false;
};

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

TEST_F(FontLines, ALineThatCannotBeUsedIsNamedOnceAndTheStandInDraws)
{
    const auto nothing = [](const std::filesystem::path&) {};
    const std::vector<BadLines> cases = {
        {"missing file", nothing, ".GAMEFONT fonts/game.png\n",
         "Error: DIR/fonts/game.png: cannot be opened: No such file or directory\n"
         "  fonts.txt, line 5: the stand-in game font stays in use."},
        {"short .bin",
         [](const std::filesystem::path& d) { writeFile(d / "short.bin", std::string(40511, '\0')); },
         "; fonts\n.GAMEFONT short.bin\n",
         "Error: DIR/short.bin: 40,511 bytes; a game font has 40512\n"
         "  fonts.txt, line 6: the stand-in game font stays in use."},
        {"address past the image's end", nothing, ".GAMEFONT ROM 1FFF00\n",
         "Error: the game font at 1FFF00 (file offset FFF00) runs past the end of the ROM image: it has 40512 "
         "bytes, 256 are left\n  fonts.txt, line 5: the stand-in game font stays in use."},
        {"address outside the image", nothing, ".GAMEFONT ROM 3E8000\n",
         "Error: the game font at 3E8000 (file offset 1F0000) is outside the ROM image of 1,048,576 bytes\n"
         "  fonts.txt, line 5: the stand-in game font stays in use."},
        {"no address", nothing, ".GAMEFONT ROM\n",
         "Error: .GAMEFONT ROM needs the font's SNES address in hexadecimal, such as 3E8000; none is given\n"
         "  fonts.txt, line 5: the stand-in game font stays in use."},
        {"not an address", nothing, ".GAMEFONT ROM 0x3E8000\n",
         "Error: .GAMEFONT ROM needs the font's SNES address in hexadecimal, such as 3E8000; found \"0x3E8000\"\n"
         "  fonts.txt, line 5: the stand-in game font stays in use."},
        {"sheet of the wrong size",
         [](const std::filesystem::path& d) { ASSERT_EQ(writeGameFontSheet((d / "game.png").string(), GameFont), ""); },
         ".PREVIEWFONT game.png\n",
         "Error: DIR/game.png: a sheet of 128 x 2544 pixels; expected 256 x 128\n"
         "  fonts.txt, line 5: the stand-in preview font stays in use."},
        {"a pipe, never opened: it would wait for a writer",
         [](const std::filesystem::path& d) { ASSERT_EQ(::mkfifo((d / "pipe.png").c_str(), 0600), 0); },
         ".PREVIEWFONT pipe.png\n",
         "Error: DIR/pipe.png: is not a file\n"
         "  fonts.txt, line 5: the stand-in preview font stays in use."},
        {"both lines",
         [](const std::filesystem::path& d) { writeFile(d / "p.bin", std::string(3, '\0')); },
         ".PREVIEWFONT p.bin\n.GAMEFONT\n",
         "Error: .GAMEFONT names no font: give ROM and an address, or a .bin or .png file\n"
         "  fonts.txt, line 6: the stand-in game font stays in use.\n"
         "Error: DIR/p.bin: 3 bytes; a preview font has 32768\n"
         "  fonts.txt, line 5: the stand-in preview font stays in use."},
        {"the good line of two still loads",
         [](const std::filesystem::path& d) { writeFile(d / "g.bin", text(changedGameFont())); },
         ".GAMEFONT g.bin\n.PREVIEWFONT\n",
         "Error: .PREVIEWFONT names no font: give a .bin or .png file\n"
         "  fonts.txt, line 6: the stand-in preview font stays in use.",
         true},
    };

    openRom();
    const std::vector<uint16_t> standIn = state.rendered.picture.pixels;
    for (const BadLines& c : cases) {
        SCOPED_TRACE(c.name);
        c.prepare(dir.path());
        platform.clearRecords();
        std::vector<std::pair<Severity, std::string>> told;
        commands.setMessageObserver([&](Severity s, const std::string& m) { told.emplace_back(s, m); });
        loadWith(c.lines);

        // Open ROM's own message, then the one naming every problem.
        ASSERT_EQ(told.size(), 2u) << testing::PrintToString(platform.messages());
        EXPECT_EQ(told[1], std::make_pair(Severity::Error, replaced(c.message, "DIR", dir.str())));
        // The data file loaded all the same, and the string was drawn with the stand-ins.
        EXPECT_EQ(view.blocks.count(), 2);
        EXPECT_EQ(state.fonts.preview.data(), PreviewFont.data());
        if (c.gameFontLoaded) {
            EXPECT_NE(state.fonts.game.data(), GameFont.data());
        } else {
            EXPECT_EQ(state.fonts.game.data(), GameFont.data());
            EXPECT_EQ(state.rendered.picture.pixels, standIn);
        }
    }
}

TEST_F(FontLines, ADataFileWithoutFontLinesGoesBackToTheStandIns)
{
    writeFile(dir / "p.bin", text(changedPreviewFont()));
    loadWith(".PREVIEWFONT p.bin\n");
    ASSERT_NE(state.fonts.preview.data(), PreviewFont.data());
    const Fonts loaded = state.fonts;
    EditorState copy = state;  // a copy views the same loaded font, which lives on
    state = EditorState();
    EXPECT_EQ(copy.fonts.preview.data(), loaded.preview.data());
    EXPECT_EQ(copy.fonts.preview[0x41 * 256], 1);
    state = std::move(copy);

    platform.queueChoice((dir / "blocks.txt").string());
    commands.loadDataFile();
    EXPECT_EQ(state.fonts.preview.data(), PreviewFont.data());
    EXPECT_EQ(state.fonts.game.data(), GameFont.data());
    EXPECT_EQ(state.loadedPreviewFont, nullptr);
}

TEST(FontLineArguments, GameFontSources)
{
    struct Case {
        std::string argument;
        std::optional<uint32_t> address;
        std::string path;
        bool error;
    };
    for (const Case& c : std::vector<Case>{
             {"ROM 3E8000", 0x3E8000, "", false},
             {"Rom\t$c0ffee ", 0xC0FFEE, "", false},
             {"ROM 0", 0, "", false},
             {"ROM 1000000", std::nullopt, "", true},
             {"ROM 3E8000 3F8000", std::nullopt, "", true},
             {"ROM $", std::nullopt, "", true},
             {"roms/font.bin", std::nullopt, "roms/font.bin", false},
             {"my font.png", std::nullopt, "my font.png", false},
             {"", std::nullopt, "", true},
         }) {
        const GameFontSource source = parseGameFontArgument(c.argument);
        EXPECT_EQ(source.romAddress, c.address) << c.argument;
        EXPECT_EQ(source.path, c.path) << c.argument;
        EXPECT_EQ(!source.error.empty(), c.error) << c.argument;
    }
    EXPECT_EQ(fontFilePath("/data/game/blocks.txt", "fonts/a.png"), "/data/game/fonts/a.png");
    EXPECT_EQ(fontFilePath("/data/game/blocks.txt", "/elsewhere/a.png"), "/elsewhere/a.png");
}

}  // namespace
