#include "NewScriptFiles.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "files/WholeFile.h"
#include "rom/Pointers.h"
#include "rom/StringText.h"
#include "script/ScriptFile.h"

namespace scrivel::editor {

std::vector<std::vector<std::string>> blockOriginals(const EditorState& state, const rom::Table& table, size_t block)
{
    std::vector<std::vector<std::string>> originals;
    if (block >= static_cast<size_t>(rom::MaxBlocks)) return originals;
    const std::span<const uint8_t> image(state.romImage);
    const uint16_t count = state.blockStringCount[block];
    originals.reserve(count);
    for (int n = 0; n < count; ++n) {
        const uint16_t pointer = rom::readPointer(image, state.blockAddress[block], n);
        const int64_t start = rom::snesToFileOffset(rom::stringAddress(state.blockTextBank[block], pointer));
        if (start < 0 || static_cast<uint64_t>(start) >= image.size())
            originals.emplace_back();
        else
            originals.push_back(rom::decodeString(table, image.data(), image.size(), static_cast<size_t>(start)));
    }
    return originals;
}

std::string newScriptFileText(const EditorState& state, size_t block)
{
    if (state.table) return script::scriptTemplateWithOriginals(blockOriginals(state, *state.table, block));
    const uint16_t count = block < static_cast<size_t>(rom::MaxBlocks) ? state.blockStringCount[block] : 0;
    return script::scriptTemplate(count);
}

std::string reportLine(const ScriptFileLine& line)
{
    return line.fileName + (line.outcome == ScriptFileOutcome::Created ? " created" : " kept (exists)");
}

size_t ScriptFilesReport::created() const
{
    return static_cast<size_t>(std::count_if(files.begin(), files.end(), [](const ScriptFileLine& l) {
        return l.outcome == ScriptFileOutcome::Created;
    }));
}

size_t ScriptFilesReport::kept() const { return files.size() - created(); }

namespace {

// The folders of path that do not exist yet, the deepest last.
std::vector<std::filesystem::path> missingFolders(const std::filesystem::path& path)
{
    std::vector<std::filesystem::path> missing;
    std::error_code error;
    for (std::filesystem::path p = path; !p.empty() && !std::filesystem::exists(std::filesystem::symlink_status(p, error));
         p = p.parent_path()) {
        missing.insert(missing.begin(), p);
        if (p == p.parent_path()) break;
    }
    return missing;
}

// Takes back what a failed run made: the files it created and the folders
// it made for them (only while they are empty), so that a failure leaves
// nothing behind.
void takeBack(const std::vector<std::string>& created, const std::vector<std::filesystem::path>& folders)
{
    std::error_code ignored;
    for (const std::string& path : created) std::filesystem::remove(path, ignored);
    for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder) std::filesystem::remove(*folder, ignored);
}

}  // namespace

ScriptFilesReport writeAllScriptFiles(const EditorState& state, const std::string& folder,
                                      const ScriptFilesProgress& progress)
{
    ScriptFilesReport report;
    report.folder = folder;
    const std::vector<std::filesystem::path> madeFolders = missingFolders(folder);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error || !std::filesystem::is_directory(folder)) {
        takeBack({}, madeFolders);
        report.error = "Error: Could not create the folder \"" + folder + "\". " +
                       (error ? error : std::make_error_code(std::errc::not_a_directory)).message();
        return report;
    }
    const size_t total = std::min(state.dataFile.blocks.size(), static_cast<size_t>(rom::MaxBlocks));
    report.files.reserve(total);
    std::vector<std::string> created;
    for (size_t b = 0; b < total; ++b) {
        const std::string path = script::scriptFileName(folder, state.blockAddress[b]);
        ScriptFileLine line{path.substr(path.rfind('/') + 1), ScriptFileOutcome::Created};
        // Checked first so that a kept file costs no decoding.
        std::error_code made = std::filesystem::exists(std::filesystem::symlink_status(path))
                                   ? std::make_error_code(std::errc::file_exists)
                                   : common::createFileExclusively(path, newScriptFileText(state, b));
        if (made == std::errc::file_exists) {
            line.outcome = ScriptFileOutcome::Kept;
        } else if (made) {
            takeBack(created, madeFolders);
            report.files.clear();
            report.error = "Error: Could not create script file!\n" + path + "\n" + made.message();
            return report;
        } else {
            created.push_back(path);
        }
        report.files.push_back(line);
        if (progress && !progress(line, b + 1, total)) {
            report.cancelled = b + 1 < total;
            break;
        }
    }
    return report;
}

}  // namespace scrivel::editor
