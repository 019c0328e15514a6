// ROM images with random pointer tables and strings, driven through the
// editor's commands as a user would: Load Text Block Data File (a data file
// made of random format and block lines), block and string selection, the
// three View toggles (every hideCodes/VWF/showTranslation state), typing into the script
// text, and the hex window's cursor, glyph and caption. The windows are the
// headless stand-ins; no script files are written.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzTempFolder.h"
#include "editor/EditorCommands.h"
#include "editor/HeadlessViews.h"
#include "platform/ScriptedPlatform.h"
#include "rom/Pointers.h"
#include "rom/RomFile.h"
#include "script/ScriptFile.h"

namespace {

constexpr size_t FullImage = 0x100000;  // banks 0x00 to 0x1F
// Where the payload of an input lands: the first string pointer 0x8000 of
// each of the two text banks.
constexpr uint32_t PayloadAddresses[] = {0x1A8000, 0x1D8000};

std::vector<uint8_t>& baseImage()
{
    static std::vector<uint8_t> image;
    if (image.empty()) {
        image.assign(FullImage, 0xFF);
        std::memcpy(image.data() + scrivel::rom::TitleOffset, scrivel::rom::GameTitle, scrivel::rom::GameTitleLength);
    }
    return image;
}

uint32_t blockAddress(FuzzedDataProvider& in, size_t payloadSize)
{
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0:
        return in.ConsumeIntegral<uint32_t>();  // anywhere, even outside the image
    case 1:
        return 0x1A8000 + in.ConsumeIntegralInRange<uint32_t>(0, static_cast<uint32_t>(payloadSize));
    default:
        return 0x1D8000 + in.ConsumeIntegralInRange<uint32_t>(0, static_cast<uint32_t>(payloadSize));
    }
}

std::string dataFileText(FuzzedDataProvider& in, size_t payloadSize, int& blockCount)
{
    std::string text = "; blocks\r\n";
    char line[160];
    if (in.ConsumeBool()) {
        unsigned n[9];
        for (unsigned& v : n) v = in.ConsumeIntegralInRange<unsigned>(0, 300);
        std::snprintf(line, sizeof line, ".FORMAT %u %u %u %u %u %u %u %u %u\r\n", n[0], n[1], n[2], n[3], n[4],
                      n[5], n[6], n[7], n[8]);
    } else {
        std::snprintf(line, sizeof line, ".FORMAT 18 16 16 1 16 0 1 2 3\r\n");
    }
    text += line;
    blockCount = in.ConsumeIntegralInRange(0, 4);
    for (int b = 0; b < blockCount; ++b) {
        uint32_t address = blockAddress(in, payloadSize);
        uint32_t bank = in.ConsumeBool() ? 0x1A0000u : in.ConsumeIntegral<uint32_t>();
        unsigned count = in.ConsumeIntegralInRange<unsigned>(0, 600);
        std::snprintf(line, sizeof line, ".BLOCK %X %X %X\r\n", address, bank, count);
        text += line;
    }
    return text;
}

