#pragma once
// The state of one editing session: one record, living for the whole run,
// read and written by the editor's commands and read by the windows.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "render/Renderer.h"
#include "rom/DataFile.h"
#include "rom/FontFormat.h"
#include "rom/TableFile.h"
#include "script/PreviewCompiler.h"

namespace scrivel::editor {

// The three check items of the View menu.
struct ViewChecks {
    bool showTranslation = false;  // the compiled script section instead of the ROM's string
    bool hideCodes = false;
    bool variableWidth = false;    // glyphs placed by their width
};

struct EditorState {
    // ROM image (empty vector plus romLoaded false: no ROM loaded).
    std::vector<uint8_t> romImage;
    bool romLoaded = false;
    std::string romPath;
    std::string dumpsFolder;

    // Text block data file.
    rom::FontFormat format;
    std::array<uint32_t, rom::MaxBlocks> blockAddress{};
    std::array<uint32_t, rom::MaxBlocks> blockTextBank{};
    std::array<uint16_t, rom::MaxBlocks> blockStringCount{};
    // The loaded data file's path and what it holds, its table, font and
    // free-space lines included (empty until one is loaded).
    std::string dataFilePath;
    rom::DataFileContents dataFile;
    // The table the data file names (or the one given in its place): with
    // one, new script files carry the original text of every string.
    std::optional<rom::Table> table;

    // Navigation.
    int32_t currentBlock = 0;
    uint32_t currentBlockAddress = 0;
    uint16_t currentBlockStringCount = 0;
    int32_t currentString = 0;
    uint16_t currentPointer = 0;

    // The fonts everything draws and measures with: the program's own until
    // the data file names others (views; the session owns what they show).
    render::Fonts fonts = render::builtInFonts();
    // The fonts the data file's lines loaded, which fonts points into (null:
    // the program's own). Shared, so a copy of the state views them safely.
    std::shared_ptr<const std::vector<uint8_t>> loadedGameFont;
    std::shared_ptr<const std::vector<uint8_t>> loadedPreviewFont;

    // The last render: the screen picture (sized once, when the session
    // starts) and the layout of its text.
    render::RenderResult rendered;

    ViewChecks checks;

    // Script file and preview.
    std::string scriptFilePath;
    std::array<uint8_t, script::PreviewSize> previewBytes{};
    // How many of previewBytes the last compilation wrote, its closing 255
    // included: the preview ends there, so a code that takes that 255 as its
    // operand cannot run on through the zeros after it.
    size_t previewCount = script::PreviewSize;
    int32_t foundLine = 0;
};

}  // namespace scrivel::editor
