#include <array>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CoderHarness.h"
#include "ReferenceCoders.h"
#include "compress/HuffmanBitPacker.h"
#include "compress/HuffmanCoder.h"
#include "compress/HuffmanTree.h"
#include "compress/RleCoder.h"

using packwell::compress::EncodeStatus;

using harness::bytes;

namespace {

// Encodes, compares with the literal coder and decodes back.
void expectExactAndReversible(const std::string& input, const std::string& label)
{
    const harness::Encoded e = harness::huffmanEncode(input);
    ASSERT_EQ(e.status, EncodeStatus::Ok) << label;
    ASSERT_EQ(e.bytes, reference::huffman(input)) << label;
    const harness::Decoded d = harness::huffmanDecode(e.bytes);
    ASSERT_TRUE(d.result.ok) << label << ": " << d.result.reason;
    ASSERT_EQ(d.bytes, input) << label;
}

}  // namespace

TEST(HuffmanCoder, WritesHeaderNodeRecordsAndBitStreamByteForByte)
{
    struct Case {
        const char* label;
        std::string input;
        std::string file;
    };
    const Case cases[] = {
        {"abracadabra", "abracadabra",
         bytes({0x5A, 0x48, 0x46, 0x0B, 0, 0, 0, 0x05, 0, 0x00, 0x21, 0x61, 0x02, 0x03, 0x62, 0x72, 0x30, 0x03, 0x01,
                0x03, 0x64, 0x63, 0x00, 0xFF, 0xFF, 0x6E, 0xA8, 0xDC})},
        {"empty", "", bytes({0x5A, 0x48, 0x46, 0, 0, 0, 0, 0, 0, 0})},
        {"one value", "aaaa", bytes({0x5A, 0x48, 0x46, 0x04, 0, 0, 0, 0x01, 0x00, 0x00, 0x01, 0x61, 0x61, 0x00})},
        // Equal counts: the lower byte value stays in the lower slot and gets 0.
        {"two tied values", "baab", bytes({0x5A, 0x48, 0x46, 0x04, 0, 0, 0, 0x02, 0x00, 0x00, 0x03, 0x61, 0x62,
                                           0x00, 0xFF, 0xFF, 0x90})},
        // 16 code bits fill two bytes: no padding byte follows.
        {"whole bytes", "abababababababab",
         bytes({0x5A, 0x48, 0x46, 0x10, 0, 0, 0, 0x02, 0x00, 0x00, 0x03, 0x61, 0x62, 0x00, 0xFF, 0xFF, 0x55, 0x55})},
    };
    for (const Case& c : cases) {
        const harness::Encoded e = harness::huffmanEncode(c.input);
        EXPECT_EQ(e.status, EncodeStatus::Ok) << c.label;
        EXPECT_EQ(e.bytes, c.file) << c.label;
        EXPECT_EQ(reference::huffman(c.input), c.file) << c.label;
        const harness::Decoded d = harness::huffmanDecode(e.bytes);
        EXPECT_TRUE(d.result.ok) << c.label << ": " << d.result.reason;
        EXPECT_EQ(d.bytes, c.input) << c.label;
    }
}

TEST(HuffmanTree, OrdersSlotsByPairwiseExchangesNotByAStableSort)
{
    // a 5, b 2, c 1, d 1, r 2: r is brought forward past c, which lands
    // behind d.
    std::array<std::uint64_t, 256> counts{};
    counts['a'] = 5;
    counts['b'] = 2;
    counts['c'] = 1;
    counts['d'] = 1;
    counts['r'] = 2;
    const packwell::compress::HuffmanTable t = packwell::compress::buildHuffmanTable(counts);
    EXPECT_EQ(t.distinct, 5u);
    EXPECT_EQ(t.root, 0);
    const std::pair<std::uint64_t, unsigned> expected[] = {{0b0, 1}, {0b110, 3}, {0b101, 3}, {0b100, 3}, {0b111, 3}};
    const char symbols[] = {'a', 'b', 'c', 'd', 'r'};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(t.codes[static_cast<unsigned char>(symbols[i])].bits, expected[i].first) << symbols[i];
        EXPECT_EQ(t.codes[static_cast<unsigned char>(symbols[i])].length, expected[i].second) << symbols[i];
    }
}

