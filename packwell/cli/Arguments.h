#pragma once
// The twin's command line: a command, its -C DIR option where it takes one,
// and its paths.

#include <optional>
#include <string>
#include <vector>

namespace packwell_cli {

struct Invocation {
    std::string command;
    std::optional<std::string> folder;  // -C DIR
    std::vector<std::string> paths;
};

struct ParsedArguments {
    bool help = false;                  // --help: print the usage, exit 0
    std::optional<Invocation> invocation;
    std::string error;                  // a usage error when neither of the above
};

// args without the program name.
ParsedArguments parseArguments(const std::vector<std::string>& args);

}  // namespace packwell_cli
