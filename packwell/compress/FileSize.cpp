#include "FileSize.h"

#include <sys/stat.h>
#include <sys/types.h>

namespace packwell::compress {

std::optional<std::uint64_t> sizeAndRewind(std::FILE* input)
{
    // Only a regular file has a size to take (a folder opened for reading
    // seeks to odd places).
    const int fd = ::fileno(input);
    struct stat st;
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) return std::nullopt;
    if (::fseeko(input, 0, SEEK_END) != 0) return std::nullopt;
    const off_t end = ::ftello(input);
    if (end < 0 || ::fseeko(input, 0, SEEK_SET) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(end);
}

}  // namespace packwell::compress
