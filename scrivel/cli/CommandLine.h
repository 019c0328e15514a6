#pragma once
// What the subcommands' declarations share: the check of a decimal index,
// paths made absolute as a file dialog returns them, the usage lines of the
// help, and the byte lists the commands print.

#include <cstddef>
#include <string>

#include <CLI/CLI.hpp>

namespace scrivel::cli {

// A decimal number from 0 (at most nine digits), as the lists count.
const CLI::Validator& decimalIndex();
// The value of a text that decimalIndex accepted.
int indexValue(const std::string& text);

// Turns a path into an absolute one against the current folder.
const CLI::Validator& absolutePath();

// A required file argument NAME of command, made absolute.
CLI::Option* addFileArgument(CLI::App* command, const std::string& name, std::string& path,
                             const std::string& description);

// Help texts whose usage lines read "scrivel-cli render ROM DATA BLOCK
// STRING [OPTIONS]": the positionals first, as users write them. The main
// help lists every subcommand by its usage line.
class UsageFormatter : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App* app, std::string name) const override;
    std::string make_subcommand(const CLI::App* sub) const override;
    // A command in the full help: its usage line and description, then its
    // arguments and options.
    std::string make_expanded(const CLI::App* sub) const override;
};

// "AA BB CC": upper-case two-digit hex numbers separated by single blanks.
std::string hexByteList(const unsigned char* bytes, size_t count);

}  // namespace scrivel::cli
