// Edit > Merge a Group of files...: joins the group's files into "Merged.dat",
// reports them and lists the bytes of "Merged.dat" in "Merged.cpp".

#include <vector>

#include "Dialogs.h"
#include "FileIO.h"
#include "Group.h"
#include "MergeListing.h"
#include "MergeReport.h"
#include "MergerCommands.h"

namespace packwell::pack {
namespace {

const char kMergedData[] = "Merged.dat";
const char kMergedListing[] = "Merged.cpp";

std::string quoted(const std::string& name) { return "\"" + name + "\""; }

void reportWriteFailure(MergerSession& s, const char* name)
{
    s.tell(Severity::Error, "Error: Could not write " + quoted(name) + ".");
}

// Merges the members of the group into "Merged.dat" and reports them.
// Returns false when the command must end without the listing.
bool mergeMembers(MergerSession& s, const std::string& pattern)
{
    OutputFile data;
    bool created = data.create(kMergedData);
    s.report.clear();
    if (!created) {
        s.failQuietly("Error: Could not create " + quoted(kMergedData) + " in " + quoted(s.platform.workingFolder()) + ".");
        return false;
    }

    // The member list is taken once; "Merged.dat" is never one of its members.
    std::vector<std::string> names = s.platform.findFiles(s.platform.workingFolder(), pattern);
    std::vector<MergeMember> members;
    members.reserve(names.size());
    for (const std::string& name : names) {
        if (name == kMergedData) continue;
        InputFile member;
        if (!member.open(name)) {
            // This member and all later ones are left out.
            s.failQuietly("Error: Could not open " + quoted(name) + "; it and the members after it were not merged.");
            break;
        }
        if (member.identity() == data.identity()) continue;  // another name of "Merged.dat"
        MergeMember m{mergeDefineName(name), data.length()};
        if (!data.appendFrom(member, member.isRegular(), member.size())) {
            data.truncateTo(m.offset);
            s.failQuietly("Error: Could not read " + quoted(name) + "; it and the members after it were not merged.");
            break;
        }
        if (data.failed()) break;
        s.report.appendLine(mergeDefineLine(m.defineName, members.size()));
        members.push_back(std::move(m));
    }
    if (data.failed() || !data.close()) {
        reportWriteFailure(s, kMergedData);
        return false;
    }
    for (const std::string& line : mergeReportTail(members)) s.report.appendLine(line);
    return true;
}

// Rewrites "Merged.cpp" from the current "Merged.dat".
void writeDataListing(MergerSession& s)
{
    InputFile data;
    bool dataOpen = data.open(kMergedData);
    OutputFile listing;
    // Created (and so emptied) even when "Merged.dat" cannot be read.
    bool listingOpen = listing.create(kMergedListing);
    if (!dataOpen || !listingOpen) {
        s.failQuietly(!dataOpen ? "Error: Could not open " + quoted(kMergedData) + " to list it."
                                : "Error: Could not create " + quoted(kMergedListing) + ".");
        return;
    }
    std::vector<unsigned char> bytes;
    if (!data.isRegular() && !data.readRest(bytes)) {
        s.failQuietly("Error: Could not read " + quoted(kMergedData) + " to list it.");
        return;
    }
    uint64_t size = data.isRegular() ? data.size() : bytes.size();

    DataListingWriter writer(listing);
    writer.begin(size);
    if (data.isRegular()) {
        bytes.resize(1 << 20);
        uint64_t left = size;
        while (left > 0) {
            long got = data.read(bytes.data(), left < bytes.size() ? static_cast<size_t>(left) : bytes.size());
            if (got <= 0) break;
            writer.add(bytes.data(), static_cast<size_t>(got));
            left -= static_cast<uint64_t>(got);
        }
        if (left > 0) {
            // "Merged.dat" shrank or could not be read to its end.
            s.failQuietly("Error: Could not read " + quoted(kMergedData) + " to its end to list it.");
            return;
        }
    } else {
        writer.add(bytes.data(), bytes.size());
    }
    writer.end();
    if (!listing.close()) reportWriteFailure(s, kMergedListing);
}

}  // namespace

void mergeGroup(MergerSession& s)
{
    s.dialogFolder = s.platform.workingFolder();
    std::optional<std::string> chosen = chooseFileToOpen(s, "Select a file with GROUP's extension...");
    if (chosen) {
        std::optional<std::string> pattern = groupPattern(*chosen);
        if (!pattern) {
            s.failQuietly(kNoExtensionMessage);  // no merge; the listing is still rewritten
        } else if (!mergeMembers(s, *pattern)) {
            return;
        }
    }
    writeDataListing(s);
}

}  // namespace packwell::pack