TEST(HuffmanCoder, MatchesTheLiteralCoderOnVariedInputs)
{
    std::vector<std::pair<std::string, std::string>> inputs;
    inputs.push_back({"all 256 values once", [] {
                          std::string s;
                          for (int b = 255; b >= 0; --b) s.push_back(static_cast<char>(b));
                          return s;
                      }()});
    inputs.push_back({"single byte", "\xff"});
    inputs.push_back({"one value, many bytes", std::string(70000, 'q')});
    inputs.push_back({"random small", harness::randomBytes(1000, 1)});
    inputs.push_back({"random across read chunks", harness::randomBytes(200000, 2)});
    // From 1 MiB on the coder packs byte pairs.
    inputs.push_back({"text-like, 1.5 MiB", harness::skewedBytes(1536 * 1024 + 3, 40, 11)});
    for (unsigned alphabet : {2u, 3u, 5u, 17u, 64u, 200u, 256u}) {
        inputs.push_back({"skewed " + std::to_string(alphabet), harness::skewedBytes(30000, alphabet, alphabet)});
    }
    // Many equal counts: ties everywhere in the ordering and the merging.
    {
        std::array<std::uint64_t, 256> counts{};
        for (unsigned b = 0; b < 256; ++b) counts[b] = 1 + (b * 37) % 5;
        inputs.push_back({"tied counts", harness::fromCounts(counts.data(), 256, 3)});
    }
    inputs.push_back({"runs", harness::runHeavyBytes(5000, 40, 4)});
    for (const auto& [label, input] : inputs) expectExactAndReversible(input, label);
}

TEST(HuffmanCoder, LongCodesUseEveryPackingWidth)
{
    // Counts growing like the Fibonacci numbers make the deepest trees a
    // given size can build: longest codes of 12, 16, 20 and 30 bits take the
    // packer's four-, three-, two- and one-code paths.
    for (unsigned values : {13u, 17u, 21u, 31u}) {
        std::vector<std::uint64_t> counts(values);
        std::uint64_t a = 1, b = 1;
        for (unsigned i = 0; i < values; ++i) {
            counts[i] = a;
            const std::uint64_t next = a + b;
            a = b;
            b = next;
        }
        expectExactAndReversible(harness::fromCounts(counts.data(), values, values), std::to_string(values) + " values");
    }
}

TEST(HuffmanBitPacker, PacksCodesOfUpTo64BitsMostSignificantBitFirst)
{
    // Codes too long for any real input still pack bit for bit.
    std::array<packwell::compress::HuffmanCode, 256> codes{};
    codes[0] = {0x1, 1};
    codes[1] = {0xFEDCBA9876543210ull, 64};
    codes[2] = {0x0123456789ABCDEull, 61};
    codes[3] = {0x5, 3};
    std::string bits;
    auto append = [&](const packwell::compress::HuffmanCode& c) {
        for (unsigned i = c.length; i-- > 0;) bits.push_back(((c.bits >> i) & 1) ? '1' : '0');
    };
    const std::uint8_t data[] = {0, 1, 3, 2, 2, 0, 1, 3, 0};
    for (std::uint8_t d : data) append(codes[d]);
    while (bits.size() % 8) bits.push_back('0');
    std::string expected;
    for (std::size_t i = 0; i < bits.size(); i += 8) expected.push_back(static_cast<char>(std::stoi(bits.substr(i, 8), nullptr, 2)));

    packwell::compress::HuffmanBitPacker packer(codes);
    std::vector<std::uint8_t> out(packwell::compress::HuffmanBitPacker::bound(sizeof data));
    std::uint8_t* end = packer.pack(data, 4, out.data());
    end = packer.pack(data + 4, sizeof data - 4, end);
    end = packer.finish(end);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(out.data()), static_cast<std::size_t>(end - out.data())), expected);
    EXPECT_FALSE(packer.missingSeen());
}

