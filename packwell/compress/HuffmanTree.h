#pragma once
// The Huffman coder's tables: the 256-slot node table built from the byte
// counts (ordering, merging, released slots), the root slot and the code of
// every byte value. This is the part of the .huf format that fixes the tie
// breaks and the slot numbers written to the file.

#include <array>
#include <cstdint>

namespace packwell::compress {

enum class SlotState : std::uint8_t { Leaf, Internal, Released };

// Child flags of an internal node's tag.
inline constexpr std::uint8_t kLeftSymbol = 0x01;
inline constexpr std::uint8_t kRightSymbol = 0x02;
inline constexpr std::uint8_t kLeftSlot = 0x10;
inline constexpr std::uint8_t kRightSlot = 0x20;

struct HuffmanSlot {
    std::uint8_t tag = 0;
    std::uint64_t weight = 0;
    std::uint8_t left = 0;
    std::uint8_t right = 0;
    SlotState state = SlotState::Leaf;
};

// A code held right-aligned in bits; length 0 means the byte value has no code.
struct HuffmanCode {
    std::uint64_t bits = 0;
    unsigned length = 0;
};

struct HuffmanTable {
    std::array<HuffmanSlot, 256> slots{};
    unsigned distinct = 0;  // N, 0 to 256
    std::uint8_t root = 0;
    std::array<HuffmanCode, 256> codes{};
    unsigned longestCode = 0;
    // False when some code would be longer than 64 bits (impossible for
    // inputs below 4 GiB); the codes are then unusable.
    bool codesFit = true;
};

// Builds the table for an input whose byte value b occurs counts[b] times.
HuffmanTable buildHuffmanTable(const std::array<std::uint64_t, 256>& counts);

}  // namespace packwell::compress
