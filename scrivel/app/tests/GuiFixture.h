#pragma once
// The desktop program's windows over a small ROM image in a fresh folder,
// driven through a scripted platform.

#include <QImage>
#include <memory>
#include <string>

#include "MainWindow.h"
#include "platform/ScriptedPlatform.h"
#include "testing/TempDir.h"

namespace scrivel::app::testing {

// A 1 MiB ROM image with the game's title and two blocks: block 0 at 1A8000
// with 3 strings, block 1 at 1A8100 with 20 strings; string n of block 0
// starts at 1A9000 + 0x40 n.
std::string fixtureRom();
// .FORMAT 18 16 16 ... and the two .BLOCK lines.
std::string fixtureBlocks();
// The bytes of string n of block 0 in fixtureRom.
std::vector<uint8_t> fixtureString(int n);

class GuiFixture {
public:
    GuiFixture();
    ~GuiFixture();

    // Open ROM with the fixture's ROM and data file chosen in the dialogs.
    void openRom();
    // Lets queued events (list clicks, repaints) run.
    static void settle();
    // Makes a window the active one so that its shortcuts act.
    static void activate(QWidget* window);

    std::string path(const std::string& name) const { return (dir / name).string(); }
    std::string scriptPath(uint32_t blockAddress) const;
    ScriptTextEdit& memo() { return *form->textEditorWindow->scriptEdit; }
    // What screenWidget shows on screen, as 24-bit pixels.
    QImage videoPicture();

    testing_support::TempDir dir;
    platform::ScriptedPlatform platform;
    std::unique_ptr<MainWindow> form;
};

}  // namespace scrivel::app::testing
