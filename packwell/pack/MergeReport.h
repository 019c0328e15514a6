#pragma once
// The report lines of a group merge: one #define line per member as it is
// merged, then the tables that follow the last member.

#include <cstdint>
#include <string>
#include <vector>

namespace packwell::pack {

struct MergeMember {
    std::string defineName;
    uint64_t offset = 0;  // where the member's bytes start in "Merged.dat"
};

// The member's file name minus its last 4 characters, upper case; a name of
// fewer than 4 characters loses the text from its last "." on instead.
std::string mergeDefineName(const std::string& fileName);
// "  #define NAME             j"
std::string mergeDefineLine(const std::string& defineName, size_t index);
// Everything appended after the #define lines: the number table, the offset
// table, the name table and an empty script section per member.
std::vector<std::string> mergeReportTail(const std::vector<MergeMember>& members);

}  // namespace packwell::pack
