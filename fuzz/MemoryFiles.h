#pragma once
// stdio streams over memory for the coder targets: an input that can be
// sought (as the coders need) and an output collected into a string.

#include <cstdio>
#include <string>

namespace fuzzing {

// A read-only stream over bytes (which must outlive it).
std::FILE* readingStream(const std::string& bytes);

// A stream whose written bytes text() returns once it is closed.
class WritingStream {
public:
    WritingStream();
    ~WritingStream();
    WritingStream(const WritingStream&) = delete;
    WritingStream& operator=(const WritingStream&) = delete;

    std::FILE* file() const { return file_; }
    // Closes the stream and returns what was written.
    std::string text();

private:
    std::FILE* file_ = nullptr;
    char* buffer_ = nullptr;
    size_t size_ = 0;
};

}  // namespace fuzzing
