#pragma once
// An editor wired up headless over a small ROM and data file in a temporary
// folder, as the desktop program wires its windows.

#include <gtest/gtest.h>

#include <string>

#include "RomFixture.h"
#include "editor/EditorCommands.h"
#include "editor/HeadlessViews.h"
#include "platform/ScriptedPlatform.h"
#include "testing/TempDir.h"

namespace scrivel::testing_rom {

// Block 0: table 1A8000, bank 1A0000, four strings of four bytes from
// pointer 9C34 (string 3 at 9C40). Block 1: table 1B8000, bank 1B0000, two
// strings that the bank rule finds in bank 1D.
RomBuilder editorRom();
extern const char* const EditorDataFile;

class EditorFixture : public ::testing::Test {
protected:
    EditorFixture();

    // Open ROM with rom.sfc and blocks.txt chosen in the dialogs.
    void openRom(const std::string& rom = "rom.sfc", const std::string& data = "blocks.txt");
    void selectBlock(int i);
    void selectString(int n);
    std::string dumps(const std::string& name) const;
    std::vector<uint8_t> hexBytes() const;

    testing_support::TempDir dir;
    platform::ScriptedPlatform platform;
    editor::EditorState state;
    editor::HexModel hex;
    editor::HeadlessEditorView view;
    editor::EditorCommands commands{state, hex, view, platform};
};

}  // namespace scrivel::testing_rom
