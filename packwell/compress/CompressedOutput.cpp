#include "CompressedOutput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace packwell::compress {

std::FILE* createBesideMember(const std::string& name, std::FILE* member)
{
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;
    struct stat out, in;
    if (member && ::fstat(fd, &out) == 0 && ::fstat(::fileno(member), &in) == 0 && out.st_dev == in.st_dev &&
        out.st_ino == in.st_ino) {
        ::close(fd);
        return nullptr;
    }
    if (::ftruncate(fd, 0) != 0) {
        ::close(fd);
        return nullptr;
    }
    std::FILE* file = ::fdopen(fd, "wb");
    if (!file) ::close(fd);
    return file;
}

}  // namespace packwell::compress
