#pragma once
// Running the merger's open-file dialog: the initial folder is always the
// session's dialog folder, and the dialog keeps the title it was last given.

#include <optional>
#include <string>

#include "MergerSession.h"

namespace packwell::pack {

// Gives the open-file dialog a new title and runs it.
std::optional<std::string> chooseFileToOpen(MergerSession& s, const std::string& title);
// Runs the open-file dialog with whatever title it last had.
std::optional<std::string> chooseFileToOpen(MergerSession& s);

}  // namespace packwell::pack
