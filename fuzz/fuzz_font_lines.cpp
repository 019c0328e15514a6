// The data file's font lines over arbitrary bytes: every .GAMEFONT argument
// is exactly one of a ROM address (24 bits), a path or a message; a ROM
// address reads the font from the image only when all of it lies inside,
// and then exactly those bytes. Font files are never opened here.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "editor/SessionFonts.h"
#include "render/FontSheets.h"
#include "rom/DataFile.h"
#include "rom/Pointers.h"

namespace {

const std::vector<uint8_t>& image()
{
    static const std::vector<uint8_t> bytes = [] {
        std::vector<uint8_t> b(0x20000);
        for (size_t i = 0; i < b.size(); ++i) b[i] = static_cast<uint8_t>(i * 7 + (i >> 8));
        return b;
    }();
    return bytes;
}

void checkGameFontLine(const std::string& argument)
{
    using namespace scrivel;
    const editor::GameFontSource source = editor::parseGameFontArgument(argument);
    const int kinds = (source.romAddress ? 1 : 0) + (!source.path.empty() ? 1 : 0) + (!source.error.empty() ? 1 : 0);
    if (kinds != 1) std::abort();
    if (!source.error.empty() && source.error.rfind("Error: ", 0) != 0) std::abort();
    if (!source.path.empty()) (void)editor::fontFilePath("/data/blocks.txt", source.path);
    if (!source.romAddress) return;
    if (*source.romAddress > 0xFFFFFF) std::abort();
    const int64_t offset = rom::snesToFileOffset(*source.romAddress);
    const render::FontLoad font = render::gameFontFromImage(image(), offset, *source.romAddress);
    const bool fits = offset >= 0 && static_cast<uint64_t>(offset) + render::GameFontBytes <= image().size();
    if (font.ok() != fits) std::abort();
    if (font.ok() && !std::equal(font.bytes.begin(), font.bytes.end(), image().begin() + offset,
                                 image().begin() + offset + static_cast<int64_t>(render::GameFontBytes)))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    scrivel::rom::FontFormat format;
    const scrivel::rom::DataFileContents contents = scrivel::rom::parseDataFile(bytes, format);
    if (contents.gameFont) checkGameFontLine(contents.gameFont->argument);
    // The argument alone, as any line could carry it.
    checkGameFontLine(bytes);
    return 0;
}
