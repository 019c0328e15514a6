#pragma once
// The commands of scrivel-cli. Each returns the process's exit status:
// 0 done, 1 ended on an error or refusal.

#include <optional>
#include <string>

namespace scrivel::cli {

struct RenderRequest {
    std::string rom;
    std::string dataFile;
    int block = 0;
    int string = 0;
    bool hideCodes = false;
    bool vwf = false;
    std::optional<std::string> script;  // DTT checked, the editor holds this file
    std::optional<std::string> rawOut;
    std::optional<std::string> pngOut;
};

int runRender(const RenderRequest& request);
int runCompile(const std::string& scriptPath, int stringNumber);
int runFonts(const std::string& folder);

// "AA BB CC": upper-case two-digit hex numbers separated by single blanks.
std::string hexByteList(const unsigned char* bytes, size_t count);

}  // namespace scrivel::cli
