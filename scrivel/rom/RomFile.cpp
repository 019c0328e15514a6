#include "RomFile.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <sys/stat.h>

namespace scrivel::rom {

namespace {

// Length of an open file; the file position is left where it was.
long fileLength(std::FILE* f)
{
    if (!f) return -1;
    long here = std::ftell(f);
    std::fseek(f, 0, SEEK_END);
    long length = std::ftell(f);
    std::fseek(f, here, SEEK_SET);
    return length;
}

}  // namespace

RomReadStatus readRomFileWhole(const std::string& path, RomFileBytes& rom)
{
    rom = {};
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return RomReadStatus::CannotOpen;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return RomReadStatus::CannotOpen;
    long length = fileLength(f);
    if (length < 0) {
        std::fclose(f);
        return RomReadStatus::CannotOpen;
    }
    try {
        rom.file.resize(static_cast<size_t>(length));
    } catch (const std::bad_alloc&) {
        std::fclose(f);
        rom = {};
        return RomReadStatus::OutOfMemory;
    }
    size_t got = rom.file.empty() ? 0 : std::fread(rom.file.data(), 1, rom.file.size(), f);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) {
        rom = {};
        return RomReadStatus::CannotOpen;
    }
    rom.file.resize(got);  // a file that shrank under us keeps what was read
    rom.headerLength = copierHeaderLength(rom.file.size());
    return RomReadStatus::Ok;
}

RomReadStatus readRomFile(const std::string& path, std::vector<uint8_t>& image)
{
    image.clear();
    RomFileBytes rom;
    const RomReadStatus status = readRomFileWhole(path, rom);
    if (status != RomReadStatus::Ok) return status;
    rom.file.erase(rom.file.begin(), rom.file.begin() + static_cast<std::ptrdiff_t>(rom.headerLength));
    image = std::move(rom.file);
    return RomReadStatus::Ok;
}

bool hasGameTitle(std::span<const uint8_t> image)
{
    if (image.size() < TitleOffset + GameTitleLength) return false;
    return std::memcmp(image.data() + TitleOffset, GameTitle, GameTitleLength) == 0;
}

}  // namespace scrivel::rom
