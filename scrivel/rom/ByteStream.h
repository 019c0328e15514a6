#pragma once
// A bounded reader over the game's bytes: no read leaves the view, and bytes
// past its end read as 0xFF (the end of a string), so a string cut off by
// the end of its buffer still ends.

#include <cstddef>
#include <cstdint>
#include <span>

namespace scrivel::rom {

struct ByteStream {
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t pos = 0;

    ByteStream() = default;
    ByteStream(std::span<const uint8_t> bytes) : data(bytes.data()), size(bytes.size()) {}

    uint8_t next() { return pos < size ? data[pos++] : (pos++, 0xFF); }
    uint8_t peek(size_t ahead = 0) const { return pos + ahead < size ? data[pos + ahead] : 0xFF; }
    void skip(size_t count) { pos += count; }
};

}  // namespace scrivel::rom
