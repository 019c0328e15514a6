#pragma once
// A private folder for one fuzzing process: made on first use, emptied
// between inputs, removed when the process ends.

#include <string>

namespace fuzzing {

// The folder's absolute path (no trailing "/").
const std::string& tempFolder();

// Removes everything inside the folder, keeping the folder.
void emptyTempFolder();

// The commands make a chosen file's folder the working folder; libFuzzer
// reads its corpus and writes its findings by relative path, so every input
// ends back in the folder the process started in.
class KeepWorkingFolder {
public:
    KeepWorkingFolder();
    ~KeepWorkingFolder();
    KeepWorkingFolder(const KeepWorkingFolder&) = delete;
    KeepWorkingFolder& operator=(const KeepWorkingFolder&) = delete;

private:
    std::string folder_;
};

// Writes bytes to name inside the folder; returns the file's path.
std::string writeTempFile(const std::string& name, const std::string& bytes);

}  // namespace fuzzing
