#include "HuffmanCoder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

#include "ByteHistogram.h"
#include "FileSize.h"
#include "HuffmanBitPacker.h"
#include "HuffmanTree.h"

namespace packwell::compress {
namespace {

constexpr std::size_t kChunk = 256 * 1024;
constexpr std::uint64_t kPairsFrom = 1024 * 1024;

// The counting pass: byte counts of the input's first size bytes.
std::array<std::uint64_t, 256> countInput(std::FILE* input, std::uint64_t size, std::uint8_t* buffer)
{
    std::array<std::uint64_t, 256> counts{};
    while (size > 0) {
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(size, kChunk));
        const std::size_t got = std::fread(buffer, 1, want, input);
        if (got == 0) break;
        countBytes(buffer, got, counts);
        size -= got;
    }
    return counts;
}

void writeHeader(std::FILE* output, std::uint64_t size, const HuffmanTable& t)
{
    std::vector<std::uint8_t> head;
    head.reserve(10 + 3 * t.distinct);
    head.insert(head.end(), {'Z', 'H', 'F'});
    for (int i = 0; i < 4; ++i) head.push_back(static_cast<std::uint8_t>(size >> (8 * i)));
    head.push_back(static_cast<std::uint8_t>(t.distinct));
    head.push_back(static_cast<std::uint8_t>(t.distinct >> 8));
    head.push_back(t.root);
    for (unsigned i = 0; i < t.distinct; ++i) {
        head.push_back(t.slots[i].tag);
        head.push_back(t.slots[i].left);
        head.push_back(t.slots[i].right);
    }
    std::fwrite(head.data(), 1, head.size(), output);
}

// The diagnostic of a byte that has no code, on standard output.
void reportMissingCodes(const std::uint8_t* data, std::size_t size, const std::array<HuffmanCode, 256>& codes)
{
    for (std::size_t i = 0; i < size; ++i) {
        if (codes[data[i]].length == 0) std::printf("\nThe code for %02X was not found...", data[i]);
    }
}

}  // namespace

EncodeStatus huffmanEncode(std::FILE* input, std::FILE* output)
{
    const auto counted = sizeAndRewind(input);
    if (!counted) return EncodeStatus::Unreadable;
    if (*counted > kLargestStoredSize) return EncodeStatus::TooLarge;

    std::unique_ptr<std::uint8_t[]> in(new (std::nothrow) std::uint8_t[kChunk]);
    std::unique_ptr<std::uint8_t[]> out(new (std::nothrow) std::uint8_t[HuffmanBitPacker::bound(kChunk)]);
    if (!in || !out) return EncodeStatus::NoMemory;

    const HuffmanTable table = buildHuffmanTable(countInput(input, *counted, in.get()));
    if (!table.codesFit) return EncodeStatus::TooLarge;

    // The writing pass takes the size afresh; it is what the header states
    // and how many bytes are coded.
    const auto size = sizeAndRewind(input);
    if (!size) return EncodeStatus::Unreadable;
    if (*size > kLargestStoredSize) return EncodeStatus::TooLarge;
    writeHeader(output, *size, table);

    // The pair table pays off from about a MiB on.
    HuffmanBitPacker packer(table.codes, *size >= kPairsFrom);
    // Bytes without a code: the file changed after it was counted.
    bool uncounted = false;
    std::uint64_t left = *size;
    while (left > 0) {
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(left, kChunk));
        const std::size_t got = std::fread(in.get(), 1, want, input);
        if (got == 0) break;
        std::uint8_t* end = packer.pack(in.get(), got, out.get());
        if (packer.missingSeen()) {
            reportMissingCodes(in.get(), got, table.codes);
            packer.clearMissing();
            uncounted = true;
        }
        std::fwrite(out.get(), 1, static_cast<std::size_t>(end - out.get()), output);
        left -= got;
    }
    std::uint8_t* end = packer.finish(out.get());
    std::fwrite(out.get(), 1, static_cast<std::size_t>(end - out.get()), output);
    return left == 0 && !uncounted ? EncodeStatus::Ok : EncodeStatus::ShortRead;
}

}  // namespace packwell::compress
