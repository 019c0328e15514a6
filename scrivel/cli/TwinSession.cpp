#include "TwinSession.h"

#include <iostream>

namespace scrivel::cli {

using editor::Severity;

TwinSession::TwinSession()
{
    platform.setMessageSink([](const std::string& text) { std::cerr << text << '\n'; });
    commands.scriptFilesEnabled = false;
}

Severity TwinSession::refuse(const std::string& text)
{
    platform.showMessage(text);
    return Severity::Error;
}

Severity TwinSession::open(const std::string& rom, const std::string& dataFile)
{
    platform.queueChoice(rom);
    platform.queueChoice(dataFile);
    commands.openRom();
    if (editor::isFailure(commands.worstSeverity())) return commands.worstSeverity();
    if (!state.romLoaded) return refuse("Error: The ROM was not loaded.");
    if (platform.pendingChoices() != 0) return refuse("Error: The text block data file was not read.");
    return Severity::Info;
}

}  // namespace scrivel::cli
