#include "RleCoder.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>

#include "FileSize.h"
#include "RleScan.h"

namespace packwell::compress {
namespace {

constexpr std::size_t kWindow = 256 * 1024;
// A token looks at most 129 bytes ahead of where it begins (a literal of 126
// bytes checks the three bytes after its last one).
constexpr std::size_t kLookAhead = 130;
constexpr std::size_t kOutput = 64 * 1024;
constexpr std::size_t kLongestToken = 127;
constexpr std::size_t kLongestCount = 126;

class TokenWriter {
public:
    TokenWriter(std::FILE* file, std::uint8_t* buffer) : file_(file), buffer_(buffer) {}
    std::uint8_t* room()
    {
        if (used_ + kLongestToken > kOutput) flush();
        return buffer_ + used_;
    }
    void advance(std::size_t n) { used_ += n; }
    void flush()
    {
        if (used_ > 0) std::fwrite(buffer_, 1, used_, file_);
        used_ = 0;
    }

private:
    std::FILE* file_;
    std::uint8_t* buffer_;
    std::size_t used_ = 0;
};

// Codes the tokens that begin in window[0, end): all of them when the
// window holds the input's end, otherwise those whose look-ahead lies inside
// the window. Returns where the first uncoded token begins.
std::size_t codeWindow(const std::uint8_t* window, std::size_t end, bool holdsInputEnd, TokenWriter& out)
{
    std::size_t p = 0;
    while (p < end && (holdsInputEnd || end - p >= kLookAhead)) {
        const std::uint8_t* b = window + p;
        // While more input follows the window, avail is at least kLookAhead
        // and every limit below comes out as it would for the whole input.
        const std::size_t avail = end - p;
        std::uint8_t* o = out.room();
        if (avail >= 2 && b[1] == b[0]) {
            const std::size_t n = runLength(b, std::min(avail, kLongestCount));
            o[0] = static_cast<std::uint8_t>(0x80 + n);
            o[1] = b[0];
            out.advance(2);
            p += n;
        } else {
            // The literal ends in front of four equal bytes, at 126 bytes, or
            // where fewer than four bytes would follow it.
            const std::size_t most = avail > 3 ? std::min(avail - 3, kLongestCount) : 0;
            std::size_t length = firstRunOfFour(b, 1, most);
            if (length == 0) length = 1;
            o[0] = static_cast<std::uint8_t>(length);
            std::memcpy(o + 1, b, length);
            out.advance(length + 1);
            p += length;
        }
    }
    return p;
}

}  // namespace

EncodeStatus rleEncode(std::FILE* input, std::FILE* output)
{
    const auto size = sizeAndRewind(input);
    if (!size) return EncodeStatus::Unreadable;
    if (*size > kLargestStoredSize) return EncodeStatus::TooLarge;

    // Zeroed, so that the scans' reads past the data never meet
    // uninitialised bytes.
    std::unique_ptr<std::uint8_t[]> window(new (std::nothrow) std::uint8_t[kWindow + kScanPadding]());
    std::unique_ptr<std::uint8_t[]> outBuffer(new (std::nothrow) std::uint8_t[kOutput]);
    if (!window || !outBuffer) return EncodeStatus::NoMemory;

    const std::uint8_t head[4] = {static_cast<std::uint8_t>(*size), static_cast<std::uint8_t>(*size >> 8),
                                  static_cast<std::uint8_t>(*size >> 16), static_cast<std::uint8_t>(*size >> 24)};
    std::fwrite(head, 1, 4, output);

    TokenWriter out(output, outBuffer.get());
    std::uint64_t unread = *size;
    std::size_t held = 0;
    bool shortRead = false;
    for (;;) {
        while (unread > 0 && held < kWindow) {
            const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(unread, kWindow - held));
            const std::size_t got = std::fread(window.get() + held, 1, want, input);
            if (got == 0) {
                shortRead = true;
                unread = 0;
                break;
            }
            held += got;
            unread -= got;
        }
        const bool holdsEnd = unread == 0;
        const std::size_t done = codeWindow(window.get(), held, holdsEnd, out);
        if (holdsEnd) break;
        std::memmove(window.get(), window.get() + done, held - done);
        held -= done;
    }
    out.flush();
    return shortRead ? EncodeStatus::ShortRead : EncodeStatus::Ok;
}

}  // namespace packwell::compress
