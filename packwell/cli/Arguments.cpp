#include "Arguments.h"

#include <algorithm>

namespace packwell_cli {
namespace {

struct CommandShape {
    const char* name;
    bool takesFolder;
    size_t minPaths;
    size_t maxPaths;  // 0: no upper limit
};

const CommandShape kCommands[] = {
    {"merge", false, 1, 1},   {"add", true, 1, 1},     {"source", false, 1, 0},
    {"pack", true, 1, 1},     {"huffman", false, 1, 1}, {"rle", false, 1, 1},
    {"unhuf", false, 2, 2},   {"unrle", false, 2, 2},
};

ParsedArguments usageError(const std::string& why)
{
    ParsedArguments parsed;
    parsed.error = why;
    return parsed;
}

}  // namespace

ParsedArguments parseArguments(const std::vector<std::string>& args)
{
    ParsedArguments parsed;
    if (std::find(args.begin(), args.end(), "--help") != args.end()) {
        parsed.help = true;
        return parsed;
    }
    if (args.empty()) return usageError("no command given");

    const CommandShape* shape = nullptr;
    for (const CommandShape& c : kCommands)
        if (args[0] == c.name) shape = &c;
    if (!shape) return usageError("unknown command \"" + args[0] + "\"");

    Invocation inv;
    inv.command = shape->name;
    bool optionsEnded = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!optionsEnded && a == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && a == "-C" && shape->takesFolder) {
            if (inv.folder) return usageError("-C given twice");
            if (i + 1 >= args.size()) return usageError("-C needs a folder");
            inv.folder = args[++i];
        } else if (!optionsEnded && a.size() > 1 && a[0] == '-') {
            return usageError("unknown option \"" + a + "\" for " + inv.command);
        } else {
            inv.paths.push_back(a);
        }
    }
    if (inv.folder && inv.folder->empty()) return usageError("-C needs a folder");
    if (inv.paths.size() < shape->minPaths) return usageError("missing arguments for " + inv.command);
    if (shape->maxPaths != 0 && inv.paths.size() > shape->maxPaths)
        return usageError("too many arguments for " + inv.command);
    for (const std::string& p : inv.paths)
        if (p.empty()) return usageError("an empty path was given");
    parsed.invocation = std::move(inv);
    return parsed;
}

}  // namespace packwell_cli
