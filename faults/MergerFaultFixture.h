#pragma once
// A merger session whose working folder is a small tmpfs of its own, so
// that a test can make it read-only or fill it up.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "pack/MergerCommands.h"
#include "pack/MergerSession.h"
#include "MountedFolder.h"
#include "platform/ScriptedPlatform.h"
#include "testing/TempDir.h"

namespace faults {

class MergerFaultTest : public ::testing::Test {
protected:
    // The temporary folder is entered first, so that the folder the test
    // started in is the working folder again once it is gone.
    MergerFaultTest() : session(platform, report, progress) { dir.enter(); }

    // Mounts the working folder with room for sizeBytes and enters it.
    // Call through FAULTS_MOUNT so that a refused mount skips the test.
    void mountWork(size_t sizeBytes)
    {
        disk = std::make_unique<MountedFolder>(dir / "work", sizeBytes);
        if (disk->mounted()) std::filesystem::current_path(work());
    }

    std::filesystem::path work() const { return dir / "work"; }
    std::string at(const std::string& name) const { return (work() / name).string(); }
    void write(const std::string& name, const std::string& bytes) const { testing_support::writeFile(work() / name, bytes); }
    std::string read(const std::string& name) const { return testing_support::readFile(work() / name); }
    bool exists(const std::string& name) const { return std::filesystem::exists(work() / name); }
    void choose(const std::string& name) { platform.queueChoice(at(name)); }
    const std::vector<std::string>& messages() const { return platform.messages(); }

    testing_support::TempDir dir;
    std::unique_ptr<MountedFolder> disk;
    platform::ScriptedPlatform platform;
    packwell::pack::LineReport report;
    packwell::pack::NoProgress progress;
    packwell::pack::MergerSession session;
};

// Bytes that neither coder can shrink much.
std::string noise(size_t size, unsigned seed = 1);

}  // namespace faults

#define FAULTS_MOUNT(size)                  \
    do {                                    \
        mountWork(size);                    \
        FAULTS_REQUIRE_MOUNT(*disk);        \
    } while (0)
