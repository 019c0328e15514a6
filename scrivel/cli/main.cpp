// scrivel-cli: the script editor's commands without windows.

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "CliCommands.h"
#include "platform/Platform.h"
#include "version/Version.h"

namespace {

const char* const Usage =
    "Usage:\n"
    "  scrivel-cli render ROM DATA BLOCK STRING [options]\n"
    "      Open ROM, load the text block data file DATA, select block entry BLOCK\n"
    "      and string entry STRING (from 0); print status panel 0, the hex\n"
    "      window's bytes and status panel 1.\n"
    "      --hide-codes     Hide Control Codes checked\n"
    "      --vwf            Use VWF Routine checked\n"
    "      --script FILE    Display Translated Text checked, the editor holding FILE\n"
    "      --raw OUT        write the screen (320 x 369 RGB565, little-endian)\n"
    "      --png OUT        write the screen as a PNG picture\n"
    "  scrivel-cli compile SCRIPT STRING\n"
    "      compile the section .STRING STRING of the script file SCRIPT; print its bytes\n"
    "  scrivel-cli fonts DIR\n"
    "      write gamefont.bin, labelfont.bin, previewfont.bin and windowtiles.bin into DIR\n"
    "  scrivel-cli --help\n"
    "  scrivel-cli --version\n";

int usageError(const std::string& problem)
{
    std::cerr << "scrivel-cli: " << problem << "\n" << Usage;
    return 2;
}

// A decimal number from 0 on.
bool parseIndex(const std::string& text, int& value)
{
    if (text.empty() || text.size() > 9) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    value = std::stoi(text);
    return true;
}

int render(const std::vector<std::string>& args)
{
    scrivel::cli::RenderRequest request;
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::optional<std::string>& target) {
            if (i + 1 >= args.size()) return false;
            target = platform::absolutePath(args[++i]);
            return true;
        };
        if (a == "--hide-codes") {
            request.hideCodes = true;
        } else if (a == "--vwf") {
            request.vwf = true;
        } else if (a == "--script" || a == "--raw" || a == "--png") {
            auto& target = a == "--script" ? request.script : a == "--raw" ? request.rawOut : request.pngOut;
            if (!value(target)) return usageError(a + " needs a file");
        } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
            return usageError("unknown option " + a);
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() != 4) return usageError("render takes ROM DATA BLOCK STRING");
    request.rom = platform::absolutePath(positional[0]);
    request.dataFile = platform::absolutePath(positional[1]);
    if (!parseIndex(positional[2], request.block)) return usageError("BLOCK must be a number from 0");
    if (!parseIndex(positional[3], request.string)) return usageError("STRING must be a number from 0");
    return scrivel::cli::runRender(request);
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << "scrivel-cli " << common::ProjectVersion << "\n";
        return 0;
    }
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            std::cout << Usage;
            return 0;
        }
    if (args.empty()) return usageError("no command");
    std::string command = args[0];
    args.erase(args.begin());
    if (command == "render") return render(args);
    if (command == "compile") {
        int n = 0;
        if (args.size() != 2) return usageError("compile takes SCRIPT STRING");
        if (!parseIndex(args[1], n)) return usageError("STRING must be a number from 0");
        return scrivel::cli::runCompile(platform::absolutePath(args[0]), n);
    }
    if (command == "fonts") {
        if (args.size() != 1) return usageError("fonts takes DIR");
        return scrivel::cli::runFonts(platform::absolutePath(args[0]));
    }
    return usageError("unknown command " + command);
}
