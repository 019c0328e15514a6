#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "rom/BpsPatch.h"
#include "rom/IpsPatch.h"

using namespace scrivel::rom;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes randomBytes(size_t size, std::mt19937& rng)
{
    Bytes b(size);
    for (auto& x : b) x = static_cast<uint8_t>(rng());
    return b;
}

Bytes bytesOf(const std::string& s) { return Bytes(s.begin(), s.end()); }

struct IpsRecord {
    size_t offset, size;  // size 0: a run-length record
};

// The records of a well-formed IPS patch, read independently of the applier.
std::vector<IpsRecord> ipsRecords(const Bytes& patch)
{
    std::vector<IpsRecord> out;
    size_t p = 5;
    for (;;) {
        size_t offset = size_t{patch.at(p)} << 16 | size_t{patch.at(p + 1)} << 8 | patch.at(p + 2);
        if (offset == IpsEofOffset) return out;
        size_t size = size_t{patch.at(p + 3)} << 8 | patch.at(p + 4);
        out.push_back({offset, size});
        p += 5 + (size == 0 ? 3 : size);
    }
}

// Makes both patches, checks the IPS records are ones every patcher reads the
// same way, and applies both back.
void expectRoundTrip(const Bytes& source, const Bytes& target)
{
    PatchResult ips = makeIpsPatch(source, target);
    ASSERT_TRUE(ips.ok()) << ips.error;
    for (const IpsRecord& r : ipsRecords(ips.bytes)) {
        EXPECT_NE(r.size, 0u) << "a plain record of size 0 reads as a run";
        EXPECT_NE(r.offset, IpsEofOffset);
        EXPECT_LE(r.offset + r.size, target.size());
    }
    PatchResult ipsBack = applyIpsPatch(source, ips.bytes);
    ASSERT_TRUE(ipsBack.ok()) << ipsBack.error;
    EXPECT_TRUE(ipsBack.bytes == target) << "IPS round trip differs";

    PatchResult bps = makeBpsPatch(source, target);
    ASSERT_TRUE(bps.ok()) << bps.error;
    PatchResult bpsBack = applyBpsPatch(source, bps.bytes);
    ASSERT_TRUE(bpsBack.ok()) << bpsBack.error;
    EXPECT_TRUE(bpsBack.bytes == target) << "BPS round trip differs";
}

TEST(Patch, RoundTripsOfTypicalEdits)
{
    struct Case {
        const char* name;
        size_t sourceSize, targetSize;
        std::vector<std::pair<size_t, size_t>> changedRuns;  // offset, length
        int scattered;                                        // further random single changes
    };
    const std::vector<Case> cases = {
        {"identical", 4096, 4096, {}, 0},
        {"first and last byte", 4096, 4096, {{0, 1}, {4095, 1}}, 0},
        {"scattered", 1 << 16, 1 << 16, {}, 300},
        {"close changes merge", 4096, 4096, {{100, 1}, {103, 1}, {108, 1}, {114, 2}}, 0},
        {"run longer than a record", 200000, 200000, {{1000, 140000}}, 0},
        {"grows", 4096, 9000, {{4000, 10}}, 5},
        {"grows from empty", 0, 300, {}, 0},
        {"shrinks", 9000, 4096, {{10, 3}}, 5},
        {"shrinks to nothing", 300, 0, {}, 0},
    };
    std::mt19937 rng(1234);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes source = randomBytes(c.sourceSize, rng);
        Bytes target = randomBytes(c.targetSize, rng);
        std::copy_n(source.begin(), std::min(c.sourceSize, c.targetSize), target.begin());
        for (auto [offset, length] : c.changedRuns)
            for (size_t i = offset; i < offset + length; ++i) target[i] ^= 0xA5;
        for (int k = 0; k < c.scattered; ++k) target[rng() % std::min(c.sourceSize, c.targetSize)] ^= 0x01;
        expectRoundTrip(source, target);
    }
}

TEST(Patch, SmallPatchesForSmallEdits)
{
    const Bytes source(4096, 0x11);
    Bytes target = source;
    target[4095] = 0x22;
    PatchResult ips = makeIpsPatch(source, source);
    EXPECT_EQ(ips.bytes, bytesOf("PATCHEOF"));
    ips = makeIpsPatch(source, target);
    EXPECT_EQ(ips.bytes, bytesOf(std::string("PATCH\x00\x0F\xFF\x00\x01\x22" "EOF", 14)));

    // Shorter: the size the patcher cuts the file to follows "EOF".
    const Bytes shorter(source.begin(), source.begin() + 0x123);
    ips = makeIpsPatch(source, shorter);
    EXPECT_EQ(ips.bytes, bytesOf(std::string("PATCHEOF\x00\x01\x23", 11)));

    // One changed byte: SourceRead 4000, TargetRead 1, SourceRead 95.
    target[4095] = 0x11;
    target[4000] = 0x22;
    PatchResult bps = makeBpsPatch(source, target);
    const size_t header = 4 + 2 + 2 + 1, actions = 2 + (1 + 1) + 2, checksums = 12;
    EXPECT_EQ(bps.bytes.size(), header + actions + checksums);
}

