#include "CoderRoundTrip.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "MemoryFiles.h"

namespace fuzzing {

void roundTrip(const uint8_t* data, size_t size, Encoder encode, Decoder decode)
{
    const std::string original(reinterpret_cast<const char*>(data), size);

    std::FILE* in = readingStream(original);
    WritingStream coded;
    const packwell::compress::EncodeStatus status = encode(in, coded.file());
    std::fclose(in);
    if (status != packwell::compress::EncodeStatus::Ok) std::abort();
    const std::string file = coded.text();

    std::FILE* codedIn = readingStream(file);
    WritingStream decoded;
    const packwell::compress::DecodeResult result = decode(codedIn, decoded.file());
    std::fclose(codedIn);
    if (!result.ok) {
        std::fprintf(stderr, "decoder refused the coder's output: %s\n", result.reason.c_str());
        std::abort();
    }
    if (decoded.text() != original) {
        std::fprintf(stderr, "round trip changed the bytes\n");
        std::abort();
    }
}

void decodeAny(const uint8_t* data, size_t size, Decoder decode, size_t sizeOffset)
{
    const std::string file(reinterpret_cast<const char*>(data), size);
    std::FILE* in = readingStream(file);
    WritingStream decoded;
    const packwell::compress::DecodeResult result = decode(in, decoded.file());
    std::fclose(in);
    const std::string out = decoded.text();
    if (!result.ok) {
        if (result.reason.empty()) std::abort();  // a refusal must say why
        return;
    }
    if (size < sizeOffset + 4) std::abort();  // accepted a file without a whole header
    uint32_t stated = 0;
    for (int i = 3; i >= 0; --i) stated = stated << 8 | data[sizeOffset + static_cast<size_t>(i)];
    if (out.size() != stated) std::abort();
}

}  // namespace fuzzing
