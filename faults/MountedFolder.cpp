#include "MountedFolder.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>
#include <vector>

namespace faults {

MountedFolder::MountedFolder(const std::filesystem::path& folder, size_t sizeBytes) : folder_(folder), size_(sizeBytes)
{
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
    const std::string options = "size=" + std::to_string(sizeBytes) + ",mode=0777";
    if (::mount("tmpfs", folder_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0)
        mounted_ = true;
    else
        refusal_ = std::strerror(errno);
}

MountedFolder::~MountedFolder()
{
    if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
}

bool MountedFolder::makeReadOnly()
{
    return mounted_ && ::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV,
                               nullptr) == 0;
}

bool MountedFolder::makeWritable()
{
    return mounted_ && ::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_NOSUID | MS_NODEV, nullptr) == 0;
}

size_t MountedFolder::fill(const std::string& name)
{
    const std::string path = (folder_ / name).string();
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (fd < 0) return 0;
    std::vector<char> block(4096, 'F');
    size_t written = 0;
    for (size_t piece : {size_t(4096), size_t(1)}) {
        for (;;) {
            const ssize_t n = ::write(fd, block.data(), piece);
            if (n <= 0) break;
            written += static_cast<size_t>(n);
        }
    }
    ::close(fd);
    return written;
}

}  // namespace faults
