#include <filesystem>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "CoderHarness.h"
#include "compress/FileCodecs.h"
#include "testing/TempDir.h"

using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

using harness::bytes;

namespace {

// "abracadabra" as the Huffman coder writes it.
const std::string kAbracadabra =
    bytes({0x5A, 0x48, 0x46, 0x0B, 0, 0, 0, 0x05, 0, 0x00, 0x21, 0x61, 0x02, 0x03, 0x62, 0x72, 0x30, 0x03, 0x01,
           0x03, 0x64, 0x63, 0x00, 0xFF, 0xFF, 0x6E, 0xA8, 0xDC});

std::string withByte(std::string s, std::size_t at, unsigned value)
{
    s[at] = static_cast<char>(value);
    return s;
}

struct Refusal {
    const char* label;
    std::string file;
    const char* reasonPart;
};

}  // namespace

TEST(HuffmanDecoder, RefusesMalformedFilesSayingWhy)
{
    const Refusal cases[] = {
        {"wrong magic", withByte(kAbracadabra, 2, 'G'), "does not begin with \"ZHF\""},
        {"wrong magic, short", "XY", "does not begin with \"ZHF\""},
        {"empty file", "", "header is truncated"},
        {"magic only", "ZHF", "header is truncated"},
        {"header cut", kAbracadabra.substr(0, 9), "header is truncated"},
        {"distinct count over 256", withByte(withByte(kAbracadabra, 7, 0x01), 8, 0x01), "over 256"},
        {"root beyond the records", withByte(kAbracadabra, 9, 5), "root slot 5"},
        {"data but no tree", withByte(kAbracadabra, 7, 0), "no code tree"},
        {"records cut", kAbracadabra.substr(0, 24), "tree records are truncated"},
        {"flags that lead nowhere", withByte(kAbracadabra, 10, 0x22), "tree record 0 (child flags 22) leads nowhere"},
        {"lone left child in a larger tree", withByte(kAbracadabra, 19, 0x01), "tree record 3 (child flags 01)"},
        {"slot beyond the records", withByte(kAbracadabra, 12, 7), "leads to slot 7"},
        {"loop", withByte(kAbracadabra, 18, 0x00), "loops back to record 0"},
        {"shared node", withByte(kAbracadabra, 17, 0x01), "loops back to record 1"},
        {"stream cut", kAbracadabra.substr(0, kAbracadabra.size() - 1), "bit stream is truncated"},
        {"stream leads nowhere",
         bytes({0x5A, 0x48, 0x46, 0x04, 0, 0, 0, 0x01, 0x00, 0x00, 0x01, 0x61, 0x61, 0x80}), "leads nowhere"},
        {"data after the stream", kAbracadabra + "x", "data after the end of its bit stream"},
        {"empty input with a stream", bytes({0x5A, 0x48, 0x46, 0, 0, 0, 0, 0, 0, 0, 0x00}), "data after the end"},
    };
    for (const Refusal& c : cases) {
        const harness::Decoded d = harness::huffmanDecode(c.file);
        EXPECT_FALSE(d.result.ok) << c.label;
        EXPECT_NE(d.result.reason.find(c.reasonPart), std::string::npos) << c.label << ": " << d.result.reason;
    }
}

TEST(HuffmanDecoder, IgnoresThePaddingBitsValues)
{
    // The coder pads with 0 bits; other padding still decodes.
    const harness::Decoded d = harness::huffmanDecode(withByte(kAbracadabra, 27, 0xDD));
    EXPECT_TRUE(d.result.ok) << d.result.reason;
    EXPECT_EQ(d.bytes, "abracadabra");
}

TEST(RleDecoder, RefusesMalformedFilesSayingWhy)
{
    // ABCCCCD: 07 00 00 00, 02 41 42, 84 43, 01 44
    const std::string good = bytes({7, 0, 0, 0, 0x02, 'A', 'B', 0x84, 'C', 0x01, 'D'});
    const Refusal cases[] = {
        {"empty file", "", "size field is truncated"},
        {"size cut", good.substr(0, 3), "size field is truncated"},
        {"token 00", withByte(good, 4, 0x00), "the byte 00 at offset 4 is not a token"},
        {"token 7F", withByte(good, 4, 0x7F), "the byte 7F at offset 4"},
        {"token 80", withByte(good, 7, 0x80), "the byte 80 at offset 7"},
        {"token 81", withByte(good, 7, 0x81), "the byte 81 at offset 7"},
        {"token FF", withByte(good, 7, 0xFF), "the byte FF at offset 7"},
        {"run overruns the size", withByte(good, 0, 5), "token at offset 7 overruns the stated size"},
        {"literal overruns the size", withByte(good, 0, 1), "token at offset 4 overruns the stated size"},
        {"literal cut", good.substr(0, 6), "last token is truncated"},
        {"run cut", good.substr(0, 8), "last token is truncated"},
        {"tokens end early", good.substr(0, 9), "end before the stated size"},
        {"data after the last token", good + "x", "data after its last token"},
        {"empty input with tokens", bytes({0, 0, 0, 0, 0x01, 'A'}), "data after its last token"},
    };
    for (const Refusal& c : cases) {
        const harness::Decoded d = harness::rleDecode(c.file);
        EXPECT_FALSE(d.result.ok) << c.label;
        EXPECT_NE(d.result.reason.find(c.reasonPart), std::string::npos) << c.label << ": " << d.result.reason;
    }
}