namespace {

// A file that grows between the counting pass and the writing pass: the
// first size taken is that of `before`, every later one that of `after`.
struct GrowingFile {
    std::string before, after;
    int sizeTakes = 0;
    long pos = 0;
    const std::string& current() const { return sizeTakes > 1 ? after : before; }
};

ssize_t growingRead(void* cookie, char* buf, size_t size)
{
    auto* g = static_cast<GrowingFile*>(cookie);
    const std::string& data = g->current();
    if (g->pos >= static_cast<long>(data.size())) return 0;
    const size_t n = std::min(size, data.size() - static_cast<size_t>(g->pos));
    std::memcpy(buf, data.data() + g->pos, n);
    g->pos += static_cast<long>(n);
    return static_cast<ssize_t>(n);
}

int growingSeek(void* cookie, off64_t* offset, int whence)
{
    auto* g = static_cast<GrowingFile*>(cookie);
    if (whence == SEEK_END) {
        ++g->sizeTakes;
        g->pos = static_cast<long>(g->current().size()) + *offset;
    } else if (whence == SEEK_SET) {
        g->pos = *offset;
    } else {
        g->pos += *offset;
    }
    *offset = g->pos;
    return 0;
}

}  // namespace

TEST(HuffmanCoder, AByteWithoutACodeIsReportedOnStandardOutputAndCodesNothing)
{
    GrowingFile g{"aab", "aabca"};
    cookie_io_functions_t io{growingRead, nullptr, growingSeek, nullptr};
    std::FILE* in = fopencookie(&g, "rb", io);
    std::FILE* out = std::tmpfile();
    testing::internal::CaptureStdout();
    const EncodeStatus status = packwell::compress::huffmanEncode(in, out);
    std::fflush(stdout);
    const std::string printed = testing::internal::GetCapturedStdout();
    // The file changed between the passes: the caller is told so.
    EXPECT_EQ(status, EncodeStatus::ShortRead);
    EXPECT_EQ(printed, "\nThe code for 63 was not found...");
    // The tree of "aab" (b 0 in slot 1, the root; a 1), the size of
    // "aabca", and the bits of a a b a: 1101 padded.
    std::fflush(out);
    std::fseek(out, 0, SEEK_SET);
    char buf[64];
    const std::size_t n = std::fread(buf, 1, sizeof buf, out);
    EXPECT_EQ(std::string(buf, n),
              bytes({0x5A, 0x48, 0x46, 0x05, 0, 0, 0, 0x02, 0x00, 0x01, 0x00, 0xFF, 0xFF, 0x03, 0x62, 0x61, 0xD0}));
    std::fclose(in);
    std::fclose(out);
}

namespace {

// A file whose size, when taken, is larger than what it then delivers.
struct ShrunkFile {
    std::string data;
    long statedSize;
    long pos = 0;
};

ssize_t shrunkRead(void* cookie, char* buf, size_t size)
{
    auto* f = static_cast<ShrunkFile*>(cookie);
    if (f->pos >= static_cast<long>(f->data.size())) return 0;
    const size_t n = std::min(size, f->data.size() - static_cast<size_t>(f->pos));
    std::memcpy(buf, f->data.data() + f->pos, n);
    f->pos += static_cast<long>(n);
    return static_cast<ssize_t>(n);
}

int shrunkSeek(void* cookie, off64_t* offset, int whence)
{
    auto* f = static_cast<ShrunkFile*>(cookie);
    f->pos = whence == SEEK_END ? f->statedSize + *offset : whence == SEEK_SET ? *offset : f->pos + *offset;
    *offset = f->pos;
    return 0;
}

}  // namespace

