#pragma once
// The editor's session as the twin runs it: the same commands over in-memory
// views, no text editor window (so no Dumps folder or script file is made on
// the way), and the message boxes written to standard error.

#include <string>

#include "editor/EditorCommands.h"
#include "editor/EditorState.h"
#include "editor/HeadlessViews.h"
#include "editor/HexModel.h"
#include "editor/Message.h"
#include "platform/ScriptedPlatform.h"

namespace scrivel::cli {

struct TwinSession {
    TwinSession();
    TwinSession(const TwinSession&) = delete;
    TwinSession& operator=(const TwinSession&) = delete;

    // Tells text as a message box does and reports an error.
    editor::Severity refuse(const std::string& text);

    // Open ROM with rom as the chosen file, whose Load Text Block Data File
    // takes dataFile. Info when both were loaded; otherwise the gravest
    // severity, the reason told.
    editor::Severity open(const std::string& rom, const std::string& dataFile);

    platform::ScriptedPlatform platform;
    editor::EditorState state;
    editor::HexModel hex;
    editor::HeadlessEditorView view;
    editor::EditorCommands commands{state, hex, view, platform};
};

}  // namespace scrivel::cli
