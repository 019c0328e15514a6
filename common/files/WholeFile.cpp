#include "WholeFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace common {
namespace {

std::error_code systemError(int error) { return {error, std::generic_category()}; }

int openRetrying(const char* path, int flags, mode_t mode = 0)
{
    int fd;
    do {
        fd = ::open(path, flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// Writes all n bytes; the error of the write that failed, else 0.
int writeAll(int fd, const char* bytes, size_t n)
{
    while (n > 0) {
        const ssize_t written = ::write(fd, bytes, n);
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes += written;
        n -= static_cast<size_t>(written);
    }
    return 0;
}

// Reads what is left of fd into bytes; false on a read error.
bool readRest(int fd, std::string& bytes, size_t expected)
{
    // A plain file is read in one go: its length plus one byte to meet the end.
    constexpr size_t kBlock = 1 << 16;
    bytes.resize(expected + 1 > kBlock ? expected + 1 : kBlock);
    size_t have = 0;
    for (;;) {
        if (have == bytes.size()) bytes.resize(bytes.size() + bytes.size() / 2);
        const ssize_t got = ::read(fd, bytes.data() + have, bytes.size() - have);
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (got == 0) break;
        have += static_cast<size_t>(got);
    }
    bytes.resize(have);
    return true;
}

}  // namespace

std::optional<std::string> readWholeFile(const std::string& path)
{
    const int fd = openRetrying(path.c_str(), O_RDONLY);
    if (fd < 0) return std::nullopt;
    struct stat st;
    std::optional<std::string> bytes;
    if (::fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode)) {
        try {
            std::string read;
            if (readRest(fd, read, S_ISREG(st.st_mode) ? static_cast<size_t>(st.st_size) : 0))
                bytes = std::move(read);
        } catch (const std::bad_alloc&) {
            bytes.reset();
        }
    }
    ::close(fd);
    return bytes;
}

std::error_code replaceFileAtomically(const std::string& path, std::string_view bytes)
{
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty()) return systemError(path.empty() ? ENOENT : EISDIR);

    struct stat old;
    const bool hadOld = ::stat(path.c_str(), &old) == 0;
    if (hadOld && S_ISDIR(old.st_mode)) return systemError(EISDIR);
    if (hadOld && ::access(path.c_str(), W_OK) != 0) return systemError(errno);

    // A hidden name beside the file, so the rename stays on one file system.
    std::string temp;
    int fd = -1;
    for (unsigned attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = folder + "." + name + "." + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp";
        fd = openRetrying(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd < 0 && errno != EEXIST) return systemError(errno);
    }
    if (fd < 0) return systemError(EEXIST);

    int error = writeAll(fd, bytes.data(), bytes.size());
    // Best effort: a file system without permissions still takes the save.
    if (!error && hadOld) (void)::fchmod(fd, old.st_mode & 07777);
    if (!error && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    if (!error && ::rename(temp.c_str(), path.c_str()) != 0) error = errno;
    if (error) ::unlink(temp.c_str());
    return error ? systemError(error) : std::error_code();
}

std::error_code createFileExclusively(const std::string& path, std::string_view bytes)
{
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty()) return systemError(path.empty() ? ENOENT : EISDIR);
    struct stat st;
    if (::lstat(path.c_str(), &st) == 0) return systemError(EEXIST);

    std::string temp;
    int fd = -1;
    for (unsigned attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = folder + "." + name + "." + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".new";
        fd = openRetrying(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd < 0 && errno != EEXIST) return systemError(errno);
    }
    if (fd < 0) return systemError(EEXIST);

    int error = writeAll(fd, bytes.data(), bytes.size());
    if (::close(fd) != 0 && !error) error = errno;
    bool moved = false;
    if (!error) {
        moved = ::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0;
        if (!moved) error = errno;
        // A file system without the no-replace move: a hard link, which
        // fails as well when path is taken.
        if (error == EINVAL || error == ENOSYS) error = ::link(temp.c_str(), path.c_str()) == 0 ? 0 : errno;
    }
    if (!moved) ::unlink(temp.c_str());
    return error ? systemError(error) : std::error_code();
}

}  // namespace common
