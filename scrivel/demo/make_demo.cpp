// Writes the demo ROM and its text block data file into a folder:
//   make_demo OUTDIR   ->   OUTDIR/demo.sfc, OUTDIR/demo-blocks.txt

#include "DemoRom.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <string>

namespace {

bool writeFile(const std::string& path, const void* data, size_t size)
{
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!out.flush()) return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_demo OUTDIR\n");
        return 2;
    }
    try {
        const std::string dir = argv[1];
        const auto blocks = scrivel::demo::demoBlocks();
        const auto rom = scrivel::demo::buildDemoRom(blocks);
        const std::string data = scrivel::demo::demoBlocksFile(blocks);
        if (!writeFile(dir + "/demo.sfc", rom.data(), rom.size()) ||
            !writeFile(dir + "/demo-blocks.txt", data.data(), data.size())) {
            std::fprintf(stderr, "make_demo: cannot write into %s\n", dir.c_str());
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_demo: %s\n", e.what());
        return 1;
    }
    return 0;
}
