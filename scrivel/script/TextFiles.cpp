#include "TextFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace scrivel::script {

std::optional<std::string> readWholeFile(const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, got);
    bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) return std::nullopt;
    return bytes;
}

std::vector<std::string> splitTextLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(text.substr(start, i - start));
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::string joinTextLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

bool fileExists(const std::string& path)
{
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string writeFileAtomically(const std::string& path, const std::string& bytes)
{
    auto failure = [&](int error) {
        return "Cannot create file \"" + path + "\". " + std::strerror(error);
    };
    if (path.empty()) return failure(ENOENT);
    std::string temp = path + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return failure(errno);
    // Keep the permissions an existing file had; a new file gets the usual ones.
    struct stat st;
    mode_t mode = 0666;
    if (::stat(path.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    ::fchmod(fd, mode);
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            int error = errno;
            ::close(fd);
            ::unlink(temp.c_str());
            return failure(error);
        }
        done += static_cast<size_t>(n);
    }
    int syncError = ::fsync(fd) != 0 ? errno : 0;
    int closeError = ::close(fd) != 0 ? errno : 0;
    if (syncError || closeError) {
        ::unlink(temp.c_str());
        return failure(syncError ? syncError : closeError);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        int error = errno;
        ::unlink(temp.c_str());
        return failure(error);
    }
    return std::string();
}

}  // namespace scrivel::script
