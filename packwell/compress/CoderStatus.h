#pragma once
// Outcomes shared by the coders and the decoders.

#include <string>
#include <utility>

namespace packwell::compress {

// What an encoder reports to its caller. The bytes it writes for Ok are the
// complete compressed file.
enum class EncodeStatus {
    Ok,
    // The input is 4 GiB or larger: both formats store sizes in 32 bits.
    // Nothing has been written.
    TooLarge,
    // The input ended before the size taken at the start had been read (it
    // shrank while being coded). What was read is coded; the header keeps
    // the size taken, so the output is incomplete. The Huffman coder also
    // reports it when the writing pass met bytes the counting pass had not
    // seen (the file changed between the passes): they were left out.
    ShortRead,
    // The fixed working buffers could not be obtained. Nothing has been
    // written.
    NoMemory,
    // The input could not be sized (seek or tell failed). Nothing has been
    // written.
    Unreadable,
};

// What a decoder reports. On failure, reason says in plain words what is
// wrong with the input ("its header is truncated", ...), without a prefix.
struct DecodeResult {
    bool ok = true;
    std::string reason;

    static DecodeResult success() { return {}; }
    static DecodeResult failure(std::string why) { return {false, std::move(why)}; }
};

}  // namespace packwell::compress
