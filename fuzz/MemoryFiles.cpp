#include "MemoryFiles.h"

#include <cstdlib>

namespace fuzzing {

std::FILE* readingStream(const std::string& bytes)
{
    // An empty buffer cannot back a memory stream; an empty temporary file can.
    std::FILE* f = bytes.empty() ? std::tmpfile()
                                 : ::fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb");
    if (!f) std::abort();
    return f;
}

WritingStream::WritingStream() : file_(::open_memstream(&buffer_, &size_))
{
    if (!file_) std::abort();
}

WritingStream::~WritingStream()
{
    if (file_) std::fclose(file_);
    std::free(buffer_);
}

std::string WritingStream::text()
{
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    return std::string(buffer_ ? buffer_ : "", size_);
}

}  // namespace fuzzing
