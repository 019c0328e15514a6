#include "MergeReport.h"

#include "TextFormat.h"

namespace packwell::pack {
namespace {

const std::string kBlank = " ";

void blanks(std::vector<std::string>& lines, int count)
{
    for (int i = 0; i < count; ++i) lines.push_back(kBlank);
}

// Spaces between the quoted name and its "//" in the name table.
size_t nameTablePadding(size_t length)
{
    if (length < 20) return 20 - length;
    if (length == 20) return 1;
    return length - 20;
}

}  // namespace

std::string mergeDefineName(const std::string& fileName)
{
    if (fileName.size() >= 4) return upperAscii(fileName.substr(0, fileName.size() - 4));
    return upperAscii(fileName.substr(0, fileName.rfind('.')));
}

std::string mergeDefineLine(const std::string& defineName, size_t index)
{
    return "  #define " + padRight(defineName, 16) + " " + decimalRight(index, 3);
}

std::vector<std::string> mergeReportTail(const std::vector<MergeMember>& members)
{
    std::vector<std::string> lines;
    lines.reserve(16 + 9 * members.size());
    blanks(lines, 3);
    for (size_t j = 0; j < members.size(); ++j)
        lines.push_back(padRight(members[j].defineName, 16) + " = " + std::to_string(j));
    blanks(lines, 3);
    lines.push_back("  extern long Ofs[0x" + hexUpper(members.size(), 0) + "] =");
    lines.push_back("  {");
    for (const MergeMember& m : members)
        lines.push_back("    0x" + hexUpper(m.offset, 8) + ",  // " + m.defineName);
    lines.push_back("  };");
    blanks(lines, 2);
    lines.push_back("  {");
    for (size_t j = 0; j < members.size(); ++j) {
        const std::string& name = members[j].defineName;
        lines.push_back("    \"" + name + "\"," + std::string(nameTablePadding(name.size()), ' ') + "// " +
                        decimalRight(j, 3));
    }
    lines.push_back("  };");
    for (const MergeMember& m : members) {
        blanks(lines, 2);
        lines.push_back(".SCRIPT[" + m.defineName + "]");
        blanks(lines, 1);
        lines.push_back(".ENDS");
    }
    return lines;
}

}  // namespace packwell::pack
