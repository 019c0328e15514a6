#pragma once
// Thin wrappers over the system's file calls, used by the merger's commands:
// an input file read in large blocks and an output file with a large write
// buffer. Paths may be relative (to the working folder) or absolute.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace packwell::pack {

// Which file an open file is (device and inode): two names of one file
// give the same identity.
struct FileIdentity {
    uint64_t device = 0;
    uint64_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

class InputFile {
public:
    InputFile() = default;
    ~InputFile() { close(); }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Opens path for reading. Fails for a folder.
    bool open(const std::string& path);
    bool isOpen() const { return fd_ >= 0; }
    // The file's length when it was opened (0 for pipes and devices).
    uint64_t size() const { return size_; }
    // True for a plain file, whose length is known.
    bool isRegular() const { return regular_; }
    FileIdentity identity() const { return identity_; }
    // Reads up to n bytes; returns the count (0 at the end) or -1 on error.
    long read(void* buffer, size_t n);
    // Reads everything that is left into bytes. False on a read error.
    bool readRest(std::vector<unsigned char>& bytes);
    void close();

private:
    int fd_ = -1;
    uint64_t size_ = 0;
    bool regular_ = false;
    FileIdentity identity_;
};

class OutputFile {
public:
    OutputFile() = default;
    ~OutputFile() { close(); }
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Creates path for writing, emptying an earlier file of that name.
    bool create(const std::string& path);
    // Opens path for appending, creating it empty when missing.
    bool openForAppend(const std::string& path);
    bool isOpen() const { return fd_ >= 0; }
    FileIdentity identity() const { return identity_; }

    // The length of the file including what is still buffered.
    uint64_t length() const { return length_; }
    void write(const void* bytes, size_t n);
    void write(const std::string& text) { write(text.data(), text.size()); }
    // Appends what is left of input; with limited, no more than limit bytes.
    // Returns false on a read error (a write error is kept in failed()).
    bool appendFrom(InputFile& input, bool limited, uint64_t limit);
    // Hands the buffered bytes to the system.
    void flush();
    // Cuts the file back to length bytes (after flushing).
    bool truncateTo(uint64_t length);
    // True once any write has failed.
    bool failed() const { return failed_; }
    // Flushes and closes; returns false if any write or the close failed.
    bool close();

private:
    bool openWith(const std::string& path, int flags);
    void writeDirect(const unsigned char* bytes, size_t n);
    void ensureBuffer();

    int fd_ = -1;
    FileIdentity identity_;
    uint64_t length_ = 0;
    bool failed_ = false;
    std::unique_ptr<unsigned char[]> buffer_;  // kBlock bytes once used
    size_t used_ = 0;
};

}  // namespace packwell::pack
