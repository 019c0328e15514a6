// Files that change under a command: a member that changes between the
// Huffman coder's two passes or while it is read, and a member that is gone
// by the time a group command opens it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <filesystem>
#include <string>
#include <vector>

#include "pack/MergerCommands.h"
#include "pack/MergerSession.h"
#include "compress/HuffmanCoder.h"
#include "compress/HuffmanDecoder.h"
#include "platform/ScriptedPlatform.h"
#include "testing/TempDir.h"

namespace faults {
namespace {

// A seekable input whose content turns into `later` when its size is taken
// the second time (the start of the writing pass); of `later`, only the first
// `readable` bytes can be read (a file cut short while it is read).
struct ChangingInput {
    std::string first;
    std::string later;
    size_t readable = std::string::npos;
    int sizesTaken = 0;
    off64_t pos = 0;

    const std::string& now() const { return sizesTaken >= 2 ? later : first; }
    size_t end() const { return sizesTaken >= 2 ? std::min(readable, later.size()) : first.size(); }

    static ssize_t read(void* cookie, char* buffer, size_t size)
    {
        auto* in = static_cast<ChangingInput*>(cookie);
        const size_t at = static_cast<size_t>(in->pos);
        if (at >= in->end()) return 0;
        const size_t n = std::min(size, in->end() - at);
        in->now().copy(buffer, n, at);
        in->pos += static_cast<off64_t>(n);
        return static_cast<ssize_t>(n);
    }
    static int seek(void* cookie, off64_t* offset, int whence)
    {
        auto* in = static_cast<ChangingInput*>(cookie);
        if (whence == SEEK_END) {
            ++in->sizesTaken;
            in->pos = static_cast<off64_t>(in->now().size()) + *offset;
        } else if (whence == SEEK_CUR) {
            in->pos += *offset;
        } else {
            in->pos = *offset;
        }
        *offset = in->pos;
        return 0;
    }
};

struct Coded {
    packwell::compress::EncodeStatus status;
    std::string file;
};

Coded encode(ChangingInput& input)
{
    std::FILE* in = ::fopencookie(&input, "rb", {ChangingInput::read, nullptr, ChangingInput::seek, nullptr});
    std::FILE* out = std::tmpfile();
    const packwell::compress::EncodeStatus status = packwell::compress::huffmanEncode(in, out);
    std::fclose(in);
    std::string bytes;
    std::rewind(out);
    for (int c; (c = std::fgetc(out)) != EOF;) bytes += static_cast<char>(c);
    std::fclose(out);
    return {status, bytes};
}

// The decoded bytes, or nothing when the decoder refuses the file.
std::optional<std::string> decode(const std::string& file)
{
    std::FILE* in = std::tmpfile();
    std::fwrite(file.data(), 1, file.size(), in);
    std::rewind(in);
    std::FILE* out = std::tmpfile();
    const packwell::compress::DecodeResult result = packwell::compress::huffmanDecode(in, out);
    std::string bytes;
    std::rewind(out);
    for (int c; (c = std::fgetc(out)) != EOF;) bytes += static_cast<char>(c);
    std::fclose(in);
    std::fclose(out);
    if (!result.ok) return std::nullopt;
    return bytes;
}

uint32_t statedSize(const std::string& file)
{
    uint32_t size = 0;
    for (int i = 6; i >= 3; --i) size = size << 8 | static_cast<unsigned char>(file[static_cast<size_t>(i)]);
    return size;
}

const std::string Text = "abracadabra, abracadabra, a cadaver's abracadabra";

TEST(HuffmanMemberChangesBetweenPasses, ShrinkingBeforeTheWritingPassCodesWhatIsLeft)
{
    ChangingInput input{Text, Text.substr(0, 20)};
    Coded coded = encode(input);
    EXPECT_EQ(coded.status, packwell::compress::EncodeStatus::Ok);
    EXPECT_EQ(statedSize(coded.file), 20u);
    EXPECT_EQ(decode(coded.file), Text.substr(0, 20));
}

// The tree of the counting pass stays in the header; the size is 0.
TEST(HuffmanMemberChangesBetweenPasses, EmptiedBeforeTheWritingPassDecodesToNothing)
{
    ChangingInput input{Text, ""};
    Coded coded = encode(input);
    EXPECT_EQ(coded.status, packwell::compress::EncodeStatus::Ok);
    EXPECT_EQ(statedSize(coded.file), 0u);
    EXPECT_EQ(decode(coded.file), "");
}

// The header keeps the size taken; the caller is told the file is incomplete.
TEST(HuffmanMemberChangesBetweenPasses, CutShortWhileBeingReadIsReported)
{
    ChangingInput input{Text, Text, 10};
    Coded coded = encode(input);
    EXPECT_EQ(coded.status, packwell::compress::EncodeStatus::ShortRead);
    EXPECT_EQ(statedSize(coded.file), Text.size());
    EXPECT_EQ(decode(coded.file), std::nullopt);
}

// Bytes the counting pass never saw have no code: the output cannot stand
// for the file, so the coder must not report success.
TEST(HuffmanMemberChangesBetweenPasses, BytesTheCountingPassNeverSawAreReported)
{
    ChangingInput input{Text, "xyz" + Text};
    testing::internal::CaptureStdout();
    Coded coded = encode(input);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\nThe code for 78 was not found...\nThe code for 79 was not found..."
                                                      "\nThe code for 7A was not found...");
    EXPECT_EQ(coded.status, packwell::compress::EncodeStatus::ShortRead);
}

// A folder search that lists every member and then removes the middle one,
// as another program might while the command runs.
class MemberGoesAwayPlatform : public platform::ScriptedPlatform {
public:
    std::string victim;
    std::vector<std::string> findFiles(const std::string& folder, const std::string& pattern) override
    {
        std::vector<std::string> names = ScriptedPlatform::findFiles(folder, pattern);
        std::filesystem::remove(std::filesystem::path(folder) / victim);
        return names;
    }
};

class MemberGoneTest : public ::testing::Test {
protected:
    MemberGoneTest() : session(platform, report, progress)
    {
        dir.enter();
        testing_support::writeFile(dir / "a.bin", std::string("AAAA"));
        testing_support::writeFile(dir / "b.bin", std::string("BBBB"));
        testing_support::writeFile(dir / "c.bin", std::string("CCCC"));
        platform.victim = "b.bin";
        platform.queueChoice((dir / "a.bin").string());
    }
    testing_support::TempDir dir;
    MemberGoesAwayPlatform platform;
    packwell::pack::LineReport report;
    packwell::pack::NoProgress progress;
    packwell::pack::MergerSession session;
};

// The merge stops at the missing member (by design it shows no message);
// what was merged before it is reported and listed consistently.
TEST_F(MemberGoneTest, MergeStopsThereAndReportsWhatItMerged)
{
    packwell::pack::mergeGroup(session);
    EXPECT_TRUE(session.failed());
    EXPECT_EQ(testing_support::readFile(dir / "Merged.dat"), "AAAA");
    EXPECT_EQ(report.line(0), "  #define A                  0");
    EXPECT_EQ(report.line(8), "  extern long Ofs[0x1] =");
}

TEST_F(MemberGoneTest, CompressionNamesTheMissingMemberAndGoesOn)
{
    packwell::pack::compressGroupRle(session);
    EXPECT_EQ(platform.messages(), (std::vector<std::string>{"Error: Could not read b.bin.",
                                                             "Data Compressed using \"Run Length Endcoding\"!"}));
    EXPECT_TRUE(session.failed());
    EXPECT_EQ(testing_support::readFile(dir / "c.rle").size(), 6u);  // size and one run of four
}

TEST(PackBuildMissingFile, StopsAtTheLineThatNamesIt)
{
    testing_support::TempDir dir;
    dir.enter();
    testing_support::writeFile(dir / "a.bin", std::string("AAAA"));
    platform::ScriptedPlatform platform;
    packwell::pack::LineReport report;
    packwell::pack::NoProgress progress;
    packwell::pack::MergerSession session(platform, report, progress);
    report.setLines({".GAMEPACK_FILE->bin a.bin", ".GAMEPACK_FILE->bin gone.bin", ".GAMEPACK_STRING->never"});
    packwell::pack::buildPack(session);
    EXPECT_EQ(platform.messages(), std::vector<std::string>{"Fatal Error: Could not open \"gone.bin\""});
    EXPECT_TRUE(session.failed());
    EXPECT_EQ(testing_support::readFile(dir / "GPACK.dbp"), "AAAA");
}

}  // namespace
}  // namespace faults
