#include "TextFiles.h"

#include <sys/stat.h>

namespace scrivel::script {

bool fileExists(const std::string& path)
{
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string writeFileAtomically(const std::string& path, const std::string& bytes)
{
    const std::error_code error =
        path.empty() ? std::make_error_code(std::errc::no_such_file_or_directory) : common::replaceFileAtomically(path, bytes);
    if (!error) return std::string();
    return "Cannot create file \"" + path + "\". " + error.message();
}

}  // namespace scrivel::script
