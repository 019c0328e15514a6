#include "RomFixture.h"

#include <cstring>

#include "rom/Pointers.h"

namespace scrivel::testing_rom {

RomBuilder::RomBuilder(size_t size) : rom_(size, 0xFF)
{
    if (size >= 0x7FC0 + 13) std::memcpy(rom_.data() + 0x7FC0, "VARKEL -OSTI-", 13);
}

RomBuilder& RomBuilder::put(uint32_t snesAddress, const std::vector<uint8_t>& bytes)
{
    size_t at = static_cast<size_t>(rom::snesToFileOffset(snesAddress));
    for (size_t i = 0; i < bytes.size() && at + i < rom_.size(); ++i) rom_[at + i] = bytes[i];
    return *this;
}

RomBuilder& RomBuilder::block(uint32_t tableAddress, uint32_t textBank, uint16_t firstPointer,
                              const std::vector<std::vector<uint8_t>>& strings)
{
    uint16_t pointer = firstPointer;
    for (size_t n = 0; n < strings.size(); ++n) {
        put(tableAddress + 2 * static_cast<uint32_t>(n),
            {static_cast<uint8_t>(pointer & 0xFF), static_cast<uint8_t>(pointer >> 8)});
        put(textBank | pointer, strings[n]);
        pointer = static_cast<uint16_t>(pointer + strings[n].size());
    }
    return *this;
}

}  // namespace scrivel::testing_rom
