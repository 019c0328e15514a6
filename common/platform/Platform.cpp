#include "Platform.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>

#include "FolderSearch.h"

namespace platform {

std::optional<std::string> Platform::openFile(const FileDialogRequest& request)
{
    return afterDialog(runOpenDialog(request));
}

std::optional<std::string> Platform::saveFile(const FileDialogRequest& request)
{
    return afterDialog(runSaveDialog(request));
}

std::optional<std::string> Platform::afterDialog(std::optional<std::string> chosen)
{
    if (chosen) {
        *chosen = absolutePath(*chosen);
        setWorkingFolder(folderOf(*chosen));
    }
    return chosen;
}

std::string Platform::workingFolder()
{
    std::error_code ec;
    auto p = std::filesystem::current_path(ec);
    return ec ? std::string() : p.string();
}

bool Platform::setWorkingFolder(const std::string& folder)
{
    return !folder.empty() && ::chdir(folder.c_str()) == 0;
}

std::vector<std::string> Platform::findFiles(const std::string& folder, const std::string& pattern)
{
    return searchFolder(folder, pattern);
}

std::string folderOf(const std::string& path)
{
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return std::string();
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string fileNameOf(const std::string& path)
{
    size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string absolutePath(const std::string& path)
{
    std::error_code ec;
    auto abs = std::filesystem::absolute(path, ec);
    if (ec) return path;
    return abs.lexically_normal().string();
}

}  // namespace platform
