#include "RleDecoder.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "HexText.h"
#include "StreamBuffers.h"

namespace packwell::compress {
DecodeResult rleDecode(std::FILE* input, std::FILE* output)
{
    InputWindow in;
    OutputBuffer out;
    if (!in.open(input) || !out.open(output)) return DecodeResult::failure("there is not enough memory to decode it");

    if (!in.ensure(4)) return DecodeResult::failure("its size field is truncated");
    const std::uint8_t* head = in.data();
    const std::uint64_t size = std::uint64_t{head[0]} | std::uint64_t{head[1]} << 8 | std::uint64_t{head[2]} << 16 |
                               std::uint64_t{head[3]} << 24;
    in.consume(4);
    std::uint64_t offset = 4;  // of the token being read, for the messages

    std::uint64_t left = size;
    while (left > 0) {
        // A token is at most 127 bytes; the window holds far more.
        if (in.available() < 127) in.ensure(127);
        if (in.available() == 0) return DecodeResult::failure("its tokens end before the stated size is reached");
        if (out.room() < 126 && !out.flush()) return DecodeResult::failure("the output could not be written");
        const std::uint8_t first = *in.data();
        const std::uint64_t count = first & 0x7F;
        const bool run = (first & 0x80) != 0;
        if (count == 0 || count == 0x7F || (run && count < 2)) {
            return DecodeResult::failure("the byte " + hex2(first) + " at offset " + std::to_string(offset) +
                                         " is not a token");
        }
        if (count > left) {
            return DecodeResult::failure("the token at offset " + std::to_string(offset) + " overruns the stated size");
        }
        const std::size_t need = run ? 2 : 1 + static_cast<std::size_t>(count);
        if (in.available() < need) return DecodeResult::failure("its last token is truncated");
        if (run) {
            std::memset(out.cursor(), in.data()[1], static_cast<std::size_t>(count));
        } else {
            std::memcpy(out.cursor(), in.data() + 1, static_cast<std::size_t>(count));
        }
        out.advance(static_cast<std::size_t>(count));
        in.consume(need);
        offset += need;
        left -= count;
    }
    if (in.available() > 0 || in.fill()) return DecodeResult::failure("it has data after its last token");
    if (!out.flush()) return DecodeResult::failure("the output could not be written");
    return DecodeResult::success();
}

}  // namespace packwell::compress
