#include "SessionTable.h"

#include <filesystem>

#include "rom/TableFile.h"

namespace scrivel::editor {

std::string sessionTablePath(const EditorState& state, const std::string& tableFile)
{
    if (!tableFile.empty()) return tableFile;
    if (!state.dataFile.table) return {};
    const std::filesystem::path folder = std::filesystem::path(state.dataFilePath).parent_path();
    return (folder / state.dataFile.table->argument).string();
}

std::vector<Notice> loadSessionTable(EditorState& state, const std::string& tableFile)
{
    state.table.reset();
    std::vector<Notice> notices;
    if (tableFile.empty() && state.dataFile.table && state.dataFile.table->argument.empty()) {
        notices.push_back({Severity::Error, "Error: " + state.dataFilePath + ":" +
                                                std::to_string(state.dataFile.table->lineNumber) +
                                                ": the .TABLE line names no file"});
        return notices;
    }
    const std::string path = sessionTablePath(state, tableFile);
    if (path.empty()) return notices;

    rom::TableLoad load = rom::loadTable(path);
    if (!load.warnings.empty()) {
        std::string text;
        const size_t shown = std::min(load.warnings.size(), MaxTableWarningLines);
        for (size_t i = 0; i < shown; ++i) text += (i ? "\n" : "") + load.warnings[i];
        if (load.warnings.size() > shown)
            text += "\n(" + std::to_string(load.warnings.size() - shown) + " more warnings)";
        notices.push_back({Severity::Warning, text});
    }
    if (!load.table) {
        notices.push_back({Severity::Error, load.error});
        return notices;
    }
    state.table = std::move(load.table);
    return notices;
}

}  // namespace scrivel::editor
