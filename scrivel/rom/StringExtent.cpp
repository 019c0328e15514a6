#include "StringExtent.h"

#include "ByteCode.h"

namespace scrivel::rom {

StringExtent stringExtent(const uint8_t* image, size_t size, size_t start)
{
    if (start >= size) return {};
    size_t pos = start;
    while (pos < size) {
        const uint8_t b = image[pos];
        if (b == EndOfString) return {pos + 1 - start, true};
        if (isTwoByteLead(b))
            pos += 2;  // two-byte glyph: the second byte is any value
        else if (b == OperandCode)
            pos += 3;  // control code with two operand bytes
        else
            pos += 1;
    }
    // A code whose operands were cut off by the image end stops at the end.
    return {size - start, false};
}

std::optional<uint8_t> codeShortOfOperands(const uint8_t* bytes, size_t count)
{
    size_t pos = 0;
    while (pos < count) {
        const uint8_t b = bytes[pos];
        size_t length = 1;
        if (isTwoByteLead(b))
            length = 2;
        else if (b == OperandCode)
            length = 3;
        if (pos + length > count) return b;
        pos += length;
    }
    return std::nullopt;
}

}  // namespace scrivel::rom
