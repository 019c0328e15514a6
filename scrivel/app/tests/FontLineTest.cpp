// The data file's font lines in the desktop program: a line that cannot be
// used is shown in a message while the stand-in draws; a loaded game font
// draws the screen and the hex window's glyph picture.

#include "FontLineTest.h"

#include <QTest>
#include <vector>

#include "GuiFixture.h"
#include "render/Fonts.h"
#include "render/GlyphPictures.h"

namespace scrivel::app::testing {

namespace {

void openWith(GuiFixture& f, const std::string& dataFile)
{
    f.platform.queueChoice(f.path("rom.sfc"));
    f.platform.queueChoice(f.path(dataFile));
    f.form->menu.openRom->trigger();
    f.settle();
}

}  // namespace

void FontLineTest::badFontLineShowsTheMessageAndDrawsTheStandIn()
{
    GuiFixture f;
    f.openRom();
    const QImage standIn = f.videoPicture();

    testing_support::writeFile(f.dir / "fonts.txt", fixtureBlocks() + ".GAMEFONT fonts/game.png\n");
    f.platform.clearRecords();
    openWith(f, "fonts.txt");
    const std::vector<std::string>& messages = f.platform.messages();
    QCOMPARE(messages.size(), size_t(2));
    QCOMPARE(messages[1], "Error: " + f.path("fonts/game.png") +
                              ": cannot be opened: No such file or directory\n"
                              "  fonts.txt, line 5: the stand-in game font stays in use.");
    QCOMPARE(f.form->blockListBox->count(), 2);
    QCOMPARE(f.videoPicture(), standIn);
}

void FontLineTest::loadedGameFontDrawsTheScreenAndTheHexGlyph()
{
    // String 0 starts with byte 01: its half tile becomes a checkerboard.
    std::string font(render::GameFont.begin(), render::GameFont.end());
    for (int r = 0; r < 16; ++r) font[16 + static_cast<size_t>(r)] = static_cast<char>(r % 2 ? 0x55 : 0xAA);
    const std::vector<uint8_t> bytes(font.begin(), font.end());

    GuiFixture f;
    f.openRom();
    const QImage standIn = f.videoPicture();
    testing_support::writeFile(f.dir / "game.bin", font);
    testing_support::writeFile(f.dir / "fonts.txt", fixtureBlocks() + ".GAMEFONT game.bin\n");
    f.platform.clearRecords();
    openWith(f, "fonts.txt");
    QCOMPARE(f.platform.messages().size(), size_t(1));  // "ROM loaded successfully!" alone
    QVERIFY(f.videoPicture() != standIn);

    const render::GlyphPicture expected = render::gameHalfTilePicture(0x01, bytes);
    const QImage& glyph = f.form->hexWindow->glyphBitmap();
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 16; ++c)
            QCOMPARE(glyph.pixelColor(c, r) == QColor(Qt::white), expected[static_cast<size_t>(r * 16 + c)] != 0);
}

}  // namespace scrivel::app::testing
