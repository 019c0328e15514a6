#include "GuiFixture.h"

#include <QApplication>
#include <QTest>
#include <cstdio>

namespace scrivel::app::testing {

namespace {

constexpr size_t RomSize = 1 << 20;

size_t offsetOf(uint32_t snes)
{
    return (snes & 0xFFFF) - 0x8000 + ((snes & 0x7F0000) >> 1);
}

void putPointer(std::string& rom, uint32_t entry, uint16_t pointer)
{
    rom[offsetOf(entry)] = static_cast<char>(pointer & 0xFF);
    rom[offsetOf(entry) + 1] = static_cast<char>(pointer >> 8);
}

}  // namespace

std::vector<uint8_t> fixtureString(int n)
{
    switch (n) {
    case 0:
        return {0x01, 0x02, 0x03, 0x0A, 0xFD, 0x0B, 0x0C, 0xFF};
    case 1:
        return {0x05, 0xF8, 0x13, 0x14, 0xFC, 0x03, 0x12, 0xFE, 0x18, 0x19, 0x07, 0xFF};
    default:
        return {0x0E, 0x0F, 0xF0, 0x70, 0x0D, 0xFF};
    }
}

std::string fixtureRom()
{
    std::string rom(RomSize, '\0');
    const std::string title = "VARKEL -OSTI-";
    rom.replace(0x7FC0, title.size(), title);
    for (int n = 0; n < 3; ++n) {
        const uint16_t pointer = static_cast<uint16_t>(0x9000 + 0x40 * n);
        putPointer(rom, 0x1A8000 + 2 * n, pointer);
        const std::vector<uint8_t> bytes = fixtureString(n);
        rom.replace(offsetOf(0x1A0000 | pointer), bytes.size(), std::string(bytes.begin(), bytes.end()));
    }
    for (int n = 0; n < 20; ++n) putPointer(rom, 0x1A8100 + 2 * n, 0x9000);
    return rom;
}

std::string fixtureBlocks()
{
    return "; fixture\n.FORMAT 18 16 16 1 16 0 1 2 3\n.BLOCK 1A8000 1A0000 3\n.BLOCK 1A8100 1A0000 14\n";
}

GuiFixture::GuiFixture()
{
    dir.enter();
    testing_support::writeFile(dir / "rom.sfc", fixtureRom());
    testing_support::writeFile(dir / "blocks.txt", fixtureBlocks());
    form = std::make_unique<MainWindow>(platform);
    form->showAll();
    if (!QTest::qWaitForWindowExposed(form.get())) qWarning("the main window was not exposed");
    settle();
}

GuiFixture::~GuiFixture()
{
    form.reset();
    settle();
}

void GuiFixture::openRom()
{
    platform.queueChoice(path("rom.sfc"));
    platform.queueChoice(path("blocks.txt"));
    form->menu.openRom->trigger();
    settle();
}

void GuiFixture::settle()
{
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

void GuiFixture::activate(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window)) qWarning("the window did not become active");
}

std::string GuiFixture::scriptPath(uint32_t blockAddress) const
{
    char name[32];
    std::snprintf(name, sizeof name, "Dumps/%08X.txt", static_cast<unsigned>(blockAddress));
    return (dir / name).string();
}

QImage GuiFixture::videoPicture()
{
    return form->screenWidget->grab().toImage().convertToFormat(QImage::Format_RGB888);
}

}  // namespace scrivel::app::testing
