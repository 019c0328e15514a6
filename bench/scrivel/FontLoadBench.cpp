// Loading the fonts a data file names, each source on its own, as the
// editor does when the data file loads: the game font from a 4 MiB ROM
// image, a .bin file and a sheet; the preview font from a .bin file and a
// sheet. Each should stay well under 20 ms.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "editor/SessionFonts.h"
#include "render/FontSheets.h"
#include "render/Fonts.h"
#include "rom/Pointers.h"

namespace {

using namespace scrivel;

struct Source {
    const char* name;
    const char* line;  // ".GAMEFONT ..." or ".PREVIEWFONT ..."
};

const Source Sources[] = {
    {"game font from the ROM", ".GAMEFONT ROM 3E8000"},
    {"game font .bin", ".GAMEFONT gamefont.bin"},
    {"game font sheet", ".GAMEFONT gamefont.png"},
    {"preview font .bin", ".PREVIEWFONT previewfont.bin"},
    {"preview font sheet", ".PREVIEWFONT previewfont.png"},
};

class FontFolder {
public:
    FontFolder()
    {
        std::string folder = (std::filesystem::temp_directory_path() / "font-load-bench-XXXXXX").string();
        if (!::mkdtemp(folder.data())) {
            error_ = "cannot make a temporary folder";
            return;
        }
        folder_ = folder;
        write("gamefont.bin", render::GameFont.data(), render::GameFont.size());
        write("previewfont.bin", render::PreviewFont.data(), render::PreviewFont.size());
        if (error_.empty()) error_ = render::writeGameFontSheet(folder_ + "/gamefont.png", render::GameFont);
        if (error_.empty()) error_ = render::writePreviewFontSheet(folder_ + "/previewfont.png", render::PreviewFont);
        rom_.assign(0x400000, 0);
        const int32_t at = rom::snesToFileOffset(0x3E8000);
        std::copy(render::GameFont.begin(), render::GameFont.end(), rom_.begin() + at);
    }
    ~FontFolder()
    {
        std::error_code ec;
        if (!folder_.empty()) std::filesystem::remove_all(folder_, ec);
    }
    std::string dataFile() const { return folder_ + "/blocks.txt"; }
    const std::vector<uint8_t>& rom() const { return rom_; }
    const std::string& error() const { return error_; }

private:
    void write(const char* name, const uint8_t* data, size_t size)
    {
        std::ofstream out(folder_ + "/" + name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!out.flush()) error_ = std::string("cannot write ") + name;
    }
    std::string folder_, error_;
    std::vector<uint8_t> rom_;
};

void BM_LoadDataFileFont(benchmark::State& state)
{
    const Source& source = Sources[state.range(0)];
    state.SetLabel(source.name);
    FontFolder folder;
    if (!folder.error().empty()) {
        state.SkipWithError(folder.error().c_str());
        return;
    }
    rom::FontFormat format;
    const rom::DataFileContents contents = rom::parseDataFile(std::string(source.line) + "\n", format);
    for (auto _ : state) {
        editor::DataFileFonts fonts = editor::loadDataFileFonts(contents, folder.dataFile(), folder.rom());
        if (!fonts.error.empty() || (!fonts.game && !fonts.preview)) {
            state.SkipWithError(fonts.error.empty() ? "no font loaded" : fonts.error.c_str());
            break;
        }
        benchmark::DoNotOptimize(fonts);
    }
}
BENCHMARK(BM_LoadDataFileFont)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

}  // namespace
