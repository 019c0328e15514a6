#include "HuffmanDecoder.h"

#include <cstdint>
#include <cstring>

#include "HuffmanDecodeTree.h"
#include "StreamBuffers.h"

namespace packwell::compress {
namespace {

// The bit stream, most significant bit first. bits_ holds count_ bits in its
// high end; the bits behind them are either the stream's next bits or 0.
class BitReader {
public:
    explicit BitReader(InputWindow& in) : in_(in) {}

    // Brings count() to at least 56 unless the stream ends first.
    void refill()
    {
        if (in_.available() < 8) in_.fill();
        if (in_.available() >= 8) {
            std::uint64_t w;
            std::memcpy(&w, in_.data(), 8);
            bits_ |= __builtin_bswap64(w) >> count_;
            in_.consume((63 - count_) >> 3);
            count_ |= 56;
            return;
        }
        while (count_ <= 56 && in_.available() > 0) {
            bits_ |= std::uint64_t{*in_.data()} << (56 - count_);
            in_.consume(1);
            count_ += 8;
        }
    }
    unsigned count() const { return count_; }
    std::uint64_t peek() const { return bits_; }
    void skip(unsigned n)
    {
        bits_ <<= n;
        count_ -= n;
    }
    // Whole bytes taken from the file but not needed by the stream, plus
    // whatever follows them.
    bool moreDataFollows()
    {
        if (count_ >= 8) return true;
        return in_.available() > 0 || in_.fill();
    }

private:
    InputWindow& in_;
    std::uint64_t bits_ = 0;
    unsigned count_ = 0;
};

std::uint64_t littleEndian(const std::uint8_t* p, unsigned n)
{
    std::uint64_t v = 0;
    for (unsigned i = n; i-- > 0;) v = (v << 8) | p[i];
    return v;
}

// One symbol the long way: near the end of the stream, or a code longer
// than the lookup table, or a branch that leads nowhere.
std::string decodeOneSymbol(const HuffmanDecodeTree& tree, BitReader& bits, std::uint8_t& symbol)
{
    constexpr unsigned kTable = HuffmanDecodeTree::kLookupBits;
    static const char* const kNowhere = "its bit stream takes a branch of the code tree that leads nowhere";
    bits.refill();
    unsigned slot = tree.root();
    if (bits.count() >= kTable) {
        const auto& e = tree.lookup(static_cast<unsigned>(bits.peek() >> (64 - kTable)));
        if (e.kind == static_cast<std::uint8_t>(HuffmanDecodeTree::Kind::Nowhere)) return kNowhere;
        bits.skip(e.length);
        if (e.kind == static_cast<std::uint8_t>(HuffmanDecodeTree::Kind::Symbol)) {
            symbol = e.value;
            return {};
        }
        slot = e.value;
    }
    for (;;) {
        if (bits.count() == 0) {
            bits.refill();
            if (bits.count() == 0) return "its bit stream is truncated";
        }
        const unsigned bit = static_cast<unsigned>(bits.peek() >> 63);
        bits.skip(1);
        const auto& c = tree.child(slot, bit);
        if (c.kind == HuffmanDecodeTree::Kind::Symbol) {
            symbol = c.value;
            return {};
        }
        if (c.kind == HuffmanDecodeTree::Kind::Nowhere) return kNowhere;
        slot = c.value;
    }
}

// Decodes size symbols. Returns an empty text or what went wrong.
std::string decodeStream(const HuffmanDecodeTree& tree, std::uint64_t size, BitReader& bits, OutputBuffer& out)
{
    constexpr unsigned kTable = HuffmanDecodeTree::kLookupBits;
    std::uint64_t left = size;
    while (left > 0) {
        if (out.room() == 0 && !out.flush()) return "the output could not be written";
        // As many symbols as the buffer has room for. A full refill carries
        // five lookups of up to 11 bits, each giving one or two symbols.
        std::uint8_t* o = out.cursor();
        std::uint64_t batch = out.room();
        if (batch > left) batch = left;
        std::uint8_t* const stop = o + batch;
        while (o + 10 <= stop) {
            bits.refill();
            if (bits.count() < 56) break;
            int k = 0;
            for (; k < 5; ++k) {
                const auto& e = tree.pair(static_cast<unsigned>(bits.peek() >> (64 - kTable)));
                if (e.count == 0) break;
                std::memcpy(o, e.symbols, 2);
                o += e.count;
                bits.skip(e.length);
            }
            if (k < 5) break;
        }
        if (o < stop) {
            std::string problem = decodeOneSymbol(tree, bits, *o);
            if (!problem.empty()) return problem;
            ++o;
        }
        const std::size_t made = static_cast<std::size_t>(o - out.cursor());
        out.advance(made);
        left -= made;
    }
    return {};
}

}  // namespace

DecodeResult huffmanDecode(std::FILE* input, std::FILE* output)
{
    InputWindow in;
    OutputBuffer out;
    if (!in.open(input) || !out.open(output)) return DecodeResult::failure("there is not enough memory to decode it");

    in.ensure(10);
    const std::size_t headBytes = in.available() < 10 ? in.available() : 10;
    const std::uint8_t* head = in.data();
    static const std::uint8_t magic[3] = {'Z', 'H', 'F'};
    if (std::memcmp(head, magic, headBytes < 3 ? headBytes : 3) != 0) {
        return DecodeResult::failure("it does not begin with \"ZHF\"");
    }
    if (headBytes < 10) return DecodeResult::failure("its header is truncated");
    const std::uint64_t size = littleEndian(head + 3, 4);
    const unsigned distinct = static_cast<unsigned>(littleEndian(head + 7, 2));
    const unsigned root = head[9];
    in.consume(10);

    if (distinct > 256) {
        return DecodeResult::failure("its distinct count " + std::to_string(distinct) + " is over 256");
    }
    if (distinct == 0 && size > 0) {
        return DecodeResult::failure("it states " + std::to_string(size) + " bytes but has no code tree");
    }
    if (distinct > 0 && root >= distinct) {
        return DecodeResult::failure("its root slot " + std::to_string(root) + " is not one of its " +
                                     std::to_string(distinct) + " tree records");
    }
    in.ensure(3 * distinct);
    if (in.available() < 3 * distinct) return DecodeResult::failure("its tree records are truncated");

    HuffmanDecodeTree tree;
    if (distinct > 0) {
        std::string problem = tree.load(in.data(), distinct, root);
        if (!problem.empty()) return DecodeResult::failure(problem);
    }
    in.consume(3 * distinct);

    BitReader bits(in);
    std::string problem = decodeStream(tree, size, bits, out);
    if (!problem.empty()) return DecodeResult::failure(problem);
    if (bits.moreDataFollows()) return DecodeResult::failure("it has data after the end of its bit stream");
    if (!out.flush()) return DecodeResult::failure("the output could not be written");
    return DecodeResult::success();
}

}  // namespace packwell::compress
