#pragma once
// The coders and decoders by path, for the command-line twin and scripts.
//
// Usage:
//   compress::FileOutcome r = compress::decodeHufFile("INTRO.huf", "INTRO.BIN");
//   if (!r.ok) { std::cerr << r.message << "\n"; return 1; }
//
// Each function writes to a temporary file beside outPath and renames it to
// outPath only when everything went well, so on failure no output file is
// left behind (an earlier file named outPath stays as it was). On failure
// message begins with "Error:".

#include <string>

namespace packwell::compress {

struct FileOutcome {
    bool ok = true;
    std::string message;  // empty on success
};

FileOutcome encodeHufFile(const std::string& inPath, const std::string& outPath);
FileOutcome encodeRleFile(const std::string& inPath, const std::string& outPath);
FileOutcome decodeHufFile(const std::string& inPath, const std::string& outPath);
FileOutcome decodeRleFile(const std::string& inPath, const std::string& outPath);

}  // namespace packwell::compress
