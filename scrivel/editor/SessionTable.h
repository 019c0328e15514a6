#pragma once
// The session's table file: the one the data file's ".TABLE" line names, or
// one given in its place (the command-line twin's --table).

#include <string>
#include <vector>

#include "EditorState.h"
#include "Message.h"

namespace scrivel::editor {

struct Notice {
    Severity severity = Severity::Info;
    std::string text;
};

// At most this many warning lines are shown; a line after them says how
// many more there were.
constexpr size_t MaxTableWarningLines = 20;

// The path of the table for the data file at dataFilePath: tableFile when
// it is not empty, else the data file's ".TABLE" argument taken relative to
// the data file's folder (an absolute one stays as it is); empty when
// neither names one.
std::string sessionTablePath(const EditorState& state, const std::string& tableFile);

// Loads the table for the data file just loaded (state.dataFilePath and
// state.dataFile) into state.table; no table when none is named or the one
// named is refused. Returns what to tell the user: the table's warnings
// together as one warning, a refusal as an error.
std::vector<Notice> loadSessionTable(EditorState& state, const std::string& tableFile);

}  // namespace scrivel::editor
