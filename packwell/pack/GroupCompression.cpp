// Edit > Compress a group of Files... [ Huffman ] and [ RLE ]: one compressed
// file per member of the chosen file's group, beside the members.

#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "Dialogs.h"
#include "Group.h"
#include "MergerCommands.h"
#include "compress/CompressedOutput.h"
#include "compress/EncodeMessages.h"
#include "compress/FileSize.h"
#include "compress/HuffmanCoder.h"
#include "compress/RleCoder.h"

namespace packwell::pack {
namespace {

struct GroupCoder {
    compress::EncodeStatus (*encode)(std::FILE*, std::FILE*);
    const char* extension;
    const char* closingMessage;
    // The RLE command gives up on the rest of the group when memory runs out.
    bool stopsWithoutMemory;
};

const GroupCoder kHuffman{compress::huffmanEncode, ".huf", "Data Compressed using \"Huffam\"!", false};
const GroupCoder kRle{compress::rleEncode, ".rle", "Data Compressed using \"Run Length Endcoding\"!", true};

// The member name up to its first "." with the coder's extension.
std::string compressedName(const std::string& member, const char* extension)
{
    return member.substr(0, member.find('.')) + extension;
}

enum class MemberOutcome { Done, Skipped, StopGroup };

MemberOutcome compressMember(MergerSession& s, const GroupCoder& coder, const std::string& member,
                             const std::string& target)
{
    std::FILE* in = std::fopen(member.c_str(), "rb");
    if (in) {
        // Refused before its compressed file is touched.
        const auto size = compress::sizeAndRewind(in);
        if (size && *size > compress::kLargestStoredSize) {
            std::fclose(in);
            s.tell(Severity::Error,
                   compress::encodeFailureMessage(compress::EncodeStatus::TooLarge, member, coder.extension));
            return MemberOutcome::Skipped;
        }
    }
    // Created even when the member could not be opened; it then stays empty.
    std::FILE* out = compress::createBesideMember(target, in);
    if (!in || !out) {
        if (in) std::fclose(in);
        if (out) std::fclose(out);
        // Said before the closing message, which alone would read as success;
        // a compressed name that leads to the member itself is left alone.
        std::error_code ec;
        if (!in)
            s.tell(Severity::Error,
                   compress::encodeFailureMessage(compress::EncodeStatus::Unreadable, member, coder.extension));
        else if (!std::filesystem::equivalent(target, member, ec))
            s.tell(Severity::Error, compress::writeFailureMessage(target));
        else
            s.failQuietly("Error: " + target + " leads to " + member + " itself, so it was not written.");
        return MemberOutcome::Skipped;
    }
    const compress::EncodeStatus status = coder.encode(in, out);
    std::fclose(in);
    const bool written = std::ferror(out) == 0;
    const bool closed = std::fclose(out) == 0;
    if (status == compress::EncodeStatus::NoMemory && coder.stopsWithoutMemory) {
        s.failQuietly(compress::encodeFailureMessage(status, member, coder.extension) +
                      " The members after it were not compressed.");
        return MemberOutcome::StopGroup;
    }
    if (status != compress::EncodeStatus::Ok)
        s.tell(Severity::Error, compress::encodeFailureMessage(status, member, coder.extension));
    else if (!written || !closed)
        s.tell(Severity::Error, compress::writeFailureMessage(target));
    return MemberOutcome::Done;
}

void compressGroup(MergerSession& s, const GroupCoder& coder)
{
    platform::Platform& p = s.platform;
    s.dialogFolder = p.workingFolder();
    const auto chosen = chooseFileToOpen(s, "Select a file with GROUP's extension...");
    if (!chosen) return;
    const auto pattern = groupPattern(*chosen);
    if (!pattern) {
        // Silent in the window, as a merge is; still a command that did nothing.
        s.failQuietly(kNoExtensionMessage);
        return;
    }

    // The members are listed before anything is written, so that no file of
    // this run becomes a member; a member whose compressed name is that of a
    // member (its own included) is left alone.
    const std::vector<std::string> members = p.findFiles(p.workingFolder(), *pattern);
    const std::set<std::string> memberNames(members.begin(), members.end());
    for (const std::string& member : members) {
        const std::string target = compressedName(member, coder.extension);
        if (memberNames.count(target) != 0) continue;
        if (compressMember(s, coder, member, target) == MemberOutcome::StopGroup) break;
    }
    s.tell(Severity::Info, coder.closingMessage);
}

}  // namespace

void compressGroupHuffman(MergerSession& s) { compressGroup(s, kHuffman); }

void compressGroupRle(MergerSession& s) { compressGroup(s, kRle); }

}  // namespace packwell::pack
