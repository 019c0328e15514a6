#pragma once
// The twin's stand-in for the merger's window: dialog answers come from the
// command line, messages go to standard error, report lines to standard
// output. A command file queues its paths as the choices of the dialogs,
// runs the merger's command and returns finish() as its exit status.

#include <string>

#include "ConsoleReport.h"
#include "pack/MergerSession.h"
#include "platform/ScriptedPlatform.h"

namespace packwell::cli {

class Twin {
public:
    Twin();
    Twin(const Twin&) = delete;
    Twin& operator=(const Twin&) = delete;

    // Queues path (made absolute) as the next file a dialog returns. With
    // folderMustExist, refuses a path whose folder is missing, as a file
    // picked in a dialog always has one; false after the refusal.
    bool choose(const std::string& path, bool folderMustExist);
    // Makes folder the working folder; false after reporting the failure.
    bool enterFolder(const std::string& folder);
    // Ends the command on an error with this message.
    void fail(const std::string& message);

    pack::MergerSession& session() { return session_; }

    // Says why on standard error for every failure the window passes over in
    // silence, and returns the exit status: 1 when the command reported an
    // error, else 0.
    int finish();

private:
    platform::ScriptedPlatform platform_;
    ConsoleReport report_;
    pack::NoProgress progress_;
    pack::MergerSession session_;
};

// Runs a group command of the merger (merge, huffman, rle) on the group of
// the file at path; returns the exit status.
int runGroupCommand(const std::string& path, void (*command)(pack::MergerSession&));

}  // namespace packwell::cli
