#include "ReferenceCoders.h"

#include <cstdint>
#include <vector>

namespace reference {
namespace {

enum State { Leaf, Internal, Released };

struct Slot {
    unsigned tag = 0;
    std::uint64_t weight = 0;
    unsigned left = 0, right = 0;
    State state = Leaf;
};

void put32(std::string& out, std::uint64_t v)
{
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void walk(const std::vector<Slot>& slots, unsigned slot, const std::string& path, std::vector<std::string>& codes)
{
    const Slot& s = slots[slot];
    if (s.tag & 0x01) codes[s.left] = path + "0";
    if (s.tag & 0x10) walk(slots, s.left, path + "0", codes);
    if (s.tag & 0x02) codes[s.right] = path + "1";
    if (s.tag & 0x20) walk(slots, s.right, path + "1", codes);
}

}  // namespace

std::string huffman(const std::string& input)
{
    std::vector<Slot> slots(256);
    for (unsigned char c : input) {
        slots[c].weight += 1;
        slots[c].tag = c;
    }
    for (unsigned p = 0; p < 256; ++p) {
        for (;;) {
            unsigned found = 256;
            for (unsigned q = p + 1; q < 256; ++q) {
                if (slots[q].weight > slots[p].weight) {
                    found = q;
                    break;
                }
            }
            if (found == 256) break;
            std::swap(slots[p], slots[found]);
        }
    }
    unsigned n = 0;
    while (n < 256 && slots[n].weight != 0) ++n;

    if (n == 1) {
        slots[0].left = slots[0].right = slots[0].tag;
        slots[0].tag = 0x01;
        slots[0].state = Internal;
    } else {
        for (;;) {
            int first = -1, second = -1;
            for (unsigned i = 0; i < n; ++i)
                if (slots[i].weight && (first < 0 || slots[i].weight < slots[first].weight)) first = static_cast<int>(i);
            for (unsigned i = 0; i < n; ++i)
                if (static_cast<int>(i) != first && slots[i].weight &&
                    (second < 0 || slots[i].weight < slots[second].weight))
                    second = static_cast<int>(i);
            if (first < 0 || second < 0) break;
            Slot& a = slots[first];
            Slot& b = slots[second];
            const std::uint64_t sum = a.weight + b.weight;
            if (a.state == Leaf && b.state == Leaf) {
                a.left = a.tag;
                a.right = b.tag;
                a.tag = 0x03;
                a.weight = sum;
                a.state = Internal;
                b.tag = 0;
                b.left = b.right = 0xFF;
                b.weight = 0;
                b.state = Released;
            } else if (a.state == Leaf) {
                a.left = a.tag;
                a.right = static_cast<unsigned>(second);
                a.tag = 0x21;
                a.weight = sum;
                a.state = Internal;
                b.weight = 0;
            } else if (b.state == Leaf) {
                b.right = b.tag;
                b.left = static_cast<unsigned>(first);
                b.tag = 0x12;
                b.weight = sum;
                b.state = Internal;
                a.weight = 0;
            } else {
                unsigned r = 0;
                while (slots[r].state != Released) ++r;
                a.weight = 0;
                b.weight = 0;
                slots[r] = Slot{0x30, sum, static_cast<unsigned>(first), static_cast<unsigned>(second), Internal};
            }
        }
    }
    unsigned root = 0;
    for (unsigned i = 0; i < n; ++i)
        if (slots[i].weight) {
            root = i;
            break;
        }
    std::vector<std::string> codes(256);
    if (n == 1) codes[slots[0].left].push_back('0');
    else if (n > 1) walk(slots, root, "", codes);

    std::string out;
    out.reserve(10 + 3 * n + input.size());
    out.append("ZHF");
    put32(out, input.size());
    out.push_back(static_cast<char>(n & 0xFF));
    out.push_back(static_cast<char>(n >> 8));
    out.push_back(static_cast<char>(root));
    for (unsigned i = 0; i < n; ++i) {
        out.push_back(static_cast<char>(slots[i].tag));
        out.push_back(static_cast<char>(slots[i].left));
        out.push_back(static_cast<char>(slots[i].right));
    }
    unsigned acc = 0, bits = 0;
    for (unsigned char c : input) {
        for (char ch : codes[c]) {
            acc = ((acc << 1) + static_cast<unsigned>(ch - '0')) & 0xFF;
            if (++bits == 8) {
                out.push_back(static_cast<char>(acc));
                acc = 0;
                bits = 0;
            }
        }
    }
    if (bits > 0) out.push_back(static_cast<char>((acc << (8 - bits)) & 0xFF));
    return out;
}

std::string rle(const std::string& input)
{
    const std::size_t s = input.size();
    std::string out;
    put32(out, s);
    std::size_t p = 0;
    while (p < s) {
        if (p + 1 < s && input[p + 1] == input[p]) {
            std::size_t n = 1;
            while (n < 126 && p + n < s && input[p + n] == input[p]) ++n;
            out.push_back(static_cast<char>(0x80 + n));
            out.push_back(input[p]);
            p += n;
        } else {
            std::size_t l = 0;
            for (;;) {
                if (p + l + 3 >= s) break;
                if (input[p + l + 1] == input[p + l] && input[p + l + 2] == input[p + l] &&
                    input[p + l + 3] == input[p + l])
                    break;
                if (l == 126) break;
                ++l;
            }
            if (l == 0) l = 1;
            out.push_back(static_cast<char>(l));
            out.append(input, p, l);
            p += l;
        }
    }
    return out;
}

}  // namespace reference
