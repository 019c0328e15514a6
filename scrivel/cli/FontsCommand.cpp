// scrivel-cli fonts DIR [--png]: writes the program's fixed picture data into
// DIR, and with --png the two fonts also as sheets to edit in a paint program.

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "Commands.h"
#include "render/FontSheets.h"
#include "render/Fonts.h"

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

Severity runFonts(const std::string& folder, bool sheets)
{
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const std::filesystem::path dir(folder);
    const render::Fonts& fonts = render::builtInFonts();

    // The tiles as RGB565 values, little-endian.
    std::vector<uint8_t> tiles;
    for (const render::WindowTile& tile : fonts.windowTiles)
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
        {"gamefont.bin", fonts.game.data(), fonts.game.size()},
        {"labelfont.bin", fonts.label.data(), fonts.label.size()},
        {"previewfont.bin", fonts.preview.data(), fonts.preview.size()},
        {"windowtiles.bin", tiles.data(), tiles.size()},
    };
    for (const Output& out : outputs) {
        if (!writeBytes(dir / out.name, out.data, out.size)) {
            std::cerr << "Error: Could not write " << (dir / out.name).string() << '\n';
            return Severity::Error;
        }
    }
    if (!sheets) return Severity::Info;
    std::string error = render::writeGameFontSheet((dir / "gamefont.png").string(), fonts.game);
    if (error.empty()) error = render::writePreviewFontSheet((dir / "previewfont.png").string(), fonts.preview);
    if (!error.empty()) {
        std::cerr << error << '\n';
        return Severity::Error;
    }
    return Severity::Info;
}

}  // namespace

void addFontsCommand(CLI::App& app, CommandAction& chosen)
{
    auto folder = std::make_shared<std::string>();
    auto sheets = std::make_shared<bool>(false);
    CLI::App* command = app.add_subcommand(
        "fonts", "write gamefont.bin, labelfont.bin, previewfont.bin and windowtiles.bin into DIR");
    command->add_option("DIR", *folder, "the folder (made when missing)")
        ->type_name("FOLDER")
        ->required()
        ->transform(absolutePath());
    command->add_flag("--png", *sheets,
                      "also write gamefont.png and previewfont.png: the fonts as sheets of\n"
                      "white glyphs on black, one pixel per pixel, to edit and load back");
    command->group("Commands");
    command->callback([&chosen, folder, sheets] { chosen = [folder, sheets] { return runFonts(*folder, *sheets); }; });
}

}  // namespace scrivel::cli
