#include "HuffmanDecodeTree.h"

#include "HexText.h"
#include "HuffmanTree.h"

namespace packwell::compress {
std::string HuffmanDecodeTree::load(const std::uint8_t* records, unsigned distinct, unsigned root)
{
    root_ = root;
    for (auto& c : children_) c = {Child{Kind::Nowhere, 0}, Child{Kind::Nowhere, 0}};

    std::array<bool, 256> seen{};
    std::array<unsigned, 256> stack;
    unsigned top = 0;
    stack[top++] = root;
    seen[root] = true;
    while (top > 0) {
        const unsigned slot = stack[--top];
        const std::uint8_t tag = records[3 * slot];
        const std::uint8_t sides[2] = {records[3 * slot + 1], records[3 * slot + 2]};
        // The coder writes these flags only; 01 (the left child alone) only
        // for the one node of a single-symbol tree.
        const bool proper = tag == 0x03 || tag == 0x21 || tag == 0x12 || tag == 0x30 ||
                            (tag == kLeftSymbol && distinct == 1);
        if (!proper) return "tree record " + std::to_string(slot) + " (child flags " + hex2(tag) + ") leads nowhere";
        for (unsigned side = 0; side < 2; ++side) {
            const std::uint8_t symbolFlag = side == 0 ? kLeftSymbol : kRightSymbol;
            const std::uint8_t slotFlag = side == 0 ? kLeftSlot : kRightSlot;
            if (tag & symbolFlag) {
                children_[slot][side] = Child{Kind::Symbol, sides[side]};
            } else if (tag & slotFlag) {
                const unsigned next = sides[side];
                if (next >= distinct) {
                    return "tree record " + std::to_string(slot) + " leads to slot " + std::to_string(next) +
                           ", beyond its " + std::to_string(distinct) + " records";
                }
                if (seen[next]) return "its code tree loops back to record " + std::to_string(next);
                seen[next] = true;
                stack[top++] = next;
                children_[slot][side] = Child{Kind::Slot, sides[side]};
            }
        }
    }
    buildLookup();
    return {};
}

void HuffmanDecodeTree::buildLookup()
{
    table_.assign(std::size_t{1} << kLookupBits, Lookup{});
    for (unsigned prefix = 0; prefix < table_.size(); ++prefix) {
        unsigned slot = root_;
        Lookup entry{static_cast<std::uint8_t>(Kind::Slot), static_cast<std::uint8_t>(kLookupBits), 0};
        for (unsigned i = 0; i < kLookupBits; ++i) {
            const unsigned bit = (prefix >> (kLookupBits - 1 - i)) & 1;
            const Child& c = children_[slot][bit];
            if (c.kind == Kind::Slot) {
                slot = c.value;
                continue;
            }
            entry = Lookup{static_cast<std::uint8_t>(c.kind), static_cast<std::uint8_t>(i + 1), c.value};
            break;
        }
        if (entry.kind == static_cast<std::uint8_t>(Kind::Slot)) entry.value = static_cast<std::uint8_t>(slot);
        table_[prefix] = entry;
    }

    const unsigned mask = (1u << kLookupBits) - 1;
    pairs_.assign(table_.size(), Pair{{0, 0}, 0, 0});
    for (unsigned prefix = 0; prefix < table_.size(); ++prefix) {
        const Lookup& first = table_[prefix];
        if (first.kind != static_cast<std::uint8_t>(Kind::Symbol)) continue;
        Pair p{{first.value, 0}, 1, first.length};
        // The second code must lie wholly in the bits after the first.
        const Lookup& second = table_[(prefix << first.length) & mask];
        if (second.kind == static_cast<std::uint8_t>(Kind::Symbol) && first.length + second.length <= kLookupBits) {
            p.symbols[1] = second.value;
            p.count = 2;
            p.length = static_cast<std::uint8_t>(first.length + second.length);
        }
        pairs_[prefix] = p;
    }
}

}  // namespace packwell::compress
