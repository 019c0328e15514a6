#pragma once
// A merger session over a scripted platform in a fresh temporary folder that
// is the working folder while the test runs.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pack/MergerCommands.h"
#include "pack/MergerSession.h"
#include "platform/ScriptedPlatform.h"
#include "testing/TempDir.h"

namespace pack_tests {

// Records what a command does to the progress window, as "show",
// "caption:TEXT", "pos:N" and "close".
class RecordingProgress : public packwell::pack::ProgressDisplay {
public:
    void show() override { events.push_back("show"); }
    void setCaption(const std::string& c) override { events.push_back("caption:" + c); }
    void setPosition(int p) override { events.push_back("pos:" + std::to_string(p)); }
    void close() override { events.push_back("close"); }
    std::vector<std::string> events;
};

class PackFixture : public ::testing::Test {
protected:
    PackFixture() : session(platform, report, progress) { dir.enter(); }

    std::string path(const std::string& name) const { return (dir / name).string(); }
    void write(const std::string& name, const std::string& bytes) const { testing_support::writeFile(dir / name, bytes); }
    std::string read(const std::string& name) const { return testing_support::readFile(dir / name); }
    bool exists(const std::string& name) const { return std::filesystem::exists(dir / name); }

    testing_support::TempDir dir;
    platform::ScriptedPlatform platform;
    packwell::pack::LineReport report;
    RecordingProgress progress;
    packwell::pack::MergerSession session;
};

}  // namespace pack_tests
