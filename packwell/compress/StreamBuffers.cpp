#include "StreamBuffers.h"

#include <cstring>
#include <new>

namespace packwell::compress {

bool InputWindow::open(std::FILE* file)
{
    file_ = file;
    buffer_.reset(new (std::nothrow) std::uint8_t[kCapacity]);
    pos_ = end_ = 0;
    ended_ = false;
    return buffer_ != nullptr;
}

bool InputWindow::fill()
{
    if (ended_) return false;
    if (pos_ > 0) {
        std::memmove(buffer_.get(), buffer_.get() + pos_, end_ - pos_);
        end_ -= pos_;
        pos_ = 0;
    }
    if (end_ == kCapacity) return true;
    const std::size_t got = std::fread(buffer_.get() + end_, 1, kCapacity - end_, file_);
    end_ += got;
    if (got == 0) ended_ = true;
    return got > 0;
}

bool InputWindow::ensure(std::size_t n)
{
    if (n > kCapacity) return false;
    while (available() < n) {
        if (!fill()) return false;
    }
    return true;
}

bool OutputBuffer::open(std::FILE* file)
{
    file_ = file;
    buffer_.reset(new (std::nothrow) std::uint8_t[kCapacity]);
    used_ = 0;
    failed_ = false;
    return buffer_ != nullptr;
}

bool OutputBuffer::flush()
{
    if (used_ > 0 && !failed_) {
        if (std::fwrite(buffer_.get(), 1, used_, file_) != used_) failed_ = true;
    }
    used_ = 0;
    return !failed_;
}

}  // namespace packwell::compress
