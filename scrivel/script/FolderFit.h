#pragma once
// The fit check and the rewrap over a whole script: the script files of a
// list of blocks in one folder, one LineMeasure for all of them, so that the
// work grows with the script and no more.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "FitCheck.h"
#include "LineMeasure.h"

namespace scrivel::script {

struct ScriptBlock {
    uint32_t address = 0;  // the pointer table address, which names the file
    int stringCount = 0;
};

// A script file held in an editor, standing for the file at path (saved or not).
struct OpenScript {
    std::string path;
    std::vector<std::string> lines;
};

// Told after each block, with the blocks done and their total; returning
// false stops the check.
using FitProgress = std::function<bool(int done, int total)>;

struct ScriptCheck {
    std::vector<FitProblem> problems;  // in block order, then by string and line
    // Script files that exist but could not be read (a missing file is a
    // block with nothing translated).
    std::vector<std::string> unreadable;
    bool cancelled = false;
};

// Checks the translated sections of every block's script file in folder.
ScriptCheck checkScriptFolder(const std::vector<ScriptBlock>& blocks, const std::string& folder,
                              const FitSettings& settings, const OpenScript* open = nullptr,
                              const FitProgress& progress = {});

struct FileRewrap {
    std::string path;
    int linesRewrapped = 0;
    std::string error;  // why the file was not read or written; empty on success
};

// Rewraps the overflowing lines of every block's script file in folder in
// place, each file replaced atomically and only when a line changed. Reports
// the files that changed or failed.
std::vector<FileRewrap> rewrapScriptFolder(const std::vector<ScriptBlock>& blocks, const std::string& folder,
                                           const FitSettings& settings);

}  // namespace scrivel::script
