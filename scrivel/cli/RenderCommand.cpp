#include <cstdio>
#include <iostream>

#include "CliCommands.h"
#include "PngWriter.h"
#include "editor/EditorCommands.h"
#include "editor/EditorTexts.h"
#include "editor/HeadlessViews.h"
#include "platform/ScriptedPlatform.h"

namespace scrivel::cli {

namespace {

// Screen of the main window at its stored size.
constexpr int VideoWidth = 320;
constexpr int VideoHeight = 369;
constexpr int WindowWidth = 448;
constexpr int WindowHeight = 442;

bool isErrorMessage(const std::string& text) { return text.rfind("Error", 0) == 0 || text.rfind("Fatal Error", 0) == 0; }

bool writeRaw(const std::string& path, const EditorState& state)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    size_t count = static_cast<size_t>(state.ScreenWidth) * static_cast<size_t>(state.ScreenHeight);
    std::string bytes;
    bytes.reserve(count * 2);
    for (size_t i = 0; i < count; ++i) {
        bytes.push_back(static_cast<char>(state.ScreenBuffer[i] & 0xFF));
        bytes.push_back(static_cast<char>(state.ScreenBuffer[i] >> 8));
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

}  // namespace

int runRender(const RenderRequest& request)
{
    platform::ScriptedPlatform platform;
    bool failed = false;
    platform.setMessageSink([&](const std::string& text) {
        std::cerr << text << '\n';
        if (isErrorMessage(text)) failed = true;
    });
    auto refuse = [&](const std::string& text) {
        platform.showMessage(text);
        return 1;
    };

    EditorState state;
    HexModel hex;
    HeadlessEditorView view;
    EditorCommands commands(state, hex, view, platform);
    commands.scriptFilesEnabled = false;
    view.editor.setChangeHandler([&] { commands.textEditorChanged(); });

    if (!commands.formCreate(VideoWidth, VideoHeight, WindowWidth, WindowHeight)) return 1;

    // The options stand as if their items had been checked before Open ROM.
    state.Checks.HideCodes = request.hideCodes;
    state.Checks.UseVWFRoutine1 = request.vwf;
    state.Checks.DTT = request.script.has_value();
    view.setStatusText(1, viewOptionsText(state.Checks));
    if (request.script && !view.editor.loadFromFile(*request.script))
        return refuse("Error: Could not open script file!\n" + *request.script);

    platform.queueChoice(request.rom);
    platform.queueChoice(request.dataFile);
    commands.openRom();
    if (failed || !state.romLoaded) return 1;
    if (platform.pendingChoices() != 0) return 1;  // the data file dialog never ran

    if (request.block < 0 || request.block >= view.blocks.count())
        return refuse("Error: Block " + std::to_string(request.block) + " is not in the block list (" +
                      itemsHint(view.blocks.count()) + ").");
    view.blocks.select(request.block);
    commands.blockListClick();
    if (request.string < 0 || request.string >= view.strings.count())
        return refuse("Error: String " + std::to_string(request.string) + " is not in the string list (" +
                      itemsHint(view.strings.count()) + ").");
    view.strings.select(request.string);
    commands.stringListClick(true);
    if (failed) return 1;

    std::cout << view.status[0] << '\n'
              << hexByteList(hex.HexBytes.data(), hex.HexCount) << '\n'
              << view.status[1] << '\n';
    std::cout.flush();

    if (request.rawOut && !writeRaw(*request.rawOut, state))
        return refuse("Error: Could not write " + *request.rawOut);
    if (request.pngOut && !writePng(*request.pngOut, state.ScreenBuffer.data(), state.ScreenWidth, state.ScreenHeight))
        return refuse("Error: Could not write " + *request.pngOut);
    return 0;
}

std::string hexByteList(const unsigned char* bytes, size_t count)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(count * 3);
    for (size_t i = 0; i < count; ++i) {
        if (i) text += ' ';
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 0x0F];
    }
    return text;
}

}  // namespace scrivel::cli
