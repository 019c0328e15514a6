#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CoderHarness.h"
#include "ReferenceCoders.h"

using packwell::compress::EncodeStatus;

using harness::bytes;

namespace {

std::string counting(unsigned from, unsigned to)
{
    std::string s;
    for (unsigned v = from; v <= to; ++v) s.push_back(static_cast<char>(v));
    return s;
}

void expectExactAndReversible(const std::string& input, const std::string& label)
{
    const harness::Encoded e = harness::rleEncode(input);
    ASSERT_EQ(e.status, EncodeStatus::Ok) << label;
    ASSERT_EQ(e.bytes, reference::rle(input)) << label;
    const harness::Decoded d = harness::rleDecode(e.bytes);
    ASSERT_TRUE(d.result.ok) << label << ": " << d.result.reason;
    ASSERT_EQ(d.bytes, input) << label;
}

}  // namespace

TEST(RleCoder, WritesLiteralAndRunTokensAfterTheSize)
{
    struct Case {
        const char* label;
        std::string input;
        std::string file;
    };
    const Case cases[] = {
        {"empty", "", bytes({0, 0, 0, 0})},
        {"literal before a run of four", "ABCCCCD", bytes({7, 0, 0, 0, 0x02, 'A', 'B', 0x84, 'C', 0x01, 'D'})},
        {"run of three stays in the literal", "ABCCCD", bytes({6, 0, 0, 0, 0x03, 'A', 'B', 'C', 0x82, 'C', 0x01, 'D'})},
        {"last three bytes", "ABCDEFG", bytes({7, 0, 0, 0, 0x04, 'A', 'B', 'C', 'D', 0x01, 'E', 0x01, 'F', 0x01, 'G'})},
        {"two equal bytes at the start", "AAB", bytes({3, 0, 0, 0, 0x82, 'A', 0x01, 'B'})},
        {"one byte", "A", bytes({1, 0, 0, 0, 0x01, 'A'})},
        {"long run split", std::string(300, 'A'), bytes({0x2C, 0x01, 0, 0, 0xFE, 'A', 0xFE, 'A', 0xB0, 'A'})},
        {"126 equal bytes", std::string(126, 'v'), bytes({126, 0, 0, 0, 0xFE, 'v'})},
        {"127 equal bytes", std::string(127, 'v'), bytes({127, 0, 0, 0, 0xFE, 'v', 0x01, 'v'})},
        {"literal of 126", counting(0, 0xC7),
         bytes({0xC8, 0, 0, 0, 0x7E}) + counting(0, 0x7D) + bytes({0x47}) + counting(0x7E, 0xC4) +
             bytes({0x01, 0xC5, 0x01, 0xC6, 0x01, 0xC7})},
    };
    for (const Case& c : cases) {
        const harness::Encoded e = harness::rleEncode(c.input);
        EXPECT_EQ(e.status, EncodeStatus::Ok) << c.label;
        EXPECT_EQ(e.bytes, c.file) << c.label;
        EXPECT_EQ(reference::rle(c.input), c.file) << c.label;
        const harness::Decoded d = harness::rleDecode(e.bytes);
        EXPECT_TRUE(d.result.ok) << c.label << ": " << d.result.reason;
        EXPECT_EQ(d.bytes, c.input) << c.label;
    }
}

TEST(RleCoder, MatchesTheLiteralCoderOnVariedInputs)
{
    std::vector<std::pair<std::string, std::string>> inputs;
    for (std::size_t size : {2u, 3u, 4u, 5u, 129u, 130u, 131u, 1000u}) {
        inputs.push_back({"random " + std::to_string(size), harness::randomBytes(size, static_cast<std::uint32_t>(size))});
    }
    for (unsigned longest : {2u, 3u, 4u, 5u, 130u, 400u}) {
        inputs.push_back({"runs up to " + std::to_string(longest), harness::runHeavyBytes(20000, longest, longest)});
    }
    inputs.push_back({"two-value noise", harness::skewedBytes(20000, 2, 9)});
    for (const auto& [label, input] : inputs) expectExactAndReversible(input, label);
}

TEST(RleCoder, TokensAcrossTheCodersReadWindowComeOutAsInOnePass)
{
    // The coder reads 256 KiB at a time and keeps 130 bytes of look-ahead;
    // put runs and literals of every phase across those seams.
    constexpr std::size_t kWindow = 256 * 1024;
    for (std::size_t shift = 0; shift < 140; shift += 7) {
        std::string input = harness::randomBytes(kWindow - 200 + shift, static_cast<std::uint32_t>(shift));
        input += std::string(300, 'x');
        input += harness::runHeavyBytes(kWindow, 9, static_cast<std::uint32_t>(shift) + 1000);
        input += harness::randomBytes(shift, 5);
        expectExactAndReversible(input, "shift " + std::to_string(shift));
    }
}
