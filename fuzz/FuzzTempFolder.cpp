#include "FuzzTempFolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fuzzing {
namespace {

void removeFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(tempFolder(), ignored);
}

std::string makeFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tools-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        std::abort();
    }
    return pattern;
}

}  // namespace

const std::string& tempFolder()
{
    // Never destroyed, so that the removal at exit still has the name.
    static const std::string* folder = [] {
        auto* made = new std::string(makeFolder());
        std::atexit(removeFolder);
        return made;
    }();
    return *folder;
}

void emptyTempFolder()
{
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(tempFolder(), ignored))
        std::filesystem::remove_all(entry.path(), ignored);
}

KeepWorkingFolder::KeepWorkingFolder() : folder_(std::filesystem::current_path().string()) {}

KeepWorkingFolder::~KeepWorkingFolder()
{
    if (::chdir(folder_.c_str()) != 0) std::abort();
}

std::string writeTempFile(const std::string& name, const std::string& bytes)
{
    std::string path = tempFolder() + "/" + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

}  // namespace fuzzing
