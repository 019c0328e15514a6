#pragma once
// What the editor tells the user, and how grave it is. The desktop program
// shows every message in a box; the command-line twin writes it to standard
// error and ends with a failure once a message was an error.

#include <string>

namespace scrivel::editor {

enum class Severity {
    Info,     // "ROM loaded successfully!"
    Warning,  // the command did its work, with a limit the user should know of
    Error,    // the command refused or failed
    Fatal,    // the session cannot go on (the program closes)
};

inline bool isFailure(Severity s) { return s == Severity::Error || s == Severity::Fatal; }

}  // namespace scrivel::editor
