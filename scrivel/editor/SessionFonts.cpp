#include "SessionFonts.h"

#include <cctype>
#include <filesystem>

#include "render/FontSheets.h"
#include "render/Fonts.h"
#include "rom/Pointers.h"

namespace scrivel::editor {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool equalsIgnoringCase(const std::string& text, const char* word)
{
    size_t i = 0;
    for (; word[i] != '\0'; ++i)
        if (i >= text.size() || std::toupper(static_cast<unsigned char>(text[i])) != word[i]) return false;
    return i == text.size();
}

// One to six hexadecimal digits, "$" allowed before them: a 24-bit address.
std::optional<uint32_t> hexAddress(const std::string& text)
{
    const size_t start = !text.empty() && text[0] == '$' ? 1 : 0;
    const size_t digits = text.size() - start;
    if (digits < 1 || digits > 6) return std::nullopt;
    uint32_t value = 0;
    for (size_t i = start; i < text.size(); ++i) {
        const char c = text[i];
        if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
        const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::toupper(c) - 'A' + 10;
        value = value << 4 | static_cast<uint32_t>(digit);
    }
    return value;
}

std::string trimmed(const std::string& text)
{
    size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

render::FontLoad loadGameFont(const rom::DirectiveLine& line, const std::string& dataFilePath,
                              std::span<const uint8_t> romImage, bool romLoaded)
{
    const GameFontSource source = parseGameFontArgument(line.argument);
    if (!source.error.empty()) return {{}, source.error};
    if (!source.romAddress) return render::loadGameFontFile(fontFilePath(dataFilePath, source.path));
    if (!romLoaded) return {{}, "Error: the game font is to be read from the ROM, but no ROM is loaded"};
    return render::gameFontFromImage(romImage, rom::snesToFileOffset(*source.romAddress), *source.romAddress);
}

render::FontLoad loadPreviewFont(const rom::DirectiveLine& line, const std::string& dataFilePath)
{
    if (line.argument.empty()) return {{}, "Error: .PREVIEWFONT names no font: give a .bin or .png file"};
    return render::loadPreviewFontFile(fontFilePath(dataFilePath, line.argument));
}

}  // namespace

GameFontSource parseGameFontArgument(const std::string& argument)
{
    GameFontSource source;
    const std::string text = trimmed(argument);
    if (text.empty()) {
        source.error = "Error: .GAMEFONT names no font: give ROM and an address, or a .bin or .png file";
        return source;
    }
    size_t wordEnd = 0;
    while (wordEnd < text.size() && !isBlank(text[wordEnd])) ++wordEnd;
    if (!equalsIgnoringCase(text.substr(0, wordEnd), "ROM")) {
        source.path = text;
        return source;
    }
    const std::string address = trimmed(text.substr(wordEnd));
    source.romAddress = hexAddress(address);
    if (!source.romAddress)
        source.error = "Error: .GAMEFONT ROM needs the font's SNES address in hexadecimal, such as 3E8000; " +
                       (address.empty() ? std::string("none is given") : "found \"" + address + "\"");
    return source;
}

std::string fontFilePath(const std::string& dataFilePath, const std::string& path)
{
    const std::filesystem::path file(path);
    if (file.is_absolute()) return path;
    return (std::filesystem::path(dataFilePath).parent_path() / file).string();
}

DataFileFonts loadDataFileFonts(const rom::DataFileContents& dataFile, const std::string& dataFilePath,
                                std::span<const uint8_t> romImage, bool romLoaded)
{
    DataFileFonts fonts;
    const std::string dataFileName = std::filesystem::path(dataFilePath).filename().string();
    auto note = [&](const rom::DirectiveLine& line, const std::string& error, const char* which) {
        if (!fonts.error.empty()) fonts.error += '\n';
        fonts.error += error + "\n  " + dataFileName + ", line " + std::to_string(line.lineNumber) +
                       ": the stand-in " + which + " stays in use.";
    };
    if (dataFile.gameFont) {
        render::FontLoad load = loadGameFont(*dataFile.gameFont, dataFilePath, romImage, romLoaded);
        if (load.ok())
            fonts.game = std::make_shared<const std::vector<uint8_t>>(std::move(load.bytes));
        else
            note(*dataFile.gameFont, load.error, "game font");
    }
    if (dataFile.previewFont) {
        render::FontLoad load = loadPreviewFont(*dataFile.previewFont, dataFilePath);
        if (load.ok())
            fonts.preview = std::make_shared<const std::vector<uint8_t>>(std::move(load.bytes));
        else
            note(*dataFile.previewFont, load.error, "preview font");
    }
    return fonts;
}

std::string useDataFileFonts(EditorState& state)
{
    DataFileFonts loaded = loadDataFileFonts(state.dataFile, state.dataFilePath, state.romImage, state.romLoaded);
    const render::Fonts& builtIn = render::builtInFonts();
    state.loadedGameFont = std::move(loaded.game);
    state.loadedPreviewFont = std::move(loaded.preview);
    state.fonts = builtIn;
    if (state.loadedGameFont) state.fonts.game = *state.loadedGameFont;
    if (state.loadedPreviewFont) state.fonts.preview = *state.loadedPreviewFont;
    return loaded.error;
}

}  // namespace scrivel::editor
