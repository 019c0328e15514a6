#pragma once
// The demo ROM: a 1 MiB LoROM image with the game's title and a few text
// blocks that show what the editor draws, and the text block data file
// that describes them. All text is our own.

#include <cstdint>
#include <string>
#include <vector>

namespace scrivel::demo {

struct DemoString {
    uint16_t pointer;            // the pointer table entry
    std::vector<uint8_t> bytes;  // with the closing 0xFF
};

// Bytes put at an address no pointer should lead to: a string read from the
// wrong bank shows them.
struct DemoDecoy {
    uint32_t address;
    std::vector<uint8_t> bytes;
};

struct DemoBlock {
    std::string comment;  // one line for the data file
    uint32_t tableAddress;
    uint32_t textBank;
    std::vector<DemoString> strings;
    std::vector<DemoDecoy> decoys;
};

constexpr size_t DemoRomSize = 0x100000;

std::vector<DemoBlock> demoBlocks();

// SNES address at which a block's string lies by the bank rule.
uint32_t stringAddress(const DemoBlock& block, uint16_t pointer);

// The image; throws std::logic_error when two strings or tables overlap or
// one leaves its bank.
std::vector<uint8_t> buildDemoRom(const std::vector<DemoBlock>& blocks);

// The text block data file (LF line ends) with its comments.
std::string demoBlocksFile(const std::vector<DemoBlock>& blocks);

}  // namespace scrivel::demo
