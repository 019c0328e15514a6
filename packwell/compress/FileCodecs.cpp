#include "FileCodecs.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

#include "EncodeMessages.h"
#include "HuffmanCoder.h"
#include "HuffmanDecoder.h"
#include "RleCoder.h"
#include "RleDecoder.h"

namespace packwell::compress {
namespace {

// A new file beside the final output, renamed into place by commit() and
// removed when dropped without it.
class TemporaryOutput {
public:
    explicit TemporaryOutput(const std::string& finalPath) : finalPath_(finalPath)
    {
        for (unsigned attempt = 0; attempt < 100 && !file_; ++attempt) {
            path_ = finalPath + ".part" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
            const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0) {
                if (errno == EEXIST) continue;
                return;
            }
            file_ = ::fdopen(fd, "wb");
            if (!file_) {
                ::close(fd);
                ::unlink(path_.c_str());
                return;
            }
        }
    }
    ~TemporaryOutput()
    {
        if (file_) {
            std::fclose(file_);
            ::unlink(path_.c_str());
        }
    }
    TemporaryOutput(const TemporaryOutput&) = delete;
    TemporaryOutput& operator=(const TemporaryOutput&) = delete;

    std::FILE* file() const { return file_; }

    // Closes the file and gives it its final name; false when anything
    // failed (the temporary file is then gone).
    bool commit()
    {
        const bool written = std::ferror(file_) == 0;
        const bool closed = std::fclose(file_) == 0;
        file_ = nullptr;
        if (written && closed && ::rename(path_.c_str(), finalPath_.c_str()) == 0) return true;
        ::unlink(path_.c_str());
        return false;
    }

private:
    std::string finalPath_;
    std::string path_;
    std::FILE* file_ = nullptr;
};

class InputFile {
public:
    explicit InputFile(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {}
    ~InputFile()
    {
        if (file_) std::fclose(file_);
    }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    std::FILE* get() const { return file_; }

private:
    std::FILE* file_;
};

FileOutcome failure(std::string message) { return FileOutcome{false, std::move(message)}; }

template <typename Encode>
FileOutcome encodeFile(const std::string& inPath, const std::string& outPath, const std::string& kind, Encode encode)
{
    InputFile in(inPath);
    if (!in.get()) return failure("Error: Could not open " + inPath + ".");
    TemporaryOutput out(outPath);
    if (!out.file()) return failure("Error: Could not create " + outPath + ".");
    const EncodeStatus status = encode(in.get(), out.file());
    if (status != EncodeStatus::Ok) return failure(encodeFailureMessage(status, inPath, kind));
    if (!out.commit()) return failure(writeFailureMessage(outPath));
    return {};
}

template <typename Decode>
FileOutcome decodeFile(const std::string& inPath, const std::string& outPath, const std::string& kind, Decode decode)
{
    InputFile in(inPath);
    if (!in.get()) return failure("Error: Could not open " + inPath + ".");
    TemporaryOutput out(outPath);
    if (!out.file()) return failure("Error: Could not create " + outPath + ".");
    const DecodeResult result = decode(in.get(), out.file());
    if (std::ferror(in.get())) return failure("Error: Could not read " + inPath + ".");
    if (!result.ok) return failure("Error: " + inPath + " is not a valid " + kind + " file: " + result.reason + ".");
    if (!out.commit()) return failure(writeFailureMessage(outPath));
    return {};
}

}  // namespace

FileOutcome encodeHufFile(const std::string& inPath, const std::string& outPath)
{
    return encodeFile(inPath, outPath, ".huf", huffmanEncode);
}

FileOutcome encodeRleFile(const std::string& inPath, const std::string& outPath)
{
    return encodeFile(inPath, outPath, ".rle", rleEncode);
}

FileOutcome decodeHufFile(const std::string& inPath, const std::string& outPath)
{
    return decodeFile(inPath, outPath, ".huf", huffmanDecode);
}

FileOutcome decodeRleFile(const std::string& inPath, const std::string& outPath)
{
    return decodeFile(inPath, outPath, ".rle", rleDecode);
}

}  // namespace packwell::compress
