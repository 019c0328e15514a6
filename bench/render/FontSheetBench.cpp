// Loading the game font from its 128 x 2544 sheet, as an exported file is
// loaded back after editing: the file read, the PNG decoded, the background
// found and the 40,512 font bytes packed. It should stay well under 20 ms.

#include "render/FontSheets.h"
#include "render/Fonts.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// The fonts sit in scrivel or scrivel::render; either way they are found.
using namespace scrivel;
using namespace scrivel::render;

class SheetFile {
public:
    SheetFile()
    {
        std::string folder = (std::filesystem::temp_directory_path() / "font-sheet-bench-XXXXXX").string();
        if (::mkdtemp(folder.data())) {
            folder_ = folder;
            path_ = folder + "/gamefont.png";
            error_ = writeGameFontSheet(path_, GameFont);
        } else {
            error_ = "cannot make a temporary folder";
        }
    }
    ~SheetFile()
    {
        std::error_code ec;
        if (!folder_.empty()) std::filesystem::remove_all(folder_, ec);
    }
    const std::string& path() const { return path_; }
    const std::string& error() const { return error_; }

private:
    std::string folder_, path_, error_;
};

void BM_LoadGameFontSheet(benchmark::State& state)
{
    SheetFile sheet;
    if (!sheet.error().empty()) {
        state.SkipWithError(sheet.error().c_str());
        return;
    }
    for (auto _ : state) {
        FontLoad font = loadGameFontFile(sheet.path());
        if (!font.ok()) {
            state.SkipWithError(font.error.c_str());
            break;
        }
        benchmark::DoNotOptimize(font.bytes.data());
    }
}
BENCHMARK(BM_LoadGameFontSheet)->Unit(benchmark::kMillisecond);

}  // namespace
