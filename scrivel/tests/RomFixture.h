#pragma once
// Small ROM images for the tests: 1 MiB with the game's title, plus pointer
// tables and strings placed by SNES address.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace scrivel::testing_rom {

class RomBuilder {
public:
    explicit RomBuilder(size_t size = 0x100000);
    // Writes bytes at the file offset of an SNES address.
    RomBuilder& put(uint32_t snesAddress, const std::vector<uint8_t>& bytes);
    // A pointer table at tableAddress whose entries point into textBank at
    // the given strings, laid out one after the other from firstPointer.
    RomBuilder& block(uint32_t tableAddress, uint32_t textBank, uint16_t firstPointer,
                      const std::vector<std::vector<uint8_t>>& strings);
    const std::vector<uint8_t>& bytes() const { return rom_; }
    std::string str() const { return std::string(rom_.begin(), rom_.end()); }

private:
    std::vector<uint8_t> rom_;
};

}  // namespace scrivel::testing_rom