TEST(Patch, IpsAvoidsTheOffsetThatReadsAsEof)
{
    std::mt19937 rng(7);
    const Bytes source = randomBytes(IpsEofOffset + 200000, rng);
    struct Case {
        const char* name;
        size_t begin, end;
    };
    // A change starting right there, and a long run whose second record would.
    for (Case c : {Case{"starts there", IpsEofOffset, IpsEofOffset + 3},
                   Case{"split lands there", IpsEofOffset - IpsMaxRecordSize, IpsEofOffset + 10}}) {
        SCOPED_TRACE(c.name);
        Bytes target = source;
        for (size_t i = c.begin; i < c.end; ++i) target[i] ^= 0xFF;
        expectRoundTrip(source, target);
    }
}

TEST(Patch, IpsRefusesFilesOverSixteenMiB)
{
    const Bytes source(IpsMaxTargetSize, 0);
    Bytes target = source;
    target.back() = 1;
    EXPECT_TRUE(makeIpsPatch(source, target).ok()) << "exactly 16 MiB still fits";
    target.push_back(2);
    PatchResult p = makeIpsPatch(source, target);
    ASSERT_FALSE(p.ok());
    EXPECT_EQ(p.error.rfind("Error: ", 0), 0u);
    EXPECT_TRUE(makeBpsPatch(source, target).ok());
}

TEST(Patch, IpsApplierReadsRunsGrowthAndTruncation)
{
    const Bytes source = bytesOf("abcdefgh");
    // A run of four 'Z' at 2, a record at 10 (past the end: the gap reads 0).
    const std::string grows("PATCH" "\x00\x00\x02" "\x00\x00" "\x00\x04" "Z"
                            "\x00\x00\x0A" "\x00\x02" "xy" "EOF",
                            5 + 8 + 7 + 3);
    PatchResult r = applyIpsPatch(source, bytesOf(grows));
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.bytes, bytesOf(std::string("abZZZZgh\0\0xy", 12)));

    const std::string cuts("PATCH" "\x00\x00\x01" "\x00\x01" "Q" "EOF" "\x00\x00\x03", 5 + 6 + 3 + 3);
    r = applyIpsPatch(source, bytesOf(cuts));
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.bytes, bytesOf("aQc"));
}

TEST(Patch, IpsApplierRefusesMalformedPatches)
{
    const Bytes source = bytesOf("abcdefgh");
    struct Case {
        const char* name;
        std::string patch;
        const char* says;
    };
    const std::vector<Case> cases = {
        {"bad magic", "PATCX" "EOF", "not an IPS patch"},
        {"empty", "", "not an IPS patch"},
        {"no EOF", "PATCH", "without its \"EOF\""},
        {"cut in a header", std::string("PATCH\x00\x00\x01\x00", 9), "cut short"},
        {"cut in the bytes", std::string("PATCH\x00\x00\x01\x00\x04" "ab", 12), "cut short"},
        {"cut in a run", std::string("PATCH\x00\x00\x01\x00\x00\x00", 11), "cut short"},
        {"empty run", std::string("PATCH\x00\x00\x01\x00\x00\x00\x00" "A" "EOF", 16), "empty run"},
        {"junk after EOF", "PATCHEOFxx", "unexpected bytes"},
        {"cut to a larger size", std::string("PATCHEOF\x00\x00\x09", 11), "more than it has"},
        {"grows past the limit", std::string("PATCH\x00\x10\x00\x00\x01" "A" "EOF", 14), "larger than"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PatchResult r = applyIpsPatch(source, bytesOf(c.patch), 0x1000);
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(r.error.rfind("Error: ", 0), 0u) << r.error;
        EXPECT_NE(r.error.find(c.says), std::string::npos) << r.error;
    }
}

TEST(Patch, BpsNumbers)
{
    const std::vector<std::pair<uint64_t, Bytes>> cases = {
        {0, {0x80}},           {1, {0x81}},
        {127, {0xFF}},         {128, {0x00, 0x80}},
        {16511, {0x7F, 0xFF}}, {16512, {0x00, 0x00, 0x80}},
    };
    for (const auto& [value, expected] : cases) {
        Bytes out;
        appendBpsNumber(out, value);
        EXPECT_EQ(out, expected) << value;
    }
}

void putCrc(Bytes& out, const Bytes& of)
{
    uint32_t c = static_cast<uint32_t>(::crc32(0, of.data(), static_cast<uInt>(of.size())));
    for (int b = 0; b < 4; ++b) out.push_back(static_cast<uint8_t>(c >> (8 * b)));
}

// A patch from its header and actions, closed by correct checksums.
Bytes bpsPatch(const Bytes& source, const Bytes& target, const Bytes& body)
{
    Bytes p = bytesOf("BPS1");
    p.insert(p.end(), body.begin(), body.end());
    putCrc(p, source);
    putCrc(p, target);
    putCrc(p, p);
    return p;
}

// Recomputes the patch's own checksum after an edit.
void resealBps(Bytes& patch)
{
    patch.erase(patch.end() - 4, patch.end());
    putCrc(patch, Bytes(patch));
}

TEST(Patch, BpsApplierRunsAllFourActions)
{
    const Bytes source = bytesOf("ABCDEFGH");
    const Bytes target = bytesOf("ABxyFGHCDxyFGHBxyyyyy");
    const Bytes body = {
        0x88, 0x95, 0x83, 'm', '=', '1',  // sizes 8 and 21, 3 bytes of metadata
        0x84,                             // SourceRead 2: AB
        0x85, 'x', 'y',                   // TargetRead 2
        0x8A, 0x8A,                       // SourceCopy 3, cursor +5: FGH
        0x86, 0x8D,                       // SourceCopy 2, cursor 8 - 6: CD
        0x93, 0x84,                       // TargetCopy 5, cursor +2: xyFGH
        0x8B, 0x8D,                       // TargetCopy 3, cursor 7 - 6: Bxy
        0x8F, 0x98,                       // TargetCopy 4, cursor 4 + 12: the last byte, overlapping
    };
    PatchResult r = applyBpsPatch(source, bpsPatch(source, target, body));
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.bytes, target);
}