void moveHexCursor(FuzzedDataProvider& in, scrivel::editor::EditorCommands& commands, const scrivel::editor::EditorState& state)
{
    scrivel::editor::HexModel& hex = commands.hex();
    hex.layout(in.ConsumeIntegralInRange(0, 600), in.ConsumeIntegralInRange(0, 20));
    const int moves = in.ConsumeIntegralInRange(0, 400);
    const int direction = in.ConsumeIntegralInRange(0, 3);
    for (int i = 0; i < moves; ++i) {
        switch (direction) {
        case 0: hex.left(); break;
        case 1: hex.up(); break;
        case 2: hex.right(); break;
        default: hex.down(); break;
        }
    }
    (void)hex.byteAt(hex.cursorIndex());
    (void)hex.cursorGlyph();
    (void)hex.caption(state);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzing::KeepWorkingFolder keep;
    FuzzedDataProvider in(data, size);
    const size_t imageSize = in.ConsumeBool() ? FullImage : in.ConsumeIntegralInRange<size_t>(0, FullImage);
    const std::string payload = in.ConsumeRandomLengthString(2048);
    const bool pointIntoPayload = in.ConsumeBool();
    int blockCount = 0;
    const std::string dataFile = dataFileText(in, payload.size(), blockCount);

    std::vector<uint8_t>& image = baseImage();
    for (uint32_t address : PayloadAddresses)
        std::memcpy(image.data() + scrivel::rom::snesToFileOffset(address), payload.data(), payload.size());
    if (pointIntoPayload && payload.size() >= 2) {
        // Every even pair of the payload read as a pointer lands inside it.
        for (uint32_t address : PayloadAddresses) {
            uint8_t* p = image.data() + scrivel::rom::snesToFileOffset(address);
            for (size_t i = 0; i + 1 < payload.size(); i += 2) {
                uint16_t pointer = static_cast<uint16_t>(0x8000 + (p[i] | p[i + 1] << 8) % payload.size());
                p[i] = static_cast<uint8_t>(pointer & 0xFF);
                p[i + 1] = static_cast<uint8_t>(pointer >> 8);
            }
        }
    }

    scrivel::editor::EditorState state;
    scrivel::editor::HexModel hex;
    scrivel::editor::HeadlessEditorView view;
    platform::ScriptedPlatform platform;
    scrivel::editor::EditorCommands commands(state, hex, view, platform);
    commands.scriptFilesEnabled = false;
    view.editor.setChangeHandler([&] { commands.textEditorChanged(); });
    view.editor.setVisibleLines(20);
    commands.initialise(in.ConsumeIntegralInRange(0, 400), in.ConsumeIntegralInRange(0, 400));

    state.romImage.swap(image);
    state.romImage.resize(imageSize);
    state.romLoaded = true;
    view.setLoadDataFileEnabled(true);
    view.editor.setText(in.ConsumeBool() ? scrivel::script::scriptTemplate(in.ConsumeIntegralInRange(0, 40))
                                         : in.ConsumeRandomLengthString(512));

    platform.queueChoice(fuzzing::writeTempFile("blocks.txt", dataFile));
    commands.loadDataFile();

    for (int step = 0; step < 24 && in.remaining_bytes() > 0; ++step) {
        switch (in.ConsumeIntegralInRange(0, 9)) {
        case 0:
            view.blocks.select(in.ConsumeIntegralInRange(-1, blockCount));
            commands.selectBlock();
            break;
        case 1:
            view.strings.select(in.ConsumeIntegralInRange(-1, 700));
            commands.selectString(in.ConsumeBool());
            break;
        case 2: commands.toggleTranslatedText(); break;
        case 3: commands.toggleHideCodes(); break;
        case 4: commands.toggleVariableWidth(); break;
        case 5: moveHexCursor(in, commands, state); break;
        case 6:
            view.editor.setCaret(in.ConsumeIntegralInRange(0, 4096), in.ConsumeIntegralInRange(0, 64));
            view.editor.type(in.ConsumeRandomLengthString(64));
            break;
        case 7: commands.renderCurrentString(); break;
        case 8: view.editor.setCaret(in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>()); break;
        default:
            commands.searchText = in.ConsumeRandomLengthString(16);
            commands.findSearchText();
            break;
        }
    }
    moveHexCursor(in, commands, state);

    // Give the image back as it was.
    state.romImage.resize(FullImage, 0xFF);
    state.romImage.swap(image);
    std::memcpy(image.data() + scrivel::rom::TitleOffset, scrivel::rom::GameTitle, scrivel::rom::GameTitleLength);
    for (uint32_t address : PayloadAddresses)
        std::memset(image.data() + scrivel::rom::snesToFileOffset(address), 0xFF, payload.size());
    return 0;
}
