#pragma once
// A small tmpfs mounted on a folder for one test: a disk that fills up at a
// known size, or a folder that can be made read-only. Unmounted when the
// object goes (lazily, so a working folder inside it does not block that).
// Mounting needs the rights of root; tests skip when the system refuses.

#include <cstddef>
#include <filesystem>
#include <string>

namespace faults {

class MountedFolder {
public:
    // Creates folder when missing and mounts a tmpfs of sizeBytes on it.
    MountedFolder(const std::filesystem::path& folder, size_t sizeBytes);
    ~MountedFolder();
    MountedFolder(const MountedFolder&) = delete;
    MountedFolder& operator=(const MountedFolder&) = delete;

    bool mounted() const { return mounted_; }
    // Why the mount was refused (empty when it worked).
    const std::string& refusal() const { return refusal_; }
    const std::filesystem::path& path() const { return folder_; }

    // Remounts read-only (or writable again). False when refused.
    bool makeReadOnly();
    bool makeWritable();

    // Writes a filler file until the disk is full; returns the bytes written.
    size_t fill(const std::string& name = "filler");

private:
    std::filesystem::path folder_;
    size_t size_;
    bool mounted_ = false;
    std::string refusal_;
};

}  // namespace faults

// Skips the current test when the folder could not be mounted.
#define FAULTS_REQUIRE_MOUNT(m)                                                    \
    do {                                                                           \
        if (!(m).mounted()) GTEST_SKIP() << "cannot mount a tmpfs: " << (m).refusal(); \
    } while (0)
