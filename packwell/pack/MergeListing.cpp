#include "MergeListing.h"

#include <cstring>
#include <string>

#include "TextFormat.h"

namespace packwell::pack {
namespace {

// "0xHH, " for every byte value.
struct ByteTexts {
    char text[256][6];
    ByteTexts()
    {
        static const char kDigits[] = "0123456789ABCDEF";
        for (int b = 0; b < 256; ++b) {
            char* t = text[b];
            t[0] = '0';
            t[1] = 'x';
            t[2] = kDigits[b >> 4];
            t[3] = kDigits[b & 0xF];
            t[4] = ',';
            t[5] = ' ';
        }
    }
};

const ByteTexts& byteTexts()
{
    static const ByteTexts texts;
    return texts;
}

}  // namespace

void DataListingWriter::begin(uint64_t size)
{
    index_ = 0;
    out_.write("  unsigned char Data[0x" + hexUpper(size, 0) + "] = \r\n  {\r\n    ");
}

void DataListingWriter::add(const unsigned char* bytes, size_t n)
{
    const ByteTexts& texts = byteTexts();
    // Rows are formatted into a local block and written in large pieces.
    char block[16 * 1024];
    size_t used = 0;
    for (size_t i = 0; i < n; ++i, ++index_) {
        if (used + 64 > sizeof block) {
            out_.write(block, used);
            used = 0;
        }
        const char* t = texts.text[bytes[i]];
        if ((index_ & 15) != 15) {
            std::memcpy(block + used, t, 6);
            used += 6;
            continue;
        }
        std::memcpy(block + used, t, 5);
        used += 5;
        // At most 31 characters, so the 64 bytes kept free above hold it.
        std::string tail = "  // " + decimalRight(index_ >> 4, 3) + "\r\n    ";
        std::memcpy(block + used, tail.data(), tail.size());
        used += tail.size();
    }
    out_.write(block, used);
}

void DataListingWriter::end()
{
    out_.write("\r\n  }; \r\n");
}

}  // namespace packwell::pack
