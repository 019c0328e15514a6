// scrivel-cli render ROM DATA BLOCK STRING: Open ROM and Load Text Block
// Data File with the given files, then the selection of a block and a
// string, exactly as the desktop program runs them; prints status panel 0,
// the hex window's bytes and status panel 1.

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "CommandLine.h"
#include "Commands.h"
#include "TwinSession.h"
#include "editor/EditorTexts.h"
#include "png/Png.h"

namespace scrivel::cli {

namespace {

using namespace scrivel::editor;

struct RenderRequest {
    std::string rom;
    std::string dataFile;
    std::string block;
    std::string string;
    bool hideCodes = false;
    bool variableWidth = false;
    std::string script;  // the translation shown, the editor holding this file
    std::string table;   // in place of the data file's .TABLE line
    std::string rawOut;
    std::string pngOut;
};

bool writeRaw(const std::string& path, const render::Picture& picture)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    std::string bytes;
    bytes.reserve(picture.visibleCount() * 2);
    for (size_t i = 0; i < picture.visibleCount(); ++i) {
        bytes.push_back(static_cast<char>(picture.pixels[i] & 0xFF));
        bytes.push_back(static_cast<char>(picture.pixels[i] >> 8));
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

Severity runRender(const RenderRequest& request)
{
    // The message box is standard error.
    TwinSession session;
    EditorState& state = session.state;
    HeadlessEditorView& view = session.view;
    EditorCommands& commands = session.commands;
    const auto refuse = [&](const std::string& text) { return session.refuse(text); };
    commands.tableFile = request.table;
    view.editor.setChangeHandler([&] { commands.textEditorChanged(); });
    if (!commands.initialise()) return commands.worstSeverity();

    // The options stand as if their items had been checked before Open ROM.
    state.checks.hideCodes = request.hideCodes;
    state.checks.variableWidth = request.variableWidth;
    state.checks.showTranslation = !request.script.empty();
    view.setStatusText(1, viewOptionsText(state.checks));
    if (!request.script.empty() && !view.editor.loadFromFile(request.script))
        return refuse("Error: Could not open script file!\n" + request.script);

    if (const Severity opened = session.open(request.rom, request.dataFile); isFailure(opened)) return opened;

    const int block = indexValue(request.block);
    if (block >= view.blocks.count())
        return refuse("Error: Block " + std::to_string(block) + " is not in the block list (" +
                      itemsHint(view.blocks.count()) + ").");
    view.blocks.select(block);
    commands.selectBlock();
    const int string = indexValue(request.string);
    if (string >= view.strings.count())
        return refuse("Error: String " + std::to_string(string) + " is not in the string list (" +
                      itemsHint(view.strings.count()) + ").");
    view.strings.select(string);
    commands.selectString(true);
    if (isFailure(commands.worstSeverity())) return commands.worstSeverity();

    const HexModel& hex = session.hex;
    std::cout << view.status[0] << '\n' << hexByteList(hex.bytes.data(), hex.count) << '\n' << view.status[1] << '\n';
    std::cout.flush();

    const render::Picture& picture = state.rendered.picture;
    if (!request.rawOut.empty() && !writeRaw(request.rawOut, picture))
        return refuse("Error: Could not write " + request.rawOut);
    if (!request.pngOut.empty()) {
        const std::string error =
            common::writePng(request.pngOut, common::rgb565ToImage(picture.pixels.data(), picture.width, picture.height));
        if (!error.empty()) return refuse("Error: Could not write " + request.pngOut + ": " + error);
    }
    return commands.worstSeverity();
}

}  // namespace

void addRenderCommand(CLI::App& app, CommandAction& chosen)
{
    auto request = std::make_shared<RenderRequest>();
    CLI::App* command = app.add_subcommand(
        "render",
        "Open ROM, load the text block data file DATA, select block entry BLOCK\n"
        "and string entry STRING (from 0); print status panel 0, the hex\n"
        "window's bytes and status panel 1.");
    addFileArgument(command, "ROM", request->rom, "the ROM image");
    addFileArgument(command, "DATA", request->dataFile, "the text block data file");
    command->add_option("BLOCK", request->block, "entry of the block list")
        ->type_name("NUMBER")
        ->required()
        ->check(decimalIndex());
    command->add_option("STRING", request->string, "entry of the string list")
        ->type_name("NUMBER")
        ->required()
        ->check(decimalIndex());
    command->add_flag("--hide-codes", request->hideCodes, "Hide Control Codes checked");
    command->add_flag("--vwf", request->variableWidth, "Use VWF Routine checked");
    command->add_option("--script", request->script, "Display Translated Text checked, the editor holding FILE")
        ->option_text("FILE")
        ->transform(absolutePath());
    command->add_option("--table", request->table, "the table file, in place of the data file's .TABLE line")
        ->option_text("FILE")
        ->transform(absolutePath());
    const std::string screenSize = std::to_string(render::ScreenWidth) + " x " + std::to_string(render::ScreenHeight);
    command->add_option("--raw", request->rawOut, "write the screen (" + screenSize + " RGB565, little-endian)")
        ->option_text("OUT")
        ->transform(absolutePath());
    command->add_option("--png", request->pngOut, "write the screen as a PNG picture")
        ->option_text("OUT")
        ->transform(absolutePath());
    command->group("Commands");
    command->callback([&chosen, request] { chosen = [request] { return runRender(*request); }; });
}

}  // namespace scrivel::cli
