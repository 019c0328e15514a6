#include "FolderFit.h"

#include <cerrno>
#include <sys/stat.h>

#include "Rewrap.h"
#include "ScriptFile.h"
#include "TextFiles.h"

namespace scrivel::script {

namespace {

// False only when nothing is there: a file that cannot be looked at (a
// folder without permission) may well exist.
bool mayExist(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 || errno != ENOENT;
}

}  // namespace

ScriptCheck checkScriptFolder(const std::vector<ScriptBlock>& blocks, const std::string& folder,
                              const FitSettings& settings, const OpenScript* open, const FitProgress& progress)
{
    ScriptCheck check;
    LineMeasure measure(settings);
    const int total = static_cast<int>(blocks.size());
    for (int b = 0; b < total; ++b) {
        const ScriptBlock& block = blocks[static_cast<size_t>(b)];
        const std::string path = scriptFileName(folder, block.address);
        if (open && open->path == path) {
            checkScriptLines(open->lines, block.address, block.stringCount, measure, check.problems);
        } else if (std::optional<ScriptFileText> file = readScriptFile(path)) {
            checkScriptLines(file->lines, block.address, block.stringCount, measure, check.problems);
        } else if (mayExist(path)) {
            check.unreadable.push_back(path);
        }
        if (progress && !progress(b + 1, total)) {
            check.cancelled = true;
            break;
        }
    }
    return check;
}

std::vector<FileRewrap> rewrapScriptFolder(const std::vector<ScriptBlock>& blocks, const std::string& folder,
                                           const FitSettings& settings)
{
    std::vector<FileRewrap> files;
    LineMeasure measure(settings);
    for (const ScriptBlock& block : blocks) {
        FileRewrap file;
        file.path = scriptFileName(folder, block.address);
        const std::optional<std::string> bytes = readWholeFile(file.path);
        if (!bytes) {
            if (mayExist(file.path)) {
                file.error = "Could not open script file!";
                files.push_back(std::move(file));
            }
            continue;
        }
        const ScriptRewrap rewrap = rewrapScriptBytes(*bytes, block.stringCount, measure);
        if (rewrap.linesRewrapped == 0) continue;
        file.linesRewrapped = rewrap.linesRewrapped;
        if (const std::error_code error = common::replaceFileAtomically(file.path, rewrap.bytes))
            file.error = "Could not write script file: " + error.message();
        files.push_back(std::move(file));
    }
    return files;
}

}  // namespace scrivel::script
