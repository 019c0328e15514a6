// The text block data file parser over arbitrary bytes: every line piece
// stays within 255 characters, no more than MaxBlocks blocks are kept, and
// the parse is the same when run twice.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "rom/DataFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    for (const std::string& line : scrivel::rom::dataFileLines(bytes))
        if (line.size() > 255) std::abort();

    scrivel::rom::FontFormat first;
    scrivel::rom::DataFileContents contents = scrivel::rom::parseDataFile(bytes, first);
    if (contents.blocks.size() > static_cast<size_t>(scrivel::rom::MaxBlocks)) std::abort();
    if (contents.truncated && contents.blocks.size() != static_cast<size_t>(scrivel::rom::MaxBlocks)) std::abort();

    scrivel::rom::FontFormat second;
    scrivel::rom::DataFileContents again = scrivel::rom::parseDataFile(bytes, second);
    if (again.blocks.size() != contents.blocks.size() || first.lineWidth != second.lineWidth ||
        first.cellHeight != second.cellHeight || first.cellWidth != second.cellWidth)
        std::abort();
    return 0;
}