TEST(FileCodecs, ARefusedFileLeavesNoOutputAndAnEarlierOutputUntouched)
{
    TempDir dir;
    writeFile(dir / "bad.huf", kAbracadabra.substr(0, kAbracadabra.size() - 1));
    writeFile(dir / "bad.rle", bytes({9, 0, 0, 0, 0x02, 'A', 'B'}));
    writeFile(dir / "kept.bin", "earlier");

    packwell::compress::FileOutcome r = packwell::compress::decodeHufFile((dir / "bad.huf").string(), (dir / "out.bin").string());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "Error: " + (dir / "bad.huf").string() +
                             " is not a valid .huf file: its bit stream is truncated.");
    r = packwell::compress::decodeRleFile((dir / "bad.rle").string(), (dir / "kept.bin").string());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message.rfind("Error: ", 0), 0u) << r.message;
    r = packwell::compress::decodeHufFile((dir / "missing.huf").string(), (dir / "out2.bin").string());
    EXPECT_EQ(r.message, "Error: Could not open " + (dir / "missing.huf").string() + ".");

    EXPECT_EQ(readFile(dir / "kept.bin"), "earlier");
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 3u) << "no output and no temporary file stays behind";
}

TEST(FileCodecs, EncodesAndDecodesByPath)
{
    TempDir dir;
    const std::string input = harness::skewedBytes(50000, 20, 7) + std::string(500, '\0');
    writeFile(dir / "in.bin", input);
    const std::string in = (dir / "in.bin").string();
    struct Route {
        packwell::compress::FileOutcome (*encode)(const std::string&, const std::string&);
        packwell::compress::FileOutcome (*decode)(const std::string&, const std::string&);
        const char* name;
    };
    for (const Route& route : {Route{packwell::compress::encodeHufFile, packwell::compress::decodeHufFile, "x.huf"},
                               Route{packwell::compress::encodeRleFile, packwell::compress::decodeRleFile, "x.rle"}}) {
        const std::string packed = (dir / route.name).string();
        const std::string back = (dir / (std::string(route.name) + ".back")).string();
        packwell::compress::FileOutcome r = route.encode(in, packed);
        ASSERT_TRUE(r.ok) << r.message;
        r = route.decode(packed, back);
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_EQ(readFile(back), input) << route.name;
    }
    // A folder has no size to take.
    const packwell::compress::FileOutcome r = packwell::compress::encodeRleFile(dir.str(), (dir / "folder.rle").string());
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(std::filesystem::exists(dir / "folder.rle"));
}

TEST(Decoders, DamagedFilesAreRefusedOrGiveExactlyTheStatedSize)
{
    // Random damage to good files: under the sanitizers this also shows that
    // no damage makes a decoder read or write outside its buffers.
    std::mt19937 rng(77);
    const std::string inputs[] = {harness::skewedBytes(3000, 40, 1), harness::runHeavyBytes(3000, 200, 2),
                                  harness::randomBytes(500, 3), "x"};
    for (const std::string& input : inputs) {
        const std::string files[] = {harness::huffmanEncode(input).bytes, harness::rleEncode(input).bytes};
        for (int kind = 0; kind < 2; ++kind) {
            for (int trial = 0; trial < 300; ++trial) {
                std::string damaged = files[kind];
                const int edits = 1 + static_cast<int>(rng() % 4);
                for (int e = 0; e < edits; ++e) {
                    const std::size_t at = rng() % damaged.size();
                    switch (rng() % 3) {
                    case 0: damaged[at] = static_cast<char>(rng()); break;
                    case 1: damaged.resize(at); break;
                    default: damaged.insert(at, 1, static_cast<char>(rng())); break;
                    }
                    if (damaged.empty()) break;
                }
                const harness::Decoded d = kind == 0 ? harness::huffmanDecode(damaged) : harness::rleDecode(damaged);
                if (!d.result.ok) continue;
                const std::size_t sizeAt = kind == 0 ? 3 : 0;
                ASSERT_GE(damaged.size(), sizeAt + 4);
                std::uint64_t stated = 0;
                for (int i = 3; i >= 0; --i) stated = (stated << 8) | static_cast<unsigned char>(damaged[sizeAt + static_cast<std::size_t>(i)]);
                EXPECT_EQ(d.bytes.size(), stated);
            }
        }
    }
}
