#include "HuffmanTree.h"

#include <utility>

namespace packwell::compress {
namespace {

// Brings the heaviest slots to the front. For each position p, any later slot
// strictly heavier than the one now at p is exchanged into p, the lowest
// numbered first. After an exchange with slot q, the slots between p and q are
// no heavier than the old content of p, so one forward scan per position
// gives exactly the exchanges of repeated lowest-first searches.
void orderSlots(std::array<HuffmanSlot, 256>& slots)
{
    for (unsigned p = 0; p < 256; ++p) {
        for (unsigned q = p + 1; q < 256; ++q) {
            if (slots[q].weight > slots[p].weight) std::swap(slots[p], slots[q]);
        }
    }
}

// The lowest-numbered slot of 0..n-1 with the smallest nonzero weight, other
// than skip; n when there is none.
unsigned lightestSlot(const std::array<HuffmanSlot, 256>& slots, unsigned n, unsigned skip)
{
    unsigned best = n;
    for (unsigned i = 0; i < n; ++i) {
        if (i == skip || slots[i].weight == 0) continue;
        if (best == n || slots[i].weight < slots[best].weight) best = i;
    }
    return best;
}

void release(HuffmanSlot& slot)
{
    slot.tag = 0;
    slot.weight = 0;
    slot.left = 0xFF;
    slot.right = 0xFF;
    slot.state = SlotState::Released;
}

void mergePicks(std::array<HuffmanSlot, 256>& slots, unsigned n, unsigned first, unsigned second)
{
    HuffmanSlot& a = slots[first];
    HuffmanSlot& b = slots[second];
    const std::uint64_t sum = a.weight + b.weight;
    const bool aLeaf = a.state == SlotState::Leaf;
    const bool bLeaf = b.state == SlotState::Leaf;
    if (aLeaf && bLeaf) {
        const std::uint8_t left = a.tag, right = b.tag;
        a = HuffmanSlot{kLeftSymbol | kRightSymbol, sum, left, right, SlotState::Internal};
        release(b);
    } else if (aLeaf) {
        const std::uint8_t left = a.tag;
        a = HuffmanSlot{kLeftSymbol | kRightSlot, sum, left, static_cast<std::uint8_t>(second), SlotState::Internal};
        b.weight = 0;
    } else if (bLeaf) {
        const std::uint8_t right = b.tag;
        b = HuffmanSlot{kLeftSlot | kRightSymbol, sum, static_cast<std::uint8_t>(first), right, SlotState::Internal};
        a.weight = 0;
    } else {
        unsigned target = 0;
        while (target < n && slots[target].state != SlotState::Released) ++target;
        // A released slot always exists here: there are as many of them as
        // internal nodes that still carry weight.
        a.weight = 0;
        b.weight = 0;
        slots[target] = HuffmanSlot{kLeftSlot | kRightSlot, sum, static_cast<std::uint8_t>(first),
                                    static_cast<std::uint8_t>(second), SlotState::Internal};
    }
}

void assignCodes(HuffmanTable& t)
{
    if (t.distinct == 0) return;
    if (t.distinct == 1) {
        t.codes[t.slots[0].left] = HuffmanCode{0, 1};
        t.longestCode = 1;
        return;
    }
    struct Step {
        unsigned slot;
        std::uint64_t bits;
        unsigned length;
    };
    // The tree has at most 255 internal nodes, so the stack never holds more.
    std::array<Step, 256> stack;
    unsigned top = 0;
    stack[top++] = Step{t.root, 0, 0};
    unsigned visited = 0;
    while (top > 0) {
        const Step s = stack[--top];
        if (++visited > 255 || s.length >= 64) {
            t.codesFit = false;
            return;
        }
        const HuffmanSlot& node = t.slots[s.slot];
        const std::uint64_t leftBits = s.bits << 1, rightBits = (s.bits << 1) | 1;
        const unsigned length = s.length + 1;
        if (node.tag & kLeftSymbol) {
            t.codes[node.left] = HuffmanCode{leftBits, length};
        } else if (node.tag & kLeftSlot) {
            stack[top++] = Step{node.left, leftBits, length};
        }
        if (node.tag & kRightSymbol) {
            t.codes[node.right] = HuffmanCode{rightBits, length};
        } else if (node.tag & kRightSlot) {
            stack[top++] = Step{node.right, rightBits, length};
        }
        if (length > t.longestCode) t.longestCode = length;
    }
}

}  // namespace

HuffmanTable buildHuffmanTable(const std::array<std::uint64_t, 256>& counts)
{
    HuffmanTable t;
    for (unsigned b = 0; b < 256; ++b) {
        t.slots[b].weight = counts[b];
        if (counts[b] != 0) t.slots[b].tag = static_cast<std::uint8_t>(b);
    }
    orderSlots(t.slots);

    unsigned n = 0;
    while (n < 256 && t.slots[n].weight != 0) ++n;
    t.distinct = n;

    if (n == 1) {
        HuffmanSlot& only = t.slots[0];
        only.left = only.right = only.tag;
        only.tag = kLeftSymbol;
        only.state = SlotState::Internal;
    } else {
        for (;;) {
            const unsigned first = lightestSlot(t.slots, n, n);
            if (first == n) break;
            const unsigned second = lightestSlot(t.slots, n, first);
            if (second == n) break;
            mergePicks(t.slots, n, first, second);
        }
    }

    for (unsigned i = 0; i < n; ++i) {
        if (t.slots[i].weight != 0) {
            t.root = static_cast<std::uint8_t>(i);
            break;
        }
    }
    assignCodes(t);
    return t;
}

}  // namespace packwell::compress
