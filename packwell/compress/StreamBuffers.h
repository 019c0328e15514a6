#pragma once
// Fixed-size buffered reading and writing over stdio files for the decoders:
// large block reads and writes, whatever the size of the file.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace packwell::compress {

class InputWindow {
public:
    static constexpr std::size_t kCapacity = 256 * 1024;
    // Returns false when the buffer cannot be obtained.
    bool open(std::FILE* file);

    const std::uint8_t* data() const { return buffer_.get() + pos_; }
    std::size_t available() const { return end_ - pos_; }
    void consume(std::size_t n) { pos_ += n; }
    // Moves what is left to the front and reads more behind it. Returns
    // false when nothing more could be read (end of file or a read error).
    bool fill();
    // Fills until at least n bytes are available or the file ends.
    bool ensure(std::size_t n);

private:
    std::FILE* file_ = nullptr;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool ended_ = false;
};

class OutputBuffer {
public:
    static constexpr std::size_t kCapacity = 256 * 1024;
    bool open(std::FILE* file);

    std::uint8_t* cursor() { return buffer_.get() + used_; }
    std::size_t room() const { return kCapacity - used_; }
    void advance(std::size_t n) { used_ += n; }
    // Writes out what is buffered; false once any write has failed.
    bool flush();
    bool failed() const { return failed_; }

private:
    std::FILE* file_ = nullptr;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::size_t used_ = 0;
    bool failed_ = false;
};

}  // namespace packwell::compress
