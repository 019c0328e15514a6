// packwell-cli: the file merger's commands without the window.

#include <cstdio>
#include <string>
#include <vector>

#include "Arguments.h"
#include "RunCommand.h"
#include "Usage.h"
#include "version/Version.h"

int main(int argc, char** argv)
{
    static char outBuffer[1 << 16];
    std::setvbuf(stdout, outBuffer, _IOFBF, sizeof outBuffer);

    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--version") {
        std::printf("packwell-cli %s\n", common::ProjectVersion);
        std::fflush(stdout);
        return 0;
    }
    packwell_cli::ParsedArguments parsed = packwell_cli::parseArguments(args);
    const std::string& usage = packwell_cli::usageText();
    if (parsed.help) {
        std::fwrite(usage.data(), 1, usage.size(), stdout);
        std::fflush(stdout);
        return 0;
    }
    if (!parsed.invocation) {
        std::fprintf(stderr, "packwell-cli: %s\n\n", parsed.error.c_str());
        std::fwrite(usage.data(), 1, usage.size(), stderr);
        return 2;
    }
    return packwell_cli::runCommand(*parsed.invocation);
}
