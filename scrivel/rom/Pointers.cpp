#include "Pointers.h"

namespace scrivel::rom {

int32_t snesToFileOffset(uint32_t address)
{
    if (address == 0) return 0;
    return static_cast<int32_t>(address & 0xFFFF) - 0x8000 + static_cast<int32_t>((address & 0x7F0000) >> 1);
}

uint8_t romByte(std::span<const uint8_t> image, int64_t offset)
{
    if (offset < 0 || static_cast<uint64_t>(offset) >= image.size()) return 0xFF;
    return image[static_cast<size_t>(offset)];
}

uint16_t readPointer(std::span<const uint8_t> image, uint32_t tableAddress, int32_t stringNumber)
{
    uint32_t entry = tableAddress + 2u * static_cast<uint32_t>(stringNumber);
    int64_t at = snesToFileOffset(entry);
    return static_cast<uint16_t>(romByte(image, at) | (romByte(image, at + 1) << 8));
}

uint32_t stringAddress(uint32_t textBank, uint16_t pointer)
{
    const uint32_t bank = textBank == 0x1A0000 && pointer < 0xA800 ? 0x1A0000 : 0x1D0000;
    return bank | pointer;
}

std::span<const uint8_t> bytesFrom(std::span<const uint8_t> image, int64_t offset)
{
    if (offset < 0 || static_cast<uint64_t>(offset) >= image.size()) return {};
    return image.subspan(static_cast<size_t>(offset));
}

}  // namespace scrivel::rom
