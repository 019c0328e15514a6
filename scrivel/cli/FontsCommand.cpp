#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "CliCommands.h"
#include "render/Fonts.h"
#include "render/WindowTiles.h"

namespace scrivel::cli {

namespace {

bool writeBytes(const std::filesystem::path& path, const uint8_t* data, size_t size)
{
    std::FILE* f = std::fopen(path.string().c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(data, 1, size, f) == size;
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

}  // namespace

int runFonts(const std::string& folder)
{
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    std::filesystem::path dir(folder);

    std::vector<uint8_t> tiles;
    for (const WindowTile& tile : WindowTiles)
        for (uint16_t pixel : tile) {
            tiles.push_back(static_cast<uint8_t>(pixel & 0xFF));
            tiles.push_back(static_cast<uint8_t>(pixel >> 8));
        }

    struct Output {
        const char* name;
        const uint8_t* data;
        size_t size;
    };
    const Output outputs[] = {
        {"gamefont.bin", GameFont.data(), GameFont.size()},
        {"labelfont.bin", LabelFont.data(), LabelFont.size()},
        {"previewfont.bin", PreviewFont.data(), PreviewFont.size()},
        {"windowtiles.bin", tiles.data(), tiles.size()},
    };
    for (const Output& out : outputs) {
        if (!writeBytes(dir / out.name, out.data, out.size)) {
            std::cerr << "Error: Could not write " << (dir / out.name).string() << '\n';
            return 1;
        }
    }
    return 0;
}

}  // namespace scrivel::cli