TEST(Patch, BpsApplierRefusesMalformedPatches)
{
    const Bytes source = bytesOf("ABCDEFGH");
    const Bytes target = bytesOf("ABxy");
    const Bytes good = bpsPatch(source, target, {0x88, 0x84, 0x80, 0x84, 0x85, 'x', 'y'});
    ASSERT_TRUE(applyBpsPatch(source, good).ok());

    struct Case {
        const char* name;
        Bytes patch;
        Bytes source;
        const char* says;
    };
    Bytes badMagic = good;
    badMagic[3] = '2';
    Bytes flipped = good;
    flipped[9] ^= 1;  // a literal byte
    Bytes wrongTarget = flipped;
    resealBps(wrongTarget);
    Bytes cut(good.begin(), good.end() - 14);
    cut.insert(cut.end(), good.end() - 12, good.end());
    resealBps(cut);
    Bytes trailing(good.begin(), good.end() - 12);
    trailing.push_back(0x80);
    trailing.insert(trailing.end(), good.end() - 12, good.end());
    resealBps(trailing);
    const std::vector<Case> cases = {
        {"bad magic", badMagic, source, "not a BPS patch"},
        {"too short", bytesOf("BPS1"), source, "cut short"},
        {"damaged", flipped, source, "own checksum"},
        {"other source", good, bytesOf("ABCDEFGX"), "different file"},
        {"other source size", good, bytesOf("ABCDEFG"), "file of 8 bytes"},
        {"wrong result", wrongTarget, source, "patched file's checksum"},
        {"cut actions", cut, source, "cut short"},
        {"data after the actions", trailing, source, "unexpected bytes"},
        {"writes past the end", bpsPatch(source, target, {0x88, 0x84, 0x80, 0x90}), source, "writes past"},
        {"reads past the source", bpsPatch(source, bytesOf("0123456789"), {0x88, 0x8A, 0x80, 0xA4}), source,
         "reads past"},
        {"source cursor before 0", bpsPatch(source, target, {0x88, 0x84, 0x80, 0x8E, 0x83}), source,
         "outside the original"},
        {"source cursor past the end", bpsPatch(source, target, {0x88, 0x84, 0x80, 0x8E, 0x92}), source,
         "outside the original"},
        {"target copy of nothing yet", bpsPatch(source, target, {0x88, 0x84, 0x80, 0x8F, 0x80}), source,
         "not yet written"},
        {"target over the limit", bpsPatch(source, target, {0x88, 0x00, 0x00, 0x00, 0x80, 0x80}), source, "more than"},
        {"endless number", bpsPatch(source, target, {0x88, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80, 0x80}), source,
         "malformed number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PatchResult r = applyBpsPatch(c.source, c.patch, 0x10000);
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(r.error.rfind("Error: ", 0), 0u) << r.error;
        EXPECT_NE(r.error.find(c.says), std::string::npos) << r.error;
    }
}

}  // namespace
