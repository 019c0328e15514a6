#pragma once
// New script files: what a block's file starts as (with the original text of
// its strings when the session has a table), and the script files of every
// block written at once. The editor's block selection, File > Create All
// Script Files and the command-line twin's dump all write through here, so
// that a file is the same whichever made it.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "EditorState.h"

namespace scrivel::editor {

// The original text of each string of block (an index into the session's
// blocks) as read through table: the string's first byte found by its
// pointer and the bank rule, as the renderer finds it; a string that starts
// outside the image has no line.
std::vector<std::vector<std::string>> blockOriginals(const EditorState& state, const rom::Table& table, size_t block);

// The text of a new script file for block: the template, with the originals
// when the session has a table.
std::string newScriptFileText(const EditorState& state, size_t block);

enum class ScriptFileOutcome { Created, Kept };

struct ScriptFileLine {
    std::string fileName;  // "001A8000.txt"
    ScriptFileOutcome outcome = ScriptFileOutcome::Created;
};

// "001A8000.txt created" or "001A8000.txt kept (exists)".
std::string reportLine(const ScriptFileLine& line);

struct ScriptFilesReport {
    std::string folder;
    std::vector<ScriptFileLine> files;  // in block order, as far as the work went; none after an error
    std::string error;                  // "Error: ..." when a file or the folder could not be made
    bool cancelled = false;             // the progress callback stopped the work
    size_t created() const;
    size_t kept() const;
};

// Told after each block with its line, how many blocks are done and how
// many there are; returning false stops the work there.
using ScriptFilesProgress = std::function<bool(const ScriptFileLine& line, size_t done, size_t total)>;

// Writes the script file of every block of the session's data file into
// folder (made when missing, its parents included), each as
// newScriptFileText makes it. A file that exists is left exactly as it is.
// A file or folder that cannot be made stops the work with the error, and
// what this run had made is taken back (the report then lists no file), so
// a failure writes nothing. Stopping through progress keeps what was made.
ScriptFilesReport writeAllScriptFiles(const EditorState& state, const std::string& folder,
                                      const ScriptFilesProgress& progress = {});

}  // namespace scrivel::editor