TEST(Coders, AnInputThatEndsEarlyIsCodedAsFarAsItGoesAndReported)
{
    struct Case {
        const char* label;
        EncodeStatus (*encode)(std::FILE*, std::FILE*);
        std::string expected;
    };
    // "abab" stated as 10 bytes: the header keeps the size taken.
    const Case cases[] = {
        {"huffman", packwell::compress::huffmanEncode,
         bytes({0x5A, 0x48, 0x46, 0x0A, 0, 0, 0, 0x02, 0x00, 0x00, 0x03, 0x61, 0x62, 0x00, 0xFF, 0xFF, 0x50})},
        {"rle", packwell::compress::rleEncode, bytes({0x0A, 0, 0, 0, 0x01, 'a', 0x01, 'b', 0x01, 'a', 0x01, 'b'})},
    };
    for (const Case& c : cases) {
        ShrunkFile f{"abab", 10};
        cookie_io_functions_t io{shrunkRead, nullptr, shrunkSeek, nullptr};
        std::FILE* in = fopencookie(&f, "rb", io);
        std::FILE* out = std::tmpfile();
        EXPECT_EQ(c.encode(in, out), EncodeStatus::ShortRead) << c.label;
        std::fflush(out);
        std::fseek(out, 0, SEEK_SET);
        char buf[64];
        const std::size_t n = std::fread(buf, 1, sizeof buf, out);
        EXPECT_EQ(std::string(buf, n), c.expected) << c.label;
        std::fclose(in);
        std::fclose(out);
    }
}

TEST(HuffmanBitPacker, PairTableGivesTheSameBitsAsCodingByteByByte)
{
    // Code sets with longest codes from 2 to 24 bits (every pairs-per-store
    // width), some byte values without a code, and inputs of odd sizes
    // packed in uneven pieces.
    std::vector<std::array<std::uint64_t, 256>> countSets;
    for (unsigned values : {3u, 60u, 256u}) {
        std::array<std::uint64_t, 256> counts{};
        for (unsigned b = 0; b < values; ++b) counts[(b * 7) % 256] = 1000 / (b + 1) + 1;
        countSets.push_back(counts);
    }
    for (unsigned values : {12u, 16u, 22u, 25u}) {
        std::array<std::uint64_t, 256> counts{};
        std::uint64_t a = 1, b = 1;
        for (unsigned i = 0; i < values; ++i) {
            counts[i] = a;
            const std::uint64_t next = a + b;
            a = b;
            b = next;
        }
        countSets.push_back(counts);
    }
    std::mt19937 rng(5);
    for (const auto& counts : countSets) {
        const packwell::compress::HuffmanTable t = packwell::compress::buildHuffmanTable(counts);
        // Mostly coded byte values, now and then one without a code.
        std::vector<std::uint8_t> data(4099);
        for (auto& d : data) {
            unsigned b;
            do b = rng() % 256;
            while (counts[b] == 0 && rng() % 50 != 0);
            d = static_cast<std::uint8_t>(b);
        }
        std::string bits;
        bool anyMissing = false;
        for (std::uint8_t d : data) {
            const packwell::compress::HuffmanCode& c = t.codes[d];
            anyMissing |= c.length == 0;
            for (unsigned i = c.length; i-- > 0;) bits.push_back(((c.bits >> i) & 1) ? '1' : '0');
        }
        while (bits.size() % 8) bits.push_back('0');
        std::string expected;
        for (std::size_t i = 0; i < bits.size(); i += 8) {
            expected.push_back(static_cast<char>(std::stoi(bits.substr(i, 8), nullptr, 2)));
        }
        for (bool pairs : {false, true}) {
            packwell::compress::HuffmanBitPacker packer(t.codes, pairs);
            std::vector<std::uint8_t> out(packwell::compress::HuffmanBitPacker::bound(data.size()));
            std::uint8_t* end = out.data();
            for (std::size_t at = 0, piece = 1; at < data.size(); at += piece, piece = piece * 3 + 1) {
                end = packer.pack(data.data() + at, std::min(piece, data.size() - at), end);
            }
            end = packer.finish(end);
            EXPECT_EQ(std::string(reinterpret_cast<char*>(out.data()), static_cast<std::size_t>(end - out.data())),
                      expected)
                << "longest " << t.longestCode << (pairs ? " with pairs" : "");
            EXPECT_EQ(packer.missingSeen(), anyMissing) << "longest " << t.longestCode;
        }
    }
}
