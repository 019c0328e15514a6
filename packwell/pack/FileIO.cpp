#include "FileIO.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace packwell::pack {
namespace {

constexpr size_t kBlock = 1 << 20;

bool writeAll(int fd, const unsigned char* bytes, size_t n)
{
    while (n > 0) {
        ssize_t w = ::write(fd, bytes, n);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes += w;
        n -= static_cast<size_t>(w);
    }
    return true;
}

}  // namespace

bool InputFile::open(const std::string& path)
{
    close();
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return false;
    struct stat st;
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    identity_ = {static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
    regular_ = S_ISREG(st.st_mode);
    size_ = regular_ ? static_cast<uint64_t>(st.st_size) : 0;
    return true;
}

long InputFile::read(void* buffer, size_t n)
{
    if (fd_ < 0) return -1;
    for (;;) {
        ssize_t r = ::read(fd_, buffer, n);
        if (r >= 0) return static_cast<long>(r);
        if (errno != EINTR) return -1;
    }
}

bool InputFile::readRest(std::vector<unsigned char>& bytes)
{
    size_t have = bytes.size();
    // A plain file is read in one go: its length plus one byte to meet the end.
    if (regular_) bytes.resize(have + static_cast<size_t>(size_) + 1);
    for (;;) {
        size_t room = bytes.size() - have;
        if (room == 0) {
            bytes.resize(bytes.size() + (bytes.size() < kBlock ? kBlock : bytes.size() / 2));
            room = bytes.size() - have;
        }
        long r = read(bytes.data() + have, room);
        if (r < 0) {
            bytes.resize(have);
            return false;
        }
        if (r == 0) break;
        have += static_cast<size_t>(r);
    }
    bytes.resize(have);
    return true;
}

void InputFile::close()
{
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    size_ = 0;
    regular_ = false;
    identity_ = {};
}

bool OutputFile::openWith(const std::string& path, int flags)
{
    close();
    int fd;
    do {
        fd = ::open(path.c_str(), flags | O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return false;
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    identity_ = {static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
    length_ = S_ISREG(st.st_mode) ? static_cast<uint64_t>(st.st_size) : 0;
    failed_ = false;
    used_ = 0;
    return true;
}

bool OutputFile::create(const std::string& path) { return openWith(path, O_TRUNC); }

bool OutputFile::openForAppend(const std::string& path) { return openWith(path, O_APPEND); }

void OutputFile::writeDirect(const unsigned char* bytes, size_t n)
{
    if (!failed_ && !writeAll(fd_, bytes, n)) failed_ = true;
}

void OutputFile::ensureBuffer()
{
    // Left uninitialised: only the bytes before used_ are ever read.
    if (!buffer_) buffer_.reset(new unsigned char[kBlock]);
}

void OutputFile::write(const void* bytes, size_t n)
{
    if (fd_ < 0 || n == 0) return;
    auto* p = static_cast<const unsigned char*>(bytes);
    length_ += n;
    ensureBuffer();
    if (used_ + n <= kBlock) {
        std::memcpy(buffer_.get() + used_, p, n);
        used_ += n;
        return;
    }
    flush();
    if (n >= kBlock) {
        writeDirect(p, n);
    } else {
        std::memcpy(buffer_.get(), p, n);
        used_ = n;
    }
}

bool OutputFile::appendFrom(InputFile& input, bool limited, uint64_t limit)
{
    if (fd_ < 0) return false;
    ensureBuffer();
    while (!limited || limit > 0) {
        if (used_ == kBlock) flush();
        size_t room = kBlock - used_;
        if (limited && limit < room) room = static_cast<size_t>(limit);
        long r = input.read(buffer_.get() + used_, room);
        if (r < 0) return false;
        if (r == 0) break;
        used_ += static_cast<size_t>(r);
        length_ += static_cast<uint64_t>(r);
        if (limited) limit -= static_cast<uint64_t>(r);
    }
    return true;
}

void OutputFile::flush()
{
    if (fd_ >= 0 && used_ > 0) writeDirect(buffer_.get(), used_);
    used_ = 0;
}

bool OutputFile::truncateTo(uint64_t length)
{
    if (fd_ < 0) return false;
    flush();
    if (::ftruncate(fd_, static_cast<off_t>(length)) != 0) return false;
    length_ = length;
    return true;
}

bool OutputFile::close()
{
    if (fd_ < 0) return !failed_;
    flush();
    if (::close(fd_) != 0) failed_ = true;
    fd_ = -1;
    used_ = 0;
    buffer_.reset();
    return !failed_;
}

}  // namespace packwell::pack
