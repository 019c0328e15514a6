#pragma once
// The code tree of a .huf file as its decoder walks it: the records checked
// once (every reachable record a proper node, no loops, no way out of the
// records), then a lookup table for codes of up to kLookupBits bits.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace packwell::compress {

class HuffmanDecodeTree {
public:
    static constexpr unsigned kLookupBits = 11;

    enum class Kind : std::uint8_t { Symbol, Slot, Nowhere };
    struct Child {
        Kind kind;
        std::uint8_t value;  // the symbol or the slot number
    };
    struct Lookup {
        std::uint8_t kind;    // a Kind
        std::uint8_t length;  // bits taken
        std::uint8_t value;   // the symbol, or the slot the code continues at
    };
    // The fast path's table: the one or two whole codes at the start of
    // kLookupBits bits. count 0 sends the decoder the long way.
    struct Pair {
        std::uint8_t symbols[2];
        std::uint8_t count;
        std::uint8_t length;  // bits of the count codes together
    };

    // records holds 3 * distinct bytes (tag, left, right per slot). Returns
    // an empty text when the tree is sound, otherwise what is wrong with it.
    std::string load(const std::uint8_t* records, unsigned distinct, unsigned root);

    unsigned root() const { return root_; }
    const Child& child(unsigned slot, unsigned bit) const { return children_[slot][bit]; }
    const Lookup& lookup(unsigned prefix) const { return table_[prefix]; }
    const Pair& pair(unsigned prefix) const { return pairs_[prefix]; }

private:
    void buildLookup();

    unsigned root_ = 0;
    std::array<std::array<Child, 2>, 256> children_{};
    std::vector<Lookup> table_;
    std::vector<Pair> pairs_;
};

}  // namespace packwell::compress
