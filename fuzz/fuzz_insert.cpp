// Building a translated ROM from random inputs: a data file of random block
// and ".FREE" lines (the free-space lines are read only here), random script
// files for its blocks, and pointer tables and strings made of the input's
// bytes. Whatever comes in, the build reads and writes only inside its
// buffers, and a build that succeeds keeps the copier header, keeps the
// file's size, and gives patches that turn the input file into the output.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzTempFolder.h"
#include "editor/TranslatedRom.h"
#include "rom/BpsPatch.h"
#include "rom/DataFile.h"
#include "rom/IpsPatch.h"
#include "rom/Pointers.h"
#include "rom/RomFile.h"

namespace {

constexpr size_t FullImage = 0x100000;  // banks 0x00 to 0x1F
constexpr uint32_t PayloadAddresses[] = {0x1A8000, 0x1D8000};

uint32_t address(FuzzedDataProvider& in)
{
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0: return in.ConsumeIntegral<uint32_t>() & 0xFFFFFF;
    case 1: return 0x1A8000 + in.ConsumeIntegralInRange<uint32_t>(0, 0x7FFF);
    default: return 0x1D8000 + in.ConsumeIntegralInRange<uint32_t>(0, 0x7FFF);
    }
}

std::string freeLine(FuzzedDataProvider& in)
{
    if (in.ConsumeBool()) return ".FREE " + in.ConsumeRandomLengthString(24) + "\n";
    const uint32_t start = address(in);
    const uint32_t end = in.ConsumeBool() ? start + in.ConsumeIntegralInRange<uint32_t>(0, 0x400) : address(in);
    char line[64];
    std::snprintf(line, sizeof line, ".FREE %X %X\n", start, end);
    return line;
}

std::string scriptText(FuzzedDataProvider& in, unsigned stringCount)
{
    if (in.ConsumeBool()) return in.ConsumeRandomLengthString(1024);
    std::string text;
    const int sections = in.ConsumeIntegralInRange(0, 12);
    for (int i = 0; i < sections; ++i) {
        text += ".STRING " + std::to_string(in.ConsumeIntegralInRange<unsigned>(0, stringCount + 1)) + "\r\n";
        text += in.ConsumeRandomLengthString(300) + "\r\n";
        if (in.ConsumeIntegralInRange(0, 7) != 0) text += ".ENDS\r\n";
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzing::emptyTempFolder();
    FuzzedDataProvider in(data, size);
    const size_t header = in.ConsumeBool() ? scrivel::rom::CopierHeaderLength : 0;
    const size_t imageSize = in.ConsumeBool() ? FullImage : in.ConsumeIntegralInRange<size_t>(0, FullImage);

    std::string dataFile = ".FORMAT 18 16 16 1 16 0 1 2 3\n";
    const int blocks = in.ConsumeIntegralInRange(0, 3);
    std::vector<std::pair<uint32_t, unsigned>> tables;
    for (int b = 0; b < blocks; ++b) {
        const uint32_t table = address(in);
        const uint32_t bank = in.ConsumeBool() ? 0x1A0000u : in.ConsumeBool() ? 0x1D0000u : address(in) & 0xFF0000;
        const unsigned count = in.ConsumeIntegralInRange<unsigned>(0, 40);
        char line[64];
        std::snprintf(line, sizeof line, ".BLOCK %X %X %X\n", table, bank, count);
        dataFile += line;
        tables.push_back({table, count});
    }
    const int frees = in.ConsumeIntegralInRange(0, 3);
    for (int i = 0; i < frees; ++i) dataFile += freeLine(in);

    const std::string dumps = fuzzing::tempFolder();
    for (const auto& [table, count] : tables) {
        char name[32];
        std::snprintf(name, sizeof name, "%08X.txt", table);
        if (in.ConsumeBool()) fuzzing::writeTempFile(name, scriptText(in, count));
    }

    // The image: 0xFF with the payload at the start of both text banks.
    std::vector<uint8_t> file(header + FullImage, 0xFF);
    for (size_t i = 0; i < header; ++i) file[i] = static_cast<uint8_t>(i);
    const std::string payload = in.ConsumeRemainingBytesAsString();
    for (uint32_t at : PayloadAddresses)
        std::memcpy(file.data() + header + scrivel::rom::snesToFileOffset(at), payload.data(),
                    std::min(payload.size(), size_t{0x8000}));
    file.resize(header + imageSize);

    scrivel::rom::FontFormat format;
    const scrivel::rom::DataFileContents contents = scrivel::rom::parseDataFile(dataFile, format);
    const scrivel::editor::TranslatedRom built =
        scrivel::editor::buildTranslatedRom(file, header, contents, dumps);
    if (!built.ok()) {
        if (!built.romFile.empty() || built.report.empty()) std::abort();
        return 0;
    }
    if (built.romFile.size() != file.size()) std::abort();
    if (!std::equal(file.begin(), file.begin() + static_cast<long>(header), built.romFile.begin())) std::abort();
    if (scrivel::rom::applyIpsPatch(file, built.ipsPatch).bytes != built.romFile) std::abort();
    if (scrivel::rom::applyBpsPatch(file, built.bpsPatch).bytes != built.romFile) std::abort();
    return 0;
}
