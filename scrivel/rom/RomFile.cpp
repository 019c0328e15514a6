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

RomReadStatus readRomFile(const std::string& path, std::vector<uint8_t>& image)
{
    image.clear();
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return RomReadStatus::CannotOpen;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return RomReadStatus::CannotOpen;
    long length = fileLength(f);
    if (length < 0) {
        std::fclose(f);
        return RomReadStatus::CannotOpen;
    }
    size_t count = static_cast<size_t>(length);
    if (const size_t header = copierHeaderLength(count)) {
        count -= header;
        std::fseek(f, static_cast<long>(header), SEEK_SET);
    }
    try {
        image.resize(count);
    } catch (const std::bad_alloc&) {
        std::fclose(f);
        image = {};
        return RomReadStatus::OutOfMemory;
    }
    size_t got = count ? std::fread(image.data(), 1, count, f) : 0;
    std::fclose(f);
    image.resize(got);  // a file that shrank under us keeps what was read
    return RomReadStatus::Ok;
}

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

bool hasGameTitle(const std::vector<uint8_t>& image)
{
    if (image.size() < TitleOffset + GameTitleLength) return false;
    return std::memcmp(image.data() + TitleOffset, GameTitle, GameTitleLength) == 0;
}

}  // namespace scrivel::rom
