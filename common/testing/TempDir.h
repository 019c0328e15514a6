#pragma once
// A fresh temporary folder for one test, removed with everything in it when
// the test ends; optionally the process's current folder while it lives.

#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    // Makes this folder the current folder until the TempDir is destroyed.
    void enter();

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

void writeFile(const std::filesystem::path& path, const std::string& bytes);
void writeFile(const std::filesystem::path& path, const std::vector<unsigned char>& bytes);
std::string readFile(const std::filesystem::path& path);

}  // namespace testing_support
